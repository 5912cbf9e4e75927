#pragma once
// Numbers are written and read with a point whatever the user's locale: once the
// windowing toolkit has started, the process locale may be French and plain
// printf would write "2,500". These helpers always work in the "C" locale.

#include <string>
#include <string_view>

// printf into a string, in the "C" locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Reads a real number the way "%lf" does: leading white space skipped, an
// optional sign, then the longest number; trailing characters are ignored.
// False, with `value` untouched, when no number starts the text.
bool ScanReal(std::string_view text, double& value);
// The same for a float, read directly in single precision as "%f" does.
bool ScanReal(std::string_view text, float& value);

// The same for an int, false also when the number does not fit in an int.
bool ScanInt(std::string_view text, int& value);
