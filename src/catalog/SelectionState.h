#pragma once
// What the user has chosen, process-wide: the current comet, asteroid and
// site as full working copies, where the comet and site sit in their files,
// and the next ephemeris and diagram requests. There is exactly one, reached
// through Selection(); dialogs write it and computations read it. Nothing of
// it is saved between runs.

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"
#include "core/EphemerisRequest.h"

#include <string>

// The month shown by the next or current visibility diagram. It has no
// storage of its own: month and year are those of the ephemeris request, one
// month and one year for both requests.
class DiagramRequest {
public:
    explicit DiagramRequest(EphemerisRequest& shared) : month(shared.month), year(shared.year) {}
    DiagramRequest(const DiagramRequest&) = delete;
    DiagramRequest& operator=(const DiagramRequest&) = delete;

    int& month;
    int& year;
};

struct SelectionState {
    SelectionState() = default;
    // The diagram request refers into this object's ephemeris request: a
    // copy would share the original's month and year, so there are none.
    SelectionState(const SelectionState&) = delete;
    SelectionState& operator=(const SelectionState&) = delete;

    // Back to the start values: records and requests zero, both indexes -1,
    // texts empty, diagramOpening false.
    void Reset();

    alignas(8) CometRecord currentComet{};  // the doubles on their natural boundary
    AsteroidRecord currentAsteroid{};
    SiteRecord currentSite{};
    int cometIndex = -1;  // -1: no comet chosen yet, or a new comet being entered
    int siteIndex = -1;   // -1: no site chosen yet
    EphemerisRequest ephemeris{};
    DiagramRequest diagram{ephemeris};
    std::string ephemerisDateText;  // "%d/%d/%d" offered to the ephemeris dialogs
    std::string diagramMonthText;   // "%d/%d" offered to the diagram dialogs
    bool diagramOpening = false;    // a diagram request was accepted, not yet cancelled
};

// The one instance, from the first use to the end of the program.
SelectionState& Selection();

// Selection().Reset(), for tests.
void ResetSelection();
