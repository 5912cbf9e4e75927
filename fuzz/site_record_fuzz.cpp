// A site record as a damaged SITES.NDB may hold it (64 bytes), then a month
// and clicks of the diagram: the site is either refused, naming a value, or
// every click gives an information box with altitudes within 90 degrees and
// no "nan", "inf" or "-0". The coordinates display never shows "nan".

#include "FuzzChecks.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteCatalog.h"
#include "core/AngleFormat.h"
#include "core/Calendar.h"
#include "core/DateRange.h"
#include "core/EphemerisRequest.h"
#include "diagram/DiagramMonth.h"
#include "diagram/DiagramObject.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"

#include <cstdlib>

namespace {

// 1P/Halley (MPC 98 1083), angles in radians, B1950.
CometRecord Halley()
{
    CometRecord comet{};
    SetCometName(comet, "1P/Halley");
    comet.perihelionTime = DayNumberFromDate(9.4589, 2, 1986);
    comet.argPerihelion = 111.8466 * 0.01745329252;
    comet.ascendingNode = 58.1440 * 0.01745329252;
    comet.inclination = 162.2393 * 0.01745329252;
    comet.eccentricity = 0.967277;
    comet.perihelionDistance = 0.587104;
    comet.magnitudeCoef1 = 5.5;
    comet.magnitudeCoef2 = 8.0;
    comet.equinox = 1950;
    return comet;
}

// "47° 46'" or "-0°30'" to degrees, roughly.
double Degrees(const std::string& text)
{
    return std::atof(text.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    SiteRecord site{};
    input.Fill(site);
    RequireShowable(FormatDegreesDMS(site.latitude * 57.295779512896175), "no nan in the coordinates display");
    RequireShowable(FormatDegreesDMS(site.longitude * 15.0), "no nan in the coordinates display");
    (void)MakeSiteListEntry(site, 1, SiteListStyle::CometDiagram);
    if (const auto fault = SiteFault(site)) {
        RequireShowable(fault->reason, "no nan in a refusal");
        return 0;
    }

    static const CometRecord halley = Halley();
    const AsteroidRecord noAsteroid{};
    const DiagramObject object(kCometKind, halley, noAsteroid);
    EphemerisRequest request{1, input.Number(1, 12), input.Number(kFirstYear, kLastYear - 1), 0, 1, 0};
    for (int click = 0; click < 4; ++click) {
        const ClickInstant instant{input.Number(0, 369), input.Byte() % 24, (input.Byte() % 15) * 4};
        const InfoBoxTexts texts = MakeInfoBoxTexts(InstantView(object, site, request, instant.day, instant.hour,
                                                                instant.minute),
                                                    instant, request.month, request.year, input.Byte() % 2);
        for (const std::string* text : {&texts.date, &texts.time, &texts.objectAltitude, &texts.objectAzimuth,
                                        &texts.magnitude, &texts.sunAltitude, &texts.sunAzimuth})
            RequireShowable(*text, "no nan in the information box");
        Require(std::abs(Degrees(texts.objectAltitude)) <= 90 && std::abs(Degrees(texts.sunAltitude)) <= 90,
                "altitudes within 90 degrees", texts.objectAltitude);
        Require(std::abs(Degrees(texts.objectAzimuth)) <= 180, "azimuths within 180 degrees", texts.objectAzimuth);
    }
    return 0;
}
