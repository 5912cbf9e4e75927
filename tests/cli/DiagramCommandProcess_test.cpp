// qav-cli diagram run as a process: the grid and the clicks against
// independent values; wrong arguments and missing files are reported.

#include "diagram/EventGrid.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

class DiagramCommand : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
            folder.CopySample(name);
    }

    std::string Dir() const { return "--dir '" + folder.path().string() + "'"; }

    TempFolder folder;
};

// "-4° 37'" in degrees.
double Degrees(const std::string& text)
{
    int degrees = 0, minutes = 0;
    std::sscanf(text.c_str(), "%d\u00b0 %d'", &degrees, &minutes);
    return (text.find('-') == std::string::npos ? 1 : -1) * (std::abs(degrees) + minutes / 60.0);
}

} // namespace

// 12P/Pons-Brooks (comet 5) from Tromsø (site 17, 69°39' N, 18°57' E) from
// December 2023, against PyEphem 4.1.4 (python3-ephem, computed once: 12P from
// its COMETS.WDB elements, no refraction, centres of the bodies; azimuths from
// the south, PyEphem's minus 180 degrees).
TEST_F(DiagramCommand, GridAndClicksAgreeWithPyEphem)
{
    const CliRun run = QavCli(Dir() + " diagram --comet 5 --site 17 --month 12/2023 --grid grid.txt"
                                   " --click 300,200 --click 744,200 --click 11,435");
    ASSERT_EQ(run.status, 0) << run.out;

    std::vector<std::vector<int>> grid;
    std::istringstream lines(folder.Read("grid.txt"));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        grid.emplace_back(std::istream_iterator<int>(cells), std::istream_iterator<int>());
        ASSERT_EQ(grid.back().size(), std::size_t(EventGrid::kRows));
    }
    ASSERT_EQ(grid.size(), std::size_t(EventGrid::kColumns));
    // Column c: the night from 12h UT of day c - 1 to 12h UT of day c (1 December is
    // day 1, 23 April day 145); row r: 4r minutes after 12h UT, the event's minute / 4.
    const struct {
        int column, row, code;  // PyEphem's time
    } events[] = {
        {16, 58, EventCode::NightStart},     // 15 Dec 15:54:53 (Sun at -18 degrees)
        {16, 261, EventCode::NightEnd},      // 16 Dec 05:24:14
        {145, 3, EventCode::Transit},        // 22 Apr 12:14:37
        {145, 87, EventCode::Descending10},  // 22 Apr 17:51:18
        {145, 119, EventCode::Set},          // 22 Apr 19:56:14 (horizon -0°34')
        {145, 248, EventCode::Rise},         // 23 Apr 04:35:39
        {145, 280, EventCode::Ascending10},  // 23 Apr 06:41:34
    };
    for (const auto& e : events) {
        EXPECT_EQ(grid[e.column][e.row], e.code) << e.column << " " << e.row;
        EXPECT_EQ(std::count(grid[e.column].begin(), grid[e.column].end(), e.code), 1) << e.column << " " << e.code;
    }

    // One line per click, an empty one for a click beside the nights: date, time, the
    // comet's altitude, azimuth and magnitude, the Sun's altitude and azimuth.
    // (300, 200): upper half of the column of day 144, so day 145 at 3h 40m.
    const std::vector<std::string> clicks = Lines(run.out);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[1], "");
    const struct {
        std::size_t line;
        const char *date, *time;
        double altitude, azimuth, magnitude, sunAltitude, sunAzimuth;
    } expected[] = {{0, "23/4/2024", "3h 40m UT", -4.6149, -129.0848, 8.96, 6.5653, -108.9512},
                    {2, "0/12/2023", "12h 0m UT", 58.7453, -12.7645, 14.87, -2.6216, 20.2288}};
    for (const auto& c : expected) {
        const std::vector<std::string> got = Split(clicks[c.line], '\t');
        ASSERT_EQ(got.size(), 7u) << c.date;
        EXPECT_EQ(got[0], c.date);
        EXPECT_EQ(got[1], c.time);
        EXPECT_NEAR(Degrees(got[2]), c.altitude, 2 / 60.0) << got[2];
        EXPECT_NEAR(Degrees(got[3]), c.azimuth, 2 / 60.0) << got[3];
        EXPECT_NEAR(std::stod(got[4]), c.magnitude, 0.06) << got[4];
        EXPECT_NEAR(Degrees(got[5]), c.sunAltitude, 2 / 60.0) << got[5];
        EXPECT_NEAR(Degrees(got[6]), c.sunAzimuth, 2 / 60.0) << got[6];
    }
}

TEST_F(DiagramCommand, WritesThePictureAsPng)
{
    const CliRun run = QavCli(Dir() + " diagram --asteroid 1 --site 1 --month 3/2025 --png chart.png --click 400,300");
    ASSERT_EQ(run.status, 0) << run.out;
    // The signature, then the IHDR chunk: width 771 (0x303) and height 505 (0x1f9).
    const std::string png = folder.Read("chart.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x03\0\0\x01\xf9", 8));
}

TEST_F(DiagramCommand, WrongArgumentsAndMissingFilesAreReported)
{
    const CliRun month = QavCli(Dir() + " diagram --comet 1 --site 1 --month 13/2024");
    EXPECT_EQ(month.status, 2);
    EXPECT_EQ(month.err, "Vous avez entré une date incorrecte.\nRecommencez !\n");
    // As strict as the date fields, within the years a diagram may show.
    const std::pair<const char*, int> cases[] = {
        {"--comet 1 --site 18 --month 1/2024", 2}, {"--comet 25 --site 1 --month 1/2024", 2},
        {"--comet 1 --asteroid 1 --site 1 --month 1/2024", 2}, {"--comet 1 --site 1 --month 1/2024 --click 3", 2},
        {"--comet 1 --site 1", 2}, {"--comet 1 --site 1 --month 1/1e6", 2}, {"--comet 1 --site 1 --month 1/2000abc", 2},
        {"--comet 1 --site 1 --month 1/1000000", 2}, {"--comet 1 --site 1 --month +1/2000", 2},
        {"--comet 1 --site 1 --month 1/2024 --grid ''", 2}, {"--comet 01 --site 01 --month 01/2024", 0}};
    for (const auto& [arguments, status] : cases)
        EXPECT_EQ(QavCli(Dir() + " diagram " + arguments).status, status) << arguments;
    const CliRun year = QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/9999");
    EXPECT_EQ(year.status, 2);
    EXPECT_EQ(year.err, "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !\n");
    std::filesystem::remove(folder.path() / "SITES.NDB");
    const CliRun missing = QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/2024");
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "Impossible de trouver SITES.NDB.\n");
    EXPECT_EQ(QavCli("--dir /nulle/part diagram").status, 2);
}

// The window's "Ephéméride": a daily table from the 1st of the start month,
// 366 lines, or 367 when the span passes 10 February of a leap year; the
// same bytes as the ephemeris command gives for that request. Output files
// are named from where the command is typed, not from the catalogue folder.
TEST_F(DiagramCommand, EphemerisOfTheDiagramIsTheYearLongTable)
{
    const std::filesystem::path here = std::filesystem::temp_directory_path();
    const std::string leap = (here / "qav-diagram-leap.qav").string();
    const std::string plain = (here / "qav-diagram-plain.qav").string();
    const std::string expected = (here / "qav-ephemeris-leap.qav").string();
    ASSERT_EQ(QavCli(Dir() + " diagram --comet 5 --site 2 --month 1/2024 --ephemeris " + leap).status, 0);
    ASSERT_EQ(QavCli(Dir() + " diagram --asteroid 4 --site 2 --month 3/2024 --ephemeris " + plain).status, 0);
    ASSERT_EQ(QavCli(Dir() + " ephemeris --comet 5 --first 1/1/2024 --days 367 -o " + expected).status, 0);

    const auto read = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const auto lines = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    const std::string diagramTable = read(leap);
    EXPECT_EQ(diagramTable, read(expected));
    EXPECT_EQ(lines(diagramTable), 7 + 367);
    EXPECT_EQ(lines(read(plain)), 6 + 366);
    EXPECT_NE(read(plain).find(" 1/ 3/2024"), std::string::npos);
    for (const std::string& name : {leap, plain, expected})
        std::filesystem::remove(name);
}
