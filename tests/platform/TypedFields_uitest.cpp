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

namespace {

struct Typed {
    int id;
    const char* text;
};

struct DialogFields {
    const char* name;
    std::function<QDialog*()> open;
    std::vector<Typed> fields;
};

} // namespace

TEST(TypedFields, TakeTheLongestValueInAnyFont)
{
    TempFolder folder;
    MessageRecorder messages;
    for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
        folder.CopySample(name);
    ResetSelection();
    const std::vector<Typed> ephemeris = {
        {1050, "31/12/-1000"}, {1050, "28/08/-88888"}, {1020, "10000"}, {1021, "2147483647"}, {1022, "2147483647"}};
    const std::vector<Typed> month = {{1050, "12/-1000"}, {1050, "10/-88888"}};
    const std::vector<DialogFields> dialogs = {
        {"148", [] { return new CCometEphemerisDlg(""); }, ephemeris},
        {"149", [] { return new CAsteroidEphemerisDlg(""); }, ephemeris},
        {"101", [] { return new CCometDiagramDlg(nullptr, "", "Comète"); }, month},
        {"150", [] { return new CAsteroidDiagramDlg(nullptr, "", "Astéroïde"); }, month},
        {"164", [] { return new CCometRecordDlg(nullptr); },
         {{1060, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}, {1061, "MPEC 2024-S56 et MPC 123456 (WWWWW)"},
          {1053, "31.99999/12/2024"}, {1102, "359.99999"}, {1103, "359.99999"}, {1056, "179.99999"},
          {1057, "0.9999999"}, {1058, "12.3456789"}, {1063, "2000"}, {1064, "15.5"}, {1065, "10.0"}}},
        {"152", [] { return new CSiteBaseDlg; },
         {{1082, "Observatoire de la Cote d'Azur - WWWWWW"}, {1064, "-89.5959"}, {1065, "-179.5959"}}},
    };
    const QFont standard = QApplication::font();
    // Qt's default font on Debian, and a large serif one.
    for (const QFont& font : {QFont("DejaVu Sans", 9), QFont("Liberation Serif", 16)}) {
        QApplication::setFont(font);
        for (const DialogFields& dialog : dialogs) {
            SCOPED_TRACE(std::string(dialog.name) + " in " + font.family().toStdString());
            const std::unique_ptr<QDialog> shown(dialog.open());
            shown->show();
            for (const auto& [id, text] : dialog.fields) {
                auto* field = Control<QLineEdit>(shown.get(), id);
                field->clear();
                QTest::keyClicks(field, QString::fromUtf8(text));
                EXPECT_EQ(field->text().toStdString(), text) << id;
            }
        }
        // Beyond that, a field bounded by its width stops typing.
        const std::unique_ptr<QDialog> asteroid(new CAsteroidEphemerisDlg(""));
        auto* date = Control<QLineEdit>(asteroid.get(), 1050);
        QTest::keyClicks(date, QString(40, QLatin1Char('8')));
        EXPECT_LT(date->text().size(), 40);
    }
    QApplication::setFont(standard);
    ResetSelection();
}
