#pragma once
// The program's one time scale and its calendar.
//
// A DayNumber counts days, with their fraction, from 1900 January 0.5, the
// instant of Julian Day 2415020.0. 0h of a calendar date falls on .5: 0h of
// 1900 January 1 is 0.5, 0h of 2000 January 1 is 36524.5.

#include <string>

using DayNumber = double;

// a - b * floor(a / b): never negative for a positive b (-1 mod 4 is 3).
// b = 0 gives a.
int FloorMod(int a, int b);

// Gregorian rule for every year; the stepping of the request date uses it.
bool IsGregorianLeapYear(int year);
// Julian rule up to 1582, Gregorian after it; the date parsers use it and it
// holds for negative years too.
bool IsHistoricalLeapYear(int year);

// Days in `month` (1 to 12), February having 29 in a leap year; 0 for a
// month outside 1 to 12.
int MonthLength(int month, bool leapYear);

// Day number of a date, the day possibly carrying a fraction (12.25 is 6h on
// the 12th). Gregorian formula for every date, also before October 1582; the
// year quotients truncate toward zero, as they always have. A month outside
// 1 to 12 is carried into the year first (month 0 is December of the year before).
DayNumber DayNumberFromDate(double day, int month, int year);

// Julian centuries from 1900 January 0.5.
double JulianCenturies(DayNumber dayNumber);

// A calendar date whose day carries the fraction of the day.
struct CalendarDate {
    double day = 0.0;
    int month = 0;
    int year = 0;
};

// The inverse of DayNumberFromDate with the Gregorian correction applied to
// every date (the perihelion time shown to the user). A value that is not a
// finite day number within 10^9 days gives day NaN, month 0, year 0.
CalendarDate CalendarDateFromDayNumber(DayNumber dayNumber);

// "%.5f/%d/%d": day with five decimals, month, year ("1.50000/1/2000"); "---"
// for a value CalendarDateFromDayNumber makes no date of.
std::string FormatCalendarDate(DayNumber dayNumber);
