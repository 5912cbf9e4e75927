// Every typed field of the request and maintenance dialogs takes the longest
// value its reader accepts, typed key by key, whatever the font the desktop
// gives the dialogs; a field bounded by its width still stops what goes
// beyond.

#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "ephemeris/CAsteroidEphemerisDlg.h"
#include "ephemeris/CCometEphemerisDlg.h"
#include "maintenance/CCometRecordDlg.h"
#include "maintenance/CSiteBaseDlg.h"
#include "support/DialogTestSupport.h"

#include <QApplication>
#include <functional>
#include <memory>

TEST(TypedFields, TakeTheLongestValueInAnyFont)
{
    TempFolder folder;
    MessageRecorder messages;
    for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
        folder.CopySample(name);
    ResetSelection();
    using Fields = std::vector<std::pair<int, const char*>>;
    const Fields ephemeris = {
        {1050, "31/12/-1000"}, {1050, "28/08/-88888"}, {1020, "10000"}, {1021, "2147483647"}, {1022, "2147483647"}};
    const Fields month = {{1050, "12/-1000"}, {1050, "10/-88888"}};
    const std::vector<std::pair<std::function<QDialog*()>, Fields>> dialogs = {
        {[] { return new CCometEphemerisDlg(""); }, ephemeris},
        {[] { return new CAsteroidEphemerisDlg(""); }, ephemeris},
        {[] { return new CCometDiagramDlg(nullptr, "", ""); }, month},
        {[] { return new CAsteroidDiagramDlg(nullptr, "", ""); }, month},
        {[] { return new CCometRecordDlg(nullptr); },
         {{1060, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}, {1061, "MPEC 2024-S56 et MPC 123456 (WWWWW)"},
          {1053, "31.99999/12/2024"}, {1102, "359.99999"}, {1103, "359.99999"}, {1056, "179.99999"},
          {1057, "0.9999999"}, {1058, "12.3456789"}, {1063, "2000"}, {1064, "15.5"}, {1065, "10.0"}}},
        {[] { return new CSiteBaseDlg; },
         {{1082, "Observatoire de la Cote d'Azur - WWWWWW"}, {1064, "-89.5959"}, {1065, "-179.5959"}}},
    };
    const QFont standard = QApplication::font();
    // Qt's default font on Debian, and a large serif one.
    for (const QFont& font : {QFont("DejaVu Sans", 9), QFont("Liberation Serif", 16)}) {
        QApplication::setFont(font);
        for (const auto& [open, fields] : dialogs) {
            const std::unique_ptr<QDialog> dialog(open());
            dialog->show();
            for (const auto& [id, text] : fields) {
                auto* field = Control<QLineEdit>(dialog.get(), id);
                field->clear();
                QTest::keyClicks(field, QString::fromUtf8(text));
                EXPECT_EQ(field->text().toStdString(), text) << font.family().toStdString();
            }
        }
        // Beyond that, a field bounded by its width stops typing.
        CAsteroidEphemerisDlg asteroid("");
        QTest::keyClicks(Control<QLineEdit>(&asteroid, 1050), QString(40, QLatin1Char('8')));
        EXPECT_LT(Control<QLineEdit>(&asteroid, 1050)->text().size(), 40);
    }
    QApplication::setFont(standard);
    ResetSelection();
}
