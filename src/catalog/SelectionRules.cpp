#include "catalog/SelectionRules.h"

#include "core/CFormat.h"

std::vector<CometListEntry> ListCometsForMaintenance(SelectionState& state)
{
    state.cometIndex = -1;
    std::vector<CometListEntry> entries = CometCatalog::List(state.currentComet);
    state.cometIndex = static_cast<int>(entries.size()) - 1;
    return entries;
}

void PrepareNewComet(SelectionState& state)
{
    state.cometIndex = -1;
}

int CometIndexOnRequestOpening(SelectionState& state, int count)
{
    if (state.cometIndex == -1)
        state.cometIndex = count - 1;
    return state.cometIndex;
}

void ChooseComet(SelectionState& state, int index)
{
    state.cometIndex = index;
    CometCatalog::Read(index, state.currentComet);
}

void ForgetSiteChoice(SelectionState& state)
{
    state.siteIndex = -1;
}

int SiteIndexOnListing(SelectionState& state)
{
    if (state.siteIndex == -1)
        state.siteIndex = 0;
    return state.siteIndex;
}

void ChooseSite(SelectionState& state, int index)
{
    state.siteIndex = index;
    SiteCatalog::Read(index, state.currentSite);
}

void SiteIndexAfterAppend(SelectionState& state, int newIndex)
{
    state.siteIndex = newIndex;
}

void SiteIndexAfterDelete(SelectionState& state, int deletedIndex, int countBefore)
{
    state.siteIndex = deletedIndex == countBefore - 1 ? deletedIndex - 1 : deletedIndex;
}

void RefreshEphemerisDateText(SelectionState& state)
{
    const EphemerisRequest& request = state.ephemeris;
    if (request.month != 0)
        state.ephemerisDateText = FormatC("%d/%d/%d", request.day, request.month, request.year);
}

void RefreshDiagramMonthText(SelectionState& state)
{
    if (state.diagram.month != 0)
        state.diagramMonthText = FormatC("%d/%d", state.diagram.month, state.diagram.year);
}
