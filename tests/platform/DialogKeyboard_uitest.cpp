// The dialogs at the keyboard: the tab order and the typed fields.

#include "catalog/CAsteroidListDlg.h"
#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "elements/CAsteroidImportDlg.h"
#include "elements/CCometImportDlg.h"
#include "ephemeris/CAsteroidEphemerisDlg.h"
#include "ephemeris/CCometEphemerisDlg.h"
#include "magnitude/CMagnitudeCoefDlg.h"
#include "magnitude/CMagnitudeDlg.h"
#include "maintenance/CCometBaseDlg.h"
#include "maintenance/CCometRecordDlg.h"
#include "maintenance/CConfirmDeleteDlg.h"
#include "maintenance/CSiteBaseDlg.h"
#include "planner/CTonightWnd.h"
#include "planner/TonightLink.h"
#include "support/DialogTestSupport.h"

#include <QApplication>
#include <functional>
#include <memory>

namespace {

// A button by its text, another control by its number or its name, anything else by its class.
QString Name(QWidget* widget)
{
    if (const auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (w->objectName().toInt() > 0)
            return w->objectName();
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className());
}

struct NoLink : TonightLink {
    void OpenDiagram(const PlannerObject&, const SiteRecord&, int, int) override {}
    void WriteEphemeris(const PlannerObject&, int, int, int) override {}
    QString CsvFileName(QWidget*, const QString&) override { return {}; }
};

} // namespace

class DialogKeyboard : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetSelection();
        folder.CopySamples();
    }
    void TearDown() override
    {
        AppTest::TearDown();
        ResetSelection();
    }
};

// Tab visits the controls of every dialog in the order they are shown.
TEST_F(DialogKeyboard, TabFollowsTheControlsTopToBottomLeftToRight)
{
    QString first = "1.0", second = "8";
    const QString title = "Astéroïde : initialisation d'un diagramme de visibilité";
    const QString fields = "1050|1020|1021|1022|OK|Annuler|Aide";
    NoLink link;
    const std::pair<std::function<QWidget*()>, QString> cases[] = {
        {[] { return new CCometEphemerisDlg(""); }, "1043|Éléments orbitaux|" + fields},
        {[] { return new CAsteroidEphemerisDlg(""); }, "Sélection|Éléments orbitaux|" + fields},
        {[&] { return new CCometDiagramDlg(nullptr, "", title); },
         "1043|Eléments orbitaux|1042|Coordonnées géographiques|1050|OK|Annuler|Aide"},
        {[&] { return new CAsteroidDiagramDlg(nullptr, "", title); },
         "Sélection|Eléments orbitaux|1042|Coordonnées géographiques|1050|OK|Annuler|Aide"},
        {[] { return new CCometBaseDlg; }, "Enregistrement|1095|Modification|Suppression|Quitter|Aide"},
        {[] { return new CCometRecordDlg(nullptr); },
         "1060|1061|1053|1102|1103|1056|1057|1058|1063|1064|1065|OK|Annuler|Aide"},
        {[] { return new CConfirmDeleteDlg(nullptr); }, "Oui|Non"},
        {[] { return new CSiteBaseDlg; },
         "1082|1064|1065|Enregistrement|1042|Coordonnées géographiques|Suppression|Quitter|Aide"},
        {[] { return new CMagnitudeCoefDlg; }, "1069|1077|1075|1078|1076|1079|Calcul des coefficients|1071|1080|"
                                               "Calcul de magnitudes\navec les coefficients ci-dessus|OK|Annuler|Aide"},
        {[&] { return new CMagnitudeDlg(first, second, nullptr); },
         "1073|1074|Calcul de la magnitude|1075|1071|1080|OK|Annuler"},
        {[] { return new CAsteroidListDlg; }, "QLineEdit|1024|OK|Annuler"},
        // OK is disabled until a file is read.
        {[] { return new CCometImportDlg; },
         "source|Parcourir...|Lire|filter|Tout cocher|Tout décocher|QTreeWidget|Annuler|Aide"},
        {[] { return new CAsteroidImportDlg; }, "source|Parcourir...|Lire|limit|Annuler|Aide"},
        {[&] { return new CTonightWnd(link, 0); },
         "site|date|kinds|magnitude|altitude|&Calculer|filter|table|Fermer|Aide"},
    };
    for (const auto& [make, order] : cases) {
        const std::unique_ptr<QWidget> dialog(make());
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        const QStringList names = order.split('|');
        for (QWidget* child : dialog->findChildren<QWidget*>())
            if (child->focusPolicy() & Qt::TabFocus && child->isVisible() && Name(child) == names.front())
                child->setFocus();
        QStringList visited = {Name(QApplication::focusWidget())};
        for (qsizetype i = 0; i < names.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << Name(QApplication::focusWidget());
        }
        // Round the dialog and back to its first control.
        EXPECT_EQ(visited.join('|').toStdString(), (order + '|' + names.front()).toStdString());
    }
}

// Every typed field of the request and maintenance dialogs takes the longest
// value its reader accepts, typed key by key, whatever the font the desktop
// gives the dialogs; a field bounded by its width still stops what goes beyond.
TEST_F(DialogKeyboard, TypedFieldsTakeTheLongestValueInAnyFont)
{
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
}
