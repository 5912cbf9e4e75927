#pragma once
// The objects a night is planned over: every comet of COMETS.WDB and every
// asteroid of ASTERS.DTB, read from the working folder in file order. Records
// and lines that cannot describe an orbit are left out and counted.

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"

#include <string>
#include <vector>

struct PlannerObject {
    bool comet = true;
    std::string name;  // UTF-8, as the program shows it: the comet's name, "Ceres (1)"
    int index = 0;     // the comet's record index, or the asteroid's number
    CometRecord cometRecord{};
    AsteroidRecord asteroidRecord{};
};

struct PlannerCatalog {
    std::vector<PlannerObject> objects;
    int damaged = 0;  // records and lines left out, a trailing partial one included
};

// Appends the catalogue's objects; FileError as the catalogues throw it.
void LoadPlannerComets(PlannerCatalog& catalog);
void LoadPlannerAsteroids(PlannerCatalog& catalog);

// Whether a comet record describes an orbit: finite elements, q > 0, e >= 0.
bool IsSoundCometRecord(const CometRecord& comet);
