#pragma once
// One minor planet of the Minor Planet Center's export format (MPCORB.DAT and
// its excerpts): packed number or provisional designation, H, G, packed epoch,
// M, the three angles (J2000.0, degrees), e, n, a, ..., readable designation.

#include <optional>
#include <string>
#include <string_view>

#include "elements/MpcFields.h"

// The fields as the line writes them (spaces around removed): they go into
// ASTERS.DTB unchanged, so that no digit is lost or invented.
struct MinorPlanetElements {
    int number = 0;                     // 0 for an object that has none yet
    std::string_view absoluteMagnitude; // H, may be blank
    std::string_view slope;             // G, blank for the usual 0.15
    PackedDate epoch;
    std::string_view meanAnomaly;       // M at the epoch, degrees
    std::string_view argPerihelion;
    std::string_view ascendingNode;
    std::string_view inclination;
    std::string_view eccentricity;
    std::string_view meanMotion;        // n, degrees per day
    std::string_view readableDesignation;  // "(1) Ceres", "(3708) 1974 FV1", "2022 AB"
};

// Reads one line; the views point into `line`. Empty, with the reason (UTF-8),
// when the line is not one of the format.
std::optional<MinorPlanetElements> ReadMinorPlanetLine(std::string_view line, std::string& reason);

// The name ASTERS.DTB takes: the readable designation without its number
// ("Ceres"), which leaves the provisional designation of an unnamed one.
std::string_view AsteroidName(std::string_view readableDesignation);

// The 110-byte line of ASTERS.DTB, CR LF included. Empty, with the reason,
// when a value does not fit its field there (it is never cut) or H is missing.
std::optional<std::string> MakeAsteroidLine(const MinorPlanetElements& planet, std::string& problem);
