#pragma once
// qav-cli diagram: the visibility diagram of a comet or an asteroid from the
// shell, as a PNG image, as the event grid, as the year-long ephemeris of its
// window's "Ephéméride", and the information box of clicks at given points.

#include <iosfwd>
#include <string>
#include <vector>

// The lines of the general usage that describe the command.
extern const char* const kDiagramUsage;

// `arguments` follow the word "diagram"; the catalogues are read in
// `catalogueDir` (the working directory when empty), the output files are
// named from the working directory. Status 0, 2 for a wrong argument, 3 for
// a file that cannot be read or written.
int RunDiagramCommand(const std::vector<std::string>& arguments, const std::string& catalogueDir,
                      std::ostream& out, std::ostream& err);
