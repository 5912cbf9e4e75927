#include "core/EphemerisRequest.h"

#include <climits>

DayNumber RequestDayNumber(const EphemerisRequest& request)
{
    return DayNumberFromDate(request.day, request.month, request.year);
}

void AdvanceRequestDate(EphemerisRequest& request, int& leapFebruaryMarker)
{
    // Worked in 64 bits so that no interval, however long, overflows the day;
    // the 400-year jump is exact (146097 days) and keeps huge intervals fast.
    constexpr long long kDaysIn400Years = 146097;
    long long day = static_cast<long long>(request.day) + request.dayInterval;
    long long month = request.month;
    long long year = request.year;
    if (month < 1 || month > 12) {  // never stored by the dialogs; carried into the year
        const long long shifted = month - 1;
        const long long monthInYear = ((shifted % 12) + 12) % 12;
        year += (shifted - monthInYear) / 12;
        month = monthInYear + 1;
    }
    if (day > kDaysIn400Years + 31) {
        const long long cycles = (day - 31) / kDaysIn400Years;
        day -= cycles * kDaysIn400Years;
        year += cycles * 400;
    }

    auto isLeap = [](long long y) { return y % 400 == 0 || (y % 4 == 0 && y % 100 != 0); };
    auto length = [&](long long m, long long y) {
        return static_cast<long long>(MonthLength(static_cast<int>(m), isLeap(y)));
    };
    while (day > length(month, year)) {
        day -= length(month, year);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }

    auto clampToInt = [](long long value) {
        return static_cast<int>(value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : value));
    };
    request.day = clampToInt(day);
    request.month = static_cast<int>(month);
    request.year = clampToInt(year);
    if (request.day == 10 && request.month == 2 && isLeap(year))
        leapFebruaryMarker = 1;
}
