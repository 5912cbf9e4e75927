#pragma once
// ASTERS.DTB, the read-only catalogue of numbered asteroids: one 110-byte
// line per asteroid, the asteroid numbered k on line k. The list dialog opens
// it for reading, exclusively, and holds it open while it is shown.

#include "catalog/AsteroidRecord.h"
#include "platform/CatalogFile.h"

#include <string>
#include <string_view>
#include <vector>

// The list carries four digits of the number.
inline constexpr int kMaxAsteroidLines = 9999;

// 24 Windows-1252 characters: the name field, three spaces, the number.
using AsteroidListEntry = std::string;

class AsteroidCatalog {
public:
    static constexpr const char* kFileName = "ASTERS.DTB";

    // Opens the file; throws FileError when it is missing, refused or locked.
    AsteroidCatalog();

    // One entry per whole line, in file order, the file read sequentially.
    // A line that does not end with CR LF in its last two columns, or more
    // than kMaxAsteroidLines lines, throw a damaged-file FileError naming
    // the first bad line.
    std::vector<AsteroidListEntry> List();

    // Converts the line named by the entry's number into `record`. An entry
    // whose number names no line of the file (0, not a number, or beyond the
    // end) loads nothing: false, and `record` is left as it was. A line
    // without its CR LF throws as List does, and loads nothing either.
    bool Load(std::string_view entry, AsteroidRecord& record);

private:
    CatalogFile file_;
};

// The list's order: case-insensitive order of the entry texts (so by name,
// then by the right-aligned number).
void SortAsteroidEntries(std::vector<AsteroidListEntry>& entries);

// The entry chosen when the list opens: the first whose text begins with
// "Ceres", whatever the case, searching from the entry after index 2500 (from
// the top in a shorter list) and going on from the top. -1 when there is none.
int FindCeresEntry(const std::vector<AsteroidListEntry>& sortedEntries);
