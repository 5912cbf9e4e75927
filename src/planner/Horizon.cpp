#include "planner/Horizon.h"

#include "core/AstroConstants.h"
#include "core/SunPrecession.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHoursToRadians = 0.26179938779916667;  // pi / 12

// The local sidereal time, the right ascension of the zenith, radians; the
// longitude counts hours towards the west.
double LocalSiderealAngle(DayNumber instant, const SiteFrame& site)
{
    return (GreenwichSiderealHours(instant) - site.longitude) * kHoursToRadians;
}

} // namespace

double GreenwichSiderealHours(DayNumber instant)
{
    const DayNumber day0h = std::floor(instant - 0.5) + 0.5;
    return SiderealTimeAt0h(day0h * kCenturiesPerDay) + kSiderealRate * (instant - day0h) * 24;
}

Vec3 ZenithAt(DayNumber instant, const SiteFrame& site)
{
    const double localSidereal = LocalSiderealAngle(instant, site);
    return {site.cosLatitude * std::cos(localSidereal), site.cosLatitude * std::sin(localSidereal),
            site.sinLatitude};
}

Vec3 SunOfDate(DayNumber instant)
{
    const double t = instant * kCenturiesPerDay;
    return RotationX(MeanObliquity(t)) * SunGeocentricEcliptic(t);
}

Horizontal HorizontalAt(const Vec3& v, DayNumber instant, const SiteFrame& site)
{
    const Vec3 zenith = ZenithAt(instant, site);
    // East and north on the horizon.
    const double localSidereal = LocalSiderealAngle(instant, site);
    const double cosSidereal = std::cos(localSidereal);
    const double sinSidereal = std::sin(localSidereal);
    const Vec3 east{-sinSidereal, cosSidereal, 0.0};
    const Vec3 north{-site.sinLatitude * cosSidereal, -site.sinLatitude * sinSidereal, site.cosLatitude};
    const double altitude = std::asin(std::clamp(SineOfAltitude(v, zenith), -1.0, 1.0));
    // From the south, positive west: the opposites of the east and north parts.
    const double azimuth = std::atan2(-Dot(v, east), -Dot(v, north));
    return {altitude * kRadiansToDegrees, azimuth * kRadiansToDegrees};
}

double AzimuthFromNorth(double azimuthFromSouth)
{
    const double fromNorth = std::fmod(azimuthFromSouth + 180.0, 360.0);
    return fromNorth < 0 ? fromNorth + 360.0 : fromNorth;
}

double AngleBetween(const Vec3& a, const Vec3& b)
{
    // atan2 of the cross and dot products keeps small angles exact.
    return std::atan2(Norm(Cross(a, b)), Dot(a, b)) * kRadiansToDegrees;
}
