// A comet record as a damaged COMETS.WDB may hold it (140 bytes), then a
// request: the record is either refused, naming a value, or its table is
// written, every line at the table's width with no "nan", "inf" or "-0",
// from positions that are finite numbers over the whole request.

#include "FuzzChecks.h"

#include "catalog/CometRecord.h"
#include "catalog/RecordChecks.h"
#include "catalog/SelectionState.h"
#include "core/Calendar.h"
#include "core/DateRange.h"
#include "core/NumberText.h"
#include "core/Orbit.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/Messages.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    SelectionState& state = Selection();
    CometRecord& comet = state.currentComet;
    input.Fill(comet);

    // What the elements display shows of any record.
    for (const double value : {comet.argPerihelion, comet.eccentricity, comet.perihelionDistance,
                               comet.magnitudeCoef1, comet.magnitudeCoef2})
        RequireShowable(FixedText(value, 7), "no nan in the elements display");
    RequireShowable(FormatCalendarDate(comet.perihelionTime), "no nan in the perihelion date");

    if (const auto fault = CometFault(comet)) {
        RequireShowable(fault->reason, "no nan in a refusal");
        return 0;
    }
    EphemerisRequest& request = state.ephemeris;
    request = {input.Number(1, 28), input.Number(1, 12), input.Number(kFirstYear, kLastYear), input.Number(1, 4),
               input.Number(0, 40000), input.Byte() % 2 ? 2000 : input.Number(0, kLastYear)};
    MessageRecorder quiet;
    if (!CheckEphemerisSpan(request) || !CheckEphemerisEquinox(request.equinox))
        return 0;

    // Positions at the first and the last date are finite numbers.
    const double first = RequestDayNumber(request);
    for (const double t : {first, first + (request.dayCount - 1.0) * request.dayInterval}) {
        const Vec3 position = CometHeliocentricPosition(comet, t);
        Require(std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z),
                "an accepted comet has finite positions");
    }
    int marker = 0;
    RequireTable(CometEphemerisText(state, marker), 76, request.dayCount);
    return 0;
}
