#include "core/Calendar.h"
#include "core/EphemerisRequest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

struct Date {
    int day, month, year;
};

// Steps `from` by `interval` with a marker that starts at `marker`.
Date Advance(Date from, int interval, int& marker)
{
    EphemerisRequest request;
    request.day = from.day;
    request.month = from.month;
    request.year = from.year;
    request.dayInterval = interval;
    AdvanceRequestDate(request, marker);
    return {request.day, request.month, request.year};
}

void ExpectAdvance(Date from, int interval, Date expected)
{
    int marker = 0;
    const Date reached = Advance(from, interval, marker);
    EXPECT_EQ(reached.day, expected.day) << from.day << "/" << from.month << "/" << from.year << " + " << interval;
    EXPECT_EQ(reached.month, expected.month) << from.day << "/" << from.month << "/" << from.year << " + " << interval;
    EXPECT_EQ(reached.year, expected.year) << from.day << "/" << from.month << "/" << from.year << " + " << interval;
}

} // namespace

TEST(DayNumber, ZeroHourOfADateFallsOnHalfDays)
{
    EXPECT_EQ(DayNumberFromDate(1, 1, 1900), 0.5);
    EXPECT_EQ(DayNumberFromDate(1, 1, 2000), 36524.5);
    EXPECT_EQ(DayNumberFromDate(29, 2, 2000), 36583.5);
    EXPECT_EQ(DayNumberFromDate(1, 3, 2000), 36584.5);
    EXPECT_EQ(DayNumberFromDate(1.5, 1, 2000), 36525.0);
    EXPECT_EQ(JulianCenturies(DayNumberFromDate(1.5, 1, 2000)), 1.0);

    EphemerisRequest request;
    request.day = 1;
    request.month = 3;
    request.year = 2000;
    EXPECT_EQ(RequestDayNumber(request), 36584.5);
}

TEST(DayNumber, MonthOutsideTheYearIsCarriedInsteadOfReadOutOfTable)
{
    // The request month is 0 until the user has entered a date.
    EXPECT_EQ(DayNumberFromDate(31, 0, 2001), DayNumberFromDate(31, 12, 2000));
    EXPECT_EQ(DayNumberFromDate(1, 13, 2000), DayNumberFromDate(1, 1, 2001));
    EXPECT_EQ(DayNumberFromDate(1, -11, 2000), DayNumberFromDate(1, 1, 1999));
}

TEST(Calendar, LeapRulesAndFloorMod)
{
    EXPECT_EQ(FloorMod(-1, 4), 3);
    EXPECT_EQ(FloorMod(-500, 4), 0);
    EXPECT_EQ(FloorMod(7, 4), 3);
    EXPECT_EQ(FloorMod(INT_MIN, 400), 352);  // -2147483648 = -5368710 x 400 + 352

    EXPECT_TRUE(IsGregorianLeapYear(2000));
    EXPECT_FALSE(IsGregorianLeapYear(1900));
    EXPECT_FALSE(IsGregorianLeapYear(1500));
    EXPECT_TRUE(IsHistoricalLeapYear(1500));   // Julian up to 1582
    EXPECT_FALSE(IsHistoricalLeapYear(1700));
    EXPECT_TRUE(IsHistoricalLeapYear(-500));
    EXPECT_FALSE(IsHistoricalLeapYear(-1));

    EXPECT_EQ(MonthLength(2, true), 29);
    EXPECT_EQ(MonthLength(4, false), 30);
    EXPECT_EQ(MonthLength(0, false), 0);
}

TEST(AdvanceRequestDate, CarriesAcrossMonthsYearsAndLeapFebruaries)
{
    ExpectAdvance({28, 2, 2001}, 1, {1, 3, 2001});
    ExpectAdvance({28, 2, 2000}, 1, {29, 2, 2000});
    ExpectAdvance({28, 2, 1900}, 1, {1, 3, 1900});
    ExpectAdvance({31, 12, 1999}, 1, {1, 1, 2000});
    ExpectAdvance({20, 12, 2003}, 45, {3, 2, 2004});
    ExpectAdvance({15, 1, 2001}, 400, {19, 2, 2002});
    ExpectAdvance({0, 6, 2024}, 1, {1, 6, 2024});
    ExpectAdvance({17, 5, 2024}, 0, {17, 5, 2024});
}

TEST(AdvanceRequestDate, AnyIntervalMovesTheDayNumberByExactlyThatMuch)
{
    // Long intervals jump whole 400-year cycles: the result must still be the
    // date exactly `interval` days later, and come at once.
    for (const int interval : {365, 146097, 146097 * 3 + 59, 1000000, INT_MAX - 31}) {
        EphemerisRequest request{31, 1, 2000, 0, interval, 0};
        const DayNumber before = RequestDayNumber(request);
        int marker = 0;
        AdvanceRequestDate(request, marker);
        EXPECT_GE(request.day, 1);
        EXPECT_LE(request.day, 31);
        EXPECT_EQ(RequestDayNumber(request) - before, interval) << interval;
    }
}

TEST(AdvanceRequestDate, UnsetMonthReachesAValidDate)
{
    EphemerisRequest request{};  // the start values: everything zero
    request.dayInterval = 1;
    int marker = 0;
    AdvanceRequestDate(request, marker);
    EXPECT_EQ(request.day, 1);
    EXPECT_EQ(request.month, 12);
    EXPECT_EQ(request.year, -1);
}

TEST(AdvanceRequestDate, MarkerIsSetOnTenthFebruaryOfLeapYearsOnly)
{
    int marker = 0;
    Advance({31, 1, 2000}, 10, marker);
    EXPECT_EQ(marker, 1);

    marker = 0;
    Advance({31, 1, 1900}, 10, marker);
    Advance({31, 1, 2001}, 10, marker);
    Advance({9, 2, 2004}, 2, marker);
    EXPECT_EQ(marker, 0);

    marker = 7;  // never cleared, only set
    Advance({31, 1, 2001}, 10, marker);
    EXPECT_EQ(marker, 7);

    marker = 0;  // already there, interval 0: set again
    Advance({10, 2, 2024}, 0, marker);
    EXPECT_EQ(marker, 1);
}

TEST(CalendarDateFromDayNumber, GivesBackTheDateAndItsFraction)
{
    EXPECT_EQ(FormatCalendarDate(36525.0), "1.50000/1/2000");
    const CalendarDate march = CalendarDateFromDayNumber(DayNumberFromDate(1.75, 3, 2000));
    EXPECT_NEAR(march.day, 1.75, 1e-9);
    EXPECT_EQ(march.month, 3);
    EXPECT_EQ(march.year, 2000);

    // Every date from the 17th to the 23rd century comes back to its own day number.
    for (DayNumber d = -100000.25; d < 120000; d += 13.7) {
        const CalendarDate date = CalendarDateFromDayNumber(d);
        ASSERT_GE(date.month, 1);
        ASSERT_LE(date.month, 12);
        ASSERT_GE(date.day, 1);
        ASSERT_LT(date.day, 32);
        ASSERT_NEAR(DayNumberFromDate(date.day, date.month, date.year), d, 1e-6) << d;
    }
}

TEST(CalendarDateFromDayNumber, DamagedTimeGivesNoDate)
{
    const CalendarDate date = CalendarDateFromDayNumber(std::nan(""));
    EXPECT_TRUE(std::isnan(date.day));
    EXPECT_EQ(date.month, 0);
    EXPECT_EQ(CalendarDateFromDayNumber(1e300).year, 0);
}
