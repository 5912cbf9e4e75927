#include "core/ApparentPlace.h"

#include "core/AstroConstants.h"
#include "core/SunPrecession.h"

#include <algorithm>
#include <cmath>

namespace {

double AngleDegrees(double cosine)
{
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * kRadiansToDegrees;
}

} // namespace

Mat3 OutputPrecession(int equinoxYear)
{
    return PrecessionMatrix(EquinoxCenturies(equinoxYear), 1.0);
}

Vec3 SunEquatorial(DayNumber instant, const Mat3& outputPrecession)
{
    const double t = instant * kCenturiesPerDay;
    return outputPrecession * (PrecessionMatrix(1.0, t) * RotationX(MeanObliquity(t)) * SunGeocentricEcliptic(t));
}

Vec3 ObjectEquatorial(const Vec3& heliocentricEcliptic, int elementsEquinox, const Mat3& outputPrecession)
{
    if (elementsEquinox == 2000)
        return outputPrecession * (RotationX(ObliquityJ2000) * heliocentricEcliptic);
    return outputPrecession * (ElementsToEquator(1.0, elementsEquinox) * heliocentricEcliptic);
}

double RightAscensionHours(const Vec3& v)
{
    double hours = std::atan2(v.y, v.x) * kRadiansToHours;
    if (hours < 0)
        hours += 24;
    return hours;
}

double DeclinationRadians(const Vec3& v)
{
    return std::atan(v.z / Norm(EquatorProjection * v));
}

ApparentPlace ApparentPlaceFromVectors(const Vec3& sun, const Vec3& object)
{
    ApparentPlace place;
    place.sun = sun;
    place.object = object;
    place.geocentric = sun + object;
    place.rightAscension = RightAscensionHours(place.geocentric);
    place.declination = DeclinationRadians(place.geocentric);
    place.earthDistance = Norm(place.geocentric);
    place.sunDistance = Norm(object);
    const double sunDistanceFromEarth = Norm(sun);
    place.elongation = AngleDegrees(Dot(place.geocentric, sun) / (sunDistanceFromEarth * place.earthDistance));
    place.phaseAngle = AngleDegrees(Dot(place.geocentric, object) / (place.sunDistance * place.earthDistance));
    return place;
}

ApparentPlace ApparentPlaceAt(DayNumber instant, const Vec3& heliocentricEcliptic, int elementsEquinox,
                              const Mat3& outputPrecession)
{
    return ApparentPlaceFromVectors(SunEquatorial(instant, outputPrecession),
                                    ObjectEquatorial(heliocentricEcliptic, elementsEquinox, outputPrecession));
}
