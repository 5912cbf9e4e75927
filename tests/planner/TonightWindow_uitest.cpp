// The "Ce soir" window: 15 January 2025 from Paris (times as in the planner's test),
// the filter, CSV, diagram and ephemeris of a row, refusals, a night without darkness.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "catalog/SelectionState.h"
#include "planner/CTonightWnd.h"
#include "support/UiTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

class TonightWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetSelection();
        folder.CopySamples();
        // One damaged line at the end of the asteroids.
        folder.Write("ASTERS.DTB", folder.Read("ASTERS.DTB") + std::string(108, 'x') + "\r\n");
        ASSERT_TRUE(Start());
        frame().OnCmdMsg(Cmd::Tonight);
        window = app().tonightWindow();
        ASSERT_NE(window, nullptr);
    }

    QString Field(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
    void Type(const char* field, const QString& text) { window->findChild<QLineEdit*>(field)->setText(text); }
    QString Cell(int row, int column) const
    {
        return window->findChild<QTableView*>("table")->model()->index(row, column).data().toString();
    }
    // Enter in a field computes.
    bool Computed(const char* date)
    {
        Type("date", date);
        window->findChild<QLineEdit*>("date")->setFocus();
        QTest::keyClick(window->findChild<QLineEdit*>("date"), Qt::Key_Return);
        return window->Computing() && QTest::qWaitFor([this] { return !window->Computing(); }, 20000);
    }

    CTonightWnd* window = nullptr;
};

} // namespace

TEST_F(TonightWindow, ListsTheNightFiltersSavesAndOpensAnObject)
{
    ASSERT_TRUE(Computed("15/1/2025"));
    EXPECT_EQ(Field("darkness"), QStringLiteral("Nuit astronomique de 18h15 à 5h45 TU."));
    EXPECT_TRUE(Field("status").contains(QStringLiteral("1 ligne endommagée ignorée")));
    // Brightest first: Vesta, rising through 10 degrees at 2:01.
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Vesta (4)"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("2h01"));

    QLineEdit* filter = window->findChild<QLineEdit*>("filter");
    QTableView* table = window->findChild<QTableView*>("table");
    filter->setText(QStringLiteral("EUNO"));
    ASSERT_EQ(table->model()->rowCount(), 1);
    // Enter in the filter goes to the rows; Enter on a row opens its diagram,
    // from January 2025; Tab leaves the table for the CSV button, Enter presses it.
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Return);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(app().diagramFrames().size(), 1u);
    const DiagramSubject& shown = doc().diagram().subject();
    EXPECT_EQ(shown.kind, kAsteroidKind);
    EXPECT_EQ(shown.asteroid.name, "Eunomia (15)");
    EXPECT_EQ(shown.month * 10000 + shown.year, 12025);
    QTest::keyClick(table, Qt::Key_Tab);
    saveAnswers = {folder.path().string().c_str() + QStringLiteral("/nuit.csv")};
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    const std::string csv = folder.Read("nuit.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "name,kind,magnitude,start_utc,end_utc,hours,best_utc,best_alt_deg,"
                                            "best_az_deg,elongation_deg,moon_alt_deg,moon_illum,moon_sep_deg");
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 40), "Eunomia (15),asteroid,8.86,2025-01-15T18");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);

    // The ephemeris from the evening.
    window->WriteEphemerisAt(0);
    const std::string text = view().GetText();
    EXPECT_NE(text.find("Eunomia (15) ***"), std::string::npos);
    EXPECT_NE(text.find("\r\n15/ 1/2025 "), std::string::npos);
    EXPECT_NE(text.find("\r\n14/ 2/2025 "), std::string::npos);  // 31 days
}

TEST_F(TonightWindow, RefusesBadFieldsAndMarksANauticalNight)
{
    messages.Clear();
    // The field, what is typed there, the message; the shared reader's other messages are qav-cli's.
    for (const auto& [field, text, message] :
         {std::tuple{"magnitude", "40", "La magnitude limite doit être comprise entre -10 et 30."},
          std::tuple{"altitude", "dix", "La hauteur minimale doit être un nombre de degrés, par exemple 10."},
          std::tuple{"date", "31/2/2025", "Vous avez entré une date non valide.\n\nRecommencez !"}}) {
        Type("date", "15/1/2025");
        Type("magnitude", "12");
        Type("altitude", "10");
        Type(field, text);
        EXPECT_FALSE(window->Compute()) << text;
        EXPECT_EQ(messages.Texts(), message);
        EXPECT_EQ(window->findChild<QLineEdit*>(field)->selectedText(), text);  // typing replaces it
        messages.Clear();
    }
    // A request replaces the one running; a comma is a decimal point.
    Type("altitude", "10");
    Type("date", "21/6/2025");
    ASSERT_TRUE(window->Compute());
    Type("altitude", "45,5");
    ASSERT_TRUE(Computed("21/6/2025"));
    EXPECT_TRUE(Field("darkness").startsWith(QStringLiteral("Pas de nuit astronomique : nuit nautique")));
    EXPECT_FALSE(window->findChild<QLabel*>("darkness")->styleSheet().isEmpty());
    QTableView* table = window->findChild<QTableView*>("table");
    ASSERT_GT(table->model()->rowCount(), 0);
    for (int row = 0; row < table->model()->rowCount(); ++row)
        EXPECT_GE(table->model()->index(row, 6).data(Qt::UserRole).toDouble(), 45.5);
}
