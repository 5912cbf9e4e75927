// One diagram computed from a fuzzed comet record and site (140 and 64
// bytes as the catalogues hold them) and a month: records the computations
// refuse stop there; the others give a grid of event codes only, leave the
// request on the 1st of its month, and clicks that show no "nan".

#include "FuzzChecks.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteRecord.h"
#include "core/DateRange.h"
#include "core/EphemerisRequest.h"
#include "diagram/Canvas.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    CometRecord comet{};
    SiteRecord site{};
    input.Fill(comet);
    input.Fill(site);
    if (CometFault(comet) || SiteFault(site))
        return 0;
    const int month = input.Number(1, 12);
    const int year = input.Number(kFirstYear, kLastYear - 1);
    EphemerisRequest request{0, month, year, 0, 0, 2000};
    const AsteroidRecord noAsteroid{};
    const DiagramObject object(kCometKind, comet, noAsteroid);
    static EventGrid grid;
    NullCanvas canvas;
    int marker = -1;
    ComputeDiagram(object, site, request, marker, grid, canvas);

    Require(marker == 0 || marker == 1, "the leap marker is a flag");
    Require(request.day == 1 && request.month == month && request.year == year, "back on the 1st of the month");
    for (int column = 0; column < EventGrid::kColumns; ++column)
        for (int row = 0; row < EventGrid::kRows; ++row) {
            const int code = grid.At(column, row);
            Require(code >= EventGrid::kEmpty && code <= EventCode::NewMoon, "event codes only");
        }
    for (int click = 0; click < 3; ++click) {
        const auto instant = InstantAtClick(input.Number(11, 743), input.Number(75, 435));
        Require(instant.has_value(), "a click on the nights has its instant");
        const InfoBoxTexts texts = MakeInfoBoxTexts(
            InstantView(object, site, request, instant->day, instant->hour, instant->minute), *instant, month, year,
            marker != 0);
        for (const std::string* text : {&texts.objectAltitude, &texts.objectAzimuth, &texts.magnitude,
                                        &texts.sunAltitude, &texts.sunAzimuth})
            RequireShowable(*text, "no nan in the information box");
    }
    return 0;
}
