// COMETS.WDB and SITES.NDB: whole records through the caller's buffer, each
// operation changing only its own records, file errors that leave nothing open.
// Both share one record file implementation; its moves are tried on comets.

#include "catalog/CometCatalog.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"
#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

template <typename Record>
std::string Bytes(const Record& record) { return std::string(reinterpret_cast<const char*>(&record), sizeof record); }

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

// The cause of the FileError `operation` throws; Generic when none is thrown.
FileError::Cause CauseOf(const std::function<void()>& operation, bool mustThrow = true)
{
    try {
        operation();
    } catch (const FileError& error) {
        return error.cause();
    }
    EXPECT_FALSE(mustThrow) << "no FileError";
    return FileError::Cause::Generic;
}

} // namespace

TEST(CometCatalog, ListsWholeRecordsThroughTheBuffer)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Comets(2) + std::string(20, '\x7f'));  // 300 bytes
    CometRecord buffer = Comet("before");
    EXPECT_EQ(CometCatalog::List(buffer), (std::vector<CometListEntry>{"    1    C1", "    2    C2"}));
    EXPECT_EQ(CometName(buffer), "C2");  // the last record stays in the buffer

    folder.Write("COMETS.WDB", Comets(100) + std::string(140, '\xff'));  // a damaged last record
    const std::vector<CometListEntry> many = CometCatalog::List(buffer);
    EXPECT_EQ(std::tuple(many[9], many[99], many[100]),
              std::tuple("  10    C10", "100    C100", "101    " + std::string(36, '\xff')));

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

// Each operation on records C1, C2, ... (q = 1, 2, ...) with an image "image": the bytes left,
// the image's name and q. A record that is not there is a bad seek that writes nothing (a
// rewrite would leave zero-filled records); a read past the end keeps the rest of the image.
TEST(CometCatalog, EachOperationChangesOnlyItsRecords)
{
    TempFolder folder;
    const std::string five = Comets(5), three = Comets(3);
    const std::string C2 = Bytes(Comet("C2", 2)), C3 = Bytes(Comet("C3", 3)), x = Bytes(Comet("x"));
    using Op = std::function<void(CometRecord&)>;
    const auto rewrite = [](int k) { return Op([k](CometRecord&) { CometCatalog::Rewrite(k, Comet("x")); }); };
    const auto erase = [](int k) { return Op([k](CometRecord& image) { CometCatalog::Delete(k, image); }); };
    const auto read = [](int k) { return Op([k](CometRecord& image) { CometCatalog::Read(k, image); }); };
    const auto append = Op([](CometRecord&) { EXPECT_EQ(CometCatalog::Append(Comet("x")), 2); });
    struct Case {
        std::string file;
        Op operation;
        std::string after, image;
        double q = 9.0;
        FileError::Cause cause = FileError::Cause::Generic;  // Generic: none thrown
    };
    constexpr FileError::Cause kBadSeek = FileError::Cause::BadSeek;
    const Case cases[] = {
        {five, rewrite(2), five.substr(0, 280) + x + five.substr(420), "image"},
        {five, rewrite(5), five, "image", 9.0, kBadSeek},
        {five, rewrite(-1), five, "image", 9.0, kBadSeek},
        {five.substr(0, 300), append, five.substr(0, 280) + x, "image"},  // the partial record overwritten
        {three, erase(0), three.substr(140), "C3", 3.0},
        {C2 + C3, erase(1), C2, "image"},  // the last: cut, nothing moved
        {C2, erase(1), C2, "image", 9.0, kBadSeek},
        {C2, erase(-1), C2, "image", 9.0, kBadSeek},
        {C2, erase(0), "", "image"},
        {C2.substr(0, 70), read(0), C2.substr(0, 70), "C2"},  // q at 112, not read
        {C2, read(5), C2, "image"},
        {"", read(-1), "", "image"},  // no comet chosen in an empty catalogue
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        folder.Write("COMETS.WDB", c.file);
        CometRecord image = Comet("image", 9.0);
        EXPECT_EQ(CauseOf([&] { c.operation(image); }, false), c.cause);
        EXPECT_EQ(folder.Read("COMETS.WDB"), c.after);
        EXPECT_EQ(CometName(image), c.image);
        EXPECT_EQ(image.perihelionDistance, c.q);
    }

    // A failed operation closes its file.
    {
        CatalogFile other("COMETS.WDB", CatalogFile::Mode::Read);
        CometRecord record{};
        EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(0, record); }), FileError::Cause::SharingViolation);
    }
    EXPECT_NO_THROW(CometCatalog::Append(Comet("x")));
}

TEST(SiteCatalog, NamesAndListsInTheStyleOfEachDialog)
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

// The dialogs' tests follow the choice from dialog to dialog; here, a
// catalogue changed outside the program.
TEST(Selection, ACatalogueThatShrankOrEmptiedKeepsTheLastRecordRead)
{
    SelectionState state;
    TempFolder folder;
    folder.Write("COMETS.WDB", Comets(6));
    ChooseComet(state, 5);
    folder.Write("COMETS.WDB", Comets(2));
    ChooseComet(state, 5);  // nothing read
    EXPECT_EQ(CometName(state.currentComet), "C6");

    folder.Write("COMETS.WDB", Comets(0));
    EXPECT_TRUE(ListCometsForMaintenance(state).empty());
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_NO_THROW(ChooseComet(state, CometIndexOnRequestOpening(state, 0)));
    EXPECT_EQ(CometName(state.currentComet), "C6");
}
