#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "core/Calendar.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <strings.h>

namespace {

// A line in the catalogue's columns; `name` is padded to its 17 characters.
std::string Line(int number, std::string name, const char* slope = " 0.12", const char* meanAnomaly = " 334.32717",
                 const char* epoch = "20220809")
{
    name.resize(17, ' ');
    char line[kAsteroidLineLength + 1];
    std::snprintf(line, sizeof line, "%6d2000%s%s  73.53163  80.26644  10.58680 0.0786358  0.21418055  3.33%s%s\r\n",
                  number, epoch, meanAnomaly, slope, name.c_str());
    return std::string(line, kAsteroidLineLength);
}

std::string Catalog(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += Line(k, "Minor" + std::to_string(k));
    return bytes;
}

} // namespace

TEST(AsteroidLine, ConvertsEveryField)
{
    AsteroidRecord record;
    ConvertAsteroidLine(Line(1, "Ceres", "     ", " 334.32717", "20250301"), 1, record);
    EXPECT_EQ(record.name, "Ceres (1)");
    EXPECT_EQ(record.fieldTexts.displayName, "Ceres  (1)");
    EXPECT_EQ(record.fieldTexts.equinox, "2000");
    EXPECT_EQ(record.fieldTexts.epoch, " 1/ 3/2025");
    EXPECT_EQ(record.epoch, DayNumberFromDate(1, 3, 2025));
    EXPECT_EQ(record.fieldTexts.meanAnomaly, " 334.32717");
    EXPECT_EQ(record.fieldTexts.meanMotion, "  0.21418055");
    EXPECT_EQ(record.fieldTexts.absoluteMagnitude, "  3.33");
    EXPECT_EQ(record.fieldTexts.slopeParameter, "0.15");
    EXPECT_EQ(record.slopeParameter, 0.15f);
    EXPECT_EQ(record.absoluteMagnitude, 3.33f);
    EXPECT_EQ(record.meanAnomaly, 334.32717);
    EXPECT_EQ(record.argPerihelion, 73.53163);
    EXPECT_EQ(record.ascendingNode, 80.26644);
    EXPECT_EQ(record.inclination, 10.5868);
    EXPECT_EQ(record.eccentricity, 0.0786358);
    EXPECT_EQ(record.meanMotion, 0.21418055);
    EXPECT_NEAR(record.semiMajorAxis, 2.76662, 1e-5);  // (0.9856076686 / n)^(2/3)

    ConvertAsteroidLine(Line(1, "Ceres"), 1, record);
    EXPECT_EQ(record.fieldTexts.slopeParameter, " 0.12");
    EXPECT_EQ(record.slopeParameter, 0.12f);
    EXPECT_EQ(record.fieldTexts.epoch, " 9/ 8/2022");
}

TEST(AsteroidLine, LongNamesLoseTheirNumberStepByStep)
{
    AsteroidRecord record;
    ConvertAsteroidLine(Line(9999, std::string(15, 'a')), 9999, record);
    EXPECT_EQ(record.name, std::string(15, 'a') + " (9999)");
    EXPECT_EQ(record.fieldTexts.displayName, std::string(15, 'a') + "  (9999)");
    ConvertAsteroidLine(Line(9999, std::string(16, 'b')), 9999, record);
    EXPECT_EQ(record.name, std::string(16, 'b') + " (9999)");
    EXPECT_EQ(record.fieldTexts.displayName, std::string(16, 'b') + " ");
    ConvertAsteroidLine(Line(9999, std::string(17, 'c')), 9999, record);
    EXPECT_EQ(record.name, std::string(17, 'c'));
    EXPECT_EQ(record.fieldTexts.displayName, std::string(17, 'c'));
}

TEST(AsteroidLine, MalformedFieldsKeepThePreviousValues)
{
    AsteroidRecord record;
    ConvertAsteroidLine(Line(1, "Ceres"), 1, record);
    ConvertAsteroidLine(Line(2, "Pallas", "  x  ", "          ", "2022  ab"), 2, record);
    EXPECT_EQ(record.name, "Pallas (2)");
    EXPECT_EQ(record.meanAnomaly, 334.32717);             // blank
    EXPECT_EQ(record.slopeParameter, 0.12f);              // not a number
    EXPECT_EQ(record.fieldTexts.slopeParameter, "  x  ");  // shown as written
    EXPECT_EQ(record.fieldTexts.epoch, " 9/ 8/2022");      // not a date: kept
    EXPECT_EQ(record.epoch, DayNumberFromDate(9, 8, 2022));
}

TEST(AsteroidLine, EntryTextKeepsItsWidthAndNumber)
{
    EXPECT_EQ(AsteroidEntryText(Line(1, "Ceres")), "Ceres" + std::string(12, ' ') + "      1");
    std::string damaged = Line(42, "Nul");
    damaged[91 + 1] = '\0';
    EXPECT_EQ(AsteroidEntryText(damaged), "N" + std::string(16, ' ') + "     42");
    EXPECT_EQ(AsteroidEntryNumber(AsteroidEntryText(damaged)), 42);
    EXPECT_EQ(AsteroidEntryNumber("short"), 0);
    EXPECT_EQ(AsteroidEntryNumber(std::string(20, ' ') + "abcd"), 0);
}

TEST(AsteroidCatalog, SampleListsSortsAndChoosesCeres)
{
    TempFolder folder;
    folder.CopySample("ASTERS.DTB");
    AsteroidCatalog catalog;
    std::vector<AsteroidListEntry> entries = catalog.List();
    ASSERT_EQ(entries.size(), 227u);
    EXPECT_EQ(entries[0], "Ceres" + std::string(12, ' ') + "      1");
    SortAsteroidEntries(entries);
    for (std::size_t k = 1; k < entries.size(); ++k)
        EXPECT_LE(::strcasecmp(entries[k - 1].c_str(), entries[k].c_str()), 0) << entries[k];

    const int ceres = FindCeresEntry(entries);
    ASSERT_GE(ceres, 0);
    AsteroidRecord record;
    ASSERT_TRUE(catalog.Load(entries[ceres], record));
    EXPECT_EQ(record.name, "Ceres (1)");
    EXPECT_NEAR(record.semiMajorAxis, 2.77, 0.01);
    EXPECT_EQ(record.epoch, DayNumberFromDate(9, 8, 2022));
}

TEST(AsteroidCatalog, CeresIsSoughtFromEntry2501AndWrapsAround)
{
    std::vector<AsteroidListEntry> entries(3000, "Vesta");
    EXPECT_EQ(FindCeresEntry(entries), -1);
    entries[100] = "ceres (old)";
    EXPECT_EQ(FindCeresEntry(entries), 100);
    entries[2700] = "CERES";
    EXPECT_EQ(FindCeresEntry(entries), 2700);
    entries[2501] = "Ceresa";
    EXPECT_EQ(FindCeresEntry(entries), 2501);
    EXPECT_EQ(FindCeresEntry({}), -1);

    std::vector<AsteroidListEntry> names{"vesta", "Apollo", "bacchus", "Amor"};
    SortAsteroidEntries(names);
    EXPECT_EQ(names, (std::vector<AsteroidListEntry>{"Amor", "Apollo", "bacchus", "vesta"}));
}

TEST(AsteroidCatalog, EntriesNamingNoLineLoadNothing)
{
    TempFolder folder;
    std::string bytes = Catalog(3);
    bytes.replace(2 * kAsteroidLineLength, 6, "     5");  // line 3 claims number 5
    folder.Write("ASTERS.DTB", bytes + Line(4, "Four") + Line(5, "Five") + "partial");
    AsteroidCatalog catalog;
    const std::vector<AsteroidListEntry> entries = catalog.List();
    ASSERT_EQ(entries.size(), 5u);

    AsteroidRecord record;
    ASSERT_TRUE(catalog.Load(entries[2], record));  // loaded by its number
    EXPECT_EQ(record.name, "Five (5)");

    const AsteroidListEntry zero = std::string(17, ' ') + "      0";
    const AsteroidListEntry blank = std::string(24, ' ');
    const AsteroidListEntry beyond = std::string(17, 'z') + "      6";
    const AsteroidListEntry negative = std::string(17, 'z') + "     -1";
    for (const AsteroidListEntry& entry : {zero, blank, beyond, negative}) {
        EXPECT_FALSE(catalog.Load(entry, record)) << entry;
        EXPECT_EQ(record.name, "Five (5)");
    }
}

TEST(AsteroidCatalog, HeldExclusivelyAndMissingFileReported)
{
    TempFolder folder;
    try {
        AsteroidCatalog missing;
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(FileErrorText(error), "Impossible de trouver ASTERS.DTB.");
    }
    folder.Write("ASTERS.DTB", Catalog(2));
    AsteroidCatalog held;
    try {
        AsteroidCatalog second;
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::Cause::SharingViolation);
    }
}

TEST(AsteroidCatalog, ListsAFullCatalogueQuickly)
{
    TempFolder folder;
    folder.Write("ASTERS.DTB", Catalog(9999));
    AsteroidCatalog catalog;
    const auto start = std::chrono::steady_clock::now();
    std::vector<AsteroidListEntry> entries = catalog.List();
    SortAsteroidEntries(entries);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(entries.size(), 9999u);
    EXPECT_LT(elapsed, std::chrono::milliseconds(100));
}
