// Catalogue files: opening, reading, writing, the refusals and their French
// messages, and the Windows-1252 names and documents in UTF-8.

#include "platform/CatalogFile.h"
#include "platform/FileError.h"
#include "platform/Messages.h"
#include "platform/TextEncoding.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileError::Cause CauseOfOpening(const std::string& name, CatalogFile::Mode mode)
{
    try {
        CatalogFile file(name, mode);
    } catch (const FileError& error) {
        EXPECT_EQ(error.fileName(), name);
        return error.cause();
    }
    ADD_FAILURE() << "no FileError for " << name;
    return FileError::Cause::Generic;
}

} // namespace

TEST(CatalogFile, ReadsWritesAndResizesWithoutCreatingOrTruncating)
{
    TempFolder folder;
    EXPECT_EQ(CauseOfOpening("COMETS.WDB", CatalogFile::Mode::WriteExisting), FileError::Cause::FileNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "COMETS.WDB"));

    folder.Write("COMETS.WDB", "0123456789");
    {
        CatalogFile file("COMETS.WDB", CatalogFile::Mode::WriteExisting);
        file.Seek(2);
        file.Write("XY", 2);
    }
    EXPECT_EQ(folder.Read("COMETS.WDB"), "01XY456789");
    CatalogFile file("COMETS.WDB", CatalogFile::Mode::ReadWrite);
    char buffer[8] = {'-', '-', '-', '-', '-', '-', '-', '-'};
    file.Seek(6);
    EXPECT_EQ(file.Read(buffer, 8), 4u);  // a short read at the end
    EXPECT_EQ(std::string(buffer, 8), "6789----");
    file.Seek(20);
    EXPECT_EQ(file.Read(buffer, 8), 0u);
    file.SetLength(3);
    file.SeekToEnd();
    file.Write("!", 1);
    EXPECT_EQ(file.Length(), 4);
    try {  // a negative offset never reaches the file
        file.Seek(-140);
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::Cause::BadSeek);
    }
}

// A second opening is a sharing violation until the first closes; a folder, a
// refused file, a pipe or a device in a catalogue's place (which would block or
// fake a file) is refused at once.
TEST(CatalogFile, RefusedOpenings)
{
    TempFolder folder;
    folder.Write("COMETS.WDB", "");
    {
        CatalogFile first("COMETS.WDB", CatalogFile::Mode::Read);
        for (const auto mode : {CatalogFile::Mode::Read, CatalogFile::Mode::WriteExisting})
            EXPECT_EQ(CauseOfOpening("COMETS.WDB", mode), FileError::Cause::SharingViolation);
    }
    EXPECT_NO_THROW(CatalogFile("COMETS.WDB", CatalogFile::Mode::ReadWrite));

    std::filesystem::create_directory(folder.path() / "ASTERS.DTB");
    EXPECT_EQ(CauseOfOpening("ASTERS.DTB", CatalogFile::Mode::Read), FileError::Cause::AccessDenied);
    if (::geteuid() != 0) {  // root reads anything
        folder.Write("SITES.NDB", "x");
        ::chmod("SITES.NDB", 0);
        EXPECT_EQ(CauseOfOpening("SITES.NDB", CatalogFile::Mode::Read), FileError::Cause::AccessDenied);
    }
    ASSERT_EQ(::mkfifo("PIPE.WDB", 0600), 0);
    for (const char* name : {"PIPE.WDB", "/dev/zero"})
        for (const auto mode : {CatalogFile::Mode::Read, CatalogFile::Mode::WriteExisting})
            EXPECT_EQ(CauseOfOpening(name, mode), FileError::Cause::NotRegularFile) << name;
    EXPECT_EQ(FileError::CauseFromErrno(ENOSPC), FileError::Cause::DiskFull);
}

TEST(FileErrorText, NamesTheFileInTheStandardFrenchMessages)
{
    EXPECT_EQ(FileErrorText(FileError::Cause::FileNotFound, "COMETS.WDB"), "Impossible de trouver COMETS.WDB.");
    EXPECT_EQ(FileErrorText(FileError::Cause::AccessDenied, "SITES.NDB"), "L'accès à SITES.NDB a été refusé.");
    EXPECT_EQ(FileErrorText(FileError::Cause::SharingViolation, "ASTERS.DTB"),
              "Une violation de partage s'est produite lors de l'accès à ASTERS.DTB.");
    EXPECT_EQ(FileErrorText(FileError::Cause::DiskFull, "COMETS.WDB"), "Disque plein lors de l'accès à COMETS.WDB.");
    MessageRecorder recorder;
    ReportFileError(FileError(FileError::Cause::FileNotFound, "SITES.NDB"));
    EXPECT_EQ(recorder.Texts(), "Impossible de trouver SITES.NDB.");
    EXPECT_EQ(recorder.messages.at(0).icon, MessageIcon::Stop);
}

TEST(TextEncoding, FrenchTextTheEuroSignAndEveryByteBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("Com\xE8te \x80 \x9C"), "Comète € œ");
    EXPECT_EQ(Utf8ToWindows1252("Éphéméride ° ’"), "\xC9ph\xE9m\xE9ride \xB0 \x92");
    EXPECT_EQ(Windows1252ToCodePoint(0x81), U'\u0081');
    EXPECT_EQ(CodePointToWindows1252(U'\u0080'), -1);  // 0x80 is the euro sign, not U+0080
    // Unmappable and malformed input becomes the replacement.
    EXPECT_EQ(Utf8ToWindows1252("a\xE2\x82"), "a??");     // truncated sequence
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");       // overlong slash
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(Utf8ToWindows1252("ł😀x"), "??x");
}
