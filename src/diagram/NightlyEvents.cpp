#include "diagram/NightlyEvents.h"

#include "catalog/SiteRecord.h"
#include "core/AstroConstants.h"

#include <algorithm>
#include <cmath>

namespace {

// Lunations: mean new moon 0 at DayNumber 0.759, synodic month 29.53088 days.
constexpr double kNewMoonZero = 0.759;
constexpr double kSynodicMonth = 29.53088;
constexpr double kLunationsPerDay = 0.033863192971301484;  // 1 / 29.53088

// x reduced into [-12, 12) hours.
double WithinHalfDay(double hours)
{
    return hours - 24 * std::floor((hours + 12) / 24);
}

} // namespace

SiteFrame MakeSiteFrame(const SiteRecord& site)
{
    return {site.longitude, std::sin(site.latitude), std::cos(site.latitude)};
}

std::optional<CellTime> SplitTime(double hours)
{
    // Event times stay within a day and a half of their first estimate;
    // anything beyond a million hours is a damaged orbit, not a night.
    if (!std::isfinite(hours) || std::fabs(hours) > 1e6)
        return std::nullopt;
    const double night = std::floor((hours + 12) / 24);
    // (t + 12 - 24 night) lies in [0, 24); rounding may give exactly 24,
    // which belongs to the last row of the night.
    const int row = std::min(static_cast<int>(std::floor((hours + 12 - 24 * night) * 15)), 359);
    return CellTime{static_cast<int>(night), std::max(row, 0)};
}

double SiderealTimeAt0h(double t)
{
    // Newcomb: S0 = 6h 38m 45.836s + 8640184.542s T + 0.0929s T^2.
    const double s0 = 6.6460656 + t * (2400.051262 + 2.581e-05 * t);
    return WithinHalfDay(s0);
}

EquatorialDirection DirectionOf(const Vec3& v)
{
    const double sinDeclination = v.z / Norm(v);
    return {std::atan2(v.y, v.x) * kRadiansToHours, sinDeclination,
            std::sqrt(1 - sinDeclination * sinDeclination)};
}

HalfArc HourAngleHalfWidth(const EquatorialDirection& direction, double s, const SiteFrame& site)
{
    const double c = (s - direction.sinDeclination * site.sinLatitude) /
                     (direction.cosDeclination * site.cosLatitude);
    if (c < -1)
        return {12.0, AltitudeReach::NeverBelow};
    if (c > 1)
        return {0.0, AltitudeReach::NeverReaches};
    return {std::acos(c) * kRadiansToHours, AltitudeReach::Crosses};
}

RefinedTime RefineEventTime(const Vec3& v, double t, double s, double theta0, const SiteFrame& site, int sign)
{
    const EquatorialDirection direction = DirectionOf(v);
    const HalfArc arc = HourAngleHalfWidth(direction, s, site);
    const double y = sign * arc.hours + site.longitude + direction.rightAscension - theta0 - kSiderealRate * t;
    return {t + kMeanPerSiderealHour * WithinHalfDay(y), arc.reach};
}

NightRecord FirstEstimates(const Vec3& sun, const Vec3& object, double theta0, const SiteFrame& site)
{
    const EquatorialDirection objectDirection = DirectionOf(object);
    const EquatorialDirection sunDirection = DirectionOf(sun);
    NightRecord record;
    for (int k = 0; k < 7; ++k) {
        const EquatorialDirection& direction = k <= 4 ? objectDirection : sunDirection;
        const HalfArc arc = HourAngleHalfWidth(direction, kEventAltitudeSine[k], site);
        record.time[k] = (kEventHourAngleSign[k] * arc.hours + site.longitude + direction.rightAscension - theta0) *
                         kMeanPerSiderealHour;
        // The estimate knows whether the altitude is reached: the first
        // night's points follow the same rule as every other night's.
        record.reach[k] = arc.reach;
    }
    record.time[6] += 24;

    const double objectShift = 24 * std::floor((record.time[1] + 12) / 24);
    for (int k = 0; k <= 4; ++k)
        record.time[k] -= objectShift;

    const double sunNoon = (sunDirection.rightAscension + site.longitude - theta0) * kMeanPerSiderealHour;
    const double sunShift = 24 * (std::floor(sunNoon / 24) + 1);
    record.time[5] -= sunShift;
    record.time[6] -= sunShift;
    return record;
}

ComfortableWindows FindComfortableWindows(const NightRecord& today, const NightRecord& yesterday,
                                          const NightRecord* dayBefore)
{
    // A and B: the object's passages at 10 degrees; N0 and N1: the night.
    constexpr int A = EventKind::Ascending10, B = EventKind::Descending10;
    constexpr int N0 = EventKind::NightStart, N1 = EventKind::NightEnd;
    ComfortableWindows windows;
    auto tryWindow = [&windows](double start, double end) {
        if (end > start)
            windows.spans[static_cast<std::size_t>(windows.count++)] = {start, end};
    };
    // Everything in hours of today: yesterday's times less 24, the day
    // before's less 48.
    tryWindow(std::max(today.time[A], today.time[N0]), std::min(today.time[B], today.time[N1]));
    tryWindow(std::max(today.time[A], yesterday.time[N0] - 24), std::min(today.time[B], yesterday.time[N1] - 24));
    if (dayBefore)
        tryWindow(std::max(today.time[A], dayBefore->time[N0] - 48), std::min(today.time[B], dayBefore->time[N1] - 48));
    tryWindow(std::max(yesterday.time[A] - 24, today.time[N0]), std::min(yesterday.time[B] - 24, today.time[N1]));
    return windows;
}

NewMoonDays MeanNewMoonDays(DayNumber firstDay)
{
    NewMoonDays moons;
    const double first = std::floor((firstDay - kNewMoonZero) * kLunationsPerDay);
    const double last = std::floor((firstDay + kDiagramNights - kNewMoonZero) * kLunationsPerDay);
    for (double n = first; n <= last && moons.count < static_cast<int>(moons.days.size()); ++n) {
        const double j = std::floor(n * kSynodicMonth + kNewMoonZero - firstDay);
        if (j > 0 && j < 366)
            moons.days[static_cast<std::size_t>(moons.count++)] = static_cast<int>(j);
    }
    return moons;
}
