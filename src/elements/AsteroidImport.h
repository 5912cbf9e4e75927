#pragma once
// Numbered asteroids of a minor-planet file into ASTERS.DTB, which holds the
// asteroids 1, 2, 3 ... in order with no gap, at most 9999. An asteroid of the
// file replaces the line of its number; a line the file does not give is kept;
// the catalogue grows for as long as the numbers follow each other.

#include "elements/ElementsFileReader.h"

#include <string>

struct AsteroidImportPlan {
    int count = 0;          // lines of the new catalogue: asteroids 1 to count
    int updated = 0;        // lines replaced by the file's elements
    int added = 0;          // lines added after the old last one
    int unnumbered = 0;     // objects of the file without a number
    int beyondLimit = 0;    // numbered above the limit (9999, or the one asked)
    int limit = 0;
    int afterStop = 0;      // numbered asteroids of the file past the place where the numbering stops
    int stopNumber = 0;     // the first number not taken when asteroids of the file lie beyond it, else 0
    std::string stopProblem;  // why that number is not taken, when the file gives it
    int unfit = 0;          // asteroids of the file that do not fit ASTERS.DTB; their old line stays
    std::string unfitProblem;  // the first one's number and reason
};

// What an import would do with `oldCount` lines already in ASTERS.DTB, taking
// the file's asteroids numbered up to `limit` (at most 9999).
AsteroidImportPlan PlanAsteroidImport(const MinorPlanetFileReader& file, int oldCount, int limit);

// Lines of ASTERS.DTB now (the file opened for reading; FileError when it cannot be).
int AsteroidCatalogueCount();

// Writes the new ASTERS.DTB under its lock, from the catalogue as it is now.
// Throws FileError with the catalogue as it was.
AsteroidImportPlan ImportAsteroids(const MinorPlanetFileReader& file, int limit);

// "ASTERS.DTB : astéroïdes 1 à 9999 ; 227 mis à jour, 9772 ajoutés." and the
// reasons for those not taken, one line each (UTF-8).
std::string AsteroidImportText(const AsteroidImportPlan& plan);
