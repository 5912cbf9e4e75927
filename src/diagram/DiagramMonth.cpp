#include "diagram/DiagramMonth.h"

#include "core/CFormat.h"
#include "core/DateRange.h"

namespace {

constexpr int kLastDiagramYear = kLastYear - 1;

// Digits only, after a '-' when `withSign` allows one, fitting an int.
bool ReadWhole(std::string_view text, bool withSign, int& value)
{
    const std::string_view digits = withSign && !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return ScanInt(text, value);
}

} // namespace

bool ReadDiagramMonth(std::string_view text, int& month, int& year)
{
    const std::size_t slash = text.find('/');
    if (!ReadWhole(text.substr(0, slash), false, month) || slash == std::string_view::npos)
        return false;
    if (!ReadWhole(text.substr(slash + 1), true, year))
        return false;
    return month >= 1 && month <= 12;
}

bool IsDiagramYear(int year)
{
    return year >= kFirstYear && year <= kLastDiagramYear;
}

std::string DiagramYearRangeText()
{
    return FormatC("Erreur ! L'année doit être comprise entre %d et %d.\n\nRecommencez !", kFirstYear,
                   kLastDiagramYear);
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
