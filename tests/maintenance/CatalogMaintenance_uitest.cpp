// Comet and site catalogue maintenance: the bytes each button writes, where the
// indexes stand afterwards, and what refused values and unusable files leave.

#include "app/CMainFrame.h"
#include "app/Commands.h"
#include "catalog/RecordDisplayDlg.h"
#include "maintenance/CCometBaseDlg.h"
#include "maintenance/CSiteBaseDlg.h"
#include "platform/CatalogFile.h"
#include "support/DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <bit>
#include <cstdint>
#include <filesystem>

namespace {

using CometBase = SelectionDialogTest;
using SiteBase = SelectionDialogTest;

static_assert(std::endian::native == std::endian::little);
std::string Bits(std::uint64_t bits) { return std::string(reinterpret_cast<const char*>(&bits), 8); }

// C/2023 A3 as typed below, written by hand field by field (doubles as their
// IEEE bits, from Python's float arithmetic): angles are degrees x 0.01745329252.
const std::string kTsuchinshan = std::string("Com\xe8te C/2023 A3 Tsuchinshan-ATLAS \0", 36) +  // cut at 35
                                 std::string("MPEC 2024-S56") + std::string(23, '\0') +
                                 Bits(0x40e63f2800000000) +  // T 45561.25: JD 2460581.25 - 2415020
                                 Bits(0x4015896ee6592057) +  // omega 308.49263
                                 Bits(0x3fd8151e57a7bd5b) +  // Omega 21.55977
                                 Bits(0x40036c6daef36a52) +  // i 139.11092
                                 Bits(0x3ff00068db8bac71) +  // e 1.0001
                                 Bits(0x3fd90cb295e9e1b1) +  // q 0.3914
                                 Bits(0x4016000000000000) +  // 5.5
                                 Bits(0x401d333333333333) +  // 7.3
                                 std::string("\xd0\x07\0\0", 4);  // 2000

const int kFields[] = {1060, 1061, 1053, 1102, 1103, 1056, 1057, 1058, 1063, 1064, 1065};

void TypeNewComet(QWidget* entry)
{
    const char* texts[] = {"Comète C/2023 A3 Tsuchinshan-ATLAS 2024", "MPEC 2024-S56", "27.75/9/2024", "308.49263",
                           "21.55977", "139.11092", "1.0001", "0.3914", "2000", "5.5", "7.3"};
    for (int k = 0; k < 11; ++k)
        Type(entry, kFields[k], QString::fromUtf8(texts[k]));
}

std::vector<std::string> Names(const std::string& bytes) { return RecordNames<CometRecord>(bytes, CometName); }
std::vector<std::string> SiteNames(const std::string& bytes) { return RecordNames<SiteRecord>(bytes, SiteName); }

void TypeSite(const QWidget* dialog, const QString& name, const QString& latitude, const QString& longitude)
{
    Type(dialog, 1082, name);
    Type(dialog, 1064, latitude);
    Type(dialog, 1065, longitude);
}

} // namespace

TEST_F(CometBase, AdditionRefusesBadValuesThenGoesLastAndBecomesTheCurrentComet)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 4);
    CCometBaseDlg dialog;
    // Listing leaves the last comet chosen and in the current comet.
    EXPECT_EQ(std::tuple(dialog.list()->currentIndex(), state.cometIndex, RecordBytes(state.currentComet)),
              std::tuple(3, 3, before.substr(420)));

    WhenModalShown([&](QWidget* entry) {
        EXPECT_EQ(FieldText(entry, 1063), QStringLiteral("2000"));
        TypeNewComet(entry);
        // Refusals first, each leaving the entry open and writing nothing; an
        // empty date is refused without a message.
        for (const auto& [id, text, message] :
             {std::tuple{1056, "-12.5", "Erreur de saisie ! Recommencez !"}, std::tuple{1053, "", ""},
              std::tuple{1063, "2000.5", "Erreur de saisie ! Recommencez !"},
              std::tuple{1058, "0", "Erreur ! La distance au périhélie doit être comprise entre 0.0001 et 1000000 UA."
                                    "\n\nRecommencez !"},
              std::tuple{1057, "101", "Erreur ! L'excentricité doit être comprise entre 0 et 100.\n\nRecommencez !"},
              std::tuple{1053, "1/1/10000", "Erreur ! L'année doit être comprise entre -999 et 9999.\n\nRecommencez !"}})
            ExpectRefused(messages, static_cast<QDialog*>(entry), id, QString::fromUtf8(text), message);
        // Values read before a refused one are already in the current comet.
        EXPECT_EQ(RecordBytes(state.currentComet).substr(88, 8), kTsuchinshan.substr(88, 8));
        Press(entry, 1);
    });
    Press(&dialog, 1093);
    EXPECT_EQ(folder.Read("COMETS.WDB"), before + kTsuchinshan);
    // Listed at once and chosen, as the comet the magnitude tools rewrite.
    EXPECT_EQ(std::tuple(dialog.list()->count(), dialog.list()->currentIndex(), state.cometIndex),
              std::tuple(5, 4, 4));
    EXPECT_EQ(RecordBytes(state.currentComet), kTsuchinshan);
}

// Non-integer coefficients, distinct angles: a swapped field or one shown
// with the wrong precision changes the bytes written back.
TEST_F(CometBase, UnchangedModificationWritesBackEveryFieldAsShown)
{
    std::string before = SampleRecords(folder, "COMETS.WDB", 140, 5);
    folder.Write("COMETS.WDB", before.replace(280, 140, kTsuchinshan));
    CCometBaseDlg dialog;

    // A cancelled modification keeps the chosen index and the list.
    dialog.list()->setCurrentIndex(1);
    AnswerNextModal(QStringLiteral("Annuler"));
    Press(&dialog, 1096);
    EXPECT_EQ(std::pair(state.cometIndex, dialog.list()->currentIndex()), std::pair(1, 1));

    dialog.list()->setCurrentIndex(2);
    QStringList shown;
    WhenModalShown([&shown](QWidget* entry) {
        for (const int id : kFields)
            shown << FieldText(entry, id);
        Press(entry, 1);
    });
    Press(&dialog, 1096);
    EXPECT_EQ(shown.join(" | "), QStringLiteral("Comète C/2023 A3 Tsuchinshan-ATLAS  | MPEC 2024-S56 | 27.75000/9/2024 | "
                                                "308.49263 | 21.55977 | 139.11092 | 1.0001000 | 0.3914000 | "
                                                "2000 | 5.5 | 7.3"));
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
    // Rebuilt: the last comet is chosen again.
    EXPECT_EQ(std::pair(state.cometIndex, dialog.list()->currentIndex()), std::pair(4, 4));
    // A value finer than shown is rounded to what was shown.
    CometRecord finer = RecordAt<CometRecord>(before, 3);
    finer.eccentricity = 0.123456789;
    folder.Write("COMETS.WDB", before.replace(420, 140, RecordBytes(finer)));
    dialog.list()->setCurrentIndex(3);
    AnswerNextModal(QStringLiteral("OK"));
    Press(&dialog, 1096);
    EXPECT_EQ(RecordAt<CometRecord>(folder.Read("COMETS.WDB"), 3).eccentricity, 0.1234568);
}

// Both catalogues from the same choices: the comet dialog then chooses the
// last comet, the site dialog the site that followed the deleted one.
TEST_F(CometBase, DeletionAsksFirstAndMovesTheLaterRecordsDown)
{
    const std::vector<std::string> comets = Names(SampleRecords(folder, "COMETS.WDB", 140, 3));
    const std::vector<std::string> sites = SiteNames(SampleRecords(folder, "SITES.NDB", 64, 3));
    struct Case { std::size_t records; int chosen; std::vector<int> left; int cometIndex, siteIndex; };
    for (const Case& c : {Case{3, 0, {1, 2}, 1, 0}, Case{3, 1, {0, 2}, 1, 1}, Case{3, 2, {0, 1}, 1, 1},
                          Case{1, 0, {}, -1, 0}}) {
        SCOPED_TRACE(c.chosen);
        const std::string before = SampleRecords(folder, "COMETS.WDB", 140, c.records) +
                                   SampleRecords(folder, "SITES.NDB", 64, c.records);
        CCometBaseDlg cometDialog;
        CSiteBaseDlg siteDialog;
        cometDialog.list()->setCurrentIndex(c.chosen);
        siteDialog.list()->setCurrentIndex(c.chosen);
        // "Non", Escape and Enter (which answers "Non") change nothing.
        AnswerNextModal(QStringLiteral("Non"));
        Press(&siteDialog, 1080);
        WhenModalShown([](QWidget* question) { QTest::keyClick(question, Qt::Key_Escape); });
        Press(&cometDialog, 1097);
        WhenModalShown([](QWidget* question) {
            EXPECT_EQ(question->windowTitle(), QStringLiteral("Mise à jour des enregistrements"));
            QTest::keyClick(question->focusWidget(), Qt::Key_Return);
        });
        Press(&cometDialog, 1097);
        EXPECT_EQ(folder.Read("COMETS.WDB") + folder.Read("SITES.NDB"), before);

        AnswerNextModal(QStringLiteral("Oui"));
        Press(&cometDialog, 1097);
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&siteDialog, 1080);
        std::vector<std::string> cometsLeft, sitesLeft;
        for (const int k : c.left) {
            cometsLeft.push_back(comets[k]);
            sitesLeft.push_back(sites[k]);
        }
        EXPECT_EQ(Names(folder.Read("COMETS.WDB")), cometsLeft);
        EXPECT_EQ(SiteNames(folder.Read("SITES.NDB")), sitesLeft);
        EXPECT_EQ((std::vector{state.cometIndex, cometDialog.list()->currentIndex(), state.siteIndex,
                               siteDialog.list()->currentIndex()}),
                  (std::vector{c.cometIndex, c.cometIndex, c.siteIndex, c.left.empty() ? -1 : c.siteIndex}));
    }
    // Nothing left: the user is told, the files are not touched.
    CCometBaseDlg noComet;
    CSiteBaseDlg noSite;
    Press(&noComet, 1096);
    Press(&noComet, 1097);
    Press(&noSite, 1080);
    EXPECT_EQ(messages.Texts(), "La liste est vide : il n'y a aucun enregistrement à modifier. | "
                                "La liste est vide : il n'y a aucun enregistrement à supprimer. | "
                                "La liste est vide : il n'y a aucun enregistrement à supprimer.");
    EXPECT_EQ(folder.Read("COMETS.WDB") + folder.Read("SITES.NDB"), "");
}

// Another program holding a catalogue: every button says so and writes
// nothing. A missing one: the file error again, never an empty list.
TEST_F(CometBase, FileErrorsAreReportedAndLeaveTheCataloguesAsTheyWere)
{
    const std::string comets = SampleRecords(folder, "COMETS.WDB", 140, 3);
    const std::string sites = SampleRecords(folder, "SITES.NDB", 64, 3);
    const auto addAndStayOpen = [] {
        WhenModalShown([](QWidget* entry) {
            TypeNewComet(entry);
            Press(entry, 1);
            EXPECT_TRUE(entry->isVisible());  // the typed values wait for another try
            Press(entry, 2);
        });
    };
    // A deletion asks first only when the list could be read.
    const auto tryEveryButton = [&](const QDialog& cometDialog, const QDialog& siteDialog, bool asked) {
        Press(&cometDialog, 1096);  // the record cannot be read: no entry opens
        if (asked)
            AnswerNextModal(QStringLiteral("Oui"));
        Press(&cometDialog, 1097);
        addAndStayOpen();
        Press(&cometDialog, 1093);
        TypeSite(&siteDialog, QStringLiteral("Paris"), QStringLiteral("48.5130"), QStringLiteral("-2.2014"));
        Press(&siteDialog, 1108);
        if (asked)
            AnswerNextModal(QStringLiteral("Oui"));
        Press(&siteDialog, 1080);
    };
    {
        CCometBaseDlg cometDialog;
        CSiteBaseDlg siteDialog;
        cometDialog.list()->setCurrentIndex(1);
        siteDialog.list()->setCurrentIndex(2);
        const CatalogFile cometLock("COMETS.WDB", CatalogFile::Mode::Read);
        const CatalogFile siteLock("SITES.NDB", CatalogFile::Mode::Read);
        tryEveryButton(cometDialog, siteDialog, true);
        const std::string locked = "Une violation de partage s'est produite lors de l'accès à ";
        EXPECT_EQ(messages.Texts(), locked + "COMETS.WDB. | " + locked + "COMETS.WDB. | " + locked + "COMETS.WDB. | " +
                                        locked + "SITES.NDB. | " + locked + "SITES.NDB.");
        EXPECT_TRUE(cometDialog.list()->count() + siteDialog.list()->count() == 6 && state.siteIndex == 2);
    }
    EXPECT_EQ(folder.Read("COMETS.WDB") + folder.Read("SITES.NDB"), comets + sites);

    messages.Clear();
    std::filesystem::remove(folder.path() / "COMETS.WDB");
    std::filesystem::remove(folder.path() / "SITES.NDB");
    CCometBaseDlg cometDialog;
    CSiteBaseDlg siteDialog;
    EXPECT_EQ(state.cometIndex, -1);
    tryEveryButton(cometDialog, siteDialog, false);
    const std::string comet = "Impossible de trouver COMETS.WDB.", site = "Impossible de trouver SITES.NDB.";
    EXPECT_EQ(messages.Texts(), comet + " | " + site + " | " + comet + " | " + comet + " | " + comet + " | " + site +
                                    " | " + site);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "SITES.NDB"));
}

TEST_F(SiteBase, RecordingChecksNameLatitudeLongitudeThenAppendsAndChoosesTheNewSite)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    CSiteBaseDlg dialog;
    dialog.show();
    ASSERT_EQ(dialog.list()->count(), 3);
    EXPECT_TRUE(dialog.list()->itemText(2).startsWith(QStringLiteral("  3    ")));
    // With no site chosen the first one is, and read.
    EXPECT_EQ(std::pair(state.siteIndex, RecordBytes(state.currentSite)), std::pair(0, before.substr(0, 64)));

    // The name message leaves the focus where it was.
    Control<QLineEdit>(&dialog, 1065)->setFocus();
    for (const auto& [name, latitude, longitude, message, focus] :
         {std::tuple{"", "91.0000", "", "Étourdi ! Vous avez oublié de nommer le site !", 1065},
          std::tuple{"Mégantic", "91.0000", "", "Erreur ! La latitude doit être comprise entre 90° et -90°.", 1064},
          std::tuple{"Mégantic", "45.2718", "12.60", "Erreur de saisie ! Recommencez !", 1065}}) {
        messages.Clear();
        TypeSite(&dialog, QString::fromUtf8(name), latitude, longitude);
        Press(&dialog, 1108);
        EXPECT_EQ(messages.Texts(), message);
        EXPECT_EQ(FocusName(&dialog), QString::number(focus));
        EXPECT_EQ(Control<QLineEdit>(&dialog, focus)->selectedText(), FieldText(&dialog, focus));
    }
    // Enter in a field records as the button does, instead of closing the dialog.
    QTest::keyClick(Control<QLineEdit>(&dialog, 1065), Qt::Key_Return);
    EXPECT_TRUE(messages.messages.size() == 2u && dialog.isVisible());
    // The name and the latitude read before the refused longitude stay stored.
    EXPECT_EQ(SiteName(state.currentSite), "M\xe9gantic");
    EXPECT_DOUBLE_EQ(state.currentSite.latitude, (45 + 27 / 60.0 + 18 / 3600.0) * 0.01745329252);
    EXPECT_EQ(folder.Read("SITES.NDB"), before);

    // 48°51'30" N, 2°20'14" E: longitudes are hours counted westwards.
    messages.Clear();
    TypeSite(&dialog, QStringLiteral("Paris"), QStringLiteral("48.5130"), QStringLiteral("-2.2014"));
    Press(&dialog, 1108);
    const std::string after = folder.Read("SITES.NDB");
    ASSERT_EQ(after.size(), 256u);
    const SiteRecord paris = RecordAt<SiteRecord>(after, 3);
    EXPECT_EQ(after.substr(0, 240), before + "Paris" + std::string(43, '\0'));
    EXPECT_DOUBLE_EQ(paris.latitude, (48 + 51 / 60.0 + 30 / 3600.0) * 0.01745329252);
    EXPECT_DOUBLE_EQ(paris.longitude, -(2 + 20 / 60.0 + 14 / 3600.0) / 15);
    EXPECT_EQ(std::tuple(state.siteIndex, dialog.list()->currentIndex(), RecordBytes(state.currentSite)),
              std::tuple(3, 3, RecordBytes(paris)));
    EXPECT_EQ(FieldText(&dialog, 1065), QStringLiteral("-2.2014"));

    // Every choice reads its site; the display shows the one chosen.
    dialog.list()->setCurrentIndex(1);
    EXPECT_EQ(state.siteIndex, 1);
    Press(&dialog, 1109);
    ASSERT_NE(dialog.findChild<CSiteCoordinatesDlg*>(), nullptr);
    EXPECT_EQ(Control<QLabel>(dialog.findChild<CSiteCoordinatesDlg*>(), 1010)->text(), "Observatoire de Haute-Provence");
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}

using MaintenanceCommands = AppTest;

// The command forgets a site chosen elsewhere: its dialog starts from the first.
TEST_F(MaintenanceCommands, SiteBaseStartsFromTheFirstSite)
{
    folder.CopySample("SITES.NDB");
    ASSERT_TRUE(Start());
    Selection().siteIndex = 5;
    int index = -2;
    WhenModalShown([&index](QWidget* dialog) {
        index = Selection().siteIndex;
        static_cast<QDialog*>(dialog)->reject();
    });
    frame().OnCmdMsg(Cmd::SiteBase);
    EXPECT_EQ(index, 0);
    ResetSelection();
}
