#include "core/Calendar.h"
#include "core/EphemerisRequest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

// Day numbers are JD - 2415020: J. Meeus, Astronomical Algorithms (2nd ed.), example 7.a,
// 1957 October 4.81 is JD 2436116.31; J2000.0 is JD 2451545.0; 0h of 1 January of year 1 is
// JD 1721425.5 (Rata Die 1, JD = RD + 1721424.5, Dershowitz and Reingold, Calendrical
// Calculations). The Gregorian rule holds before 1582 too: year 0 is leap, 400 years 146097 days.
TEST(Calendar, DayNumbersOfOneGregorianCalendar)
{
    EXPECT_NEAR(DayNumberFromDate(4.81, 10, 1957), 2436116.31 - 2415020, 1e-9);
    EXPECT_EQ(DayNumberFromDate(1.5, 1, 2000), 2451545.0 - 2415020);
    EXPECT_EQ(DayNumberFromDate(1, 1, 1), 1721425.5 - 2415020);
    EXPECT_EQ(RequestDayNumber({1, 3, 2000, 0, 0, 0}), 36584.5);
    EXPECT_EQ(JulianCenturies(DayNumberFromDate(1.5, 1, 2000)), 1.0);
    // The request month is 0 until a date is entered: carried, not read out of the table.
    EXPECT_EQ(DayNumberFromDate(31, 0, 2001), DayNumberFromDate(31, 12, 2000));
    EXPECT_EQ(DayNumberFromDate(1, 13, 2000), DayNumberFromDate(1, 1, 2001));
    for (const int leap : {1600, 2000, 2024, 0, -4, -400})
        EXPECT_TRUE(IsGregorianLeapYear(leap)) << leap;
    for (const int common : {1500, 1700, 1900, 2023, -1, -100})
        EXPECT_FALSE(IsGregorianLeapYear(common)) << common;
    for (const int year : {0, -4, -100, 1900, 2000})
        EXPECT_EQ(DayNumberFromDate(1, 3, year) - DayNumberFromDate(28, 2, year), IsGregorianLeapYear(year) ? 2 : 1);
    EXPECT_EQ(DayNumberFromDate(1, 1, 1) - DayNumberFromDate(1, 1, -399), 146097.0);
    EXPECT_EQ(DayNumberFromDate(15, 10, 1582) - DayNumberFromDate(4, 10, 1582), 11.0);
}

TEST(Calendar, AdvanceRequestDateAndItsLeapFebruaryMarker)
{
    // {from, interval, to, marker}: the marker is set when a date lands on
    // 10 February of a leap year, and never cleared.
    const struct {
        int day, month, year, interval, toDay, toMonth, toYear, marker;
    } cases[] = {
        {28, 2, 2001, 1, 1, 3, 2001, 0},  {28, 2, 2000, 1, 29, 2, 2000, 0}, {28, 2, 1900, 1, 1, 3, 1900, 0},
        {31, 12, 1999, 1, 1, 1, 2000, 0}, {20, 12, 2003, 45, 3, 2, 2004, 0}, {15, 1, 2001, 400, 19, 2, 2002, 0},
        {0, 6, 2024, 1, 1, 6, 2024, 0},   {17, 5, 2024, 0, 17, 5, 2024, 0},  {0, 0, 0, 1, 1, 12, -1, 0},
        {31, 1, 1900, 10, 10, 2, 1900, 0}, {9, 2, 2004, 2, 11, 2, 2004, 0},  {31, 1, 2000, 10, 10, 2, 2000, 1},
        {10, 2, 2024, 0, 10, 2, 2024, 1},  {9, 2, 2004, 0, 9, 2, 2004, 0},
    };
    for (const auto& c : cases) {
        EphemerisRequest request{c.day, c.month, c.year, 0, c.interval, 0};
        int marker = 0;
        AdvanceRequestDate(request, marker);
        EXPECT_EQ(std::make_tuple(request.day, request.month, request.year, marker),
                  std::make_tuple(c.toDay, c.toMonth, c.toYear, c.marker))
            << c.day << "/" << c.month << "/" << c.year << " + " << c.interval;
    }
    int marker = 1;
    EphemerisRequest request{1, 3, 2001, 0, 1, 0};
    AdvanceRequestDate(request, marker);
    EXPECT_EQ(marker, 1);
    // Long intervals jump whole 400-year cycles; the date reached must still lie
    // exactly `interval` days later.
    for (const int interval : {146097, 146097 * 3 + 59, 1000000, INT_MAX - 31}) {
        EphemerisRequest far{31, 1, 2000, 0, interval, 0};
        const DayNumber before = RequestDayNumber(far);
        AdvanceRequestDate(far, marker);
        EXPECT_LE(far.day, 31);
        EXPECT_EQ(RequestDayNumber(far) - before, interval) << interval;
    }
}

TEST(Calendar, DateOfADayNumber)
{
    EXPECT_EQ(FormatCalendarDate(36525.0), "1.50000/1/2000");
    EXPECT_EQ(FormatCalendarDate(2436116.31 - 2415020), "4.81000/10/1957");  // Meeus, example 7.c
    // A third of a second before midnight at the end of a month is shown as the
    // next month's first day, never as a 32nd of January.
    const DayNumber february = DayNumberFromDate(1, 2, 2024);
    EXPECT_EQ(FormatCalendarDate(february - 0.3 / 86400), "1.00000/2/2024");
    EXPECT_EQ(FormatCalendarDate(february - 1.0 / 86400), "31.99999/1/2024");
    EXPECT_EQ(FormatCalendarDate(DayNumberFromDate(1, 1, 2000) - 0.3 / 86400), "1.00000/1/2000");
    // Before the year 400 (and before year 1) and at the century boundary of 6700 the conversion
    // once gave "0.50000/1/25" and 29 February 6700.
    EXPECT_EQ(FormatCalendarDate(DayNumberFromDate(31.5, 12, 24)), "31.50000/12/24");
    EXPECT_EQ(FormatCalendarDate(DayNumberFromDate(1, 3, 6700)), "1.00000/3/6700");
    for (DayNumber d = DayNumberFromDate(1, 1, -999) + 0.25; d < DayNumberFromDate(1, 1, 10000); d += 13.7) {
        const CalendarDate date = CalendarDateFromDayNumber(d);
        ASSERT_NEAR(DayNumberFromDate(date.day, date.month, date.year), d, 1e-6) << d;
        ASSERT_GE(date.day, 1) << d;
        ASSERT_LT(date.day, MonthLength(date.month, IsGregorianLeapYear(date.year)) + 1) << d;
    }
    // A damaged perihelion time gives no date rather than an undefined conversion.
    EXPECT_EQ(CalendarDateFromDayNumber(std::nan("")).month, 0);
    EXPECT_EQ(CalendarDateFromDayNumber(1e300).year, 0);
}
