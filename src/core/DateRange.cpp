#include "core/DateRange.h"

#include "core/CFormat.h"
#include "core/Calendar.h"

#include <cmath>

bool IsSupportedYear(int year)
{
    return year >= kFirstYear && year <= kLastYear;
}

double LastSupportedDayNumber()
{
    return DayNumberFromDate(32, 12, kLastYear);
}

bool IsSupportedDayNumber(double dayNumber)
{
    return std::isfinite(dayNumber) && dayNumber >= DayNumberFromDate(1, 1, kFirstYear) &&
           dayNumber <= LastSupportedDayNumber();
}

std::string YearRangeText()
{
    return FormatC("Erreur ! L'année doit être comprise entre %d et %d.\n\nRecommencez !", kFirstYear, kLastYear);
}
