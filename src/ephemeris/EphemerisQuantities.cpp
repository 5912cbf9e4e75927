#include "ephemeris/EphemerisQuantities.h"

#include "core/AstroConstants.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

double AntiSolarDirection(const Vec3& sun, const Vec3& geocentric)
{
    // The angle at the object between the plane Earth-Sun-object (normal
    // N1 = S x G) and the hour circle of the object (normal N2 = G x pole),
    // on the east side when N1 points north.
    const Vec3 n1 = Cross(sun, geocentric);
    const Vec3 n2 = Cross(geocentric, Vec3{0.0, 0.0, 1.0});
    const double norms = Norm(n1) * Norm(n2);
    if (!(norms > 0.0) || !std::isfinite(norms))
        return std::nan("");
    const double sign = n1.z < 0 ? -1.0 : 1.0;
    return sign * std::acos(std::clamp(Dot(n1, n2) / norms, -1.0, 1.0)) * kRadiansToDegrees;
}

double MagnitudeHG(double h, double g, double sunDistance, double earthDistance, double alpha)
{
    // V = H + 5 log10(r Delta) - 2.5 log10((1 - G) Phi1 + G Phi2), with
    // Phi1 = exp(-3.33 tan(alpha/2)^0.63) and Phi2 = exp(-1.87 tan(alpha/2)^1.22)
    // (Bowell et al. 1989, IAU Commission 20).
    const double t = std::tan(alpha / 2);
    const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
    return h + 5 * std::log10(sunDistance * earthDistance) - 2.5 * std::log10((1 - g) * phi1 + g * phi2);
}

std::string EphemerisColumn(double value, int width, int decimals)
{
    return FixedColumn(value, width, decimals);
}
