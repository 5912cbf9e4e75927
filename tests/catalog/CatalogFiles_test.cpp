// COMETS.WDB and SITES.NDB: whole records through the caller's buffer, each
// operation changing only its own records, file errors that leave nothing open.
// Both share one record file implementation; its moves are tried on comets.
// Then the selection the dialogs share, read from these files.

#include "catalog/CometCatalog.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"
#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

template <typename Record>
std::string Bytes(const Record& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

CometRecord Comet(const std::string& name, double q = 1.0)
{
    CometRecord comet{};
    SetCometName(comet, name);
    comet.perihelionDistance = q;
    return comet;
}

// Records C1, C2, ... with q = 1, 2, ...; sites S1, S2, ...
std::string Comets(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += Bytes(Comet("C" + std::to_string(k), k));
    return bytes;
}

std::string Sites(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        SiteRecord site{};
        SetSiteName(site, "S" + std::to_string(k));
        bytes += Bytes(site);
    }
    return bytes;
}

FileError::Cause CauseOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const FileError& error) {
        return error.cause();
    }
    ADD_FAILURE() << "no FileError";
    return FileError::Cause::Generic;
}

// The choices the dialogs share, on their start values.
class SelectionTest : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }
    SelectionState& state = Selection();
};

} // namespace

TEST(CometCatalog, ListsWholeRecordsThroughTheBuffer)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Comets(2) + std::string(20, '\x7f'));  // 300 bytes
    CometRecord buffer = Comet("before");
    EXPECT_EQ(CometCatalog::List(buffer), (std::vector<CometListEntry>{"    1    C1", "    2    C2"}));
    EXPECT_EQ(CometName(buffer), "C2");  // the last record stays in the buffer

    folder.Write("COMETS.WDB", "");
    EXPECT_TRUE(CometCatalog::List(buffer).empty());
    EXPECT_EQ(CometName(buffer), "C2");

    folder.Write("COMETS.WDB", Comets(100) + std::string(140, '\xff'));  // a damaged last record
    const std::vector<CometListEntry> many = CometCatalog::List(buffer);
    EXPECT_EQ(many[9], "  10    C10");
    EXPECT_EQ(many[99], "100    C100");
    EXPECT_EQ(many[100], "101    " + std::string(36, '\xff'));

    // A (sparse) file longer than any catalogue is refused before anything is read.
    std::filesystem::resize_file(folder.path() / "COMETS.WDB", 100001 * 140);
    try {
        CometCatalog::List(buffer);
        ADD_FAILURE() << "listed";
    } catch (const FileError& error) {
        EXPECT_EQ(FileErrorText(error), "COMETS.WDB est trop grand pour un catalogue (plus de 100000 fiches) : "
                                        "il est sans doute endommagé.");
    }
}

TEST(CometCatalog, ReadPastTheEndKeepsTheRestOfTheImage)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Comets(2).substr(0, 210));  // record 2 cut after 70 bytes
    CometRecord record = Comet("image", 9.0);
    CometCatalog::Read(1, record);
    EXPECT_EQ(CometName(record), "C2");
    EXPECT_EQ(record.perihelionDistance, 9.0);  // at offset 112, not read
    CometCatalog::Read(5, record);
    EXPECT_EQ(CometName(record), "C2");

    // Record -1, no comet chosen in an empty catalogue, is no record at all.
    folder.Write("COMETS.WDB", "");
    EXPECT_NO_THROW(CometCatalog::Read(-1, record));
    EXPECT_EQ(CometName(record), "C2");
}

TEST(CometCatalog, AppendAndRewriteChangeOnlyTheirRecord)
{
    TempFolder folder;
    const std::string five = Comets(5);
    folder.Write("COMETS.WDB", five);
    CometCatalog::Rewrite(2, Comet("new"));
    const std::string rewritten = five.substr(0, 280) + Bytes(Comet("new")) + five.substr(420);
    EXPECT_EQ(folder.Read("COMETS.WDB"), rewritten);

    // Rewriting a record that is not there would leave zero-filled records.
    EXPECT_EQ(CauseOf([] { CometCatalog::Rewrite(5, Comet("x")); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CauseOf([] { CometCatalog::Rewrite(-1, Comet("x")); }), FileError::Cause::BadSeek);
    EXPECT_EQ(folder.Read("COMETS.WDB"), rewritten);

    // A trailing partial record is overwritten: the new one starts on a boundary.
    folder.Write("COMETS.WDB", five.substr(0, 300));
    EXPECT_EQ(CometCatalog::Append(Comet("appended")), 2);
    EXPECT_EQ(folder.Read("COMETS.WDB"), five.substr(0, 280) + Bytes(Comet("appended")));
}

TEST(CometCatalog, DeleteMovesTheLaterRecordsThroughTheImage)
{
    TempFolder folder;
    const std::string three = Comets(3);
    folder.Write("COMETS.WDB", three);
    CometRecord image = Comet("image");
    CometCatalog::Delete(0, image);
    EXPECT_EQ(folder.Read("COMETS.WDB"), three.substr(140));
    EXPECT_EQ(CometName(image), "C3");

    image = Comet("image");  // the last record: cut off, nothing moved
    CometCatalog::Delete(1, image);
    EXPECT_EQ(folder.Read("COMETS.WDB"), three.substr(140, 140));
    EXPECT_EQ(CometName(image), "image");

    // A record that is not there: nothing cut, nothing moved.
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(1, image); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(-1, image); }), FileError::Cause::BadSeek);
    EXPECT_EQ(folder.Read("COMETS.WDB"), three.substr(140, 140));
    EXPECT_EQ(CometName(image), "image");

    CometCatalog::Delete(0, image);
    EXPECT_EQ(folder.Read("COMETS.WDB"), "");
}

TEST(CometCatalog, MissingAndLockedFilesFailAndLeaveNothingLocked)
{
    TempFolder folder;
    CometRecord record{};
    EXPECT_EQ(CauseOf([&] { CometCatalog::List(record); }), FileError::Cause::FileNotFound);
    folder.Write("COMETS.WDB", Comets(2));
    {
        CatalogFile other("COMETS.WDB", CatalogFile::Mode::Read);
        EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(0, record); }), FileError::Cause::SharingViolation);
    }
    EXPECT_EQ(CauseOf([&] { CometCatalog::Rewrite(7, record); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CometCatalog::List(record).size(), 2u);  // the failed operation closed its file
}

TEST(SiteCatalog, NamesListsInTheStyleOfEachDialogAppendAndDelete)
{
    SiteRecord site{};
    SetSiteName(site, std::string(45, 'p'));  // 38 characters kept, the rest NUL
    EXPECT_EQ(std::string(site.name, 48), std::string(38, 'p') + std::string(10, '\0'));
    std::memset(site.name, 'N', sizeof site.name);  // no NUL: never read past the field
    EXPECT_EQ(SiteName(site), std::string(48, 'N'));

    TempFolder folder;
    folder.Write("SITES.NDB", Sites(3) + "12345678");  // 200 bytes: three sites
    EXPECT_EQ(SiteCatalog::List(site, SiteListStyle::Maintenance),
              (std::vector<SiteListEntry>{"  1    S1", "  2    S2", "  3    S3"}));
    EXPECT_EQ(SiteName(site), "S3");
    EXPECT_EQ(SiteCatalog::List(site, SiteListStyle::CometDiagram)[2], "    3    S3");
    EXPECT_EQ(SiteCatalog::List(site, SiteListStyle::AsteroidDiagram)[2], "3    S3");

    folder.Write("SITES.NDB", Sites(5));
    EXPECT_EQ(SiteCatalog::Append(site), 5);
    EXPECT_EQ(folder.Read("SITES.NDB").size(), 6u * 64);
    SiteCatalog::Delete(0, site);
    EXPECT_EQ(folder.Read("SITES.NDB"), Sites(5).substr(64) + Sites(3).substr(128));
}

TEST(SiteCatalog, HeldCatalogueLocksOutOtherOpensUntilDestroyed)
{
    TempFolder folder;
    SiteRecord record{};
    EXPECT_EQ(CauseOf([&] { SiteCatalog::List(record, SiteListStyle::Maintenance); }), FileError::Cause::FileNotFound);
    folder.Write("SITES.NDB", Sites(3));
    {
        HeldSiteCatalog held;
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);  // again from the top
        held.Read(1, record);
        EXPECT_EQ(SiteName(record), "S2");
        EXPECT_EQ(CauseOf([&] { SiteCatalog::Read(0, record); }), FileError::Cause::SharingViolation);
    }
    SiteCatalog::Read(0, record);
    EXPECT_EQ(SiteName(record), "S1");
}

// Longitudes in hours, counted westwards: Paris 2°20' E, Montreal 73°34' W.
TEST(SiteCatalog, SampleSitesHaveWestPositiveLongitudesInHours)
{
    TempFolder folder;
    folder.CopySample("SITES.NDB");
    SiteRecord record{};
    ASSERT_EQ(SiteCatalog::List(record, SiteListStyle::Maintenance).size(), 17u);
    SiteCatalog::Read(0, record);
    EXPECT_EQ(SiteName(record), "Paris - Observatoire");
    EXPECT_NEAR(record.longitude, -0.156, 0.001);
    SiteCatalog::Read(9, record);
    EXPECT_EQ(SiteName(record), "Montr\xe9" "al");  // Windows-1252 bytes
    EXPECT_NEAR(record.longitude, 4.904, 0.001);
}

// The working copies move whole to and from the files: their doubles stay aligned.
TEST_F(SelectionTest, ResetToItsStartValues)
{
    state.cometIndex = 4;
    state.diagramOpening = true;
    ResetSelection();
    EXPECT_TRUE(state.cometIndex == -1 && state.siteIndex == -1 && !state.diagramOpening);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(&state.currentComet.perihelionTime) % 8, 0u);
}

TEST_F(SelectionTest, BothRequestsShareOneMonthAndYearAndTheOfferedTexts)
{
    RefreshEphemerisDateText(state);
    RefreshDiagramMonthText(state);
    EXPECT_EQ(state.ephemerisDateText, "");  // no month stored yet
    EXPECT_EQ(state.diagramMonthText, "");

    state.ephemeris = {15, 6, 2024, 31, 1, 2000};  // an ephemeris from 15/6/2024
    EXPECT_EQ(state.diagram.month, 6);
    EXPECT_EQ(state.diagram.year, 2024);
    RefreshDiagramMonthText(state);
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.diagramMonthText, "6/2024");
    EXPECT_EQ(state.ephemerisDateText, "15/6/2024");

    state.diagram.month = 1;  // a diagram of January 2025 leaves the day at 1
    state.diagram.year = 2025;
    state.ephemeris.day = 1;
    EXPECT_EQ(state.ephemeris.month, 1);
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.ephemerisDateText, "1/1/2025");
}

TEST_F(SelectionTest, CometChoiceCarriesFromDialogToDialogUntilMaintenance)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Comets(6));
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 5);  // none chosen: the last
    ChooseComet(state, 4);
    EXPECT_EQ(CometName(state.currentComet), "C5");
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 4);  // the next dialog: comet 5 again

    // Maintenance lists through the current comet and ends on the last record.
    EXPECT_EQ(ListCometsForMaintenance(state).size(), 6u);
    EXPECT_EQ(state.cometIndex, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");
    PrepareNewComet(state);
    EXPECT_EQ(state.cometIndex, -1);

    // A catalogue that shrank outside the program: nothing read, last record kept.
    folder.Write("COMETS.WDB", Comets(2));
    ChooseComet(state, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");

    folder.Write("COMETS.WDB", Comets(0));
    EXPECT_TRUE(ListCometsForMaintenance(state).empty());
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_NO_THROW(ChooseComet(state, CometIndexOnRequestOpening(state, 0)));
}
