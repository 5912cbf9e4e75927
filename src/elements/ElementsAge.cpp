#include "elements/ElementsAge.h"

#include "core/CFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDaysPerYear = 365.25;

} // namespace

std::string OldElementsNotice(DayNumber epoch, DayNumber first, DayNumber last)
{
    const double gap = std::max(std::fabs(first - epoch), std::fabs(last - epoch));
    if (!std::isfinite(gap) || gap <= kDaysPerYear)
        return {};
    const CalendarDate date = CalendarDateFromDayNumber(epoch);
    // French writes the decimal comma, and the singular below 2.
    const double years = std::round(gap / kDaysPerYear * 10.0) / 10.0;
    std::string span = FormatC("%.1f", years);
    std::replace(span.begin(), span.end(), '.', ',');
    return FormatC("Éléments anciens : époque %d/%d/%d, écart %s %s ; précision de quelques minutes d'arc au plus",
                   static_cast<int>(std::floor(date.day + 1e-6)), date.month, date.year, span.c_str(),
                   years < 2.0 ? "an" : "ans");
}

std::string EphemerisElementsNotice(const SelectionState& state, bool comet)
{
    const EphemerisRequest& request = state.ephemeris;
    const DayNumber first = RequestDayNumber(request);
    const DayNumber last = first + std::max(request.dayCount - 1, 0) * static_cast<double>(request.dayInterval);
    return OldElementsNotice(ElementsEpoch(state, comet), first, last);
}

std::string DiagramElementsNotice(DayNumber epoch, int month, int year)
{
    const DayNumber first = DayNumberFromDate(1, month, year);
    return OldElementsNotice(epoch, first, first + 368);
}

DayNumber ElementsEpoch(const SelectionState& state, bool comet)
{
    return comet ? state.currentComet.perihelionTime : state.currentAsteroid.epoch;
}
