// Comet catalogue maintenance on temporary catalogues: what each button
// writes, where cometIndex stands afterwards, and what a refused value or a
// file that cannot be used leaves behind.

#include "catalog/SelectionState.h"
#include "core/CFormat.h"
#include "core/Calendar.h"
#include "maintenance/CCometBaseDlg.h"
#include "platform/CatalogFile.h"
#include "platform/Messages.h"
#include "platform/QtText.h"
#include "support/DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <filesystem>

namespace {

const QString kEntryTitle = QStringLiteral("Comètes : mise à jour de la base de données");
const std::string kInputError = "Erreur de saisie ! Recommencez !";
const std::string kLocked = "Une violation de partage s'est produite lors de l'accès à COMETS.WDB.";

class CometBase : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }

    TempFolder folder;
    MessageRecorder messages;
    SelectionState& state = Selection();
};

// A valid new comet, typed in French texts, with a 39-character name.
void TypeNewComet(QWidget* entry)
{
    Type(entry, 1060, QStringLiteral("Comète C/2023 A3 Tsuchinshan-ATLAS 2024"));
    Type(entry, 1061, QStringLiteral("MPEC 2024-S56"));
    Type(entry, 1053, QStringLiteral("27.74140/9/2024"));
    Type(entry, 1102, QStringLiteral("308.49"));
    Type(entry, 1103, QStringLiteral("21.56"));
    Type(entry, 1056, QStringLiteral("12.5"));
    Type(entry, 1057, QStringLiteral("1.0001"));
    Type(entry, 1058, QStringLiteral("0.391"));
    Type(entry, 1064, QStringLiteral("5.5"));
    Type(entry, 1065, QStringLiteral("10"));
}

std::vector<std::string> Names(const std::string& bytes)
{
    std::vector<std::string> names;
    for (std::size_t k = 0; k < bytes.size() / sizeof(CometRecord); ++k)
        names.push_back(CometName(RecordAt<CometRecord>(bytes, k)));
    return names;
}

} // namespace

TEST_F(CometBase, AdditionGoesAfterTheLastRecordAndIsListedFromTheNextOpening)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 4);
    CCometBaseDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gestion de la base de données des comètes"));
    ASSERT_EQ(dialog.list()->count(), 4);
    EXPECT_EQ(dialog.list()->itemText(0), QStringLiteral("    1    ") + FromWindows1252(Names(before)[0]));
    // Listing leaves the last comet chosen and in the current comet.
    EXPECT_EQ(dialog.list()->currentIndex(), 3);
    EXPECT_EQ(state.cometIndex, 3);
    EXPECT_EQ(RecordBytes(state.currentComet), before.substr(420));

    WhenModalShown([](QWidget* entry) {
        EXPECT_EQ(entry->windowTitle(), kEntryTitle);
        EXPECT_EQ(Control<QLabel>(entry, 1107)->text(),
                  QStringLiteral("Nouvel enregistrement de comète.\nEntrez les données suivantes :"));
        EXPECT_EQ(FieldText(entry, 1060), QString());
        EXPECT_EQ(FieldText(entry, 1063), QStringLiteral("2000"));
        TypeNewComet(entry);
        Press(entry, 1);
    });
    Press(&dialog, 1093);

    const std::string after = folder.Read("COMETS.WDB");
    ASSERT_EQ(after.size(), 700u);
    EXPECT_EQ(after.substr(0, 560), before);
    const CometRecord added = RecordAt<CometRecord>(after, 4);
    EXPECT_EQ(CometName(added), "Com\xe8te C/2023 A3 Tsuchinshan-ATLAS ");
    EXPECT_EQ(CometReference(added), "MPEC 2024-S56");
    EXPECT_EQ(added.perihelionTime, DayNumberFromDate(27.7414, 9, 2024));
    EXPECT_EQ(added.argPerihelion, 308.49 * 0.01745329252);
    EXPECT_EQ(added.inclination, 12.5 * 0.01745329252);
    EXPECT_EQ(added.eccentricity, 1.0001);
    EXPECT_EQ(added.magnitudeCoef1, 5.5);
    EXPECT_EQ(added.magnitudeCoef2, 10.0);
    EXPECT_EQ(added.equinox, 2000);
    // Not listed yet; the request dialogs will choose the last comet, this one.
    EXPECT_EQ(dialog.list()->count(), 4);
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}

TEST_F(CometBase, UnchangedModificationRewritesItsRecordOnlyRoundedToTheTextsShown)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 5);
    const CometRecord original = RecordAt<CometRecord>(before, 2);
    CCometBaseDlg dialog;

    // A cancelled modification keeps the chosen index and the list.
    dialog.list()->setCurrentIndex(1);
    WhenModalShown([](QWidget* entry) { Press(entry, 2); });
    Press(&dialog, 1096);
    EXPECT_EQ(state.cometIndex, 1);
    EXPECT_EQ(dialog.list()->currentIndex(), 1);
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);

    dialog.list()->setCurrentIndex(2);
    WhenModalShown([&](QWidget* entry) {
        EXPECT_EQ(Control<QLabel>(entry, 1107)->text(),
                  QStringLiteral("Vous pouvez modifier chacune\ndes données suivantes :"));
        EXPECT_EQ(FieldText(entry, 1060), FromWindows1252(CometName(original)));
        EXPECT_EQ(FieldText(entry, 1053), FromUtf8(FormatCalendarDate(original.perihelionTime)));
        EXPECT_EQ(FieldText(entry, 1063), FromUtf8(FormatC("%d", original.equinox)));
        Press(entry, 1);
    });
    Press(&dialog, 1096);

    const std::string after = folder.Read("COMETS.WDB");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 280), before.substr(0, 280));
    EXPECT_EQ(after.substr(420), before.substr(420));
    const CometRecord stored = RecordAt<CometRecord>(after, 2);
    const auto reread = [](const std::string& text) {
        double value = 0;
        ScanReal(text, value);
        return value;
    };
    EXPECT_EQ(CometName(stored), CometName(original));
    EXPECT_EQ(stored.argPerihelion,
              reread(FormatC("%.5f", original.argPerihelion * 57.295779512896175)) * 0.01745329252);
    EXPECT_EQ(stored.eccentricity, reread(FormatC("%.7f", original.eccentricity)));
    EXPECT_EQ(stored.magnitudeCoef2, reread(FormatC("%.1f", original.magnitudeCoef2)));
    EXPECT_NEAR(stored.perihelionTime, original.perihelionTime, 0.5e-5);
    EXPECT_EQ(stored.equinox, original.equinox);
    // The list is built again and the last comet chosen.
    EXPECT_EQ(state.cometIndex, 4);
    EXPECT_EQ(dialog.list()->currentIndex(), 4);
}

TEST_F(CometBase, DeletionAsksFirstAndMovesTheLaterRecordsDown)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 3);
    const std::vector<std::string> names = Names(before);
    {
        CCometBaseDlg dialog;
        // "Non", Escape and Enter (which answers "Non") change nothing.
        AnswerNextModal(QStringLiteral("Non"));
        Press(&dialog, 1097);
        WhenModalShown([](QWidget* question) { QTest::keyClick(question, Qt::Key_Escape); });
        Press(&dialog, 1097);
        WhenModalShown([](QWidget* question) {
            EXPECT_EQ(question->windowTitle(), QStringLiteral("Mise à jour des enregistrements"));
            ASSERT_NE(question->focusWidget(), nullptr);
            EXPECT_EQ(static_cast<QAbstractButton*>(question->focusWidget())->text(), QStringLiteral("Non"));
            QTest::keyClick(question->focusWidget(), Qt::Key_Return);
        });
        Press(&dialog, 1097);
        EXPECT_EQ(folder.Read("COMETS.WDB"), before);
        EXPECT_EQ(state.cometIndex, 2);
    }

    struct Case {
        std::size_t records;
        int chosen;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {3, 0, {names[1], names[2]}},
        {3, 1, {names[0], names[2]}},
        {3, 2, {names[0], names[1]}},
        {1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        SampleRecords(folder, "COMETS.WDB", 140, c.records);
        CCometBaseDlg dialog;
        dialog.list()->setCurrentIndex(c.chosen);
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&dialog, 1097);
        const std::string after = folder.Read("COMETS.WDB");
        EXPECT_EQ(Names(after), c.left);
        // Rebuilt: the last comet is chosen again, none in an empty catalogue.
        const int last = static_cast<int>(c.left.size()) - 1;
        EXPECT_EQ(dialog.list()->count(), static_cast<int>(c.left.size()));
        EXPECT_EQ(dialog.list()->currentIndex(), last);
        EXPECT_EQ(state.cometIndex, last);
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}

TEST_F(CometBase, RefusedValuesKeepTheEntryOpenOnTheirFieldAndWriteNothing)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 2);
    CCometBaseDlg dialog;
    WhenModalShown([&](QWidget* entry) {
        TypeNewComet(entry);
        Type(entry, 1056, QStringLiteral("-12.5"));
        Press(entry, 1);
        EXPECT_TRUE(entry->isVisible());
        EXPECT_EQ(messages.Texts(), kInputError);
        EXPECT_EQ(FocusName(entry), QStringLiteral("1056"));
        // The values read before the refused one are already in the current comet.
        EXPECT_EQ(CometName(state.currentComet), "Com\xe8te C/2023 A3 Tsuchinshan-ATLAS ");
        EXPECT_EQ(state.currentComet.ascendingNode, 21.56 * 0.01745329252);

        // An empty date is refused without a message.
        messages.Clear();
        Type(entry, 1056, QStringLiteral("12.5"));
        Type(entry, 1053, QString());
        Press(entry, 1);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(FocusName(entry), QStringLiteral("1053"));

        Type(entry, 1053, QStringLiteral("27.74140/9/2024"));
        Type(entry, 1063, QStringLiteral("2000.5"));
        Press(entry, 1);
        EXPECT_EQ(messages.Texts(), kInputError);
        EXPECT_EQ(FocusName(entry), QStringLiteral("1063"));
        Press(entry, 2);
    });
    Press(&dialog, 1093);
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);
}

TEST_F(CometBase, AnEmptyCatalogueHasNothingToModifyOrDelete)
{
    folder.Write("COMETS.WDB", "");
    CCometBaseDlg dialog;
    EXPECT_EQ(dialog.list()->count(), 0);
    EXPECT_EQ(dialog.list()->currentIndex(), -1);
    EXPECT_EQ(state.cometIndex, -1);
    Press(&dialog, 1096);
    Press(&dialog, 1097);
    EXPECT_EQ(messages.Texts(), "La liste est vide : il n'y a aucun enregistrement à modifier. | "
                                "La liste est vide : il n'y a aucun enregistrement à supprimer.");
    EXPECT_EQ(folder.Read("COMETS.WDB"), "");
}

TEST_F(CometBase, FileErrorsAreReportedAndLeaveTheCatalogueAsItWas)
{
    const std::string before = SampleRecords(folder, "COMETS.WDB", 140, 3);
    {
        CCometBaseDlg dialog;
        dialog.list()->setCurrentIndex(1);
        // Another program holds the file.
        CatalogFile lock("COMETS.WDB", CatalogFile::Mode::Read);
        Press(&dialog, 1096);  // the record cannot be read: no entry opens
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&dialog, 1097);
        EXPECT_EQ(state.cometIndex, 1);
        WhenModalShown([](QWidget* entry) {
            TypeNewComet(entry);
            Press(entry, 1);
            EXPECT_TRUE(entry->isVisible());  // the typed values wait for another try
            Press(entry, 2);
        });
        Press(&dialog, 1093);
        EXPECT_EQ(messages.Texts(), kLocked + " | " + kLocked + " | " + kLocked);
        EXPECT_EQ(dialog.list()->count(), 3);
    }
    EXPECT_EQ(folder.Read("COMETS.WDB"), before);

    messages.Clear();
    std::filesystem::remove(folder.path() / "COMETS.WDB");
    CCometBaseDlg missing;
    EXPECT_EQ(messages.Texts(), "Impossible de trouver COMETS.WDB.");
    EXPECT_EQ(missing.list()->count(), 0);
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "COMETS.WDB"));

    // A full disk refuses the appended record.
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", folder.path() / "COMETS.WDB");
    messages.Clear();
    CCometBaseDlg full;
    WhenModalShown([](QWidget* entry) {
        TypeNewComet(entry);
        Press(entry, 1);
        EXPECT_TRUE(entry->isVisible());
        Press(entry, 2);
    });
    Press(&full, 1093);
    EXPECT_EQ(messages.Texts(), "Disque plein lors de l'accès à COMETS.WDB.");
}
