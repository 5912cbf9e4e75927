#pragma once
// The program's one time scale and its calendar.
//
// A DayNumber counts days, with their fraction, from 1900 January 0.5, the
// instant of Julian Day 2415020.0. 0h of a calendar date falls on .5: 0h of
// 1900 January 1 is 0.5, 0h of 2000 January 1 is 36524.5.

#include <string>

using DayNumber = double;

// The one calendar of the program: Gregorian for every year, also before
// October 1582 and before year 1 (year 0 and -4 are leap years, -100 is not).
// The date readers check dates by it and the day number counts them by it.
bool IsGregorianLeapYear(int year);

// Days in `month` (1 to 12), February having 29 in a leap year; 0 for a
// month outside 1 to 12.
int MonthLength(int month, bool leapYear);

// Day number of a date, the day possibly carrying a fraction (12.25 is 6h on
// the 12th). Gregorian formula for every date, also before October 1582 and
// before year 1 (the year quotients are floored, which from year 0 on is the
// same as truncating them). A month outside 1 to 12 is carried into the year
// first (month 0 is December of the year before).
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
