#pragma once
// The dark hours of one night at a site: while the Sun is 18 degrees below
// the horizon (astronomical night), or, on a night that never gets that dark,
// 12 degrees below it (nautical night).

#include "core/Calendar.h"
#include "diagram/NightlyEvents.h"

enum class Darkness { Astronomical, Nautical, None };

struct DarkHours {
    Darkness kind = Darkness::None;
    DayNumber start = 0.0;  // UT; both 0 when there is no darkness
    DayNumber end = 0.0;
};

// The night whose evening falls on the date of `evening` (0h UT of that
// date): it is looked for between the site's local mean noon of that date and
// the next one. A night that is dark from noon to noon (polar winter) spans
// the whole 24 hours.
DarkHours FindDarkHours(const SiteFrame& site, DayNumber evening);

// Local mean noon of the date of `evening` at the site (longitude in hours, west positive).
DayNumber LocalNoon(const SiteFrame& site, DayNumber evening);
