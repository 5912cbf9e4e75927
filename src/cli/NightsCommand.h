#pragma once
// qav-cli nights: the nights of a visibility diagram as times, one line per
// night, as a table or as CSV.

#include <iosfwd>
#include <string>
#include <vector>

// The lines of the general usage that describe the command.
extern const char* const kNightsUsage;

// `arguments` follow the word "nights"; the catalogues are read in
// `catalogueDir` (the working directory when empty). Status 0, 2 for a value
// refused, 3 for a catalogue that cannot be read.
int RunNightsCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir, std::ostream& out,
                     std::ostream& err);
