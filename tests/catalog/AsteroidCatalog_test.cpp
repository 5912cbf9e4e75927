#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "core/Calendar.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

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

} // namespace

TEST(AsteroidLine, ConvertsEveryField)
{
    AsteroidRecord record;
    ConvertAsteroidLine(Line(1, "Ceres", "     ", " 334.32717", "20250301"), 1, record);
    EXPECT_EQ(record.name, "Ceres (1)");
    EXPECT_EQ(record.fieldTexts.displayName, "Ceres  (1)");
    EXPECT_EQ(record.fieldTexts.epoch, " 1/ 3/2025");
    EXPECT_EQ(record.epoch, DayNumberFromDate(1, 3, 2025));
    EXPECT_EQ(record.fieldTexts.meanAnomaly, " 334.32717");
    EXPECT_EQ(record.fieldTexts.meanMotion, "  0.21418055");
    EXPECT_EQ(record.fieldTexts.slopeParameter, "0.15");  // a blank G
    EXPECT_EQ(record.slopeParameter, 0.15f);
    EXPECT_EQ(record.absoluteMagnitude, 3.33f);
    EXPECT_EQ(record.meanAnomaly, 334.32717);
    EXPECT_EQ(record.inclination, 10.5868);
    EXPECT_NEAR(record.semiMajorAxis, 2.76662, 1e-5);  // (0.9856076686 / n)^(2/3)

    // A blank or malformed field has no value, nor has an epoch that is no
    // date; the texts are the line's.
    ConvertAsteroidLine(Line(2, "Pallas", "  x  ", "          ", "2022  ab"), 2, record);
    EXPECT_EQ(record.name, "Pallas (2)");
    EXPECT_EQ(record.number, 2);
    EXPECT_TRUE(std::isnan(record.meanAnomaly) && std::isnan(record.slopeParameter) && std::isnan(record.epoch));
    EXPECT_EQ(record.fieldTexts.slopeParameter, "  x  ");
    EXPECT_EQ(record.fieldTexts.epoch, "2022  ab");
}

// The list's name keeps the number while the 17 characters leave room; the display's needs one more space.
TEST(AsteroidLine, LongNamesLoseTheirNumberStepByStep)
{
    AsteroidRecord record;
    for (const auto& [name, listed, shown] :
         {std::tuple{std::string(15, 'a'), std::string(15, 'a') + " (9999)", std::string(15, 'a') + "  (9999)"},
          std::tuple{std::string(16, 'b'), std::string(16, 'b') + " (9999)", std::string(16, 'b') + " "},
          std::tuple{std::string(17, 'c'), std::string(17, 'c'), std::string(17, 'c')}}) {
        ConvertAsteroidLine(Line(9999, name), 9999, record);
        EXPECT_EQ(record.name, listed);
        EXPECT_EQ(record.fieldTexts.displayName, shown);
    }
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
}

TEST(AsteroidCatalog, EntriesNamingNoLineLoadNothing)
{
    TempFolder folder;
    std::string lines = Line(1, "One") + Line(2, "Two") + Line(5, "Three") + Line(4, "Four") + Line(5, "Five");
    lines[2 * kAsteroidLineLength + 92] = '\0';  // a damaged name: "T", then nothing
    folder.Write("ASTERS.DTB", lines + "partial");
    AsteroidCatalog catalog;
    const std::vector<AsteroidListEntry> entries = catalog.List();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[2], "T" + std::string(22, ' ') + "5");

    AsteroidRecord record;
    ASSERT_TRUE(catalog.Load(entries[2], record));  // line 3 carries number 5: line 5
    EXPECT_EQ(record.name, "Five (5)");
    for (const char* number : {"   0", "    ", "   6", "  -1", "abcd"}) {
        EXPECT_FALSE(catalog.Load(std::string(20, 'z') + number, record)) << number;
        EXPECT_EQ(record.name, "Five (5)");
    }
}

// Line ends converted, lost or missing move every later line: the file is
// refused whole, naming the first bad line, and no moved line is converted.
// A file claiming more lines than four digits can number is refused unread.
TEST(AsteroidCatalog, MovedLinesAndOverlongFilesAreRefused)
{
    TempFolder folder;
    const std::string good = Line(1, "One") + Line(2, "Two") + Line(3, "Three");
    std::string lostCr = good;
    lostCr.erase(2 * kAsteroidLineLength - 2, 1);
    std::string lfOnly = good;
    std::erase(lfOnly, '\r');
    for (const auto& [bytes, line] : {std::pair{lfOnly, "1"}, std::pair{good.substr(0, 108) + good, "1"},
                                      std::pair{lostCr, "2"}}) {
        folder.Write("ASTERS.DTB", bytes);
        AsteroidCatalog catalog;
        try {
            catalog.List();
            ADD_FAILURE() << "listed";
        } catch (const FileError& error) {
            EXPECT_EQ(FileErrorText(error), std::string("ASTERS.DTB est endommagé : la ligne ") + line +
                                                " ne finit pas par CR LF en colonnes 109 et 110.\n\n"
                                                "Chaque ligne doit compter 110 caractères, fin de ligne comprise.");
        }
        AsteroidRecord record;
        if (line[0] == '2') {  // the lines before the bad one are whole
            EXPECT_TRUE(catalog.Load(std::string(23, ' ') + "1", record));
        }
        EXPECT_THROW(catalog.Load(std::string(23, ' ') + line, record), FileError);
    }
    std::filesystem::resize_file(folder.path() / "ASTERS.DTB", 10000LL * kAsteroidLineLength);
    AsteroidCatalog overlong;
    EXPECT_THROW(overlong.List(), FileError);
}
