#pragma once
// The checks the two magnitude dialogs add to the field parsers: the formula
// takes the logarithm of both distances, so neither may be 0, and a fit or a
// magnitude without a finite value is refused with a message, never shown or
// stored. Like the parsers, these show their own message boxes.

#include "magnitude/MagnitudeFormula.h"

#include <string_view>

// A distance, read as ParseUnsignedReal reads it (digits and at most one
// point) and refused when it is 0. 1 success, 0 failure (message shown).
int ParseDistance(std::string_view text, double& value);

// Tells the user why a fit was refused; nothing for FitRefusal::None.
void ShowFitRefusal(FitRefusal refusal);

// Tells the user that the calculator's values give no finite magnitude.
void ShowNoMagnitude();
