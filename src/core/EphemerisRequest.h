#pragma once
// The parameters of the next ephemeris, whose first date is also the running
// date that the tables and the visibility diagram step through.

#include "core/Calendar.h"

struct EphemerisRequest {
    int day = 0;          // first date; the running date while a table is written
    int month = 0;        // 1 to 12; 0 until a first date or a diagram month is stored
    int year = 0;
    int dayCount = 0;     // number of lines
    int dayInterval = 0;  // days between two lines
    int equinox = 0;      // year of the equinox of the output coordinates
};

// The DayNumber of 0h of the request date.
DayNumber RequestDayNumber(const EphemerisRequest& request);

// Adds dayInterval to the request date in place, carrying the days into the
// months and years (Gregorian rule for every year). When the date reached is
// 10 February of a leap year, sets leapFebruaryMarker to 1; it never clears it.
// A day of 0 is accepted: with an interval of 1 it reaches the 1st of the month.
void AdvanceRequestDate(EphemerisRequest& request, int& leapFebruaryMarker);
