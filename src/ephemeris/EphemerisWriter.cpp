#include "ephemeris/EphemerisWriter.h"

#include "core/AngleFormat.h"
#include "core/ApparentPlace.h"
#include "core/AstroConstants.h"
#include "core/CFormat.h"
#include "core/DateRange.h"
#include "core/Orbit.h"
#include "core/SunPrecession.h"
#include "ephemeris/EphemerisQuantities.h"
#include "platform/Messages.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <cmath>

namespace {

// The fixed texts are written here in UTF-8 and go into the table in Windows-1252.
std::string Ansi(std::string_view utf8) { return Utf8ToWindows1252(utf8); }

const std::string& CometHeaderTail()
{
    static const std::string tail = Ansi(
        std::string(71, ' ') + "Dir.\r\n"
        "Date(0hET)    Asc.dr.     Déc.     Géo.  Hélio. Elong.  Phase    m1   antisol.\r\n" +
        std::string(15, ' ') + "h  m       °  '      UA     UA      °      °               °\r\n");
    return tail;
}

const std::string& AsteroidHeaderTail()
{
    static const std::string tail = Ansi(
        "\r\n"
        "Date(0hET)      Asc.dr.     Déc.      Géo.   Hélio.  Elong.  Phase    V\r\n" +
        std::string(17, ' ') + "h  m       °  '       UA      UA       °      °\r\n");
    return tail;
}

// "Coordonnées équinoxe 2000.\r\n"
std::string EquinoxLine(int equinox)
{
    return Ansi("Coordonnées équinoxe ") + FormatC("%d.\r\n", equinox);
}

std::string LineDate(const EphemerisRequest& request)
{
    return FormatC("%2d/%2d/%4d", request.day, request.month, request.year);
}

double ArcCosine(double cosine) { return std::acos(std::clamp(cosine, -1.0, 1.0)); }

// Writes `count` lines through `line`, stepping the request date, then puts
// the first date back.
template <typename LineWriter>
void WriteLines(SelectionState& state, int& leapFebruaryMarker, std::string& text, LineWriter line)
{
    EphemerisRequest& request = state.ephemeris;
    const int firstDay = request.day;
    const int firstMonth = request.month;
    const int firstYear = request.year;
    const int count = request.dayCount;
    if (count > 0)
        text.reserve(text.size() + static_cast<std::size_t>(std::min(count, kMaxEphemerisLines)) * 80);
    for (int i = 0; i < count; ++i) {
        text += line(request);
        AdvanceRequestDate(request, leapFebruaryMarker);
    }
    request.day = firstDay;
    request.month = firstMonth;
    request.year = firstYear;
}

} // namespace

bool CheckEphemerisLineCount(int dayCount)
{
    if (dayCount <= kMaxEphemerisLines)
        return true;
    ShowMessage(MessageIcon::Stop, FormatC("Erreur ! Le nombre de jours ne peut pas dépasser %d.\n\nRecommencez !",
                                           kMaxEphemerisLines));
    return false;
}

bool CheckEphemerisSpan(const EphemerisRequest& request)
{
    // The dates step through the same calendar as the day numbers: the last
    // line falls (count - 1) x interval days after the first.
    const double span = static_cast<double>(std::max(request.dayCount - 1, 0)) * request.dayInterval;
    if (RequestDayNumber(request) + span < LastSupportedDayNumber())
        return true;
    ShowMessage(MessageIcon::Stop, FormatC("Erreur ! L'éphéméride irait au-delà de l'an %d.\n\n"
                                           "Réduisez le nombre de jours ou l'intervalle.",
                                           kLastYear));
    return false;
}

bool CheckEphemerisEquinox(int equinox)
{
    if (equinox >= 0 && equinox <= kLastYear)
        return true;
    ShowMessage(MessageIcon::Stop, FormatC("Erreur ! L'année de l'équinoxe doit être comprise entre 0 et %d.\n\n"
                                           "Recommencez !",
                                           kLastYear));
    return false;
}

std::string CometEphemerisText(SelectionState& state, int& leapFebruaryMarker)
{
    const CometRecord& comet = state.currentComet;
    const int equinox = state.ephemeris.equinox;
    std::string text = std::string(21, ' ') + "*** COMETE " + CometName(comet) + " ***\r\n\r\n" +
                       Ansi("Eléments orbitaux : ") + CometReference(comet) + "\r\n" + EquinoxLine(equinox) +
                       CometHeaderTail();

    const Mat3 outputPrecession = OutputPrecession(equinox);
    // Elements of equinox 2000 are J2000; any other year is taken as 1950.
    const ElementsFrame frame = comet.equinox == 2000 ? ElementsFrame::J2000 : ElementsFrame::B1950;
    WriteLines(state, leapFebruaryMarker, text, [&](const EphemerisRequest& request) {
        const DayNumber instant = RequestDayNumber(request);
        const ApparentPlace place =
            ApparentPlaceAt(instant, CometHeliocentricPosition(comet, instant), frame, outputPrecession);
        const double m1 = comet.magnitudeCoef1 + 5 * std::log10(place.earthDistance) +
                          comet.magnitudeCoef2 * std::log10(place.sunDistance);
        return LineDate(request) + "  " + FormatRightAscension(place.rightAscension) + "  " +
               FormatDeclination(place.declination, 0) + "  " + EphemerisColumn(place.earthDistance, 6, 3) + " " +
               EphemerisColumn(place.sunDistance, 6, 3) + "  " + EphemerisColumn(place.elongation, 5, 1) + "  " +
               EphemerisColumn(place.phaseAngle, 5, 1) + "    " + EphemerisColumn(m1, 4, 1) + "  " +
               EphemerisColumn(AntiSolarDirection(place.sun, place.geocentric), 6, 1) + "\r\n";
    });
    return text;
}

std::string AsteroidEphemerisText(SelectionState& state, int& leapFebruaryMarker)
{
    const AsteroidRecord& asteroid = state.currentAsteroid;
    const int equinox = state.ephemeris.equinox;
    std::string text = std::string(24, ' ') + Ansi("*** Astéroïde ") + asteroid.name + " ***\r\n\r\n" +
                       EquinoxLine(equinox) + AsteroidHeaderTail();

    // Asteroid elements are always J2000. The products are grouped as the
    // asteroid table has always grouped them, the output precession first.
    const Mat3 outputPrecession = OutputPrecession(equinox);
    const Mat3 elementsToOutput = outputPrecession * RotationX(ObliquityJ2000);
    const double h = asteroid.absoluteMagnitude;
    const double g = asteroid.slopeParameter;
    WriteLines(state, leapFebruaryMarker, text, [&](const EphemerisRequest& request) {
        const DayNumber instant = RequestDayNumber(request);
        const double t = instant * kCenturiesPerDay;
        const Vec3 sun = ((outputPrecession * PrecessionMatrix(1.0, t)) * RotationX(MeanObliquity(t))) *
                         SunGeocentricEcliptic(t);
        const Vec3 object = elementsToOutput * AsteroidHeliocentricPosition(asteroid, instant);
        const ApparentPlace place = ApparentPlaceFromVectors(sun, object);
        const double alpha =
            ArcCosine(Dot(place.geocentric, object) / (place.sunDistance * place.earthDistance));
        const double v = MagnitudeHG(h, g, place.sunDistance, place.earthDistance, alpha);
        return LineDate(request) + "    " + FormatRightAscension(place.rightAscension) + "  " +
               FormatDeclination(place.declination, 0) + "    " + EphemerisColumn(place.earthDistance, 5, 3) + "   " +
               EphemerisColumn(place.sunDistance, 5, 3) + "   " + EphemerisColumn(place.elongation, 5, 1) + "  " +
               EphemerisColumn(place.phaseAngle, 5, 1) + "   " + EphemerisColumn(v, 4, 1) + "\r\n";
    });
    return text;
}

std::optional<std::string> EphemerisFromDiagramText(SelectionState& state, int objectKind,
                                                    int& leapFebruaryMarker)
{
    EphemerisRequest& request = state.ephemeris;
    request.dayCount = leapFebruaryMarker + 366;
    request.dayInterval = 1;
    request.equinox = 2000;
    if (objectKind == 'C')
        return CometEphemerisText(state, leapFebruaryMarker);
    if (objectKind == 'A')
        return AsteroidEphemerisText(state, leapFebruaryMarker);
    return std::nullopt;
}
