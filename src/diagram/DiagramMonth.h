#pragma once
// The start month of a diagram: the "mm/aaaa" text of the request dialogs
// and the steps of the diagram window's arrows.

#include <string_view>

// Reads "%d/%d" as a formatted read does: blanks and a sign allowed before
// each number, nothing but the slash between them, anything after the year
// ignored. Each number read is stored at once, also when the text is refused.
// True when both numbers were read and the month lies in 1 to 12; any year
// is taken.
bool ReadDiagramMonth(std::string_view text, int& month, int& year);

enum class MonthStep { NextMonth, PreviousMonth, NextSixMonths, PreviousSixMonths };

// One arrow of the diagram window; December + 1 is January of the next year.
void StepDiagramMonth(MonthStep step, int& month, int& year);
