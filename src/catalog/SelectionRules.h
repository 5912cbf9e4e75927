#pragma once
// The rules by which the dialogs move the indexes and the offered texts of
// the selection state. Catalogue reads throw FileError as the catalogues do.

#include "catalog/CometCatalog.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"

#include <vector>

// --- comets ---

// Opening the comet maintenance dialog, and every rebuild of its list after
// a modification or a deletion: the list passes every record through the
// current comet, which is left holding the last one, and the index becomes
// that record's, count - 1 (-1 for an empty catalogue).
std::vector<CometListEntry> ListCometsForMaintenance(SelectionState& state);

// The maintenance dialog's add button: -1 puts the record entry in new-record mode.
void PrepareNewComet(SelectionState& state);

// A comet request dialog opening on a catalogue of `count` records: with no
// comet chosen the last one is; returns the index to choose in the list.
int CometIndexOnRequestOpening(SelectionState& state, int count);

// A comet chosen in a list (or the one a dialog opens on): the index becomes
// its own and its record is read into the current comet. An index beyond the
// end of a catalogue that shrank reads nothing.
void ChooseComet(SelectionState& state, int index);

// --- sites ---

// Opening the site maintenance dialog: no site chosen.
void ForgetSiteChoice(SelectionState& state);

// A site list being built: with no site chosen the first one is; returns the
// index to choose in the list.
int SiteIndexOnListing(SelectionState& state);

// A site chosen in a list: the index becomes its own and its record is read
// into the current site.
void ChooseSite(SelectionState& state, int index);

// After an append, the index of the new, last record.
void SiteIndexAfterAppend(SelectionState& state, int newIndex);

// After deleting record `deletedIndex` of `countBefore`: that index, minus one
// when it was the last record.
void SiteIndexAfterDelete(SelectionState& state, int deletedIndex, int countBefore);

// --- offered texts ---

// When an ephemeris command starts: the request's first date "%d/%d/%d", once
// a month has been stored (the text stays empty until then).
void RefreshEphemerisDateText(SelectionState& state);

// When a diagram command starts: the request's month "%d/%d", once stored.
void RefreshDiagramMonthText(SelectionState& state);
