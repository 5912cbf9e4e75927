// qav-cli diagram run as a process: the grid and the clicks match the
// computation of the windows; wrong arguments and missing files are reported.

#include "catalog/CometCatalog.h"
#include "catalog/SelectionRules.h"
#include "catalog/SiteCatalog.h"
#include "core/EphemerisRequest.h"
#include "diagram/Canvas.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

class DiagramCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSelection();
        for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
            folder.CopySample(name);
    }
    void TearDown() override { ResetSelection(); }

    std::string Dir() const { return "--dir '" + folder.path().string() + "'"; }

    TempFolder folder;
};

} // namespace

TEST_F(DiagramCommand, GridAndClicksAreThoseOfTheComputation)
{
    const CliRun run = QavCli(Dir() + " diagram --comet 5 --site 17 --month 12/2023 --grid grid.txt"
                                   " --click 300,200 --click 744,200 --click 11,435");
    ASSERT_EQ(run.status, 0) << run.out;

    // The same diagram in this process.
    SelectionState& state = Selection();
    ChooseComet(state, 4);
    ChooseSite(state, 16);
    state.diagram.month = 12;
    state.diagram.year = 2023;
    int leap = 0;
    EventGrid grid;
    NullCanvas canvas;
    const DiagramObject object(kCometKind, state.currentComet, state.currentAsteroid);
    ComputeDiagram(object, state.currentSite, state.ephemeris, leap, grid, canvas);

    std::istringstream lines(folder.Read("grid.txt"));
    std::string line;
    int column = 0;
    for (; std::getline(lines, line); ++column) {
        std::string expected;
        for (int row = 0; row < EventGrid::kRows; ++row)
            expected += (row ? " " : "") + std::to_string(grid.At(column, row));
        ASSERT_EQ(line, expected) << "column " << column;
    }
    EXPECT_EQ(column, EventGrid::kColumns);

    // One line per click, an empty one for a click beside the nights.
    auto clickLine = [&](int day, int hour, int minute) {
        const InfoBoxTexts t = MakeInfoBoxTexts(InstantView(object, state.currentSite, state.ephemeris, day, hour,
                                                            minute),
                                                {day, hour, minute}, 12, 2023, leap != 0);
        return t.date + "\t" + t.time + "\t" + t.objectAltitude + "\t" + t.objectAzimuth + "\t" + t.magnitude +
               "\t" + t.sunAltitude + "\t" + t.sunAzimuth + "\n";
    };
    // (300, 200): upper half of the column of day 144, so day 145 at 3h 40m.
    EXPECT_EQ(run.out, clickLine(145, 3, 40) + "\n" + clickLine(0, 12, 0));
    EXPECT_EQ(run.out.substr(0, 19), "23/4/2024\t3h 40m UT");
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
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 18 --month 1/2024").status, 2);
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 25 --site 1 --month 1/2024").status, 2);
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --asteroid 1 --site 1 --month 1/2024").status, 2);
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/2024 --click 3").status, 2);
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 1").status, 2);
    // As strict as the date fields, within the years a diagram may show.
    for (const char* wrong : {"1/1e6", "1/2000abc", "1/1000000", "1/9999", "+1/2000"})
        EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 1 --month " + wrong).status, 2) << wrong;
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/9999").err,
              "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !\n");
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 1 --site 1 --month 1/2024 --grid ''").status, 2);
    EXPECT_EQ(QavCli(Dir() + " diagram --comet 01 --site 01 --month 01/2024").status, 0);

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
