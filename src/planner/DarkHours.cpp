#include "planner/DarkHours.h"

#include "planner/Horizon.h"
#include "planner/Stretch.h"

#include <array>
#include <cmath>

namespace {

constexpr double kDegree = 0.017453292519943295;
constexpr int kSamples = 24 * 6 + 1;  // every ten minutes from noon to noon

} // namespace

DayNumber LocalNoon(const SiteFrame& site, DayNumber evening)
{
    return evening + (12 + site.longitude) / 24;
}

DarkHours FindDarkHours(const SiteFrame& site, DayNumber evening)
{
    const DayNumber noon = LocalNoon(site, evening);
    constexpr double step = 1.0 / (kSamples - 1);
    // How far the Sun is below the horizon, as the sine of its depression.
    auto depression = [&site](DayNumber t) { return -SineOfAltitude(SunOfDate(t), ZenithAt(t, site)); };
    std::array<double, kSamples> values{};
    for (int j = 0; j < kSamples; ++j)
        values[static_cast<std::size_t>(j)] = depression(noon + j * step);

    for (const auto& [kind, degrees] : {std::pair{Darkness::Astronomical, 18.0}, std::pair{Darkness::Nautical, 12.0}}) {
        if (const auto dark = StretchAbove(values, noon, step, depression, std::sin(degrees * kDegree)))
            return {kind, dark->start, dark->end};
    }
    return {};
}
