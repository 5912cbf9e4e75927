#include "diagram/InstantView.h"

#include "catalog/SiteRecord.h"
#include "core/AstroConstants.h"
#include "core/EphemerisRequest.h"
#include "core/SunPrecession.h"
#include "diagram/DiagramObject.h"
#include "diagram/NightlyEvents.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHoursToRadians = 0.26179938779916667;  // pi / 12

struct Horizontal {
    double altitude = 0.0;
    double azimuth = 0.0;
};

// Altitude and azimuth (from the south, positive west) of a direction at the
// local sidereal time given as Greenwich sidereal time minus the longitude.
Horizontal HorizontalOf(const Vec3& v, double siderealTime, const SiteRecord& site)
{
    const double alpha = std::atan2(v.y, v.x);
    const double hourAngle = (siderealTime - site.longitude) * kHoursToRadians - alpha;
    const double sinDeclination = v.z / Norm(v);
    const double cosDeclination = std::sqrt(1 - sinDeclination * sinDeclination);
    const double sinLatitude = std::sin(site.latitude);
    const double cosLatitude = std::cos(site.latitude);
    // Kept within [-1, 1]: a body at the zenith must not come out as NaN.
    const double sinAltitude =
        std::clamp(cosDeclination * std::cos(hourAngle) * cosLatitude + sinDeclination * sinLatitude, -1.0, 1.0);
    return {std::asin(sinAltitude),
            std::atan2(cosDeclination * std::sin(hourAngle),
                       cosDeclination * std::cos(hourAngle) * sinLatitude - sinDeclination * cosLatitude)};
}

} // namespace

InstantViewResult InstantView(const DiagramObject& object, const SiteRecord& site, const EphemerisRequest& request,
                              int day, int hour, int minute)
{
    const double t = hour + minute * 0.016666666666666666;
    const DayNumber dday = RequestDayNumber(request) + day - 1.0;
    const double tday = dday * kCenturiesPerDay;
    const double siderealTime = SiderealTimeAt0h(tday) + kSiderealRate * t;

    // The Sun, and so the Earth, at the clicked instant; the precession of
    // the object's frame is taken at 0h UT of the day, as for the events.
    const double tInstant = (dday + t / 24) * kCenturiesPerDay;
    const Vec3 sun = RotationX(MeanObliquity(tInstant)) * SunGeocentricEcliptic(tInstant);
    const Vec3 heliocentric = object.ToEquatorOfDate(tday) * object.Heliocentric(dday + t / 24);
    const Vec3 geocentric = heliocentric + sun;

    InstantViewResult view;
    view.sunDistance = Norm(heliocentric);
    view.earthDistance = Norm(geocentric);
    const Horizontal objectSky = HorizontalOf(geocentric, siderealTime, site);
    const Horizontal sunSky = HorizontalOf(sun, siderealTime, site);
    view.objectAltitude = objectSky.altitude;
    view.objectAzimuth = objectSky.azimuth;
    view.sunAltitude = sunSky.altitude;
    view.sunAzimuth = sunSky.azimuth;
    view.magnitude = object.Magnitude(sun, geocentric, view.sunDistance, view.earthDistance);
    return view;
}
