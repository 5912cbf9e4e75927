#include "catalog/CometCatalog.h"
#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace {

CometRecord Comet(const std::string& name, double q = 1.0)
{
    CometRecord comet{};
    SetCometName(comet, name);
    SetCometReference(comet, "MPC " + name);
    comet.perihelionDistance = q;
    comet.eccentricity = 0.5;
    comet.equinox = 2000;
    return comet;
}

std::string Bytes(const CometRecord& comet)
{
    return std::string(reinterpret_cast<const char*>(&comet), sizeof comet);
}

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

TEST(CometRecord, NamesAreBoundedBothWays)
{
    CometRecord comet{};
    SetCometName(comet, std::string(40, 'x'));
    EXPECT_EQ(CometName(comet), std::string(35, 'x'));
    EXPECT_EQ(comet.name[35], '\0');
    SetCometName(comet, "Halley");
    EXPECT_EQ(std::string(comet.name, 36), "Halley" + std::string(30, '\0'));

    // A damaged record whose name has no NUL: read up to the field's end only.
    std::memset(comet.name, 'N', sizeof comet.name);
    std::memset(comet.reference, 'R', sizeof comet.reference);
    EXPECT_EQ(CometName(comet), std::string(36, 'N'));
    EXPECT_EQ(CometReference(comet), std::string(36, 'R'));
}

TEST(CometCatalog, AppendWritesTheRecordLayoutAtItsOffsets)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", "");
    CometRecord comet = Comet("1P/Halley", 0.586);
    comet.perihelionTime = 31452.75;
    comet.magnitudeCoef2 = -2.5;
    comet.equinox = 1950;
    EXPECT_EQ(CometCatalog::Append(comet), 0);

    const std::string bytes = folder.Read("COMETS.WDB");
    ASSERT_EQ(bytes.size(), 140u);
    EXPECT_EQ(bytes.substr(0, 10), std::string("1P/Halley\0", 10));
    EXPECT_EQ(bytes.substr(36, 14), std::string("MPC 1P/Halley\0", 14));
    double time = 0, q = 0, coef2 = 0;
    std::memcpy(&time, bytes.data() + 72, 8);
    std::memcpy(&q, bytes.data() + 112, 8);
    std::memcpy(&coef2, bytes.data() + 128, 8);
    EXPECT_EQ(time, 31452.75);
    EXPECT_EQ(q, 0.586);
    EXPECT_EQ(coef2, -2.5);
    EXPECT_EQ(bytes.substr(136, 4), std::string("\x9e\x07\0\0", 4));  // 1950, little-endian
}

TEST(CometCatalog, ListsWholeRecordsThroughTheBuffer)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", Catalog(2) + std::string(20, '\x7f'));  // 300 bytes
    CometRecord buffer = Comet("before");
    const std::vector<CometListEntry> entries = CometCatalog::List(buffer);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "    1    C1");
    EXPECT_EQ(entries[1], "    2    C2");
    EXPECT_EQ(CometName(buffer), "C2");  // the last record is left in the buffer

    folder.Write("COMETS.WDB", "");
    EXPECT_TRUE(CometCatalog::List(buffer).empty());
    EXPECT_EQ(CometName(buffer), "C2");

    folder.Write("COMETS.WDB", Catalog(100));
    const std::vector<CometListEntry> many = CometCatalog::List(buffer);
    EXPECT_EQ(many[8], "    9    C9");
    EXPECT_EQ(many[9], "  10    C10");
    EXPECT_EQ(many[98], "  99    C99");
    EXPECT_EQ(many[99], "100    C100");
}

TEST(CometCatalog, ReadPastTheEndKeepsTheRestOfTheImage)
{
    TempFolder folder;
    const std::string two = Catalog(2);
    folder.Write("COMETS.WDB", two.substr(0, 210));  // record 2 cut after 70 bytes
    CometRecord record = Comet("image", 9.0);
    CometCatalog::Read(1, record);
    EXPECT_EQ(CometName(record), "C2");
    EXPECT_EQ(record.perihelionDistance, 9.0);  // at offset 112, not read

    CometCatalog::Read(0, record);
    EXPECT_EQ(record.perihelionDistance, 1.0);
    CometCatalog::Read(5, record);
    EXPECT_EQ(CometName(record), "C1");
}

TEST(CometCatalog, RecordMinusOneIsNoRecordNotANegativeSeek)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", "");
    CometRecord record = Comet("kept");
    EXPECT_NO_THROW(CometCatalog::Read(-1, record));
    EXPECT_EQ(CometName(record), "kept");
}

TEST(CometCatalog, AppendAndRewriteChangeOnlyTheirRecord)
{
    TempFolder folder;
    const std::string five = Catalog(5);
    folder.Write("COMETS.WDB", five);
    CometCatalog::Rewrite(2, Comet("new"));
    const std::string rewritten = folder.Read("COMETS.WDB");
    EXPECT_EQ(rewritten.substr(0, 280), five.substr(0, 280));
    EXPECT_EQ(rewritten.substr(280, 140), Bytes(Comet("new")));
    EXPECT_EQ(rewritten.substr(420), five.substr(420));

    // Rewriting a record that is not there would leave zero-filled records.
    EXPECT_EQ(CauseOf([] { CometCatalog::Rewrite(5, Comet("x")); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CauseOf([] { CometCatalog::Rewrite(-1, Comet("x")); }), FileError::Cause::BadSeek);
    EXPECT_EQ(folder.Read("COMETS.WDB"), rewritten);

    // A trailing partial record is overwritten: the new one starts on a boundary.
    folder.Write("COMETS.WDB", five.substr(0, 300));
    EXPECT_EQ(CometCatalog::Append(Comet("appended")), 2);
    const std::string appended = folder.Read("COMETS.WDB");
    ASSERT_EQ(appended.size(), 420u);
    EXPECT_EQ(appended.substr(0, 280), five.substr(0, 280));
    EXPECT_EQ(appended.substr(280), Bytes(Comet("appended")));
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

    // The last record: cut off, nothing moved, the image untouched.
    image = Comet("image");
    CometCatalog::Delete(1, image);
    EXPECT_EQ(folder.Read("COMETS.WDB"), three.substr(140, 140));
    EXPECT_EQ(CometName(image), "image");

    CometCatalog::Delete(0, image);
    EXPECT_EQ(folder.Read("COMETS.WDB"), "");
}

TEST(CometCatalog, DeletingARecordThatIsNotThereChangesNothing)
{
    TempFolder folder;
    const std::string two = Catalog(2);
    folder.Write("COMETS.WDB", two);
    CometRecord image = Comet("image");
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(2, image); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(-1, image); }), FileError::Cause::BadSeek);
    EXPECT_EQ(folder.Read("COMETS.WDB"), two);
    EXPECT_EQ(CometName(image), "image");
}

TEST(CometCatalog, MissingAndLockedFilesFailAndLeaveNothingLocked)
{
    TempFolder folder;
    CometRecord record{};
    EXPECT_EQ(CauseOf([&] { CometCatalog::List(record); }), FileError::Cause::FileNotFound);
    EXPECT_EQ(CauseOf([&] { CometCatalog::Append(record); }), FileError::Cause::FileNotFound);
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(0, record); }), FileError::Cause::FileNotFound);

    folder.Write("COMETS.WDB", Catalog(2));
    {
        CatalogFile other("COMETS.WDB", CatalogFile::Mode::Read);
        EXPECT_EQ(CauseOf([&] { CometCatalog::Read(0, record); }), FileError::Cause::SharingViolation);
        EXPECT_EQ(CauseOf([&] { CometCatalog::Rewrite(0, record); }), FileError::Cause::SharingViolation);
    }
    // A failed operation closed its file: the next one opens it.
    EXPECT_EQ(CauseOf([&] { CometCatalog::Delete(7, record); }), FileError::Cause::BadSeek);
    EXPECT_EQ(CometCatalog::List(record).size(), 2u);
}

TEST(CometCatalog, DamagedRecordsListWithoutReadingPastTheirFields)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", std::string(140, '\xff') + Catalog(1));
    CometRecord buffer{};
    const std::vector<CometListEntry> entries = CometCatalog::List(buffer);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "    1    " + std::string(36, '\xff'));
    EXPECT_EQ(entries[1], "    2    C1");
}

TEST(CometCatalog, SampleCatalogue)
{
    TempFolder folder;
    folder.CopySample("COMETS.WDB");
    CometRecord buffer{};
    const std::vector<CometListEntry> entries = CometCatalog::List(buffer);
    ASSERT_EQ(entries.size(), 24u);
    EXPECT_NE(entries[0].find("1P/Halley"), std::string::npos);
    int parabolas = 0, hyperbolas = 0;
    for (int k = 0; k < 24; ++k) {
        CometCatalog::Read(k, buffer);
        EXPECT_TRUE(buffer.equinox == 2000) << CometName(buffer);
        parabolas += buffer.eccentricity == 1.0;
        hyperbolas += buffer.eccentricity > 3;
    }
    EXPECT_EQ(parabolas, 1);
    EXPECT_EQ(hyperbolas, 1);
}
