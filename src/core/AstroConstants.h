#pragma once
// The program's fixed factors, written as the program has always used them:
// degrees to radians is the 10-digit 0.01745329252, not pi/180 to full
// precision, and the factors going back are not its exact inverses.

inline constexpr double kDegreesToRadians = 0.01745329252;
inline constexpr double kRadiansToDegrees = 57.295779512896175;
inline constexpr double kRadiansToHours = 3.819718634193078;        // 12/pi
inline constexpr double kArcsecondsToRadians = 4.848136811111111e-06;
inline constexpr double kHalfArcsecondsToRadians = 2.4240684055555556e-06;
inline constexpr double kHalfPi = 1.570796326795;
// Julian centuries per day: T = DayNumber x this (1/36525).
inline constexpr double kCenturiesPerDay = 2.7378507871321012e-05;
// Gaussian gravitational constant, radians per day.
inline constexpr double kGaussK = 0.01720209895;
