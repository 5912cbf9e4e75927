// Site catalogue maintenance on temporary catalogues: the recording order
// and its refusals, the deletions with the siteIndex they leave, and files
// that cannot be used.

#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionState.h"
#include "maintenance/CSiteBaseDlg.h"
#include "platform/CatalogFile.h"
#include "platform/Messages.h"
#include "platform/QtText.h"
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

std::vector<std::string> Names(const std::string& bytes)
{
    std::vector<std::string> names;
    for (std::size_t k = 0; k < bytes.size() / sizeof(SiteRecord); ++k)
        names.push_back(SiteName(RecordAt<SiteRecord>(bytes, k)));
    return names;
}

} // namespace

TEST_F(SiteBase, RecordingAppendsChoosesTheNewSiteAndKeepsTheTexts)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    CSiteBaseDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gestion de la base de données des sites"));
    ASSERT_EQ(dialog.list()->count(), 3);
    EXPECT_TRUE(dialog.list()->itemText(2).startsWith(QStringLiteral("  3    ")));
    // With no site chosen the first one is, and read.
    EXPECT_EQ(state.siteIndex, 0);
    EXPECT_EQ(RecordBytes(state.currentSite), before.substr(0, 64));

    Type(&dialog, 1082, QStringLiteral("Paris"));
    Type(&dialog, 1064, QStringLiteral("48.5130"));
    Type(&dialog, 1065, QStringLiteral("-2.2014"));
    Press(&dialog, 1108);

    const std::string after = folder.Read("SITES.NDB");
    ASSERT_EQ(after.size(), 256u);
    EXPECT_EQ(after.substr(0, 192), before);
    const SiteRecord paris = RecordAt<SiteRecord>(after, 3);
    EXPECT_EQ(RecordBytes(paris).substr(0, 48), std::string("Paris") + std::string(43, '\0'));
    EXPECT_DOUBLE_EQ(paris.latitude, (48 + 51 / 60.0 + 30 / 3600.0) * 0.01745329252);
    EXPECT_DOUBLE_EQ(paris.longitude, -(2 + 20 / 60.0 + 14 / 3600.0) * 0.06666666666666667);
    EXPECT_NEAR(paris.longitude, -0.1558, 1e-4);
    EXPECT_EQ(state.siteIndex, 3);
    EXPECT_EQ(dialog.list()->count(), 4);
    EXPECT_EQ(dialog.list()->currentIndex(), 3);
    EXPECT_EQ(RecordBytes(state.currentSite), RecordBytes(paris));
    EXPECT_EQ(FieldText(&dialog, 1082), QStringLiteral("Paris"));
    EXPECT_EQ(FieldText(&dialog, 1065), QStringLiteral("-2.2014"));
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();

    // Every choice reads its site; the display shows the one chosen.
    dialog.list()->setCurrentIndex(1);
    EXPECT_EQ(state.siteIndex, 1);
    EXPECT_EQ(RecordBytes(state.currentSite), before.substr(64, 64));
    Press(&dialog, 1109);
    const auto* display = dialog.findChild<CSiteCoordinatesDlg*>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(Control<QLabel>(display, 1010)->text(), FromWindows1252(Names(before)[1]));
}

TEST_F(SiteBase, RecordingChecksTheNameThenTheLatitudeThenTheLongitude)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    CSiteBaseDlg dialog;
    ShowActive(dialog);

    Control<QLineEdit>(&dialog, 1065)->setFocus();
    Type(&dialog, 1064, QStringLiteral("91.0000"));
    Press(&dialog, 1108);
    EXPECT_EQ(messages.Texts(), "Étourdi ! Vous avez oublié de nommer le site !");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(SiteName(state.currentSite), "");
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1065"));  // the focus stays where it was

    messages.Clear();
    Type(&dialog, 1082, QStringLiteral("Mont-Mégantic"));
    Press(&dialog, 1108);
    EXPECT_EQ(messages.Texts(), "Erreur ! La latitude doit être comprise entre 90° et -90°.");
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1064"));

    messages.Clear();
    Type(&dialog, 1064, QStringLiteral("45.2718"));
    Type(&dialog, 1065, QStringLiteral("12.60"));
    Press(&dialog, 1108);
    EXPECT_EQ(messages.Texts(), "Erreur de saisie ! Recommencez !");
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1065"));
    // The latitude read before the refused longitude is kept.
    EXPECT_EQ(SiteName(state.currentSite), "Mont-M\xe9gantic");
    EXPECT_DOUBLE_EQ(state.currentSite.latitude, (45 + 27 / 60.0 + 18 / 3600.0) * 0.01745329252);

    EXPECT_EQ(folder.Read("SITES.NDB"), before);
    EXPECT_EQ(state.siteIndex, 0);
}

TEST_F(SiteBase, DeletionChoosesTheFollowingSiteOrTheNewLastOne)
{
    const std::string three = SampleRecords(folder, "SITES.NDB", 64, 3);
    const std::vector<std::string> names = Names(three);
    struct Case {
        std::size_t records;
        int chosen;
        std::vector<std::string> left;
        int siteIndex;
        int listed;
    };
    const Case cases[] = {
        {3, 2, {names[0], names[1]}, 1, 1},
        {3, 0, {names[1], names[2]}, 0, 0},
        {3, 1, {names[0], names[2]}, 1, 1},
        {1, 0, {}, 0, -1},
    };
    for (const Case& c : cases) {
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
        EXPECT_EQ(dialog.list()->count(), static_cast<int>(c.left.size()));
        EXPECT_EQ(dialog.list()->currentIndex(), c.listed);
        if (c.listed >= 0) {
            EXPECT_EQ(SiteName(state.currentSite), c.left[static_cast<std::size_t>(c.listed)]);
        }
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();

    // Nothing left to delete: the user is told, the file is not touched.
    CSiteBaseDlg empty;
    Press(&empty, 1080);
    EXPECT_EQ(messages.Texts(), "La liste est vide : il n'y a aucun enregistrement à supprimer.");
    EXPECT_EQ(folder.Read("SITES.NDB"), "");
}

TEST_F(SiteBase, FileErrorsAreReportedAndWriteNothing)
{
    const std::string before = SampleRecords(folder, "SITES.NDB", 64, 3);
    const std::string locked = "Une violation de partage s'est produite lors de l'accès à SITES.NDB.";
    {
        CSiteBaseDlg dialog;
        dialog.list()->setCurrentIndex(2);
        CatalogFile lock("SITES.NDB", CatalogFile::Mode::Read);
        Type(&dialog, 1082, QStringLiteral("Paris"));
        Type(&dialog, 1064, QStringLiteral("48.5130"));
        Type(&dialog, 1065, QStringLiteral("-2.2014"));
        Press(&dialog, 1108);
        AnswerNextModal(QStringLiteral("Oui"));
        Press(&dialog, 1080);
        EXPECT_EQ(messages.Texts(), locked + " | " + locked);
        EXPECT_EQ(state.siteIndex, 2);
        EXPECT_EQ(dialog.list()->count(), 3);
    }
    EXPECT_EQ(folder.Read("SITES.NDB"), before);

    messages.Clear();
    std::filesystem::remove(folder.path() / "SITES.NDB");
    CSiteBaseDlg missing;
    EXPECT_EQ(messages.Texts(), "Impossible de trouver SITES.NDB.");
    EXPECT_EQ(missing.list()->count(), 0);
    messages.Clear();
    Type(&missing, 1082, QStringLiteral("Paris"));
    Type(&missing, 1064, QStringLiteral("48.5130"));
    Type(&missing, 1065, QStringLiteral("-2.2014"));
    Press(&missing, 1108);
    EXPECT_EQ(messages.Texts(), "Impossible de trouver SITES.NDB.");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "SITES.NDB"));
}
