#pragma once
// The pieces of the CSV files that scripts read: UTF-8 text, one header
// line, fields separated by commas, dot decimals whatever the locale, times
// in ISO 8601 UTC to the second, an empty field where there is no value.
// Lines end with a line feed.

#include "core/Calendar.h"

#include <string>
#include <string_view>

// A text field, between double quotes (doubled inside) when it holds a
// comma, a quote or a line end.
std::string CsvText(std::string_view utf8);

// "2025-01-15T19:42:07Z", rounded to the second; "" for a value that is not
// a finite instant.
std::string CsvInstant(DayNumber instant);

// "2025-01-15".
std::string CsvDate(int day, int month, int year);

// "%.*f" in the C locale, never "-0.00"; "" for a value that is not finite
// or beyond 1e12.
std::string CsvNumber(double value, int decimals);
