#include "core/Calendar.h"

#include "core/AstroConstants.h"
#include "core/CFormat.h"

#include <cmath>
#include <limits>

namespace {

// Quotient rounded down, for a positive divisor: -1 / 4 gives -1.
long long FloorDivide(long long a, long long b)
{
    const long long quotient = a / b;
    return a % b < 0 ? quotient - 1 : quotient;
}

} // namespace

bool IsGregorianLeapYear(int year)
{
    // A zero remainder is zero whatever the sign of the year.
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int MonthLength(int month, bool leapYear)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && leapYear ? 29 : kLengths[month - 1];
}

DayNumber DayNumberFromDate(double day, int month, int year)
{
    // 31 x month - offset is 31 plus the days of a common year before the month.
    static constexpr int kOffset[12] = {0, 0, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7};
    long long fullYear = year;
    if (month < 1 || month > 12) {
        const long long shifted = static_cast<long long>(month) - 1;
        const long long monthInYear = ((shifted % 12) + 12) % 12;
        fullYear += (shifted - monthInYear) / 12;
        month = static_cast<int>(monthInYear) + 1;
    }
    const long long marchYear = month < 3 ? fullYear - 1 : fullYear;
    const long long leapDays =
        FloorDivide(marchYear, 4) - FloorDivide(marchYear, 100) + FloorDivide(marchYear, 400);
    return 31.0 * month + 365.0 * static_cast<double>(fullYear) - 693991.5 - kOffset[month - 1] +
           static_cast<double>(leapDays) + day;
}

double JulianCenturies(DayNumber dayNumber)
{
    return dayNumber * kCenturiesPerDay;
}

CalendarDate CalendarDateFromDayNumber(DayNumber dayNumber)
{
    // Meeus's conversion from the Julian Day, with JD shifted so that the
    // Gregorian century count starts at 0: X = JD - 1867215.5.
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 1e9)
        return {std::numeric_limits<double>::quiet_NaN(), 0, 0};
    // Floors, not truncations: x is negative before the year 400. Divisions,
    // not products by the inverses: at an exact century boundary (1 March
    // 6700) the product falls just short of the integer it stands for.
    const double x = dayNumber + 547804.5;
    const double z = std::floor(x);
    const double fraction = x - z;
    const double alpha = std::floor((z - 0.25) / 36524.25);
    const double b = z + alpha - std::floor(alpha / 4) + 1868741;
    const double k = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(k * 365.25);
    const double e = std::trunc((b - d) / 30.6001);

    CalendarDate date;
    date.day = b - d - std::trunc(e * 30.6001) + fraction;
    date.month = static_cast<int>(e - 1 > 12 ? e - 13 : e - 1);
    date.year = static_cast<int>(date.month > 2 ? k - 4716 : k - 4715);
    return date;
}

std::string FormatCalendarDate(DayNumber dayNumber)
{
    // Rounded to the 0.00001 day shown before the conversion, so that an
    // instant just before midnight prints as the next day at 0.00000 rather
    // than as a day that does not exist ("32.00000/1/2024").
    const double shown = std::isfinite(dayNumber) && std::fabs(dayNumber) <= 1e9
                             ? std::round(dayNumber * 1e5) / 1e5
                             : dayNumber;
    const CalendarDate date = CalendarDateFromDayNumber(shown);
    if (date.month == 0)
        return "---";  // not a date: a damaged record
    return FormatC("%.5f/%d/%d", date.day, date.month, date.year);
}
