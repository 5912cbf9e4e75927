#pragma once
// qav-cli ephemeris: the comet or asteroid table of the ephemeris command,
// from the shell, byte for byte as the document would hold it.

#include <iosfwd>
#include <string>
#include <vector>

// `arguments` follow the word "ephemeris"; `catalogueDir` is the folder of
// the catalogues ("" for the working directory). Returns the exit status:
// 0 done, 2 a value refused (the reason on `err`, or the field's own message
// on standard error), 3 a file that could not be read or written.
int RunEphemerisCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                        std::ostream& out, std::ostream& err);
