#include "diagram/DiagramObject.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/Orbit.h"
#include "core/SunPrecession.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <cmath>

Vec3 DiagramObject::Heliocentric(DayNumber t) const
{
    return IsComet() ? CometHeliocentricPosition(comet_, t) : AsteroidHeliocentricPosition(asteroid_, t);
}

Mat3 DiagramObject::ToEquatorOfDate(double tday) const
{
    return ElementsToEquator(tday, IsComet() ? comet_.equinox : 2000);
}

std::string DiagramObject::TitleLine() const
{
    if (kind_ == kCometKind)
        return "Comète : " + Windows1252ToUtf8(CometName(comet_));
    if (kind_ == kAsteroidKind)
        return "Astéroïde : " + Windows1252ToUtf8(asteroid_.name);
    return {};
}

double DiagramObject::Magnitude(const Vec3& sun, const Vec3& geocentric, double r, double delta) const
{
    if (IsComet())
        return comet_.magnitudeCoef1 + 5 * std::log10(delta) + comet_.magnitudeCoef2 * std::log10(r);

    // Bowell et al. (1989), the IAU H, G system: beta the phase angle,
    // phi1 = exp(-3.33 tan^0.63(beta/2)), phi2 = exp(-1.87 tan^1.22(beta/2)).
    // The cosine is kept within [-1, 1] so that rounding never gives NaN.
    const double cosBeta = std::clamp((delta * delta - Dot(sun, geocentric)) / (r * delta), -1.0, 1.0);
    const double tau = std::tan(std::acos(cosBeta) / 2);
    const double g = asteroid_.slopeParameter;
    const double phases =
        (1 - g) * std::exp(-3.33 * std::pow(tau, 0.63)) + g * std::exp(-1.87 * std::pow(tau, 1.22));
    return asteroid_.absoluteMagnitude + 5 * std::log10(r * delta) - 2.5 * std::log10(phases);
}
