// ASTERS.DTB line by line, and the values every reader refuses in comet, site and asteroid records.

#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "catalog/CometRecord.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteRecord.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
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

// The reason, cut before its limits: "l'excentricité".
std::string Subject(const std::optional<RecordFault>& fault)
{
    return fault ? fault->reason.substr(0, std::min(fault->reason.find(" doit"), fault->reason.find(" n'est")))
                 : "none";
}

} // namespace

// The sample's Ceres table (PyEphem) and Pallas's display pin the other fields.
TEST(AsteroidLine, BlankAndMalformedFields)
{
    AsteroidRecord record;
    ConvertAsteroidLine(Line(1, "Ceres", "     ", " 334.32717", "20250301"), 1, record);
    EXPECT_EQ(record.epoch, 45715.5);  // JD 2460735.5 - 2415020
    EXPECT_EQ(record.fieldTexts.slopeParameter, "0.15");
    EXPECT_EQ(record.slopeParameter, 0.15f);

    // A malformed field, or an epoch that is no date, has no value; the texts are the line's.
    ConvertAsteroidLine(Line(2, "Pallas", "  x  ", "          ", "2022  ab"), 2, record);
    EXPECT_TRUE(std::isnan(record.meanAnomaly) && std::isnan(record.slopeParameter) && std::isnan(record.epoch));
    EXPECT_EQ(record.fieldTexts.slopeParameter + "|" + record.fieldTexts.epoch, "  x  |2022  ab");
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
        EXPECT_EQ(std::pair(record.name, record.fieldTexts.displayName), std::pair(listed, shown));
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

// Line ends converted, lost or missing move every later line: the file is refused whole, naming
// the first bad line. A file claiming more lines than four digits can number is refused unread.
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
            // The whole text is qav-cli's tests'.
            EXPECT_NE(FileErrorText(error).find(std::string("la ligne ") + line + " ne finit pas"), std::string::npos);
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

// Comet and site records as a damaged file may hold them, asteroid lines as an editor may leave
// them. The program's own limits: q from 0.0001 to 10^6 AU, e from 0 to 100, an asteroid's e
// below 1 and n from 10^-6 to 10^4 degrees a day, dates of the years -999 to 9999.
TEST(RecordChecks, CometAndSiteValuesBeyondTheComputationsAreNamed)
{
    // 1P/Halley, roughly: T 1986 February 9, angles in radians, B1950.
    const CometRecord halley = {"1P/Halley", "", 31451.9589, 1.9373, 1.0284, 2.8261, 0.967, 0.587, 5.5, 8.0, 1950};
    EXPECT_EQ(Subject(CometFault(halley)), "none");
    const std::tuple<double CometRecord::*, double, const char*> damages[] = {
        {&CometRecord::perihelionTime, 3e6, "la date de passage au périhélie"},  // year 10114
        {&CometRecord::argPerihelion, INFINITY, "l'argument du périhélie"},
        {&CometRecord::ascendingNode, -INFINITY, "la longitude du noeud ascendant"},
        {&CometRecord::inclination, NAN, "l'inclinaison"},  {&CometRecord::eccentricity, 1e308, "l'excentricité"},
        {&CometRecord::eccentricity, -1e308, "l'excentricité"}, {&CometRecord::eccentricity, 100.5, "l'excentricité"},
        {&CometRecord::perihelionDistance, 0.0, "la distance au périhélie"},
        {&CometRecord::magnitudeCoef1, NAN, "le 1er coefficient de magnitude"},
        {&CometRecord::magnitudeCoef2, INFINITY, "le 2ème coefficient de magnitude"}};
    for (const auto& [field, value, subject] : damages) {
        CometRecord comet = halley;
        comet.*field = value;
        EXPECT_EQ(Subject(CometFault(comet)), subject) << value;
    }
    // The message's frame is pinned by the ephemeris dialog's and qav-cli's tests.
    EXPECT_EQ(CometFault(CometRecord{})->reason,
              "la distance au périhélie doit être comprise entre 0.0001 et 1000000 UA");

    SiteRecord site{"Pôle", 180 * 0.06666666666666667, 90 * 0.01745329252};  // 180° W, 90° N as entered
    EXPECT_EQ(Subject(SiteFault(site)), "none");
    site.latitude = NAN;
    EXPECT_EQ(Subject(SiteFault(site)), "la latitude");
    site.longitude = -12.1;
    EXPECT_EQ(Subject(SiteFault(site)), "la longitude");
}

TEST(RecordChecks, AsteroidFieldsWithoutAUsableNumberAreNamed)
{
    // Vesta's line as the sample catalogue holds it, then one field damaged.
    const std::string vesta = "     4200020220809  61.19230 151.25778 103.80081   7.14078 0.0884019  0.27151121  "
                              "3.20 0.32Vesta            \r\n";
    const std::tuple<std::size_t, const char*, const char*> cases[] = {
        {0, "", "none"},                                   {68, "            ", "le moyen mouvement"},
        {68, "         0.0", "le moyen mouvement"},         {68, "         nan", "le moyen mouvement"},
        {68, "  0.2715x520", "le moyen mouvement"},         {58, " 1.0000000", "l'excentricité"},
        {18, "   1e400  ", "l'anomalie moyenne"},           {80, "   nan", "la magnitude absolue"},
        {86, "  inf", "le paramètre de pente"},             {10, "20221309", "l'époque"},
        {68, "     10000.5", "le moyen mouvement"},         {68, "     10000.0", "none"},
    };
    for (const auto& [at, field, subject] : cases) {
        std::string line = vesta;
        line.replace(at, std::strlen(field), field);
        AsteroidRecord record;
        ConvertAsteroidLine(line, 4, record);
        EXPECT_EQ(Subject(AsteroidFault(record)), subject) << field;
        if (at == 58) {
            EXPECT_EQ(UnusableAsteroidText(record, *AsteroidFault(record)),
                      "L'astéroïde Vesta (4) de ASTERS.DTB est inutilisable : l'excentricité doit être comprise "
                      "entre 0 et 1 (1 exclu).\n\nCorrigez la ligne 4 du fichier.");
        }
    }
}
