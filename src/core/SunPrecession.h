#pragma once
// The Earth's side of every computation: the Sun from Newcomb's elements, the
// mean obliquity and the precession between two mean equinoxes. Times are
// Julian centuries T from 1900 January 0.5 (T = 1.0 is 2000.0, 0.5 is 1950.0).

#include "core/Vector.h"

// Obliquities used for elements referred to a standard equinox, radians.
inline constexpr double ObliquityJ2000 = 0.4090926165813709;
inline constexpr double ObliquityB1950 = 0.40920618585393026;

// Geocentric rectangular ecliptic coordinates of the Sun, AU, mean ecliptic
// and equinox of date; latitude zero.
Vec3 SunGeocentricEcliptic(double t);

// Mean obliquity of the ecliptic of date, radians.
double MeanObliquity(double t);

// Carries an equatorial vector referred to the mean equator and equinox of t2
// into one referred to those of t1.
Mat3 PrecessionMatrix(double t1, double t2);

// An equinox year as centuries from 1900: 1950 gives 0.5.
double EquinoxCenturies(int year);

// The obliquity that tilts orbital elements of the given equinox year onto
// its equator: the fixed values for 2000 and 1950, the mean obliquity of
// that equinox for any other year.
double ElementsObliquity(int equinoxYear);

// From the ecliptic and equinox of the elements' year to the mean equator
// and equinox of t: P(t, Te) Rx(eps0).
Mat3 ElementsToEquator(double t, int equinoxYear);
