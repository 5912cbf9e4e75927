#pragma once
// 1,000 comets for the benchmarks of a whole night, written as COMETS.WDB in
// the working directory: perihelia spread over 2023-2027, ellipses, parabolas
// and hyperbolas, every orientation, magnitudes 4 to 16.

#include "BenchObjects.h"
#include "catalog/CometRecord.h"
#include "core/Calendar.h"

#include <cmath>
#include <fstream>
#include <string>

inline void WriteSyntheticComets()
{
    std::ofstream out("COMETS.WDB", std::ios::binary);
    for (int k = 0; k < 1000; ++k) {
        CometRecord comet = Halley();
        SetCometName(comet, "C/2025 X" + std::to_string(k));
        comet.perihelionTime = DayNumberFromDate(1, 1, 2023) + k * 1.46;
        comet.perihelionDistance = 0.3 + std::fmod(k * 0.37, 5.0);
        comet.eccentricity = k % 10 == 0 ? 1.0 : 0.6 + std::fmod(k * 0.013, 0.5);
        comet.argPerihelion = std::fmod(k * 0.71, 6.283);
        comet.ascendingNode = std::fmod(k * 1.13, 6.283);
        comet.inclination = std::fmod(k * 0.29, 3.1415);
        comet.magnitudeCoef1 = 4 + std::fmod(k * 0.011, 12.0);
        comet.magnitudeCoef2 = 10;
        out.write(reinterpret_cast<const char*>(&comet), sizeof comet);
    }
}
