#include "diagram/DiagramMonth.h"

#include <cctype>
#include <climits>
#include <cstddef>

namespace {

// One "%d" from `at`: blanks, an optional sign, digits. False, with `at`
// unchanged, when no number starts there or it does not fit an int.
bool ReadInt(std::string_view text, std::size_t& at, int& value)
{
    std::size_t i = at;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digits = i;
    long long number = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (i == digits)
        return false;
    number = negative ? -number : number;
    if (number > INT_MAX || number < INT_MIN)
        return false;
    value = static_cast<int>(number);
    at = i;
    return true;
}

} // namespace

bool ReadDiagramMonth(std::string_view text, int& month, int& year)
{
    std::size_t at = 0;
    if (!ReadInt(text, at, month))
        return false;
    if (at >= text.size() || text[at] != '/')
        return false;
    ++at;
    if (!ReadInt(text, at, year))
        return false;
    return month >= 1 && month <= 12;
}

void StepDiagramMonth(MonthStep step, int& month, int& year)
{
    switch (step) {
    case MonthStep::NextMonth:
        if (month < 12) {
            month += 1;
        } else {
            month = 1;
            year += 1;
        }
        break;
    case MonthStep::PreviousMonth:
        if (month > 1) {
            month -= 1;
        } else {
            month = 12;
            year -= 1;
        }
        break;
    case MonthStep::NextSixMonths:
        if (month < 7) {
            month += 6;
        } else {
            month -= 6;
            year += 1;
        }
        break;
    case MonthStep::PreviousSixMonths:
        if (month > 6) {
            month -= 6;
        } else {
            month += 6;
            year -= 1;
        }
        break;
    }
}
