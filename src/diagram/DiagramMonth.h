#pragma once
// The start month of a diagram: the "mm/aaaa" text of the request dialogs
// and the steps of the diagram window's arrows.

#include <string>
#include <string_view>

// Reads "mm/aaaa": the month in digits, a slash, the year in digits with an
// optional leading '-', nothing else (no blank, no sign on the month, no
// exponent, nothing after the year), as strictly as the date fields. Each
// number read is stored at once, also when the text is then refused. True
// when both numbers were read and the month lies in 1 to 12; the year is
// checked apart (IsDiagramYear).
bool ReadDiagramMonth(std::string_view text, int& month, int& year);

// The years a diagram may start in: its 368 nights, and the year-long
// ephemeris of its window, stay within the supported dates (core/DateRange.h).
bool IsDiagramYear(int year);
// "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !", UTF-8.
std::string DiagramYearRangeText();

enum class MonthStep { NextMonth, PreviousMonth, NextSixMonths, PreviousSixMonths };

// One arrow of the diagram window; December + 1 is January of the next year.
void StepDiagramMonth(MonthStep step, int& month, int& year);
