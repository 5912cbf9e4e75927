// The diagram request dialogs and the information box in the real fonts.

#include "catalog/CAsteroidListDlg.h"
#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "diagram/InfoBox.h"
#include "diagram/QImageCanvas.h"
#include "platform/CatalogFile.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "support/TempFolder.h"
#include "support/UiTestSupport.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kCometTitle = QStringLiteral("Comète : Initialisation d'un diagramme de visibilité");
const QString kAsteroidTitle = QStringLiteral("Astéroïde : initialisation d'un diagramme de visibilité");
const QString kNewTitle = QStringLiteral("Initialisation d'un nouveau diagramme de visibilité");

class DiagramDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSelection();
        folder.CopySamples();
    }
    void TearDown() override
    {
        ResetSelection();
        CloseHelpWindow();
    }

    // OK with this month text; true when the dialog accepted.
    template <typename Dialog>
    static bool Ok(Dialog& dialog, const QString& month)
    {
        dialog.monthField()->setText(month);
        Control<QPushButton>(&dialog, 1)->click();
        return dialog.result() == QDialog::Accepted;
    }

    static void LoadCeres()
    {
        AsteroidCatalog catalog;
        catalog.Load(std::string(20, ' ') + "   1", Selection().currentAsteroid);
    }

    TempFolder folder;
    MessageRecorder messages;
};

} // namespace

TEST_F(DiagramDialogs, CometDialogChoosesTheLastCometAndTheFirstSite)
{
    CCometDiagramDlg dialog(nullptr, QString(), kCometTitle);
    EXPECT_TRUE(dialog.cometList()->count() == 24 && dialog.siteList()->count() == 17);
    EXPECT_TRUE(Selection().cometIndex == 23 && CometName(Selection().currentComet) == "2I/Borisov");
    EXPECT_TRUE(SiteName(Selection().currentSite) == "Paris - Observatoire" &&
                dialog.siteList()->itemText(0).endsWith("1    Paris - Observatoire"));
    EXPECT_TRUE(dialog.focusWidget() == dialog.monthField() && messages.messages.empty());
    Control<QPushButton>(&dialog, 9)->click();
    EXPECT_TRUE(HelpWindowBrowser() && HelpWindowBrowser()->source().toLocalFile().endsWith("Visibilité des Comètes - frameset.htm"));

    // A choice takes effect at once and stays after Cancel; the month is selected for typing over.
    dialog.monthField()->setText(QStringLiteral("6/2024"));
    emit dialog.cometList()->activated(4);
    EXPECT_EQ(dialog.monthField()->selectedText(), QStringLiteral("6/2024"));
    emit dialog.siteList()->activated(16);
    EXPECT_TRUE(CometName(Selection().currentComet) == "12P/Pons-Brooks" &&
                SiteName(Selection().currentSite) == "Troms\xf8 (Norv\xe8ge)");
    Selection().diagramOpening = true;
    Control<QPushButton>(&dialog, 2)->click();
    EXPECT_TRUE(dialog.result() == QDialog::Rejected && !Selection().diagramOpening);

    // The next dialog comes back to them.
    CCometDiagramDlg again(nullptr, QStringLiteral("3/2024"), kNewTitle);
    EXPECT_TRUE(again.cometList()->currentIndex() == 4 && again.siteList()->currentIndex() == 16);
}

// The month's refusals (each reading is tested with ReadDiagramMonth); OK
// with the first comet of the list.
TEST_F(DiagramDialogs, TheMonthIsCheckedOnOkAndTheFirstCometAccepted)
{
    CCometDiagramDlg dialog(nullptr, QString(), kCometTitle);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const std::pair<QString, std::string> cases[] = {
        {"13/2024", "Vous avez entré une date incorrecte.\nRecommencez !"},
        {"1/9999", "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !"}};
    for (const auto& [wrong, text] : cases) {
        messages.Clear();
        dialog.cometList()->setFocus();
        EXPECT_FALSE(Ok(dialog, wrong)) << wrong.toStdString();
        EXPECT_EQ(messages.Texts(), text);
        EXPECT_TRUE(messages.messages[0].caption == "Erreur !" && messages.messages[0].icon == MessageIcon::Stop);
        // Typing replaces it.
        EXPECT_TRUE(QApplication::focusWidget() == dialog.monthField() && dialog.monthField()->selectedText() == wrong);
    }
    // The numbers read stay in the request, the month 13 included.
    Ok(dialog, QStringLiteral("13/2024"));
    EXPECT_TRUE(Selection().diagram.month == 13 && Selection().diagram.year == 2024);

    messages.Clear();
    dialog.cometList()->setCurrentIndex(0);
    emit dialog.cometList()->activated(0);
    EXPECT_TRUE(Ok(dialog, QStringLiteral("12/2024")) && messages.messages.empty()) << messages.Texts();
    EXPECT_TRUE(Selection().cometIndex == 0 && CometName(Selection().currentComet) == "1P/Halley");
    EXPECT_TRUE(Selection().ephemeris.month == 12 && Selection().diagramMonthText == "12/2024" &&
                Selection().diagramOpening);
}

TEST_F(DiagramDialogs, AnEmptyCometCatalogueGivesNoDiagram)
{
    folder.Write("COMETS.WDB", "");
    SetCometName(Selection().currentComet, "Une comète d'avant");
    CCometDiagramDlg dialog(nullptr, QStringLiteral("1/2025"), kCometTitle);
    EXPECT_TRUE(messages.messages.empty() && Selection().cometIndex == -1);  // nothing read at index -1
    EXPECT_FALSE(Ok(dialog, QStringLiteral("1/2025")) || Selection().diagramOpening);
    EXPECT_EQ(messages.Texts().rfind("Le catalogue des comètes est vide", 0), 0u) << messages.Texts();

    // A catalogue that cannot be read is not called empty.
    messages.Clear();
    std::filesystem::remove(folder.path() / "COMETS.WDB");
    CCometDiagramDlg missing(nullptr, QStringLiteral("1/2025"), kCometTitle);
    // The sites are listed all the same.
    EXPECT_TRUE(missing.siteList()->count() == 17 && !Ok(missing, QStringLiteral("1/2025")));
    EXPECT_EQ(messages.Texts(), "Impossible de trouver COMETS.WDB. | Le catalogue des comètes n'a pas pu être lu : "
                                "aucun diagramme n'est possible.\nVérifiez le fichier COMETS.WDB, puis recommencez.");

    // A site the computations cannot use is refused on OK, naming the value.
    folder.CopySample("COMETS.WDB");
    std::string sites = folder.Read("SITES.NDB");
    sites.replace(56, 8, std::string("\0\0\0\0\0\0\xf8\x7f", 8));  // the first site's latitude: NaN
    folder.Write("SITES.NDB", sites);
    CCometDiagramDlg damaged(nullptr, QStringLiteral("1/2025"), kCometTitle);
    messages.Clear();
    EXPECT_FALSE(Ok(damaged, QStringLiteral("1/2025")));
    EXPECT_EQ(messages.Texts().rfind("Le site n° 1 (Paris - Observatoire) de SITES.NDB est inutilisable : la "
                                     "latitude doit être comprise entre -90° et 90°.", 0), 0u);
}

TEST_F(DiagramDialogs, AsteroidDialogFocusFollowsTheChoiceAndTheCaller)
{
    {
        CAsteroidDiagramDlg first(nullptr, QString(), kAsteroidTitle);
        EXPECT_TRUE(first.focusWidget() == first.selectionButton() && first.asteroidName()->text().isEmpty());
        // No asteroid: that message comes first, whatever the month.
        EXPECT_TRUE(!Ok(first, QStringLiteral("99/x")) && first.focusWidget() == first.selectionButton());
        EXPECT_EQ(messages.Texts(), "Vous n'avez pas sélectionné d'astéroïde.\nRecommencez !");
        Control<QPushButton>(&first, 9)->click();
        EXPECT_TRUE(HelpWindowBrowser()->source().toLocalFile().endsWith("Visibilité des Astéroïdes - frameset.htm"));
    }
    LoadCeres();
    CAsteroidDiagramDlg fromMenu(nullptr, QStringLiteral("2/2025"), kAsteroidTitle);
    EXPECT_TRUE(fromMenu.focusWidget() == fromMenu.monthField() && fromMenu.asteroidName()->text() == "Ceres (1)");
    EXPECT_TRUE(fromMenu.siteList()->itemText(2).startsWith("3    Pic du Midi"));
    CAsteroidDiagramDlg fromWindow(nullptr, QStringLiteral("2/2025"), kNewTitle);
    EXPECT_EQ(fromWindow.focusWidget(), fromWindow.selectionButton());
}

TEST_F(DiagramDialogs, AsteroidDialogHoldsTheSiteFileUntilDestroyed)
{
    LoadCeres();
    {
        CAsteroidDiagramDlg dialog(nullptr, QStringLiteral("2/2025"), kAsteroidTitle);
        try {
            CatalogFile("SITES.NDB", CatalogFile::Mode::Read);
            ADD_FAILURE() << "SITES.NDB opened a second time";
        } catch (const FileError& error) {
            EXPECT_EQ(error.cause(), FileError::Cause::SharingViolation);
        }
        // Choices are read from the file held open.
        emit dialog.siteList()->activated(1);
        EXPECT_TRUE(Selection().siteIndex == 1 && SiteName(Selection().currentSite) == "Observatoire de Haute-Provence");

        // "Sélection" loads its choice; the site shows its bare name, the month typed stays.
        dialog.monthField()->setText(QStringLiteral("11/2026"));
        WhenModalShown([](QWidget* list) {
            auto* entries = list->findChild<QListWidget*>(QStringLiteral("1024"));
            entries->setCurrentRow(0);
            static_cast<QDialog*>(list)->accept();
        });
        dialog.selectionButton()->click();
        // The list is alphabetical.
        EXPECT_TRUE(dialog.asteroidName()->text() == "Abundantia (151)" &&
                    dialog.siteList()->currentText() == "Observatoire de Haute-Provence");
        EXPECT_TRUE(dialog.monthField()->text() == "11/2026" && dialog.focusWidget() == dialog.monthField());
        EXPECT_TRUE(Ok(dialog, QStringLiteral("11/2026")) && Selection().diagramMonthText == "11/2026");
    }
    EXPECT_NO_THROW(CatalogFile("SITES.NDB", CatalogFile::Mode::Read));
}

// Liberation Sans stands for "Arial": the widest texts the box can show
// stay a pixel clear of its rules and edges.
TEST(InfoBoxFont, WidestTextsStayBetweenTheRules)
{
    const std::string angle = "-179° 59'";
    const InfoBoxTexts widest{"30/12/-1000", "23h 56m UT", angle, angle, "-12.3", angle, angle};
    for (const bool comet : {true, false}) {
        const int b = comet ? 512 : 502;
        const int w = comet ? 372 : 362;
        // From each text's start to the rule or edge on its right.
        const int cells[][2] = {{w + 5, w + 44}, {w + 49, w + 123}, {b + 4, 569}, {574, 629}, {634, 689}, {694, 737}};
        QImage image = MakeDiagramImage();
        {
            QImageCanvas canvas(image);
            DrawInfoBox(canvas, widest, comet);
        }
        int drawn = 0, outside = 0;
        for (int y = 0; y < 72; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(95, 223, 223))
                    continue;
                ++drawn;
                outside += std::none_of(std::begin(cells), std::end(cells), [x](const int* c) { return x >= c[0] && x < c[1] - 1; });
            }
        }
        EXPECT_EQ(outside, 0) << (comet ? "comet" : "asteroid");
        EXPECT_GT(drawn, 500);
    }
}
