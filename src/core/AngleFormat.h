#pragma once
// The fixed-width texts of angles in the reports and dialogs. The texts are
// UTF-8 (the degree sign is two bytes); every value is correctly rounded at
// the printed width, a rounded-up 60 being carried into the unit above. A
// value that is not a number prints "---" (at the width of the fixed-width
// forms), and a value that rounds to zero prints without a minus sign.

#include <string>

// Whole hours and minutes with two decimals: "%3.0lf %5.2lf" ("  0 30.00"),
// or " -0 %5.2lf" for a negative value under one hour. A value that rounds up
// to 24h prints as 0h, the same right ascension.
std::string FormatRightAscension(double hours);

// form 0: signed degrees and tenths of arcminutes, "% 3.0lf %4.1lf" (" 10 30.3",
// " -5  6.0") or " -0 %4.1lf" for a negative value under one degree.
// form not 0: whole arcminutes, "%.0lf° %.0lf'" ("11° 0'") or "-0°%2.0f'".
std::string FormatDeclination(double radians, int form);

// Degrees, minutes and whole seconds, "%3.0lf°%2.0lf'%2.0lf\"" (" 45°30' 0\"").
// The value is taken as not negative: the caller shows the hemisphere.
std::string FormatDegreesDMS(double degrees);
