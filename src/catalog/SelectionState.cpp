#include "catalog/SelectionState.h"

void SelectionState::Reset()
{
    currentComet = CometRecord{};
    currentAsteroid = AsteroidRecord{};
    currentSite = SiteRecord{};
    cometIndex = -1;
    siteIndex = -1;
    ephemeris = EphemerisRequest{};
    ephemerisDateText.clear();
    diagramMonthText.clear();
    diagramOpening = false;
}

SelectionState& Selection()
{
    static SelectionState state;
    return state;
}

void ResetSelection()
{
    Selection().Reset();
}
