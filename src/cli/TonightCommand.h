#pragma once
// qav-cli tonight: what can be observed from a site on one night, from the
// whole comet and asteroid catalogues, as a table or as CSV.

#include <iosfwd>
#include <string>
#include <vector>

// The lines of the general usage that describe the command.
extern const char* const kTonightUsage;

// `arguments` follow the word "tonight"; the catalogues are read in
// `catalogueDir` (the working directory when empty). Status 0, 2 for a value
// refused or an empty catalogue, 3 for a catalogue that cannot be read.
int RunTonightCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                      std::ostream& out, std::ostream& err);
