#pragma once
// The sky of a site at an instant, for the planner: the zenith as a unit
// vector of the mean equator of date, so that the sine of an altitude is one
// dot product, and the Sun and the horizontal coordinates. Geocentric and
// geometric, without refraction, like the visibility diagram.

#include "core/Calendar.h"
#include "core/Vector.h"
#include "diagram/NightlyEvents.h"

// Greenwich mean sidereal time of an instant, hours, from the time at 0h UT
// of its day and the sidereal rate (as the diagram's information box).
double GreenwichSiderealHours(DayNumber instant);

// The zenith of the site, unit vector, mean equator of date.
Vec3 ZenithAt(DayNumber instant, const SiteFrame& site);

// The Earth-to-Sun vector at the instant, AU, mean equator of date.
Vec3 SunOfDate(DayNumber instant);

// Sine of the altitude of the direction `v` (any length) under `zenith`.
inline double SineOfAltitude(const Vec3& v, const Vec3& zenith) { return Dot(v, zenith) / Norm(v); }

struct Horizontal {
    double altitude = 0.0;  // degrees
    double azimuth = 0.0;   // degrees from the south, positive towards the west, -180 to 180
};
Horizontal HorizontalAt(const Vec3& v, DayNumber instant, const SiteFrame& site);

// The program's azimuth (from the south, positive west) counted from the
// north through the east, 0 to 360.
double AzimuthFromNorth(double azimuthFromSouth);

// The angle between two directions, degrees.
double AngleBetween(const Vec3& a, const Vec3& b);
