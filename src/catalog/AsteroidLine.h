#pragma once
// One 110-byte line of ASTERS.DTB: fixed-width fields, numbers right-aligned
// and padded with spaces, the name left-aligned in 17 characters, CR LF.

#include "catalog/AsteroidRecord.h"

#include <string>
#include <string_view>

inline constexpr int kAsteroidLineLength = 110;

// 24 characters: the 17 characters of the name, three spaces and the four
// characters of the number (offsets 2 to 5). In a damaged line a NUL ends
// the name and the rest is blank, so every entry keeps its width and number.
std::string AsteroidEntryText(std::string_view line);

// The number carried by an entry: its characters 20 to 23, leading spaces
// skipped; 0 when they hold no number.
int AsteroidEntryNumber(std::string_view entry);

// Converts `line` (at least 108 bytes; shorter lines count as padded with
// spaces) into `record`, `number` being the asteroid's number. A number field
// must hold one number between blanks: a blank or malformed one, or one that
// is not finite, gives NaN, and so does an epoch that is not a valid date; a
// blank G stands for 0.15. The field texts are always those of the line.
void ConvertAsteroidLine(std::string_view line, int number, AsteroidRecord& record);

// Whether every field the orbit and the magnitude need holds a number that
// makes sense (an epoch date, 0 <= e < 1, a positive daily motion): a
// damaged line converts into nonsense and is better left out of a survey.
bool IsSoundAsteroidLine(std::string_view line);
