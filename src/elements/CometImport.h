#pragma once
// Comets of an elements file into COMETS.WDB: a comet whose designation is
// already in the catalogue has its record rewritten in place (position and
// name kept), another one is added at the end. The whole new catalogue
// replaces the old one at once, under the catalogue's lock.

#include "elements/CometElements.h"

#include <string>
#include <vector>

// The designation of every whole record of COMETS.WDB, in file order.
std::vector<std::string> CatalogueCometDesignations();

// The index of the first designation equal to `comet`'s, or -1.
int FindCometRecord(const std::vector<std::string>& designations, const CometElements& comet);

struct CometImportCounts {
    int updated = 0;
    int added = 0;
    int skipped = 0;  // not in the catalogue, with `updateOnly`
};

// Throws FileError (missing, locked, refused, full disk) with COMETS.WDB as it was.
CometImportCounts ImportComets(const std::vector<CometElements>& comets, bool updateOnly);

// "COMETS.WDB : 2 comètes mises à jour, 1 ajoutée." (UTF-8).
std::string CometImportText(const CometImportCounts& counts);
