#pragma once
// qav-cli import: the Minor Planet Center's comet or minor-planet elements,
// from a file or an http(s) address, into COMETS.WDB or ASTERS.DTB.

#include <iosfwd>
#include <string>
#include <vector>

// The lines of the general usage that describe the command.
extern const char* const kImportUsage;

// `arguments` follow the word "import"; the catalogues are in `catalogueDir`
// (the working directory when empty), the file is named from the working
// directory. Status 0 done, 2 a wrong argument or a file refused (its first
// bad line on `err`), 3 a source or catalogue that cannot be read or written.
int RunImportCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                     std::ostream& out, std::ostream& err);
