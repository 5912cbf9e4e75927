#pragma once
// Two-body positions of comets and asteroids. Both go through one solver of
// the orbit equation and the same chain of rotations from the orbit plane to
// the ecliptic; the result is heliocentric, in AU, referred to the ecliptic
// and equinox of the elements.

#include "core/Calendar.h"
#include "core/Vector.h"

struct CometRecord;
struct AsteroidRecord;

struct OrbitSolution {
    double rho = 0.0;          // heliocentric distance in units of the perihelion distance
    double trueAnomaly = 0.0;  // radians, between -pi and pi
};

// e < 1: m is the elliptic mean anomaly (radians, any number of revolutions);
// e = 1 exactly: m is the parabolic argument W of Barker's equation;
// e > 1: m is the hyperbolic mean anomaly.
OrbitSolution SolveOrbitEquation(double e, double m);

// Position of a comet at the instant t, from its perihelion elements.
Vec3 CometHeliocentricPosition(const CometRecord& comet, DayNumber t);

// Position of an asteroid at the instant t, from its osculating elements.
Vec3 AsteroidHeliocentricPosition(const AsteroidRecord& asteroid, DayNumber t);
