// The Minor Planet Center's formats: packed codes, refused lines, whole rewrites, old elements.

#include "catalog/SelectionState.h"
#include "elements/AsteroidImport.h"
#include "elements/CometImport.h"
#include "elements/ElementsAge.h"
#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "support/ElementsFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::string Sample(const std::string& name) { return TestData("../../data/" + name); }

std::string Lines(const std::string& text, int first, int count)  // 1-based line numbers
{
    std::size_t begin = 0;
    for (int k = 1; k < first; ++k)
        begin = text.find('\n', begin) + 1;
    std::size_t end = begin;
    for (int k = 0; k < count; ++k)
        end = text.find('\n', end) + 1;
    return text.substr(begin, end - begin);
}

CometRecord RecordAt(const std::string& bytes, int index)
{
    CometRecord record{};
    bytes.copy(reinterpret_cast<char*>(&record), sizeof record, static_cast<std::size_t>(index) * sizeof record);
    return record;
}

} // namespace

// Examples of the Minor Planet Center's descriptions of packed numbers and dates.
TEST(MpcFields, PackedNumbersDatesAndFortranNumbers)
{
    const std::pair<const char*, int> numbers[] = {
        {"00001", 1}, {"00433", 433}, {"99999", 99999}, {"A0345", 100345}, {"a0017", 360017},
        {"K3289", 203289}, {"~0000", 620000}, {"~AZaz", 3140113}, {"0001", -1}, {"A03X5", -1}, {"~00-0", -1}};
    for (const auto& [packed, number] : numbers)
        EXPECT_EQ(UnpackNumber(packed).value_or(-1), number) << packed;

    const std::tuple<const char*, int, int, int> dates[] = {
        {"J9611", 1996, 1, 1}, {"J961A", 1996, 1, 10}, {"J969U", 1996, 9, 30}, {"J96A1", 1996, 10, 1},
        {"K01AM", 2001, 10, 22}, {"K2289", 2022, 8, 9}, {"K242T", 2024, 2, 29}, {"K232T", 0, 0, 0},
        {"K22D1", 0, 0, 0}, {"L2211", 0, 0, 0}};
    for (const auto& [packed, year, month, day] : dates) {
        const PackedDate got = UnpackDate(packed).value_or(PackedDate{});
        EXPECT_EQ(std::tie(got.year, got.month, got.day), std::tie(year, month, day)) << packed;
    }

    EXPECT_EQ(FixedReal("  -2.0").value_or(99), -2.0);
    EXPECT_EQ(FixedReal(" .5 ").value_or(99), 0.5);
    for (const char* wrong : {"", "  ", "1.2.3", "1e5", "12,5", "0.5x", "+-1"})
        EXPECT_FALSE(FixedReal(wrong)) << wrong;
}

TEST(CometElements, DesignationsAndTheFactorOfLogR)
{
    const std::pair<const char*, const char*> designations[] = {
        {"12P/Pons-Brooks", "12P"},       {"C/2023 A3 (Tsuchinshan-ATLAS)", "C/2023 A3"},
        {"73P-B/Schwassmann-Wachmann", "73P-B"}, {"P/2019 LD2 (ATLAS)", "P/2019 LD2"},
        {"2I/Borisov", "2I"},             {" C/2022 E3 ", "C/2022 E3"}};
    for (const auto& [name, designation] : designations)
        EXPECT_EQ(CometDesignation(name), designation) << name;

    // m = H + 5 log delta + 2.5 G log r: G = 4 is the usual 10 log r. Hand
    // computation: 1997 March 29.6333 is JD 2450537.1333, day number 35517.1333.
    std::string reason;
    const auto comet = ReadCometLine(
        CometLine("C/1995 O1 (Hale-Bopp)", 1997, 3, 29.6333, 0.916241, 0.994928, 130.656, 282.47, 89.433, -2.0, 4.0),
        reason);
    ASSERT_TRUE(comet) << reason;
    const CometRecord record = MakeCometRecord(*comet);
    EXPECT_NEAR(record.perihelionTime, 35517.1333, 1e-9);
    EXPECT_EQ(std::tuple(record.magnitudeCoef1, record.magnitudeCoef2, record.inclination, record.equinox),
              std::tuple(-2.0, 10.0, 89.433 * 0.01745329252, 2000));
    EXPECT_EQ(CometReference(record), "MPEC 2024");
}

TEST(ElementsFileReader, DamagedFilesAreRefusedAtTheirFirstBadLine)
{
    const std::string comets = TestData("CometEls.txt");
    const std::string planets = TestData("MPCORB.DAT");
    std::string letterInQ = Lines(comets, 3, 1);
    letterInQ[33] = 'x';
    std::string letterInE = Lines(planets, 8, 1);
    letterInE[74] = 'O';
    const std::tuple<bool, std::string, int, std::string> cases[] = {  // comets?, text, bad line, error
        {true, "<!DOCTYPE html>\n<html><body>Not here</body></html>\n", 1, "date du périhélie illisible"},
        {true, Lines(planets, 7, 2), 1, "date du périhélie illisible"},
        {true, Lines(comets, 1, 2) + "\r\n" + letterInQ, 4, "distance au périhélie illisible"},
        {true, Lines(comets, 1, 1) + Lines(comets, 2, 1).substr(0, 90), 2, "magnitude absolue illisible"},
        {true, Lines(comets, 1, 1) + Lines(comets, 2, 1).substr(0, 101), 2, "désignation absente"},
        {true, "", 0, "Le fichier ne contient aucune comète."},
        {false, "Free text\nwithout its line of dashes\n" + Lines(planets, 7, 1), 1, "désignation illisible"},
        {false, Lines(planets, 1, 7) + letterInE, 8, "excentricité illisible"},
        {false, Lines(planets, 7, 1) + Lines(planets, 8, 1).substr(0, 130), 2, "désignation lisible absente"},
        {false, "\n\n", 0, "Le fichier ne contient aucun élément d'astéroïde."},
    };
    for (const auto& [isComet, text, line, error] : cases) {
        CometFileReader cometReader;
        MinorPlanetFileReader planetReader;
        ElementsFileReader& reader = isComet ? static_cast<ElementsFileReader&>(cometReader) : planetReader;
        EXPECT_FALSE(ReadInPieces(reader, text, 50)) << text;
        EXPECT_EQ(reader.errorLine(), line) << text;
        EXPECT_NE(reader.error().find(error), std::string::npos) << reader.error();
    }
}

TEST(AsteroidImport, TheNumberedRunFromTheFileAndTheOldLines)
{
    TempFolder folder;
    MinorPlanetFileReader file;
    ASSERT_TRUE(ReadInPieces(file, TestData("MPCORB.DAT"), 1000)) << file.error();

    // Into an empty catalogue: the sample catalogue's first lines the file was written from, byte for byte.
    folder.Write("ASTERS.DTB", "");
    AsteroidImportPlan plan = ImportAsteroids(file, 9999);
    EXPECT_EQ(folder.Read("ASTERS.DTB"), Sample("ASTERS.DTB").substr(0, 12 * 110));
    EXPECT_EQ(AsteroidImportText(plan), "ASTERS.DTB : astéroïdes 1 à 12 ; 0 mis à jour, 12 ajoutés.\n"
                                        "2 objets sans numéro non pris.\n1 non pris au-delà du numéro 9999.");

    // A limit below the old count keeps the old lines beyond it.
    plan = PlanAsteroidImport(file, 12, 5);
    EXPECT_EQ(std::tie(plan.count, plan.updated, plan.added, plan.beyondLimit), std::make_tuple(12, 5, 0, 8));

    // An excerpt of asteroids 2, 5 and 6 over a 3-line catalogue: 4 is missing.
    const std::string planets = TestData("MPCORB.DAT");
    MinorPlanetFileReader excerpt;
    ASSERT_TRUE(ReadInPieces(excerpt, Lines(planets, 8, 1) + "\n" + Lines(planets, 11, 2), 7));
    plan = PlanAsteroidImport(excerpt, 3, 9999);
    EXPECT_EQ(std::tie(plan.count, plan.updated, plan.added, plan.afterStop, plan.stopNumber),
              std::make_tuple(3, 1, 0, 2, 4));
    EXPECT_NE(AsteroidImportText(plan).find("2 non pris après un trou dans la numérotation : le numéro 4 manque."),
              std::string::npos);
}

TEST(CometImport, UpdatesInPlaceKeepingTheNameAndAppendsTheNewOnes)
{
    TempFolder folder;
    // The test file holds the sample catalogue's first comets: imported into an
    // empty catalogue they give its records back.
    CometFileReader sample;
    ASSERT_TRUE(ReadInPieces(sample, TestData("CometEls.txt"), 7));
    folder.Write("COMETS.WDB", "");
    EXPECT_EQ(CometImportText(ImportComets(sample.comets(), false)), "COMETS.WDB : 0 comète mise à jour, 8 ajoutées.");
    const std::string expected = Sample("COMETS.WDB");
    const std::string imported = folder.Read("COMETS.WDB");
    for (int k = 0; k < 8; ++k) {
        const CometRecord got = RecordAt(imported, k);
        const CometRecord want = RecordAt(expected, k);
        EXPECT_EQ(CometName(got), CometName(want));
        EXPECT_EQ(std::memcmp(&got.perihelionTime, &want.perihelionTime, 68), 0) << CometName(got);
    }

    // 12P, renamed by the user, gets its 2024 elements in place; the new comet goes last.
    CometRecord renamed = RecordAt(expected, 4);
    SetCometName(renamed, "12P/Pons-Brooks 2024");
    std::string before = expected;
    before.replace(4 * 140, 140, reinterpret_cast<const char*>(&renamed), 140);
    folder.Write("COMETS.WDB", before);
    CometFileReader file;
    ASSERT_TRUE(ReadInPieces(
        file,
        CometLine("12P/Pons-Brooks", 2024, 4, 21.1333, 0.780798, 0.954693, 198.9878, 255.8564, 74.1916, 4.0, 4.0) +
            CometLine("C/2023 A3 (Tsuchinshan-ATLAS)", 2024, 9, 27.7405, 0.391426, 1.000116, 308.4919, 21.5596,
                      139.1112, 5.5, 3.2),
        4096));
    const CometImportCounts counts = ImportComets(file.comets(), false);
    EXPECT_EQ(std::tie(counts.updated, counts.added), std::make_tuple(1, 1));
    const std::string after = folder.Read("COMETS.WDB");
    ASSERT_EQ(after.size(), 25u * 140);
    EXPECT_EQ(after.substr(0, 560) + after.substr(700, 19 * 140), before.substr(0, 560) + before.substr(700));
    const CometRecord updated = RecordAt(after, 4);
    EXPECT_EQ(CometName(updated), "12P/Pons-Brooks 2024");
    EXPECT_NEAR(updated.perihelionTime, 45401.6333, 1e-9);  // JD 2460421.5 + 0.1333, by hand
    EXPECT_EQ(updated.magnitudeCoef2, 10.0);
    EXPECT_EQ(CometName(RecordAt(after, 24)), "C/2023 A3 (Tsuchinshan-ATLAS)");
}

TEST(CometImport, AFailureLeavesTheCatalogueByteForByte)
{
    TempFolder folder;
    CometFileReader file;
    ASSERT_TRUE(ReadInPieces(file, TestData("CometEls.txt"), 4096));
    const std::string before = Sample("COMETS.WDB").substr(0, 3 * 140);
    // The import fails with `cause`; nothing is left behind but the catalogue as it was.
    const auto fails = [&](FileError::Cause cause, const std::string& left, int files) {
        try {
            ImportComets(file.comets(), false);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(std::pair(error.cause(), error.fileName()), std::pair(cause, std::string("COMETS.WDB")));
        }
        EXPECT_EQ(folder.Read("COMETS.WDB"), left);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), files);
    };
    folder.Write("COMETS.WDB", before);
    {
        const CatalogFile lock("COMETS.WDB", CatalogFile::Mode::Read);
        fails(FileError::Cause::SharingViolation, before, 1);
    }
    // Writes that stop at 1,000 bytes, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit small{1000, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    fails(FileError::Cause::DiskFull, before, 1);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::filesystem::remove(folder.path() / "COMETS.WDB");
    fails(FileError::Cause::FileNotFound, "", 0);
}

TEST(ElementsAge, OldElementsNotice)
{
    // By hand: 2022 August 9 is JD 2459800.5.
    const DayNumber epoch = 44780.5;
    EXPECT_EQ(OldElementsNotice(epoch, epoch - 365.25, epoch + 365.25), "");
    EXPECT_EQ(OldElementsNotice(epoch, epoch - 400, epoch), "Éléments anciens : époque 9/8/2022, écart 1,1 an ; "
                                                            "précision de quelques minutes d'arc au plus");
    // An asteroid table's last day counts (qav-cli's tests: 3,2 ans). A comet's
    // perihelion stands for its epoch; a diagram from 2023 January 1 (44926.5) covers 368 nights.
    SelectionState state;
    state.currentComet.perihelionTime = 44926.5 - 100;
    EXPECT_NE(DiagramElementsNotice(ElementsEpoch(state, true), 1, 2023).find("écart 1,3 an"), std::string::npos);
}
