#pragma once
// The current asteroid, converted from one 110-byte line of ASTERS.DTB. The
// angles stay in degrees as the catalogue gives them. A field of the line
// that holds no number leaves NaN in its member: the record is then refused
// before anything is computed from it (catalog/RecordChecks.h).

#include <string>

// The texts shown by the asteroid elements display, as written in the file.
struct AsteroidFieldTexts {
    std::string displayName;        // "Ceres  (1)": trimmed name, two spaces, number
    std::string equinox;            // 4 characters
    std::string epoch;              // "%2d/%2d/%4d" of day, month, year
    std::string meanAnomaly;        // 10 characters each, unchanged
    std::string argPerihelion;
    std::string ascendingNode;
    std::string inclination;
    std::string eccentricity;
    std::string meanMotion;         // 12 characters
    std::string absoluteMagnitude;  // 6 characters
    std::string slopeParameter;     // 5 characters, or "0.15" for a blank field
};

struct AsteroidRecord {
    std::string name;                // Windows-1252, "Ceres (1)": trimmed name, one space, number
    int number = 0;                  // its number, the line it comes from
    float absoluteMagnitude = 0.0f;  // H
    float slopeParameter = 0.0f;     // G
    double meanAnomaly = 0.0;        // M at the epoch, degrees
    double argPerihelion = 0.0;      // omega, degrees
    double ascendingNode = 0.0;      // Omega, degrees
    double inclination = 0.0;        // i, degrees
    double eccentricity = 0.0;
    double meanMotion = 0.0;         // n, degrees per day
    double semiMajorAxis = 0.0;      // a, AU, from n
    double epoch = 0.0;              // DayNumber of 0h of the epoch date
    AsteroidFieldTexts fieldTexts;
};
