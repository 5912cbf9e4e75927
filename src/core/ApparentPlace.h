#pragma once
// From the Sun and an object's heliocentric vector to what the ephemerides
// print: geometric, geocentric, mean equator and equinox of the output year
// (no light time, aberration or nutation).

#include "core/Calendar.h"
#include "core/Vector.h"

struct ApparentPlace {
    Vec3 sun;                        // Earth to Sun, equatorial, output equinox
    Vec3 object;                     // Sun to object, equatorial, output equinox
    Vec3 geocentric;                 // Earth to object
    double rightAscension = 0.0;     // hours, [0, 24)
    double declination = 0.0;        // radians
    double earthDistance = 0.0;      // AU
    double sunDistance = 0.0;        // AU, object to Sun
    double elongation = 0.0;         // degrees
    double phaseAngle = 0.0;         // degrees, at the object between Sun and Earth
};

// Pout = PrecessionMatrix(EquinoxCenturies(year), 1.0), once per table.
Mat3 OutputPrecession(int equinoxYear);

// Earth-to-Sun vector, equatorial, output equinox: Pout P(1.0, T) Rx(eps) Sun(T).
Vec3 SunEquatorial(DayNumber instant, const Mat3& outputPrecession);

// Sun-to-object vector, equatorial, output equinox, from the ecliptic position
// referred to the ecliptic and equinox of the elements' year: elements of 2000
// are only tilted by the J2000 obliquity, those of any other year are first
// carried to J2000 (asteroid elements are always of 2000).
Vec3 ObjectEquatorial(const Vec3& heliocentricEcliptic, int elementsEquinox, const Mat3& outputPrecession);

// Right ascension in hours in [0, 24) and declination in radians of a vector.
double RightAscensionHours(const Vec3& v);
double DeclinationRadians(const Vec3& v);

// The derived quantities of the two vectors. The arccosines are taken of
// arguments kept within [-1, 1], so rounding never turns an object in line
// with the Sun into NaN.
ApparentPlace ApparentPlaceFromVectors(const Vec3& sun, const Vec3& object);

// The whole chain for one instant.
ApparentPlace ApparentPlaceAt(DayNumber instant, const Vec3& heliocentricEcliptic, int elementsEquinox,
                              const Mat3& outputPrecession);
