#include "core/AngleFormat.h"

#include "core/CFormat.h"

#include <cmath>

namespace {

// 1/0.01745329252: the inverse of the program's degrees-to-radians factor.
constexpr double kRadiansToDegreesForDeclination = 57.29577951862575;

// Would `value` print as 0 at this precision?
bool PrintsAsZero(double value, int decimals)
{
    return FormatC("%.*f", decimals, value) == FormatC("%.*f", decimals, 0.0);
}

// Would `value` print as 60 at this precision?
bool PrintsAsSixty(double value, int decimals)
{
    return FormatC("%.*f", decimals, value) == FormatC("%.*f", decimals, 60.0);
}

} // namespace

std::string FormatRightAscension(double hours)
{
    // The whole hours have three characters: beyond them, as for a value
    // that is not a number, the column shows "---".
    if (!std::isfinite(hours) || std::fabs(hours) >= 99.5)
        return FormatC("%9s", "---");
    const double sign = hours < 0 ? -1.0 : 1.0;
    double whole = 0.0;
    const double fraction = std::modf(std::fabs(hours) + 1e-10, &whole);
    double minutes = 60 * fraction;
    if (PrintsAsSixty(minutes, 2)) {
        minutes = 0.0;
        whole += 1;
        if (sign > 0 && whole == 24)
            whole = 0;
    }
    if (whole == 0 && sign < 0 && !PrintsAsZero(minutes, 2))
        return FormatC(" -0 %5.2f", minutes);
    // + 0.0 turns the -0 of a value that rounds to zero into 0.
    return FormatC("%3.0f %5.2f", sign * whole + 0.0, minutes);
}

std::string FormatDeclination(double radians, int form)
{
    // Half of the last printed unit is added before the split and taken off
    // after it, so minutes that round up carry into the degrees; for whole
    // minutes that is half an arcminute, for tenths a twentieth of one.
    const double halfUnit = form == 0 ? 0.05 : 0.5;
    // A value that is not a number has no text, nor has one beyond the three
    // characters of the degrees of the table's column (a declination is
    // within 90 degrees).
    if (!std::isfinite(radians) || (form == 0 && std::fabs(radians) >= 1.7))
        return form == 0 ? FormatC("%8s", "---") : "---";
    const double sign = radians < 0 ? -1.0 : 1.0;
    double degrees = 0.0;
    const double fraction =
        std::modf(std::fabs(radians) * kRadiansToDegreesForDeclination + halfUnit / 60, &degrees);
    double minutes = std::fabs(60 * fraction - halfUnit);

    if (form == 0) {
        // After a carry 60 x fraction is below the half unit: the true minutes
        // round to 0.0, which the absolute value would print as 0.1 at 0.05.
        if (60 * fraction < halfUnit)
            minutes = 0.0;
        if (PrintsAsSixty(minutes, 1)) {
            minutes = 0.0;
            degrees += 1;
        }
        if (degrees == 0 && sign < 0 && !PrintsAsZero(minutes, 1))
            return FormatC(" -0 %4.1f", minutes);
        return FormatC("% 3.0f %4.1f", sign * degrees + 0.0, minutes);
    }

    if (PrintsAsSixty(minutes, 0)) {
        minutes = 0.0;
        degrees += 1;
    }
    if (degrees == 0 && sign < 0 && !PrintsAsZero(minutes, 0))
        return FormatC("-0°%2.0f'", minutes);
    return FormatC("%.0f° %.0f'", sign * degrees + 0.0, minutes);
}

std::string FormatDegreesDMS(double degrees)
{
    // Three characters of degrees: a damaged value beyond them shows "---".
    if (!std::isfinite(degrees) || std::fabs(degrees) >= 999.5)
        return "---";
    // Rounded once to whole seconds, then split: the slight excess factor keeps
    // values such as 45.5 from falling just below their exact second.
    const double seconds = std::floor(std::fabs(degrees) * 1.0000000001 * 3600 + 0.5);
    const double wholeDegrees = std::floor(seconds / 3600);
    const double minutes = std::floor(std::fmod(seconds, 3600) / 60);
    const double restSeconds = std::fmod(seconds, 60);
    return FormatC("%3.0f°%2.0f'%2.0f\"", wholeDegrees, minutes, restSeconds);
}
