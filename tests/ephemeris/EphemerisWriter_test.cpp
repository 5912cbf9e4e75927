// The comet and asteroid tables: bytes of the header, dates and their
// stepping, the frames of the elements and of the output, the columns that
// have no value.

#include "catalog/AsteroidCatalog.h"
#include "catalog/CometCatalog.h"
#include "catalog/SelectionState.h"
#include "core/ApparentPlace.h"
#include "core/AstroConstants.h"
#include "core/Calendar.h"
#include "core/Orbit.h"
#include "diagram/DiagramObject.h"
#include "support/DiagramFixtures.h"
#include "ephemeris/EphemerisQuantities.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/Messages.h"
#include "support/TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The lines of a table, each of which must end with CR LF.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "unterminated line";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void Request(int day, int month, int year, int count, int interval, int equinox)
{
    Selection().ephemeris = {day, month, year, count, interval, equinox};
}

// A comet a million AU away on the x axis of the ecliptic of its equinox:
// seen from the Earth it stands on the vernal point of that equinox.
void FarComet(int equinox)
{
    CometRecord& comet = Selection().currentComet;
    comet = CometRecord{};
    SetCometName(comet, "Lointaine");
    comet.perihelionDistance = 1e6;
    comet.perihelionTime = DayNumberFromDate(1, 1, 2000);
    comet.equinox = equinox;
}

// The asteroid counterpart, elements J2000 (n = 1e-9 degrees a day: a of about 1e6 AU).
void FarAsteroid()
{
    AsteroidRecord& asteroid = Selection().currentAsteroid;
    asteroid = AsteroidRecord{};
    asteroid.name = "Lointain (9)";
    asteroid.meanMotion = 1e-9;
    asteroid.semiMajorAxis = std::pow(0.9856076686 / asteroid.meanMotion, 2.0 / 3.0);
    asteroid.epoch = DayNumberFromDate(1, 1, 2000);
}

// Right ascension in minutes of time from 0h (negative just before 24h), and
// declination in arcminutes, read back from the texts of a line.
struct Place {
    double raMinutes;
    double decArcminutes;
};
Place ReadPlace(const std::string& line, std::size_t raAt, std::size_t decAt)
{
    double ra = std::atof(line.substr(raAt, 3).c_str()) * 60 + std::atof(line.substr(raAt + 4, 5).c_str());
    if (ra > 720)
        ra -= 1440;
    const std::string degrees = line.substr(decAt, 3);
    const double dec = std::fabs(std::atof(degrees.c_str())) * 60 + std::atof(line.substr(decAt + 4, 4).c_str());
    return {ra, degrees.find('-') != std::string::npos ? -dec : dec};
}

class EphemerisWriter : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }
    int marker = 0;
};

} // namespace

TEST_F(EphemerisWriter, HeadersAreWindows1252WithCrLf)
{
    FarComet(2000);
    SetCometName(Selection().currentComet, "C/2025 \xC9t\xE9");  // "Été" in Windows-1252
    SetCometReference(Selection().currentComet, "MPEC 2025-A1");
    Request(1, 1, 2025, 0, 1, 1950);
    EXPECT_EQ(CometEphemerisText(Selection(), marker),
              "                     *** COMETE C/2025 \xC9t\xE9 ***\r\n"
              "\r\n"
              "El\xE9ments orbitaux : MPEC 2025-A1\r\n"
              "Coordonn\xE9"
              "es \xE9quinoxe 1950.\r\n" +
                  std::string(71, ' ') +
                  "Dir.\r\n"
                  "Date(0hET)    Asc.dr.     D\xE9"
                  "c.     G\xE9o.  H\xE9lio. Elong.  Phase    m1   antisol.\r\n" +
                  std::string(15, ' ') + "h  m       \xB0  '      UA     UA      \xB0      \xB0               \xB0\r\n");

    FarAsteroid();
    Request(1, 1, 2025, 0, 10, 2000);
    EXPECT_EQ(AsteroidEphemerisText(Selection(), marker),
              std::string(24, ' ') +
                  "*** Ast\xE9ro\xEF"
                  "de Lointain (9) ***\r\n"
                  "\r\n"
                  "Coordonn\xE9"
                  "es \xE9quinoxe 2000.\r\n"
                  "\r\n"
                  "Date(0hET)      Asc.dr.     D\xE9"
                  "c.      G\xE9o.   H\xE9lio.  Elong.  Phase    V\r\n" +
                  std::string(17, ' ') + "h  m       \xB0  '       UA      UA       \xB0      \xB0\r\n");
}

TEST_F(EphemerisWriter, DatesStepAndTheFirstDateComesBack)
{
    FarComet(2000);
    Request(25, 12, 2004, 10, 3, 2000);
    const std::vector<std::string> lines = Lines(CometEphemerisText(Selection(), marker));
    ASSERT_EQ(lines.size(), 7u + 10u);
    const std::vector<std::string> dates = {"25/12/2004", "28/12/2004", "31/12/2004", " 3/ 1/2005", " 6/ 1/2005",
                                            " 9/ 1/2005", "12/ 1/2005", "15/ 1/2005", "18/ 1/2005", "21/ 1/2005"};
    for (std::size_t i = 0; i < dates.size(); ++i)
        EXPECT_EQ(lines[7 + i].substr(0, 12), dates[i] + "  ");
    const EphemerisRequest& request = Selection().ephemeris;
    EXPECT_EQ(request.day, 25);
    EXPECT_EQ(request.month, 12);
    EXPECT_EQ(request.year, 2004);
    EXPECT_EQ(request.dayCount, 10);
    EXPECT_EQ(request.dayInterval, 3);
    EXPECT_EQ(marker, 0);

    // An interval of 0 repeats the first date and its line.
    Request(29, 2, 2024, 3, 0, 2000);
    const std::vector<std::string> same = Lines(AsteroidEphemerisText(Selection(), marker));
    ASSERT_EQ(same.size(), 6u + 3u);
    EXPECT_EQ(same[6].substr(0, 10), "29/ 2/2024");
    EXPECT_EQ(same[7], same[6]);
    EXPECT_EQ(same[8], same[6]);
}

// A branch mixed up between the frames of the elements, or an output
// precession the wrong way, moves the vernal point by 0.7°.
TEST_F(EphemerisWriter, ElementsAndOutputFrames)
{
    // The 1950 vernal point in J2000 coordinates: 0h 2.56m, +16.7'.
    const auto place = [&](int elements, int output) {
        FarComet(elements);
        Request(1, 1, 2000, 1, 1, output);
        return ReadPlace(Lines(CometEphemerisText(Selection(), marker)).at(7), 12, 23);
    };
    const Place j2000 = place(2000, 2000);
    EXPECT_NEAR(j2000.raMinutes, 0.0, 0.02);
    EXPECT_NEAR(j2000.decArcminutes, 0.0, 0.15);
    const Place b1950 = place(1950, 2000);
    EXPECT_NEAR(b1950.raMinutes, 2.56, 0.02);
    EXPECT_NEAR(b1950.decArcminutes, 16.7, 0.15);
    // Any other year is precessed from its own equinox: the 1900 vernal point
    // in J2000 coordinates is at 0h 5.12m, +33.4' (PyEphem 4.1.4).
    const Place b1900 = place(1900, 2000);
    EXPECT_NEAR(b1900.raMinutes, 5.12, 0.02);
    EXPECT_NEAR(b1900.decArcminutes, 33.4, 0.15);
    const Place back = place(1950, 1950);
    EXPECT_NEAR(back.raMinutes, 0.0, 0.02);
    EXPECT_NEAR(back.decArcminutes, 0.0, 0.15);

    // Asteroid elements are always J2000, whatever the output equinox.
    FarAsteroid();
    Request(1, 1, 2000, 1, 1, 2000);
    const Place asteroid2000 = ReadPlace(Lines(AsteroidEphemerisText(Selection(), marker)).at(6), 14, 25);
    EXPECT_NEAR(asteroid2000.raMinutes, 0.0, 0.02);
    EXPECT_NEAR(asteroid2000.decArcminutes, 0.0, 0.15);
    Selection().ephemeris.equinox = 1950;
    const Place asteroid1950 = ReadPlace(Lines(AsteroidEphemerisText(Selection(), marker)).at(6), 14, 25);
    EXPECT_NEAR(asteroid1950.raMinutes, -2.56, 0.02);
    EXPECT_NEAR(asteroid1950.decArcminutes, -16.7, 0.15);
}

// One orbit, 12P/Pons-Brooks, with its angles referred to three equinoxes:
// 2000 as in the catalogue, 1975 and 1950 carried from them by PyEphem 4.1.4
// (IAU 1976 precession of the orbit's pole and perihelion directions). The
// table and the diagram must put the comet at one place whatever the year.
TEST_F(EphemerisWriter, ElementsOfAnyEquinoxGiveOneSkyPosition)
{
    const CometRecord j2000 = PonsBrooks();
    const AsteroidRecord noAsteroid;
    auto arcseconds = [](const Vec3& a, const Vec3& b) {
        return std::atan2(Norm(Cross(a, b)), Dot(a, b)) * 206264.8;
    };
    // Equinox, then omega, node and inclination in degrees.
    for (const auto& [equinox, omega, node, inclination] : {std::tuple{1975, 198.9711506, 255.4675625, 74.1695175},
                                                             std::tuple{1950, 198.9745010, 255.1174636, 74.1700419}}) {
        CometRecord other = j2000;
        other.equinox = equinox;
        other.argPerihelion = omega * kFixtureDegree;
        other.ascendingNode = node * kFixtureDegree;
        other.inclination = inclination * kFixtureDegree;
        for (const DayNumber d : {DayNumberFromDate(1, 4, 2024), DayNumberFromDate(15, 1, 2025)}) {
            auto table = [d](const CometRecord& c) {
                const Vec3 position = CometHeliocentricPosition(c, d);
                return ApparentPlaceAt(d, position, c.equinox, OutputPrecession(2000)).geocentric;
            };
            auto diagram = [&](const CometRecord& c) {
                return DiagramObject(kCometKind, c, noAsteroid).ToEquatorOfDate(d * kCenturiesPerDay) *
                       CometHeliocentricPosition(c, d);
            };
            EXPECT_LT(arcseconds(table(other), table(j2000)), 2.0) << equinox;
            EXPECT_LT(arcseconds(diagram(other), diagram(j2000)), 2.0) << equinox;
        }
    }
}

TEST_F(EphemerisWriter, SampleCatalogueTables)
{
    TempFolder folder;
    folder.CopySample(CometCatalog::kFileName);
    folder.CopySample(AsteroidCatalog::kFileName);
    CometCatalog::Read(4, Selection().currentComet);  // 12P/Pons-Brooks
    Request(1, 4, 2024, 2, 5, 2000);
    const std::vector<std::string> comet = Lines(CometEphemerisText(Selection(), marker));
    ASSERT_EQ(comet.size(), 9u);
    EXPECT_EQ(comet[0], "                     *** COMETE 12P/Pons-Brooks ***");
    EXPECT_EQ(comet[7], " 1/ 4/2024    2  9.81   22 49.9   1.610  0.866   28.0   32.8     9.4    52.5");
    EXPECT_EQ(comet[8], " 6/ 4/2024    2 30.95   19 46.9   1.608  0.830   25.7   31.6     9.2    61.8");

    AsteroidCatalog catalog;
    ASSERT_TRUE(catalog.Load(catalog.List().at(0), Selection().currentAsteroid));  // Ceres
    Request(1, 9, 2024, 2, 10, 2000);
    const std::vector<std::string> ceres = Lines(AsteroidEphemerisText(Selection(), marker));
    ASSERT_EQ(ceres.size(), 8u);
    EXPECT_EQ(ceres[6], " 1/ 9/2024     18 33.79  -30 56.1    2.314   2.930   118.3   17.7    8.4");
    EXPECT_EQ(ceres[7], "11/ 9/2024     18 36.59  -30 50.3    2.444   2.935   109.3   18.9    8.6");
}

TEST_F(EphemerisWriter, ADiagramYearIs366Or367DailyLinesAtEquinox2000)
{
    FarComet(2000);
    Request(1, 3, 2025, 31, 10, 1950);
    marker = 0;
    auto text = EphemerisFromDiagramText(Selection(), 'C', marker);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(Lines(*text).size(), 7u + 366u);
    EXPECT_NE(text->find("\xE9quinoxe 2000."), std::string::npos);
    EXPECT_EQ(Lines(*text).back().substr(0, 10), " 1/ 3/2026");
    const EphemerisRequest& request = Selection().ephemeris;
    EXPECT_EQ(request.dayCount, 366);
    EXPECT_EQ(request.dayInterval, 1);
    EXPECT_EQ(request.equinox, 2000);
    EXPECT_EQ(request.day, 1);
    EXPECT_EQ(request.month, 3);

    // A diagram over 10 February of a leap year has set the marker.
    FarAsteroid();
    Request(1, 6, 2027, 0, 0, 0);
    marker = 1;
    text = EphemerisFromDiagramText(Selection(), 'A', marker);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(Lines(*text).size(), 6u + 367u);
    EXPECT_EQ(Lines(*text).back().substr(0, 10), " 1/ 6/2028");

    EXPECT_FALSE(EphemerisFromDiagramText(Selection(), 0, marker).has_value());
}

TEST_F(EphemerisWriter, TailDirectionAndMagnitudeFormulas)
{
    // Seen at RA 0h, Dec 0: the tail points away from the Sun.
    const Vec3 object{1.0, 0.0, 0.0};
    EXPECT_NEAR(AntiSolarDirection({1.0, -0.1, 0.0}, object), 90.0, 1e-9);   // Sun to the west: east
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.1, 0.0}, object), -90.0, 1e-9);   // Sun to the east: west
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.0, 0.1}, object), 180.0, 1e-9);   // Sun to the north: south
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.0, -0.1}, object), 0.0, 1e-9);    // Sun to the south: north
    EXPECT_TRUE(std::isnan(AntiSolarDirection({2.0, 0.0, 0.0}, object)));   // in line with the Sun
    EXPECT_TRUE(std::isnan(AntiSolarDirection({1.0, 0.0, 0.0}, {0.0, 0.0, 1.0})));  // at the pole

    // At phase 0, V = H + 5 log10(r Delta); with G = 0 only Phi1 dims it.
    EXPECT_NEAR(MagnitudeHG(3.33, 0.12, 2.0, 1.5, 0.0), 3.33 + 5 * std::log10(3.0), 1e-12);
    const double alpha = 20 * kDegreesToRadians;
    const double t = std::tan(alpha / 2);
    EXPECT_NEAR(MagnitudeHG(5.0, 0.0, 1.0, 1.0, alpha), 5.0 + 2.5 * 3.33 * std::pow(t, 0.63) / std::log(10.0), 1e-12);
    EXPECT_FALSE(std::isfinite(MagnitudeHG(5.0, 0.15, 0.5, 0.5, std::acos(-1.0))));

    // A value that has none, or does not fit its column (a million AU, an
    // m1 of 1e308), prints "---" at its width: the line keeps its 76 characters.
    FarComet(2000);
    Selection().currentComet.magnitudeCoef1 = 1e308;
    Request(1, 1, 2000, 1, 1, 2000);
    const std::string line = Lines(CometEphemerisText(Selection(), marker)).back();
    EXPECT_EQ(line.size(), 76u);
    EXPECT_EQ(line.substr(33, 13), "   ---    ---");
    EXPECT_EQ(line.substr(60, 8), "     ---");
    EXPECT_EQ(line.substr(48, 5), " 80.1");  // the Sun at longitude 279.9 degrees
}

TEST_F(EphemerisWriter, TheLineCountStaysWithinWhatTheDocumentHolds)
{
    MessageRecorder messages;
    EXPECT_TRUE(CheckEphemerisLineCount(kMaxEphemerisLines));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(CheckEphemerisLineCount(kMaxEphemerisLines + 1));
    EXPECT_EQ(messages.Texts(), "Erreur ! Le nombre de jours ne peut pas dépasser 10000.\n\nRecommencez !");
    // The last line may fall on 31 December 9999, not after.
    EXPECT_TRUE(CheckEphemerisSpan({31, 12, 9998, 2, 365, 2000}));
    EXPECT_FALSE(CheckEphemerisSpan({31, 12, 9998, 2, 366, 2000}));

    // The longest table allowed, with a long name, fits in a document.
    FarComet(2000);
    SetCometName(Selection().currentComet, std::string(35, 'W'));
    SetCometReference(Selection().currentComet, std::string(35, 'R'));
    Request(1, 1, 2000, kMaxEphemerisLines, 1, 2000);
    EXPECT_LE(CometEphemerisText(Selection(), marker).size(), 1048575u);
}
