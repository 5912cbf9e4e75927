#include "catalog/CometCatalog.h"
#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

CometRecord Comet(const std::string& name, double q = 1.0)
{
    CometRecord comet{};
    SetCometName(comet, name);
    SetCometReference(comet, "MPC " + name);
    comet.perihelionDistance = q;
    return comet;
}

std::string Bytes(const CometRecord& comet)
{
    return std::string(reinterpret_cast<const char*>(&comet), sizeof comet);
}

// Records C1, C2, ... with q = 1, 2, ...
std::string Catalog(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += Bytes(Comet("C" + std::to_string(k), k));
    return bytes;
}

FileError::Cause CauseOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const FileError& error) {
        EXPECT_EQ(error.fileName(), "COMETS.WDB");
        return error.cause();
    }
    ADD_FAILURE() << "no FileError";
    return FileError::Cause::Generic;
}

} // namespace

TEST(CometCatalog, AppendWritesTheLayoutAtItsOffsets)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", "");
    CometRecord comet = Comet("1P/Halley", 0.586);
    comet.perihelionTime = 31452.75;
    comet.equinox = 1950;
    EXPECT_EQ(CometCatalog::Append(comet), 0);

    const std::string bytes = folder.Read("COMETS.WDB");
    ASSERT_EQ(bytes.size(), 140u);
    EXPECT_EQ(bytes.substr(0, 10), std::string("1P/Halley\0", 10));
    EXPECT_EQ(bytes.substr(36, 14), std::string("MPC 1P/Halley\0", 14));
    double time = 0, q = 0;
    std::memcpy(&time, bytes.data() + 72, 8);
    std::memcpy(&q, bytes.data() + 112, 8);
    EXPECT_EQ(time, 31452.75);
    EXPECT_EQ(q, 0.586);
    EXPECT_EQ(bytes.substr(136, 4), std::string("\x9e\x07\0\0", 4));  // 1950, little-endian

    EXPECT_EQ(CometCatalog::Append(Comet(std::string(40, 'x'))), 1);  // 35 characters and a NUL
    EXPECT_EQ(folder.Read("COMETS.WDB").substr(140, 36), std::string(35, 'x') + '\0');
}

TEST(CometCatalog, ListsWholeRecordsThroughTheBuffer)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Catalog(2) + std::string(20, '\x7f'));  // 300 bytes
    CometRecord buffer = Comet("before");
    EXPECT_EQ(CometCatalog::List(buffer), (std::vector<CometListEntry>{"    1    C1", "    2    C2"}));
    EXPECT_EQ(CometName(buffer), "C2");  // the last record stays in the buffer

    folder.Write("COMETS.WDB", "");
    EXPECT_TRUE(CometCatalog::List(buffer).empty());
    EXPECT_EQ(CometName(buffer), "C2");

    folder.Write("COMETS.WDB", Catalog(100) + std::string(140, '\xff'));  // a damaged last record
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
    folder.Write("COMETS.WDB", Catalog(2).substr(0, 210));  // record 2 cut after 70 bytes
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
    const std::string five = Catalog(5);
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
    const std::string three = Catalog(3);
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
    folder.Write("COMETS.WDB", Catalog(2));
    {
        CatalogFile other("COMETS.WDB", CatalogFile::Mode::Read);
        EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(0, record); }), FileError::Cause::SharingViolation);
    }
    EXPECT_EQ(CauseOf([&] { CometCatalog::Rewrite(7, record); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CometCatalog::List(record).size(), 2u);  // the failed operation closed its file
}
