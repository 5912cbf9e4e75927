#pragma once
// The dates the computations support. The Sun theory, the obliquity and the
// precession are polynomials of time fitted over a few thousand years (far
// beyond, the Sun's orbit loses its meaning and then its numbers), and the
// tables give the year four characters: dates run from 1 January -999 to
// 31 December 9999.

#include <string>

inline constexpr int kFirstYear = -999;
inline constexpr int kLastYear = 9999;

bool IsSupportedYear(int year);

// From 0h of 1 January kFirstYear to the end of 31 December kLastYear; false
// for a value that is not a finite number.
bool IsSupportedDayNumber(double dayNumber);
// The last of them: the end of 31 December kLastYear.
double LastSupportedDayNumber();

// The refusal of a year outside them, UTF-8: "Erreur ! L'année doit être
// comprise entre -999 et 9999. ..."
std::string YearRangeText();
