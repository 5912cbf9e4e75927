#pragma once
// The object and site the benchmarks compute with: 1P/Halley (elements
// J2000) seen from Paris, around its 1986 perihelion.

#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"

inline CometRecord Halley()
{
    CometRecord comet{};
    SetCometName(comet, "1P/Halley");
    comet.perihelionTime = 31452.9;
    comet.perihelionDistance = 0.5860;
    comet.eccentricity = 0.96714;
    comet.argPerihelion = 111.33 * 0.01745329252;
    comet.ascendingNode = 58.42 * 0.01745329252;
    comet.inclination = 162.26 * 0.01745329252;
    comet.equinox = 2000;
    return comet;
}

inline SiteRecord Paris()
{
    SiteRecord site{};
    SetSiteName(site, "Paris - Observatoire");
    site.longitude = -0.1558;
    site.latitude = 48.8364 * 0.01745329252;
    return site;
}
