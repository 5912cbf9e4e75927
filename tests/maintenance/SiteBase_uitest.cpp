// Site catalogue maintenance on temporary catalogues: the recording order and
// its refusals, the deletions with the siteIndex they leave, unusable files.

#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionState.h"
#include "maintenance/CSiteBaseDlg.h"
#include "platform/CatalogFile.h"
#include "platform/Messages.h"
#include "support/DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <filesystem>

namespace {

class SiteBase : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }

    TempFolder folder;
    MessageRecorder messages;
    SelectionState& state = Selection();
};

void TypeSite(const QWidget* dialog, const QString& name, const QString& latitude, const QString& longitude)
{
    Type(dialog, 1082, name);
    Type(dialog, 1064, latitude);
    Type(dialog, 1065, longitude);
}

std::vector<std::string> Names(const std::string& bytes)
{
    return RecordNames<SiteRecord>(bytes, [](const SiteRecord& record) { return SiteName(record); });
}

} // namespace

TEST_F(SiteBase, RecordingChecksNameLatitudeLongitudeThenAppendsAndChoosesTheNewSite)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    CSiteBaseDlg dialog;
    dialog.show();
    ASSERT_EQ(dialog.list()->count(), 3);
    EXPECT_TRUE(dialog.list()->itemText(2).startsWith(QStringLiteral("  3    ")));
    EXPECT_EQ(state.siteIndex, 0);  // with no site chosen the first one is, and read
    EXPECT_EQ(RecordBytes(state.currentSite), before.substr(0, 64));

    // The name message leaves the focus where it was.
    Control<QLineEdit>(&dialog, 1065)->setFocus();
    for (const auto& [name, latitude, longitude, message, focus] :
         {std::tuple{"", "91.0000", "", "Étourdi ! Vous avez oublié de nommer le site !", 1065},
          std::tuple{"Mégantic", "91.0000", "", "Erreur ! La latitude doit être comprise entre 90° et -90°.", 1064},
          std::tuple{"Mégantic", "45.2718", "12.60", "Erreur de saisie ! Recommencez !", 1065}}) {
        SCOPED_TRACE(message);
        messages.Clear();
        TypeSite(&dialog, QString::fromUtf8(name), latitude, longitude);
        Press(&dialog, 1108);
        EXPECT_EQ(messages.Texts(), message);
        EXPECT_EQ(FocusName(&dialog), QString::number(focus));
        EXPECT_EQ(Control<QLineEdit>(&dialog, focus)->selectedText(), FieldText(&dialog, focus));
    }
    // Enter in a field records as the button does, instead of closing the dialog.
    QTest::keyClick(Control<QLineEdit>(&dialog, 1065), Qt::Key_Return);
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(dialog.isVisible());
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
    EXPECT_EQ(after.substr(0, 192), before);
    const SiteRecord paris = RecordAt<SiteRecord>(after, 3);
    EXPECT_EQ(RecordBytes(paris).substr(0, 48), std::string("Paris") + std::string(43, '\0'));
    EXPECT_DOUBLE_EQ(paris.latitude, (48 + 51 / 60.0 + 30 / 3600.0) * 0.01745329252);
    EXPECT_DOUBLE_EQ(paris.longitude, -(2 + 20 / 60.0 + 14 / 3600.0) / 15);
    EXPECT_EQ(state.siteIndex, 3);
    EXPECT_EQ(dialog.list()->currentIndex(), 3);
    EXPECT_EQ(RecordBytes(state.currentSite), RecordBytes(paris));
    EXPECT_EQ(FieldText(&dialog, 1065), QStringLiteral("-2.2014"));

    // Every choice reads its site; the display shows the one chosen.
    dialog.list()->setCurrentIndex(1);
    EXPECT_EQ(state.siteIndex, 1);
    Press(&dialog, 1109);
    ASSERT_NE(dialog.findChild<CSiteCoordinatesDlg*>(), nullptr);
    EXPECT_EQ(Control<QLabel>(dialog.findChild<CSiteCoordinatesDlg*>(), 1010)->text().toStdString(),
              Names(before)[1]);
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
}

TEST_F(SiteBase, DeletionChoosesTheFollowingSiteOrTheNewLastOne)
{
    const std::vector<std::string> names = Names(SampleRecords(folder, "SITES.NDB", 64, 3));
    struct Case {
        std::size_t records;
        int chosen;
        std::vector<std::string> left;
        int siteIndex;
    };
    for (const Case& c : {Case{3, 2, {names[0], names[1]}, 1}, Case{3, 0, {names[1], names[2]}, 0},
                          Case{3, 1, {names[0], names[2]}, 1}, Case{1, 0, {}, 0}}) {
        SCOPED_TRACE(c.chosen);
        const std::string before = SampleRecords(folder, "SITES.NDB", 64, c.records);
        CSiteBaseDlg dialog;
        dialog.list()->setCurrentIndex(c.chosen);
        AnswerNextModal(QStringLiteral("Non"));
        Press(&dialog, 1080);
        EXPECT_EQ(folder.Read("SITES.NDB"), before);
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&dialog, 1080);
        EXPECT_EQ(Names(folder.Read("SITES.NDB")), c.left);
        EXPECT_EQ(state.siteIndex, c.siteIndex);
        EXPECT_EQ(dialog.list()->currentIndex(), c.left.empty() ? -1 : c.siteIndex);
    }
    CSiteBaseDlg empty;
    Press(&empty, 1080);
    EXPECT_EQ(messages.Texts(), "La liste est vide : il n'y a aucun enregistrement à supprimer.");
    EXPECT_EQ(folder.Read("SITES.NDB"), "");
}

TEST_F(SiteBase, FileErrorsAreReportedAndWriteNothing)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    {
        CSiteBaseDlg dialog;
        dialog.list()->setCurrentIndex(2);
        CatalogFile lock("SITES.NDB", CatalogFile::Mode::Read);
        TypeSite(&dialog, QStringLiteral("Paris"), QStringLiteral("48.5130"), QStringLiteral("-2.2014"));
        Press(&dialog, 1108);
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&dialog, 1080);
        const std::string locked = "Une violation de partage s'est produite lors de l'accès à SITES.NDB.";
        EXPECT_EQ(messages.Texts(), locked + " | " + locked);
        EXPECT_EQ(state.siteIndex, 2);
        EXPECT_EQ(dialog.list()->count(), 3);
    }
    EXPECT_EQ(folder.Read("SITES.NDB"), before);

    messages.Clear();
    std::filesystem::remove(folder.path() / "SITES.NDB");
    CSiteBaseDlg missing;
    TypeSite(&missing, QStringLiteral("Paris"), QStringLiteral("48.5130"), QStringLiteral("-2.2014"));
    Press(&missing, 1108);
    Press(&missing, 1080);  // the file error again, not an empty list
    const std::string notFound = "Impossible de trouver SITES.NDB.";
    EXPECT_EQ(messages.Texts(), notFound + " | " + notFound + " | " + notFound);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "SITES.NDB"));
}
