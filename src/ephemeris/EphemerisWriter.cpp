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

std::string LineDate(const EphemerisLine& line)
{
    return FormatC("%2d/%2d/%4d", line.day, line.month, line.year);
}

double ArcCosine(double cosine) { return std::acos(std::clamp(cosine, -1.0, 1.0)); }

EphemerisLine LineOf(const ApparentPlace& place, double magnitude, double antiSolar)
{
    EphemerisLine line;
    line.rightAscension = place.rightAscension;
    line.declination = place.declination;
    line.earthDistance = place.earthDistance;
    line.sunDistance = place.sunDistance;
    line.elongation = place.elongation;
    line.phaseAngle = place.phaseAngle;
    line.magnitude = magnitude;
    line.antiSolar = antiSolar;
    return line;
}

// Computes `count` lines through `line`, stepping the request date, then puts
// the first date back.
template <typename LineMaker>
std::vector<EphemerisLine> MakeLines(SelectionState& state, int& leapFebruaryMarker, LineMaker line)
{
    EphemerisRequest& request = state.ephemeris;
    const int firstDay = request.day;
    const int firstMonth = request.month;
    const int firstYear = request.year;
    const int count = request.dayCount;
    std::vector<EphemerisLine> lines;
    if (count > 0)
        lines.reserve(static_cast<std::size_t>(std::min(count, kMaxEphemerisLines)));
    for (int i = 0; i < count; ++i) {
        EphemerisLine made = line(RequestDayNumber(request));
        made.day = request.day;
        made.month = request.month;
        made.year = request.year;
        lines.push_back(made);
        AdvanceRequestDate(request, leapFebruaryMarker);
    }
    request.day = firstDay;
    request.month = firstMonth;
    request.year = firstYear;
    return lines;
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

std::vector<EphemerisLine> CometEphemerisLines(SelectionState& state, int& leapFebruaryMarker)
{
    const CometRecord& comet = state.currentComet;
    const Mat3 outputPrecession = OutputPrecession(state.ephemeris.equinox);
    return MakeLines(state, leapFebruaryMarker, [&](DayNumber instant) {
        const ApparentPlace place =
            ApparentPlaceAt(instant, CometHeliocentricPosition(comet, instant), comet.equinox, outputPrecession);
        const double m1 = comet.magnitudeCoef1 + 5 * std::log10(place.earthDistance) +
                          comet.magnitudeCoef2 * std::log10(place.sunDistance);
        return LineOf(place, m1, AntiSolarDirection(place.sun, place.geocentric));
    });
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
    std::string text = std::string(21, ' ') + "*** COMETE " + CometName(comet) + " ***\r\n\r\n" +
                       Ansi("Eléments orbitaux : ") + CometReference(comet) + "\r\n" +
                       EquinoxLine(state.ephemeris.equinox) + CometHeaderTail();
    const std::vector<EphemerisLine> lines = CometEphemerisLines(state, leapFebruaryMarker);
    text.reserve(text.size() + lines.size() * 80);
    for (const EphemerisLine& line : lines)
        text += LineDate(line) + "  " + FormatRightAscension(line.rightAscension) + "  " +
                FormatDeclination(line.declination, 0) + "  " + EphemerisColumn(line.earthDistance, 6, 3) + " " +
                EphemerisColumn(line.sunDistance, 6, 3) + "  " + EphemerisColumn(line.elongation, 5, 1) + "  " +
                EphemerisColumn(line.phaseAngle, 5, 1) + "    " + EphemerisColumn(line.magnitude, 4, 1) + "  " +
                EphemerisColumn(line.antiSolar, 6, 1) + "\r\n";
    return text;
}

std::vector<EphemerisLine> AsteroidEphemerisLines(SelectionState& state, int& leapFebruaryMarker)
{
    const AsteroidRecord& asteroid = state.currentAsteroid;
    // Asteroid elements are always J2000. The products are grouped as the
    // asteroid table has always grouped them, the output precession first.
    const Mat3 outputPrecession = OutputPrecession(state.ephemeris.equinox);
    const Mat3 elementsToOutput = outputPrecession * RotationX(ObliquityJ2000);
    const double h = asteroid.absoluteMagnitude;
    const double g = asteroid.slopeParameter;
    return MakeLines(state, leapFebruaryMarker, [&](DayNumber instant) {
        const double t = instant * kCenturiesPerDay;
        const Vec3 sun = ((outputPrecession * PrecessionMatrix(1.0, t)) * RotationX(MeanObliquity(t))) *
                         SunGeocentricEcliptic(t);
        const Vec3 object = elementsToOutput * AsteroidHeliocentricPosition(asteroid, instant);
        const ApparentPlace place = ApparentPlaceFromVectors(sun, object);
        const double alpha =
            ArcCosine(Dot(place.geocentric, object) / (place.sunDistance * place.earthDistance));
        return LineOf(place, MagnitudeHG(h, g, place.sunDistance, place.earthDistance, alpha), std::nan(""));
    });
}

std::string AsteroidEphemerisText(SelectionState& state, int& leapFebruaryMarker)
{
    std::string text = std::string(24, ' ') + Ansi("*** Astéroïde ") + state.currentAsteroid.name +
                       " ***\r\n\r\n" + EquinoxLine(state.ephemeris.equinox) + AsteroidHeaderTail();
    const std::vector<EphemerisLine> lines = AsteroidEphemerisLines(state, leapFebruaryMarker);
    text.reserve(text.size() + lines.size() * 80);
    for (const EphemerisLine& line : lines)
        text += LineDate(line) + "    " + FormatRightAscension(line.rightAscension) + "  " +
                FormatDeclination(line.declination, 0) + "    " + EphemerisColumn(line.earthDistance, 5, 3) +
                "   " + EphemerisColumn(line.sunDistance, 5, 3) + "   " + EphemerisColumn(line.elongation, 5, 1) +
                "  " + EphemerisColumn(line.phaseAngle, 5, 1) + "   " + EphemerisColumn(line.magnitude, 4, 1) +
                "\r\n";
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
