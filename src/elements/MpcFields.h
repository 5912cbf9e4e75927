#pragma once
// The fields of the Minor Planet Center's fixed-column lines: columns counted
// from 1, as its format descriptions count them; numbers in the Fortran F and
// I forms; and the packed forms of numbers and dates.

#include <optional>
#include <string_view>

// Columns `first` to `last` of `line`; shorter, or empty, past its end.
std::string_view Columns(std::string_view line, int first, int last);

std::string_view TrimSpaces(std::string_view text);
bool IsBlank(std::string_view text);

// A number as Fortran reads an F field: spaces around, an optional sign, digits
// with at most one point; nothing else (no exponent, no comma, no letter).
// Empty when the field holds anything else, or nothing.
std::optional<double> FixedReal(std::string_view field);
// Digits only, spaces around, an optional sign.
std::optional<int> FixedInt(std::string_view field);

// The value of one character of the packed forms: 0-9, A-Z for 10-35, a-z for
// 36-61; -1 for any other character.
int PackedDigit(char c);

// A packed minor-planet number: five digits up to 99999 ("00433"), a letter
// and four digits up to 619999 ("A0345" is 100345, "a0017" is 360017), and
// from 620000 a tilde and four base-62 digits ("~0000"). Empty otherwise.
std::optional<int> UnpackNumber(std::string_view packed);

struct PackedDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A packed date: the century as a letter (I 18, J 19, K 20), two digits of the
// year, then the month and the day as one character each (1-9, then A for 10,
// up to V for 31): "K2289" is 2022 August 9. Empty for anything else or a
// day that the month does not have.
std::optional<PackedDate> UnpackDate(std::string_view packed);
