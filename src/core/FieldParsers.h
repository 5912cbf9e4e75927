#pragma once
// The validating readers of the dialog fields. Each shows its own message box
// through ShowMessage (one box per failure, none for an empty date) and
// returns a status; the dialog only puts the focus back in the faulty field.
// Texts are the field contents as typed; only ASCII digits and signs count.

#include <string_view>

// Digits only. 1 success, 0 failure (empty, another character, or a number
// too large for an int).
int ParseUnsignedInt(std::string_view text, int& value);

// Digits with at most one point, and at least one digit. 1 success, 0 failure.
int ParseUnsignedReal(std::string_view text, double& value);

// [sign]d.mmss: 1 success, 0 format error, -1 other error (empty, minutes or
// seconds of 60 or more, out of range). `kind` 1 checks a latitude (|value| <= 90),
// 2 a longitude (|value| <= 180), anything else nothing. The value is written
// as soon as it is read, before the range check.
inline constexpr int kLatitude = 1;
inline constexpr int kLongitude = 2;
int ParseSexagesimal(std::string_view text, double& value, int kind);

// jj.jjjjj/mm/aaaa to the DayNumber of that instant. 1 success, 0 format
// error, -1 empty (no message), not a valid date, or a year the computations
// do not support (core/DateRange.h).
int ParseDecimalDate(std::string_view text, double& dayNumber);

// jj/mm/[-]aaaa. 1 success, 0 format error, -1 empty (no message), not a
// valid date, or a year the computations do not support. The three numbers are written as read, also when the date is
// then rejected.
int ParseDate(std::string_view text, int& day, int& month, int& year);
