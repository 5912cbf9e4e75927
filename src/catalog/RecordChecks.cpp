#include "catalog/RecordChecks.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteRecord.h"
#include "core/DateRange.h"
#include "platform/TextEncoding.h"

#include <cmath>

namespace {

// The widest values the orbit solver is given: with them, every position of
// the supported dates stays a finite number (the fuzzing checks it).
constexpr double kMinPerihelionDistance = 0.0001;  // AU, well inside the Sun
constexpr double kMaxPerihelionDistance = 1e6;     // AU
constexpr double kMaxEccentricity = 100;
constexpr double kMinMeanMotion = 0.000001;  // degrees a day: a of about 10,000 AU
constexpr double kMaxMeanMotion = 10000;

// The limits of the site entry: degrees times the factors of the entry.
constexpr double kMaxLatitude = 90 * 0.01745329252;
constexpr double kMaxLongitude = 180 * 0.06666666666666667;

// One check: the value, whether it passes, and the reason.
struct Check {
    const void* value;
    bool passes;
    const char* reason;
};

template <std::size_t N>
std::optional<RecordFault> FirstFailing(const Check (&checks)[N])
{
    for (const Check& check : checks)
        if (!check.passes)
            return RecordFault{check.value, check.reason};
    return std::nullopt;
}

bool Within(double value, double low, double high)
{
    return value >= low && value <= high;  // false for NaN
}

std::string Named(const std::string& windows1252Name)
{
    return windows1252Name.empty() ? std::string() : " (" + Windows1252ToUtf8(windows1252Name) + ")";
}

} // namespace

std::optional<RecordFault> CometFault(const CometRecord& c)
{
    const Check checks[] = {
        {&c.perihelionTime, IsSupportedDayNumber(c.perihelionTime),
         "la date de passage au périhélie doit tomber entre les années -999 et 9999"},
        {&c.argPerihelion, std::isfinite(c.argPerihelion),
         "l'argument du périhélie n'est pas un nombre"},
        {&c.ascendingNode, std::isfinite(c.ascendingNode),
         "la longitude du noeud ascendant n'est pas un nombre"},
        {&c.inclination, std::isfinite(c.inclination), "l'inclinaison n'est pas un nombre"},
        {&c.eccentricity, Within(c.eccentricity, 0, kMaxEccentricity),
         "l'excentricité doit être comprise entre 0 et 100"},
        {&c.perihelionDistance,
         Within(c.perihelionDistance, kMinPerihelionDistance, kMaxPerihelionDistance),
         "la distance au périhélie doit être comprise entre 0.0001 et 1000000 UA"},
        {&c.magnitudeCoef1, std::isfinite(c.magnitudeCoef1),
         "le 1er coefficient de magnitude n'est pas un nombre"},
        {&c.magnitudeCoef2, std::isfinite(c.magnitudeCoef2),
         "le 2ème coefficient de magnitude n'est pas un nombre"},
    };
    return FirstFailing(checks);
}

std::optional<RecordFault> SiteFault(const SiteRecord& s)
{
    const Check checks[] = {
        {&s.longitude, Within(s.longitude, -kMaxLongitude, kMaxLongitude),
         "la longitude doit être comprise entre -180° et 180°"},
        {&s.latitude, Within(s.latitude, -kMaxLatitude, kMaxLatitude),
         "la latitude doit être comprise entre -90° et 90°"},
    };
    return FirstFailing(checks);
}

std::optional<RecordFault> AsteroidFault(const AsteroidRecord& a)
{
    const Check checks[] = {
        {&a.epoch, IsSupportedDayNumber(a.epoch),
         "l'époque n'est pas une date des années -999 à 9999"},
        {&a.meanAnomaly, std::isfinite(a.meanAnomaly),
         "l'anomalie moyenne n'est pas un nombre"},
        {&a.argPerihelion, std::isfinite(a.argPerihelion),
         "l'argument du périhélie n'est pas un nombre"},
        {&a.ascendingNode, std::isfinite(a.ascendingNode),
         "la longitude du noeud ascendant n'est pas un nombre"},
        {&a.inclination, std::isfinite(a.inclination), "l'inclinaison n'est pas un nombre"},
        // Its semi-major axis comes from the mean motion: the orbit is an ellipse.
        {&a.eccentricity, a.eccentricity >= 0 && a.eccentricity < 1,
         "l'excentricité doit être comprise entre 0 et 1 (1 exclu)"},
        {&a.meanMotion, Within(a.meanMotion, kMinMeanMotion, kMaxMeanMotion),
         "le moyen mouvement doit être compris entre 0.000001 et 10000 degrés par jour"},
        {&a.absoluteMagnitude, std::isfinite(a.absoluteMagnitude),
         "la magnitude absolue n'est pas un nombre"},
        {&a.slopeParameter, std::isfinite(a.slopeParameter),
         "le paramètre de pente n'est pas un nombre"},
    };
    return FirstFailing(checks);
}

std::string UnusableCometText(int number, const CometRecord& comet, const RecordFault& fault)
{
    return "La comète n° " + std::to_string(number) + Named(CometName(comet)) + " de COMETS.WDB est inutilisable : " +
           fault.reason + ".\n\nCorrigez-la par Comètes > Base de données.";
}

std::string UnusableSiteText(int number, const SiteRecord& site, const RecordFault& fault)
{
    return "Le site n° " + std::to_string(number) + Named(SiteName(site)) + " de SITES.NDB est inutilisable : " +
           fault.reason + ".\n\nSupprimez-le et saisissez-le de nouveau par Sites > Base de données.";
}

std::string UnusableAsteroidText(const AsteroidRecord& asteroid, const RecordFault& fault)
{
    return "L'astéroïde " + Windows1252ToUtf8(asteroid.name) + " de ASTERS.DTB est inutilisable : " + fault.reason +
           ".\n\nCorrigez la ligne " + std::to_string(asteroid.number) + " du fichier.";
}

std::optional<std::string> UnusableCurrentComet()
{
    const SelectionState& state = Selection();
    if (const auto fault = CometFault(state.currentComet))
        return UnusableCometText(state.cometIndex + 1, state.currentComet, *fault);
    return std::nullopt;
}

std::optional<std::string> UnusableCurrentSite()
{
    const SelectionState& state = Selection();
    if (const auto fault = SiteFault(state.currentSite))
        return UnusableSiteText(state.siteIndex + 1, state.currentSite, *fault);
    return std::nullopt;
}

std::optional<std::string> UnusableCurrentAsteroid()
{
    if (const auto fault = AsteroidFault(Selection().currentAsteroid))
        return UnusableAsteroidText(Selection().currentAsteroid, *fault);
    return std::nullopt;
}
