#pragma once
// The quantities of the ephemeris tables that the computation core does not
// give: the direction of a comet's tail and the H, G magnitude of an
// asteroid, and the way a column prints a quantity that has no value.

#include "core/Vector.h"

#include <string>

// Position angle of the anti-solar direction at the object, degrees from
// north through east, in [-180, 180], from the Earth-Sun and Earth-object
// vectors (equatorial, same frame). NaN when it has no direction: the object
// in line with the Sun, or at a pole of the equator.
double AntiSolarDirection(const Vec3& sun, const Vec3& geocentric);

// Visual magnitude of the IAU H, G system at the phase angle `alpha`
// (radians), distances in AU. Not finite at a phase of 180°.
double MagnitudeHG(double h, double g, double sunDistance, double earthDistance, double alpha);

// `value` printed "%*.*f" without a negative zero; a value that is not
// finite, or too wide for the column, prints "---" at the same width, so the
// columns stay aligned and every line keeps the table's width.
std::string EphemerisColumn(double value, int width, int decimals);
