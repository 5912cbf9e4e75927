// The record displays and the asteroid list, as the request dialogs open them.

#include "catalog/AsteroidCatalog.h"
#include "catalog/CAsteroidListDlg.h"
#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionState.h"
#include "core/AngleFormat.h"
#include "platform/DialogFrame.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/Messages.h"
#include "platform/QtText.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Text(const QWidget* dialog, int id)
{
    const QLabel* label = Control<QLabel>(dialog, id);
    return label ? label->text() : QStringLiteral("<none>");
}

// Every text whole, a character from the window's sides and, for a value,
// from its box's; the window as wide as its title needs.
void ExpectWhole(QDialog* display)
{
    QApplication::processEvents();
    const int margin = display->fontMetrics().averageCharWidth();
    EXPECT_GE(display->width(), TitleBarWidth(display));
    for (const QLabel* label : display->findChildren<QLabel*>()) {
        const QRect box = label->geometry();
        const int room = label->frameShape() == QFrame::Panel ? 2 * margin : 0;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()) + room, label->contentsRect().width());
        EXPECT_TRUE(box.left() >= margin && box.right() <= display->width() - margin) << label->text().toStdString();
    }
}

class RecordDisplay : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }
    QDialog owner;
};

} // namespace

TEST_F(RecordDisplay, CometElementsInDegreesAndTheCalendar)
{
    CometRecord& comet = Selection().currentComet;
    SetCometName(comet, "C/2020 F3 (NEOWISE)");
    SetCometReference(comet, "MPC 2022");
    comet.perihelionTime = 36525.0;
    comet.argPerihelion = 37.2786 * 0.01745329252;
    comet.eccentricity = 0.9991752;
    comet.perihelionDistance = 0.2946349;
    comet.equinox = 950;
    auto* display = OpenRecordDisplay<CCometElementsDlg>(&owner);
    EXPECT_EQ(display->windowTitle(), QStringLiteral("Comète : éléments orbitaux"));
    EXPECT_EQ(Text(display, 1010), QStringLiteral("C/2020 F3 (NEOWISE)"));
    EXPECT_EQ(Text(display, 1011), QStringLiteral("MPC 2022"));
    EXPECT_EQ(Text(display, 1012), QStringLiteral("1.50000/1/2000"));
    EXPECT_EQ(Text(display, 1013), QStringLiteral("37.27860"));
    EXPECT_EQ(Text(display, 1016), QStringLiteral("0.9991752"));
    EXPECT_EQ(Text(display, 1017), QStringLiteral("0.2946349"));
    EXPECT_EQ(Text(display, 1018), QStringLiteral(" 950"));
    EXPECT_FALSE(display->isModal());
    ExpectWhole(display);

    // Fixed when opened: a later choice opens a second display beside the first.
    SetCometName(comet, "2P/Encke");
    auto* second = OpenRecordDisplay<CCometElementsDlg>(&owner);
    EXPECT_EQ(Text(second, 1010), QStringLiteral("2P/Encke"));
    EXPECT_EQ(Text(display, 1010), QStringLiteral("C/2020 F3 (NEOWISE)"));
}

TEST_F(RecordDisplay, SiteHemispheresAndTheirEdges)
{
    SiteRecord& site = Selection().currentSite;
    SetSiteName(site, "La Silla");
    site.latitude = -33.5 * 0.01745329252;
    site.longitude = -2.5;
    auto* display = OpenRecordDisplay<CSiteCoordinatesDlg>(&owner);
    EXPECT_EQ(Text(display, 1010), QStringLiteral("La Silla"));
    EXPECT_EQ(Text(display, 1049), FromUtf8(FormatDegreesDMS(33.5)) + " S");
    EXPECT_EQ(Text(display, 1048), FromUtf8(FormatDegreesDMS(37.5)) + " E");
    ExpectWhole(display);

    site.latitude = 0;
    site.longitude = 0;
    display = OpenRecordDisplay<CSiteCoordinatesDlg>(&owner);
    EXPECT_TRUE(Text(display, 1049).endsWith(" S"));
    EXPECT_TRUE(Text(display, 1048).endsWith(" E"));
    site.latitude = 0.1;
    site.longitude = 4.738;
    display = OpenRecordDisplay<CSiteCoordinatesDlg>(&owner);
    EXPECT_TRUE(Text(display, 1049).endsWith(" N"));
    EXPECT_TRUE(Text(display, 1048).endsWith(" O"));
}

TEST_F(RecordDisplay, DisplaysCloseWithTheirOwner)
{
    auto owner = std::make_unique<QDialog>();
    QPointer<QDialog> display = OpenRecordDisplay<CAsteroidElementsDlg>(owner.get());
    ASSERT_TRUE(display);
    owner.reset();
    EXPECT_TRUE(display.isNull());
}

TEST_F(RecordDisplay, AsteroidListChoosesCeresAndLoadsEveryChoice)
{
    TempFolder folder;
    folder.CopySample("ASTERS.DTB");
    {
        CAsteroidListDlg list;
        EXPECT_EQ(list.windowTitle(), QStringLiteral("Liste des astéroïdes enregistrés"));
        list.show();
        EXPECT_GE(list.width(), TitleBarWidth(&list));
        const QFontMetrics fixed(list.list()->font());
        EXPECT_GE(list.list()->viewport()->width(), fixed.horizontalAdvance(list.list()->item(0)->text() + "  "));
        ASSERT_EQ(list.list()->count(), 227);
        EXPECT_TRUE(list.list()->currentItem()->text().startsWith("Ceres"));
        EXPECT_EQ(Selection().currentAsteroid.name, "Ceres (1)");
        // Sorted by name whatever the case.
        for (int row = 1; row < list.list()->count(); ++row)
            EXPECT_LE(list.list()->item(row - 1)->text().compare(list.list()->item(row)->text(), Qt::CaseInsensitive), 0);

        // The file is held while the list is open.
        EXPECT_THROW(AsteroidCatalog(), FileError);

        QTest::keyClicks(list.edit(), QStringLiteral("pall"));
        EXPECT_EQ(Selection().currentAsteroid.name, "Pallas (2)");
        list.list()->setCurrentRow(0);
        const std::string first = Selection().currentAsteroid.name;
        EXPECT_NE(first, "Pallas (2)");

        auto* display = OpenRecordDisplay<CAsteroidElementsDlg>(&list);
        EXPECT_EQ(Text(display, 1030).toStdString(), FromWindows1252(Selection().currentAsteroid.fieldTexts.displayName).toStdString());
        EXPECT_EQ(Text(display, 1026), FromWindows1252(Selection().currentAsteroid.fieldTexts.slopeParameter));
        list.reject();  // the choice stays made
        EXPECT_EQ(Selection().currentAsteroid.name, first);
    }
    EXPECT_NO_THROW(AsteroidCatalog());
}

TEST_F(RecordDisplay, AsteroidListWithoutItsFileSaysSoAndStaysEmpty)
{
    TempFolder folder;
    MessageRecorder messages;
    CAsteroidListDlg list;
    EXPECT_EQ(list.list()->count(), 0);
    EXPECT_EQ(messages.Texts(), "Impossible de trouver ASTERS.DTB.");
    EXPECT_EQ(Selection().currentAsteroid.name, "");
}
