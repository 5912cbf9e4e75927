// The ephemeris document: open, save, size limit, clear all, new, save question, font, recent files.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "app/DocumentText.h"
#include "support/UiTestSupport.h"

#include <QMenu>
#include <QSettings>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace std::string_literals;

namespace {

// Lowers the largest file size this process may write, as a full disk would.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }
    rlimit previous{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
};

} // namespace

class Document : public AppTest {
protected:
    // As after File New: empty text, no name, nothing to save.
    bool IsNew()
    {
        return doc().Serialize().empty() && doc().GetTitle() == "sans nom" && doc().GetPathName().isEmpty() &&
               !doc().IsModified();
    }
};

TEST_F(Document, OpensAndSavesEveryByteUnchangedAndTypedTextInCrLf)
{
    ASSERT_TRUE(Start());
    std::string bytes = "\xC9ph\xE9m\xE9rides\r\n25/12/2004  \xB0\r\nCR seul\rLF seul\n\r\r\n\n\rNUL\0fin\r\n"s;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    folder.Write("essai.qav", bytes);
    ASSERT_TRUE(app().OpenDocumentFile(PathOf("essai.qav")));
    EXPECT_TRUE(!doc().IsModified() &&
                frame().windowTitle() == "essai.qav - Ephémérides et diagrammes de visibilité de comètes et astéroïdes");
    saveAnswers = {PathOf("copie.qav")};
    frame().OnCmdMsg(Cmd::FileSaveAs);
    EXPECT_TRUE(folder.Read("copie.qav") == bytes && doc().GetTitle() == "copie.qav");
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();

    // Typed text: Windows-1252, CR LF between lines, none at the end.
    frame().OnCmdMsg(Cmd::FileNew);
    view().setFocus();
    QTest::keyClicks(&view(), QStringLiteral("Com"));
    QTest::sendKeyEvent(QTest::Click, &view(), Qt::Key_Egrave, QString::fromUtf8("è"), Qt::NoModifier);
    QTest::keyClicks(&view(), QStringLiteral("te"));
    QTest::keyClick(&view(), Qt::Key_Return);
    QTest::keyClicks(&view(), QStringLiteral("x\ty"));
    EXPECT_TRUE(doc().IsModified());
    saveAnswers = {PathOf("tape.qav")};
    frame().OnCmdMsg(Cmd::FileSave);  // a new document asks for a name
    EXPECT_TRUE(folder.Read("tape.qav") == "Com\xE8te\r\nx\ty" && !doc().IsModified());
    frame().OnCmdMsg(Cmd::FileSave);  // then saves under it without asking
    EXPECT_EQ(saveDialogs, 2);
}

TEST_F(Document, SizeLimitAcceptsTheLastByteAndResetsBeyondIt)
{
    ASSERT_TRUE(Start());
    std::string full = std::string(1000, 'a') + "\r\n" + std::string(1047573, 'a');
    folder.Write("juste.qav", full);
    ASSERT_TRUE(app().OpenDocumentFile(PathOf("juste.qav")));
    // A megabyte without line ends wraps anywhere (between words would freeze
    // the window for a minute); a table wraps between words.
    EXPECT_TRUE(doc().Serialize() == full && view().wordWrapMode() == QTextOption::WrapAnywhere);

    folder.Write("trop.qav", full + "b");
    EXPECT_FALSE(app().OpenDocumentFile(PathOf("trop.qav")));
    EXPECT_EQ(messages.Texts(), "Le fichier est trop volumineux pour être ouvert.");
    EXPECT_TRUE(messages.messages[0].caption == "Qav" && IsNew());
    view().SetText("Date(0hET)    Asc.dr.\r\n 1/ 7/2020    5 55.39\r\n");
    EXPECT_EQ(view().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Typing stops at the limit; a line end takes two bytes.
    view().SetText(full.substr(0, 1048574));
    view().moveCursor(QTextCursor::End);
    QTest::keyClicks(&view(), QStringLiteral("bc"));
    EXPECT_EQ(view().ByteCount(), 1048575u);
    QTest::keyClick(&view(), Qt::Key_Return);
    EXPECT_EQ(view().ByteCount(), 1048575u);
}

TEST_F(Document, FilesThatCannotBeReadOrWrittenKeepTheText)
{
    ASSERT_TRUE(Start());
    view().SetText("mon texte");
    doc().SetModifiedFlag();
    std::filesystem::create_directory(folder.path() / "dossier.qav");
    ASSERT_EQ(::mkfifo((folder.path() / "tube.qav").c_str(), 0600), 0);  // would block the open
    for (const auto& [name, text] :
         {std::pair{"absent.qav", "Impossible de trouver absent.qav."},
          std::pair{"dossier.qav", "L'ouverture du document a échoué."},
          std::pair{"tube.qav", "tube.qav n'est pas un fichier ordinaire : Qav ne peut pas l'utiliser."}}) {
        messages.Clear();
        EXPECT_FALSE(app().OpenDocumentFile(PathOf(name)));
        EXPECT_EQ(messages.Texts(), text);
    }
    messages.Clear();
    saveAnswers = {PathOf("pas/de/dossier.qav")};
    frame().OnCmdMsg(Cmd::FileSaveAs);
    EXPECT_EQ(messages.Texts(), "dossier.qav contient un chemin d'accès incorrect.");
    EXPECT_TRUE(doc().Serialize() == "mon texte" && doc().IsModified() && doc().GetTitle() == "sans nom");
}

TEST_F(Document, AFailedSaveLeavesThePreviousFileWhole)
{
    ASSERT_TRUE(Start());
    folder.Write("ancien.qav", "ancien contenu");
    ASSERT_TRUE(app().OpenDocumentFile(PathOf("ancien.qav")));
    view().SetText(std::string(300000, 'x'));
    doc().SetModifiedFlag();
    {
        const FileSizeLimit full(64 * 1024);  // the disk fills up after 64 KB
        frame().OnCmdMsg(Cmd::FileSave);
    }
    EXPECT_TRUE(messages.messages.size() == 1 && folder.Read("ancien.qav") == "ancien contenu" && doc().IsModified());

    if (std::filesystem::exists("/dev/full")) {
        messages.Clear();
        // A device is written in place, never replaced by a file.
        saveAnswers = {QStringLiteral("/dev/full")};
        frame().OnCmdMsg(Cmd::FileSaveAs);
        EXPECT_EQ(messages.Texts(), "Disque plein lors de l'accès à full.");
        EXPECT_TRUE(doc().GetTitle() == "ancien.qav" && !std::filesystem::is_regular_file("/dev/full"));
    }
}

TEST_F(Document, ClearAllKeepsTheNameAndSavesAnEmptyFile)
{
    ASSERT_TRUE(Start());
    const auto path = folder.Write("eph.qav", "ligne 1\r\nligne 2\r\n");
    ASSERT_TRUE(app().OpenDocumentFile(PathOf("eph.qav")));
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(doc().Serialize().empty() && doc().IsModified());
    frame().OnCmdMsg(Cmd::FileSave);
    EXPECT_TRUE(saveDialogs == 0 && std::filesystem::file_size(path) == 0);
    frame().OnCmdMsg(Cmd::EditClearAll);  // always available, also on an empty text
    EXPECT_TRUE(doc().IsModified());
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().Serialize(), "ligne 1\r\nligne 2\r\n");
}

TEST_F(Document, SaveQuestionOnNewOpenAndQuit)
{
    ASSERT_TRUE(Start());
    view().SetText("a garder");
    doc().SetModifiedFlag();
    messages.answers = {MessageAnswer::Cancel};
    frame().OnCmdMsg(Cmd::FileNew);
    EXPECT_EQ(messages.Texts(), "Enregistrer les modifications apportées à sans nom?");
    EXPECT_TRUE(messages.messages[0].buttons == MessageButtons::YesNoCancel && doc().Serialize() == "a garder");

    messages.Clear();
    messages.answers = {MessageAnswer::Cancel};
    QTest::keyClick(&view(), Qt::Key_Escape);  // Esc quits, after the question
    EXPECT_TRUE(messages.messages.size() == 1 && frame().isVisible());

    messages.answers = {MessageAnswer::Yes};
    saveAnswers = {PathOf("garde.qav")};
    frame().OnCmdMsg(Cmd::FileNew);
    EXPECT_TRUE(folder.Read("garde.qav") == "a garder" && IsNew());

    view().SetText("perdu");
    doc().SetModifiedFlag();
    messages.answers = {MessageAnswer::No};
    openAnswers = {PathOf("garde.qav")};
    frame().OnCmdMsg(Cmd::FileOpen);
    EXPECT_EQ(doc().Serialize(), "a garder");

    bool ended = false;
    QObject::connect(&app(), &CQavApp::exitRequested, [&] { ended = true; });
    view().SetText("x");
    doc().SetModifiedFlag();
    messages.Clear();
    messages.answers = {MessageAnswer::No};
    frame().OnCmdMsg(Cmd::AppExit);
    EXPECT_TRUE(messages.messages.size() == 1 && ended && !frame().isVisible());
}

TEST_F(Document, FontDialogOffersTheFontInUseAndTheChoiceStays)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(view().font().family() == "Courier New" && view().font().pixelSize() == 15);
    // Courier New is drawn in Liberation Mono; 15 pixels at 96 dpi are
    // 15 x 72 / 96 = 11.25 points.
    fontAnswers = {std::nullopt};  // cancelled: nothing changes
    frame().OnCmdMsg(Cmd::ViewFont);
    EXPECT_TRUE(offeredFont.family() == "Liberation Mono" && offeredFont.pointSizeF() == 11.25 &&
                view().font().pixelSize() == 15);
    fontAnswers = {QFont(offeredFont.family(), 11)};  // OK on the font offered, its size rounded
    frame().OnCmdMsg(Cmd::ViewFont);
    EXPECT_EQ(view().font().pixelSize(), 15);

    fontAnswers = {QFont(QStringLiteral("Liberation Serif"), 16)};  // proportional: refused
    frame().OnCmdMsg(Cmd::ViewFont);
    EXPECT_TRUE(messages.Texts().find("chasse fixe") != std::string::npos && view().font().pixelSize() == 15);

    fontAnswers = {QFont(QStringLiteral("Liberation Mono"), 14)};
    frame().OnCmdMsg(Cmd::ViewFont);
    EXPECT_FALSE(doc().IsModified());  // a font is no change of the text
    // Kept in the settings: New (as the next run) starts with it.
    frame().OnCmdMsg(Cmd::FileNew);
    EXPECT_TRUE(view().font().family() == "Liberation Mono" && view().font().pointSize() == 14);
}

TEST_F(Document, RecentFilesKeepTheLastFourInTheSettings)
{
    ASSERT_TRUE(Start());
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << PathOf("f" + std::to_string(i) + ".qav");
        folder.Write("f" + std::to_string(i) + ".qav", "texte " + std::to_string(i));
        ASSERT_TRUE(app().OpenDocumentFile(paths.back()));
    }
    const QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Qav"));
    EXPECT_TRUE(settings.value("Recent File List/File1") == paths[4] && settings.value("Recent File List/File4") == paths[1] &&
                !settings.contains("Recent File List/File5"));

    // The File menu lists them, most recent first, in place of "Fichier récent".
    emit frame().recentFileMenu()->aboutToShow();
    EXPECT_TRUE(frame().action(Cmd::FileMru1)->text() == "&1 f5.qav" &&
                frame().action(Cmd::FileMru4)->text() == "&4 f2.qav" && frame().action(Cmd::FileMru4)->isEnabled());

    // Entry 2 is f4.qav; once deleted, choosing it reports the failure and drops it.
    std::filesystem::remove(paths[3].toStdString());
    frame().OnCmdMsg(Cmd::FileMru1 + 1);
    EXPECT_TRUE(messages.Texts() == "Impossible de trouver f4.qav." &&
                app().recentFiles().files() == QStringList({paths[4], paths[2], paths[1]}));
    frame().OnCmdMsg(Cmd::FileMru1 + 2);
    EXPECT_TRUE(doc().Serialize() == "texte 2" && app().recentFiles().files().front() == paths[1]);

    app().setPreviewPages(2);
    app().ExitInstance();
    EXPECT_EQ(QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Qav"))
                  .value(QStringLiteral("Settings/PreviewPages")).toInt(), 2);
}

TEST_F(Document, CommandLineOpensTheFile)
{
    folder.Write("ligne.qav", "depuis la ligne de commande");
    ASSERT_TRUE(Start({PathOf("ligne.qav")}));
    EXPECT_TRUE(doc().Serialize() == "depuis la ligne de commande" && doc().GetTitle() == "ligne.qav");
}

TEST_F(Document, CommandLineWithAMissingFileEndsStartUp)
{
    EXPECT_FALSE(Start({QStringLiteral("absent.qav")}));
    EXPECT_TRUE(app().exitCode() == 1 && messages.Texts() == "Impossible de trouver absent.qav.");
}

TEST(DocumentText, LineEndsAndStrayBytesAndTheBytesStored)
{
    EXPECT_EQ(DocumentBytesToText("a\r\nb") + "|" + DocumentBytesToText("a\rb\nc") + "|" +
                  DocumentBytesToText(std::string("a\0b", 3)) + "|" + DocumentBytesToText("D\xE9" "c. \xB0"),
              QString::fromUtf8("a\nb|a␍b␊c|a␀b|Déc. °"));
    // Paragraph and line separators of the editor are CR LF in the file.
    EXPECT_EQ(DocumentTextToBytes(QString::fromUtf8("a\u2029b\u2028c\nd😀")), "a\r\nb\r\nc\r\nd?");
    EXPECT_EQ(DocumentByteCount(QString::fromUtf8("ab\ncd😀")), 7u);
}
