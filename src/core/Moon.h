#pragma once
// The Moon, geocentric, from the main periodic terms of the ELP-2000/82 lunar
// theory as J. Meeus tabulates them (Astronomical Algorithms, 2nd ed., 1998,
// chapter 47, tables 47.A and 47.B): about 10" in longitude and 4" in
// latitude. Mean equinox of date, no nutation; the time is taken as it comes,
// with no difference between Universal and Dynamical Time, as everywhere in
// the program (the 70 s of today move the Moon by some 40").

#include "core/Calendar.h"
#include "core/Vector.h"

// The Earth's equatorial radius in AU (6378.14 km), the unit of the
// observer's offset from the Earth's centre.
inline constexpr double kEarthRadiusAu = 6378.14 / 149597870.7;

struct MoonEclipticPosition {
    double longitude = 0.0;  // radians, mean ecliptic and equinox of date
    double latitude = 0.0;   // radians
    double distance = 0.0;   // km, between the centres of the Earth and the Moon
};

// `t` in Julian centuries from 1900 January 0.5, as everywhere in the program.
MoonEclipticPosition MoonEcliptic(double t);

// The Earth-to-Moon vector in AU, mean equator and equinox of date.
Vec3 MoonGeocentricEquatorial(double t);

// The illuminated fraction of the disc, 0 (new) to 1 (full), from the
// geocentric vectors of the Moon and the Sun in one frame (Meeus 48.1).
double MoonIlluminatedFraction(const Vec3& moon, const Vec3& sun);
