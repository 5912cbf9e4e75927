#pragma once
// Objects and sites for the diagram tests: bodies far beyond the planets that
// stay put near a celestial pole, and the sample sites by name.

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"
#include "core/Calendar.h"
#include "diagram/Canvas.h"

#include <cmath>
#include <ostream>

// Readable rectangles in failure messages.
inline void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

inline constexpr double kFixtureDegree = 0.017453292519943295;

// A comet 1000 AU away, near its perihelion for decades, in the direction of
// the north (or south) celestial pole of J2000.
inline CometRecord PolarComet(bool north)
{
    // The perihelion direction (0, sin eps, cos eps) of the ecliptic is the
    // equator's pole: node 0, argument of perihelion 90 degrees, i = 90 - eps.
    CometRecord comet{};
    SetCometName(comet, north ? "Polaire nord" : "Polaire sud");
    comet.perihelionTime = DayNumberFromDate(1, 1, 2024);
    comet.argPerihelion = (north ? 90.0 : 270.0) * kFixtureDegree;
    comet.ascendingNode = 0.0;
    comet.inclination = (90.0 - 23.4392911) * kFixtureDegree;
    comet.eccentricity = 0.5;
    comet.perihelionDistance = 1000.0;
    comet.magnitudeCoef1 = 5.0;
    comet.magnitudeCoef2 = 10.0;
    comet.equinox = 2000;
    return comet;
}

inline SiteRecord MakeSite(const char* name, double longitudeHours, double latitudeDegrees)
{
    SiteRecord site{};
    SetSiteName(site, name);
    site.longitude = longitudeHours;
    site.latitude = latitudeDegrees * kFixtureDegree;
    return site;
}

// Tromsø, 69°39' N, 18°57' E: no astronomical night from April to September.
inline SiteRecord Tromso()
{
    return MakeSite("Troms\xf8 (Norv\xe8ge)", -1.2633333333333332, 69.65002490457053);
}

inline SiteRecord HauteProvence()
{
    return MakeSite("Observatoire de Haute-Provence", -0.38088888888888894, 43.930849041567896);
}

inline SiteRecord Paris() { return MakeSite("Paris - Observatoire", -0.15581481481481482, 48.83640635119027); }

// 12P/Pons-Brooks as in the sample COMETS.WDB (MPEC 2022, equinox 2000).
inline CometRecord PonsBrooks()
{
    CometRecord comet{};
    SetCometName(comet, "12P/Pons-Brooks");
    comet.perihelionTime = DayNumberFromDate(20.8249, 4, 2024);
    comet.perihelionDistance = 0.781076;
    comet.eccentricity = 0.95475;
    comet.argPerihelion = 198.9678 * kFixtureDegree;
    comet.ascendingNode = 255.8177 * kFixtureDegree;
    comet.inclination = 74.169 * kFixtureDegree;
    comet.magnitudeCoef1 = 9.0;
    comet.magnitudeCoef2 = 10.0;
    comet.equinox = 2000;
    return comet;
}

inline SiteRecord MaunaKea() { return MakeSite("Mauna Kea (Hawa\xef)", 10.365, 19.826666666731086); }

// (4) Vesta as in the sample ASTERS.DTB: JPL's osculating elements at
// 9 August 2022, equinox J2000.
inline AsteroidRecord Vesta()
{
    AsteroidRecord vesta;
    vesta.name = "Vesta (4)";
    vesta.epoch = DayNumberFromDate(9, 8, 2022);
    vesta.meanAnomaly = 61.19230;
    vesta.argPerihelion = 151.25778;
    vesta.ascendingNode = 103.80081;
    vesta.inclination = 7.14078;
    vesta.eccentricity = 0.0884019;
    vesta.meanMotion = 0.27151121;
    vesta.semiMajorAxis = std::pow(0.9856076686 / vesta.meanMotion, 2.0 / 3.0);
    vesta.absoluteMagnitude = 3.20f;
    vesta.slopeParameter = 0.32f;
    return vesta;
}
