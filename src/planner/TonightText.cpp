#include "planner/TonightText.h"

#include "core/CFormat.h"
#include "planner/Horizon.h"

#include <cmath>

std::string Padded(const std::string& text, std::size_t width)
{
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    return text + std::string(characters < width ? width - characters : 1, ' ');
}

std::string ClockText(DayNumber instant)
{
    const long long minutes = std::llround((instant - 0.5) * 1440);
    const long long inDay = ((minutes % 1440) + 1440) % 1440;
    return FormatC("%lldh%02lld", inDay / 60, inDay % 60);
}

std::string DurationText(double hours)
{
    const long long minutes = std::llround(hours * 60);
    return FormatC("%lldh%02lld", minutes / 60, minutes % 60);
}

std::string DarkHoursText(const DarkHours& dark)
{
    const std::string span = "de " + ClockText(dark.start) + " à " + ClockText(dark.end) + " TU";
    switch (dark.kind) {
    case Darkness::Astronomical:
        return "Nuit astronomique " + span;
    case Darkness::Nautical:
        return "Pas de nuit astronomique : nuit nautique (Soleil à 12° sous l'horizon) " + span;
    case Darkness::None:
        break;
    }
    return "Pas de nuit : le Soleil ne descend pas à 12° sous l'horizon";
}

std::string TonightTable(const TonightRequest& request, const DarkHours& dark, const std::vector<TonightRow>& rows,
                         std::span<const PlannerObject> objects, const std::string& siteName)
{
    std::string text = FormatC("Ce soir depuis %s : nuit du %d/%d/%d\n", siteName.c_str(), request.day,
                               request.month, request.year) +
                       DarkHoursText(dark) + ".\n" +
                       FormatC("Au-dessus de %g° de hauteur, jusqu'à la magnitude %g : %zu objet%s.\n",
                               request.altitudeMin, request.magnitudeLimit, rows.size(), rows.size() > 1 ? "s" : "");
    if (rows.empty())
        return text;
    text += "\n" + Padded("Objet", 32) +
            "Mag.  Début  Fin    Durée  Meilleur  Haut.  Azim.  Élong.  Lune  Éclairée  Sépar.\n" +
            std::string(32, ' ') + "      TU     TU            TU        °      °      °       °     %         °\n";
    for (const TonightRow& row : rows) {
        text += Padded(objects[row.object].name, 32) +
                FormatC("%4.1f  %-5s  %-5s  %-5s  %-8s  %5.1f  %5.1f  %6.1f  %4.0f  %8.0f  %6.1f\n", row.magnitude,
                        ClockText(row.start).c_str(), ClockText(row.end).c_str(), DurationText(row.Hours()).c_str(),
                        ClockText(row.best).c_str(), row.bestAltitude, AzimuthFromNorth(row.bestAzimuth),
                        row.elongation, row.moonAltitude, row.moonIlluminated * 100, row.moonSeparation);
    }
    return text + "Azimut compté du nord vers l'est.\n";
}
