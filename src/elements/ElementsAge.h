#pragma once
// Two-body elements drift from the true orbit as time passes from their epoch:
// arcseconds after months, arcminutes after years. A table or a diagram whose
// dates lie more than a year from the epoch carries a notice saying so; a
// comet's record has no epoch, its elements being fitted around perihelion,
// so its perihelion stands for it.

#include "catalog/SelectionState.h"
#include "core/Calendar.h"

#include <string>

// "Éléments anciens : époque 9/8/2022, écart 2,4 ans ; précision de quelques
// minutes d'arc au plus" (UTF-8), or "" when every date from `first` to `last`
// lies within a year of `epoch`.
std::string OldElementsNotice(DayNumber epoch, DayNumber first, DayNumber last);

// The notice of the ephemeris table of the current request, for the current
// comet (`comet`) or asteroid.
std::string EphemerisElementsNotice(const SelectionState& state, bool comet);

// The notice of a visibility diagram of elements of `epoch` from the 1st of
// month/year: 368 nights.
std::string DiagramElementsNotice(DayNumber epoch, int month, int year);

// The epoch the elements of the current comet (`comet`) or asteroid stand for.
DayNumber ElementsEpoch(const SelectionState& state, bool comet);
