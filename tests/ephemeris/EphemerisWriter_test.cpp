// The comet and asteroid tables: headers, dates, frames, columns without a value.

#include "catalog/AsteroidCatalog.h"
#include "catalog/CometCatalog.h"
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
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The lines of a table, each of which must end with CR LF.
std::vector<std::string> Lines(const std::string& text)
{
    EXPECT_TRUE(text.ends_with("\r\n")) << "unterminated line";
    std::vector<std::string> lines;
    for (std::size_t at = 0, end = 0; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

// A comet a million AU away on the x axis of the ecliptic of its equinox:
// seen from the Earth it stands on the vernal point of that equinox.
void FarComet(int equinox)
{
    Selection().currentComet = {"Lointaine", "", DayNumberFromDate(1, 1, 2000), 0, 0, 0, 0, 1e6, 0, 0, equinox};
}

// The asteroid counterpart, elements J2000: n = 1e-9 degrees a day, a = (0.9856076686 / n)^(2/3).
void FarAsteroid()
{
    Selection().currentAsteroid = {"Lointain (9)", 9, 0, 0, 0, 0, 0, 0, 0, 1e-9, std::pow(0.9856076686e9, 2.0 / 3.0),
                                   DayNumberFromDate(1, 1, 2000), {}};
}

// The numbers of a line after its date, up to the first "---"; then RA in minutes of time
// from 0h (negative just before 24h) and Dec in arcminutes ("-0 16.7" is south).
std::vector<double> Numbers(const std::string& line)
{
    std::istringstream in(line.substr(10));
    std::vector<double> numbers;
    for (double x = 0; in >> x;)
        numbers.push_back(x);
    return numbers;
}
double RaMinutes(const std::vector<double>& n) { return n.at(0) * 60 + n.at(1) - (n.at(0) >= 12 ? 1440 : 0); }
double DecArcminutes(const std::vector<double>& n) { return std::copysign(std::fabs(n.at(2)) * 60 + n.at(3), n.at(2)); }

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
    Selection().ephemeris = {1, 1, 2025, 0, 1, 1950};
    EXPECT_EQ(CometEphemerisText(Selection(), marker),
              "                     *** COMETE C/2025 \xC9t\xE9 ***\r\n\r\nEl\xE9ments orbitaux : MPEC 2025-A1\r\n"
              "Coordonn\xE9" "es \xE9quinoxe 1950.\r\n" + std::string(71, ' ') + "Dir.\r\n"
              "Date(0hET)    Asc.dr.     D\xE9" "c.     G\xE9o.  H\xE9lio. Elong.  Phase    m1   antisol.\r\n" +
                  std::string(15, ' ') + "h  m       \xB0  '      UA     UA      \xB0      \xB0               \xB0\r\n");

    FarAsteroid();
    Selection().ephemeris = {1, 1, 2025, 0, 10, 2000};
    EXPECT_EQ(AsteroidEphemerisText(Selection(), marker),
              std::string(24, ' ') + "*** Ast\xE9ro\xEF" "de Lointain (9) ***\r\n\r\nCoordonn\xE9" "es \xE9quinoxe 2000.\r\n"
              "\r\nDate(0hET)      Asc.dr.     D\xE9" "c.      G\xE9o.   H\xE9lio.  Elong.  Phase    V\r\n" +
                  std::string(17, ' ') + "h  m       \xB0  '       UA      UA       \xB0      \xB0\r\n");
}

TEST_F(EphemerisWriter, DatesStepAndTheFirstDateComesBack)
{
    FarComet(2000);
    Selection().ephemeris = {25, 12, 2004, 10, 3, 2000};
    const std::vector<std::string> lines = Lines(CometEphemerisText(Selection(), marker));
    ASSERT_EQ(lines.size(), 7u + 10u);
    std::string dates;
    for (std::size_t i = 7; i < lines.size(); ++i)
        dates += lines[i].substr(0, 12) + "|";
    EXPECT_EQ(dates, "25/12/2004  |28/12/2004  |31/12/2004  | 3/ 1/2005  | 6/ 1/2005  | 9/ 1/2005  |12/ 1/2005  |"
                     "15/ 1/2005  |18/ 1/2005  |21/ 1/2005  |");
    const EphemerisRequest& r = Selection().ephemeris;
    EXPECT_EQ((std::vector{r.day, r.month, r.year, r.dayCount, r.dayInterval, marker}),
              (std::vector{25, 12, 2004, 10, 3, 0}));

    // An interval of 0 repeats the first date and its line.
    Selection().ephemeris = {29, 2, 2024, 3, 0, 2000};
    const std::vector<std::string> same = Lines(AsteroidEphemerisText(Selection(), marker));
    ASSERT_EQ(same.size(), 6u + 3u);
    EXPECT_TRUE(same[6].starts_with("29/ 2/2024") && same[7] == same[6] && same[8] == same[6]);
}

// A branch mixed up between the frames of the elements, or an output
// precession the wrong way, moves the vernal point by 0.7°. The vernal points
// of 1950 and 1900 in J2000 coordinates: 0h 2.56m +16.7' and 0h 5.12m +33.4'
// (PyEphem 4.1.4). Asteroid elements are always J2000.
TEST_F(EphemerisWriter, ElementsAndOutputFrames)
{
    for (const auto& [kind, elements, output, ra, dec] :
         {std::tuple{'C', 2000, 2000, 0.0, 0.0}, std::tuple{'C', 1950, 2000, 2.56, 16.7},
          std::tuple{'C', 1900, 2000, 5.12, 33.4}, std::tuple{'C', 1950, 1950, 0.0, 0.0},
          std::tuple{'A', 2000, 2000, 0.0, 0.0}, std::tuple{'A', 2000, 1950, -2.56, -16.7}}) {
        SCOPED_TRACE(std::string(1, kind) + std::to_string(elements) + "/" + std::to_string(output));
        kind == 'C' ? FarComet(elements) : FarAsteroid();
        Selection().ephemeris = {1, 1, 2000, 1, 1, output};
        const std::vector<double> n = Numbers(Lines(kind == 'C' ? CometEphemerisText(Selection(), marker)
                                                                : AsteroidEphemerisText(Selection(), marker)).back());
        EXPECT_NEAR(RaMinutes(n), ra, 0.02);
        EXPECT_NEAR(DecArcminutes(n), dec, 0.15);
    }
}

// 12P/Pons-Brooks's angles referred to 2000 as in the catalogue, and to 1975 and 1950 carried by
// PyEphem 4.1.4 (IAU 1976 precession of the orbit's pole and perihelion directions): the table
// and the diagram must put the comet at one place whatever the year.
TEST_F(EphemerisWriter, ElementsOfAnyEquinoxGiveOneSkyPosition)
{
    const CometRecord j2000 = PonsBrooks();
    const AsteroidRecord noAsteroid;
    auto arcseconds = [](const Vec3& a, const Vec3& b) { return std::atan2(Norm(Cross(a, b)), Dot(a, b)) * 206264.8; };
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

// The sample's 12P and Ceres, each line byte for byte and against PyEphem 4.1.4 for the same
// elements at 0h TT (astrometric places, J2000; their light time allows 0.4' between the two).
TEST_F(EphemerisWriter, SampleCatalogueTablesAgreeWithPyEphem)
{
    TempFolder folder;
    folder.CopySample(CometCatalog::kFileName);
    folder.CopySample(AsteroidCatalog::kFileName);
    CometCatalog::Read(4, Selection().currentComet);  // 12P/Pons-Brooks
    Selection().ephemeris = {1, 4, 2024, 2, 5, 2000};
    const std::vector<std::string> comet = Lines(CometEphemerisText(Selection(), marker));
    AsteroidCatalog catalog;
    ASSERT_TRUE(catalog.Load(catalog.List().at(0), Selection().currentAsteroid));  // Ceres
    Selection().ephemeris = {1, 9, 2024, 2, 10, 2000};
    const std::vector<std::string> ceres = Lines(AsteroidEphemerisText(Selection(), marker));
    ASSERT_EQ(comet.size(), 9u);
    ASSERT_EQ(ceres.size(), 8u);
    EXPECT_EQ(comet[0], "                     *** COMETE 12P/Pons-Brooks ***");
    struct Row { std::string line; double raMinutes, decArcminutes, delta, r, elongation, phase, magnitude; };
    const Row rows[] = {  // PyEphem 4.1.4
        {comet[7], 2 * 60 + 9.778, 22 * 60 + 50.30, 1.6096, 0.8658, 28.03, 32.84, 9.41},
        {comet[8], 2 * 60 + 30.926, 19 * 60 + 47.27, 1.6083, 0.8299, 25.75, 31.59, 9.22},
        {ceres[6], 18 * 60 + 33.770 - 1440, -(30 * 60 + 56.08), 2.3138, 2.9303, 118.30, 17.65, 8.45},
        {ceres[7], 18 * 60 + 36.573 - 1440, -(30 * 60 + 50.24), 2.4442, 2.9352, 109.31, 18.89, 8.61}};
    EXPECT_EQ(rows[0].line, " 1/ 4/2024    2  9.81   22 49.9   1.610  0.866   28.0   32.8     9.4    52.5");
    EXPECT_EQ(rows[1].line, " 6/ 4/2024    2 30.95   19 46.9   1.608  0.830   25.7   31.6     9.2    61.8");
    EXPECT_EQ(rows[2].line, " 1/ 9/2024     18 33.79  -30 56.1    2.314   2.930   118.3   17.7    8.4");
    EXPECT_EQ(rows[3].line, "11/ 9/2024     18 36.59  -30 50.3    2.444   2.935   109.3   18.9    8.6");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::vector<double> n = Numbers(row.line);
        EXPECT_NEAR(RaMinutes(n), row.raMinutes, 0.06);
        EXPECT_NEAR(DecArcminutes(n), row.decArcminutes, 0.6);
        EXPECT_NEAR(n.at(4), row.delta, 0.002);
        EXPECT_NEAR(n.at(5), row.r, 0.002);
        EXPECT_NEAR(n.at(6), row.elongation, 0.1);
        EXPECT_NEAR(n.at(7), row.phase, 0.1);
        EXPECT_NEAR(n.at(8), row.magnitude, 0.1);
    }
}

// The line counts of a diagram's year are checked through qav-cli; here, what the request becomes.
TEST_F(EphemerisWriter, ADiagramYearBecomesTheRequest)
{
    FarComet(2000);
    Selection().ephemeris = {1, 3, 2025, 31, 10, 1950};
    const auto text = EphemerisFromDiagramText(Selection(), 'C', marker);
    EXPECT_EQ(Lines(text.value()).back().substr(0, 10), " 1/ 3/2026");
    const EphemerisRequest& r = Selection().ephemeris;
    EXPECT_EQ((std::vector{r.day, r.month, r.year, r.dayCount, r.dayInterval, r.equinox}),
              (std::vector{1, 3, 2025, 366, 1, 2000}));
}

TEST_F(EphemerisWriter, TailDirectionAndColumnsWithoutAValue)
{
    // Seen at RA 0h, Dec 0: the tail points away from the Sun.
    const Vec3 object{1.0, 0.0, 0.0};
    EXPECT_NEAR(AntiSolarDirection({1.0, -0.1, 0.0}, object), 90.0, 1e-9);   // Sun to the west: east
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.1, 0.0}, object), -90.0, 1e-9);   // Sun to the east: west
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.0, 0.1}, object), 180.0, 1e-9);   // Sun to the north: south
    EXPECT_NEAR(AntiSolarDirection({1.0, 0.0, -0.1}, object), 0.0, 1e-9);    // Sun to the south: north
    EXPECT_TRUE(std::isnan(AntiSolarDirection({2.0, 0.0, 0.0}, object)));   // in line with the Sun
    EXPECT_TRUE(std::isnan(AntiSolarDirection({1.0, 0.0, 0.0}, {0.0, 0.0, 1.0})));  // at the pole
    EXPECT_FALSE(std::isfinite(MagnitudeHG(5.0, 0.15, 0.5, 0.5, std::acos(-1.0))));  // seen from behind

    // A value that has none, or does not fit its column (a million AU, an
    // m1 of 1e308), prints "---" at its width: the line keeps its 76 characters.
    FarComet(2000);
    Selection().currentComet.magnitudeCoef1 = 1e308;
    Selection().ephemeris = {1, 1, 2000, 1, 1, 2000};
    const std::string line = Lines(CometEphemerisText(Selection(), marker)).back();
    ASSERT_EQ(line.size(), 76u);
    // Elongation 80.1: the Sun at longitude 279.9 degrees.
    EXPECT_EQ(line.substr(33, 13) + "|" + line.substr(48, 5) + "|" + line.substr(60, 8), "   ---    ---| 80.1|     ---");
}

TEST_F(EphemerisWriter, TheLongestTableFitsInADocument)
{
    // The last line may fall on 31 December 9999, not after.
    EXPECT_TRUE(CheckEphemerisSpan({31, 12, 9998, 2, 365, 2000}));
    MessageRecorder messages;
    EXPECT_FALSE(CheckEphemerisSpan({31, 12, 9998, 2, 366, 2000}));

    FarComet(2000);
    SetCometName(Selection().currentComet, std::string(35, 'W'));
    SetCometReference(Selection().currentComet, std::string(35, 'R'));
    Selection().ephemeris = {1, 1, 2000, kMaxEphemerisLines, 1, 2000};
    EXPECT_LE(CometEphemerisText(Selection(), marker).size(), 1048575u);
}
