#pragma once
// Numbers as the reports and dialogs show them: never "nan", "inf" or "-0.0".
// A value without a number to show, or too wide for its column, shows "---".

#include <string>

// "%.*f" of `value`, without the minus sign of a value that rounds to zero;
// "---" for a value that is not finite.
std::string FixedText(double value, int decimals);

// The same right-aligned in `width` characters; "---" at that width when the
// value is not finite or its text does not fit.
std::string FixedColumn(double value, int width, int decimals);
