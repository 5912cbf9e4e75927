// The record displays and the asteroid list; expected texts written by hand from the values.

#include "catalog/AsteroidCatalog.h"
#include "catalog/CAsteroidListDlg.h"
#include "catalog/RecordDisplayDlg.h"
#include "platform/DialogFrame.h"
#include "platform/FileError.h"
#include "support/DialogTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <cmath>

namespace {

// The texts of the labels `ids`, joined by " | ".
QString Texts(const QWidget* dialog, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << (Control<QLabel>(dialog, id) ? Control<QLabel>(dialog, id)->text() : QStringLiteral("<none>"));
    return texts.join(QStringLiteral(" | "));
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

using RecordDisplay = SelectionDialogTest;

constexpr double kDegree = 0.01745329252;  // the catalogue's factor

} // namespace

TEST_F(RecordDisplay, CometElementsInDegreesAndTheCalendar)
{
    QDialog owner;
    CometRecord& comet = state.currentComet;
    comet = {"C/2020 F3 (NEOWISE)", "MPC 2022", 36525.0, 37.2786 * kDegree, 61.0107 * kDegree, 128.9375 * kDegree,
             0.9991752, 0.2946349, 0, 0, 950};
    auto* display = OpenRecordDisplay<CCometElementsDlg>(&owner);
    // Day number 36525 is JD 2451545.0, 2000 January 1.5.
    EXPECT_EQ(Texts(display, {1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018}),
              QStringLiteral("C/2020 F3 (NEOWISE) | MPC 2022 | 1.50000/1/2000 | 37.27860 | 61.01070 | 128.93750 | "
                             "0.9991752 | 0.2946349 |  950"));
    EXPECT_FALSE(display->isModal());
    ExpectWhole(display);

    // Fixed when opened: a later choice opens a second display beside the first.
    SetCometName(comet, "2P/Encke");
    auto* second = OpenRecordDisplay<CCometElementsDlg>(&owner);
    EXPECT_EQ(Texts(second, {1010}), QStringLiteral("2P/Encke"));
    EXPECT_EQ(Texts(display, {1010}), QStringLiteral("C/2020 F3 (NEOWISE)"));
}

// Latitude in radians, longitude in hours counted westwards; the equator
// shows S, the prime meridian E, a damaged value "---" and no side.
TEST_F(RecordDisplay, SiteHemispheresAndTheirEdges)
{
    QDialog owner;
    SiteRecord& site = state.currentSite;
    SetSiteName(site, "La Silla");
    for (const auto& [latitude, longitude, expected] :
         {std::tuple{-29.2575 * kDegree, 70.7375 / 15, "La Silla |  29°15'27\" S |  70°44'15\" O"},
          std::tuple{48.83639 * kDegree, -2.33722 / 15, "La Silla |  48°50'11\" N |   2°20'14\" E"},
          std::tuple{0.0, 0.0, "La Silla |   0° 0' 0\" S |   0° 0' 0\" E"},
          std::tuple{std::nan(""), -12.0, "La Silla | --- | 180° 0' 0\" E"}}) {
        site.latitude = latitude;
        site.longitude = longitude;
        auto* display = OpenRecordDisplay<CSiteCoordinatesDlg>(&owner);
        EXPECT_EQ(Texts(display, {1010, 1049, 1048}), QString::fromUtf8(expected));
        ExpectWhole(display);
    }
}

TEST_F(RecordDisplay, AsteroidListChoosesCeresAndLoadsEveryChoice)
{
    folder.CopySample("ASTERS.DTB");
    {
        CAsteroidListDlg list;
        list.show();
        EXPECT_GE(list.width(), TitleBarWidth(&list));
        const QFontMetrics fixed(list.list()->font());
        EXPECT_GE(list.list()->viewport()->width(), fixed.horizontalAdvance(list.list()->item(0)->text() + "  "));
        ASSERT_EQ(list.list()->count(), 227);
        EXPECT_TRUE(list.list()->currentItem()->text().startsWith("Ceres"));
        EXPECT_EQ(state.currentAsteroid.name, "Ceres (1)");
        // Sorted by name whatever the case.
        for (int row = 1; row < list.list()->count(); ++row)
            EXPECT_LE(list.list()->item(row - 1)->text().compare(list.list()->item(row)->text(), Qt::CaseInsensitive), 0);

        // The file is held while the list is open.
        EXPECT_THROW(AsteroidCatalog(), FileError);

        QTest::keyClicks(list.edit(), QStringLiteral("pall"));
        EXPECT_EQ(state.currentAsteroid.name, "Pallas (2)");
        // Pallas's line of the sample catalogue, field by field.
        auto* display = OpenRecordDisplay<CAsteroidElementsDlg>(&list);
        EXPECT_EQ(Texts(display, {1030, 1018, 1022, 1023, 1012, 1013, 1014, 1015, 1024, 1025, 1026}),
                  QStringLiteral("Pallas  (2) | 2000 |  9/ 8/2022 |  315.09111 |  310.84262 |  172.91790 |   34.92714 | "
                                 " 0.2299864 |   0.21385068 |   4.12 |  0.11"));
        ExpectWhole(display);
        list.list()->setCurrentRow(0);
        list.reject();  // the choice stays made
        EXPECT_EQ(state.currentAsteroid.name, "Abundantia (151)");  // first by name
    }
    EXPECT_NO_THROW(AsteroidCatalog());
}
