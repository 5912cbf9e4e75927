// The two ephemeris request dialogs: what they offer, the order of the checks with their
// messages and focus, what a choice or a failed OK leaves, the commands that write tables.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "catalog/CAsteroidListDlg.h"
#include "catalog/RecordDisplayDlg.h"
#include "elements/ElementsNotice.h"
#include "ephemeris/CAsteroidEphemerisDlg.h"
#include "ephemeris/CCometEphemerisDlg.h"
#include "platform/HelpTopic.h"
#include "support/DialogTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>
#include <cstdio>

namespace {

// First date, number of days, interval, equinox.
QString Texts(const QWidget* dialog)
{
    QStringList texts;
    for (const int id : {1050, 1020, 1021, 1022})
        texts << FieldText(dialog, id);
    return texts.join(' ');
}

class EphemerisDialogs : public AppTest {
protected:
    void SetUp() override { AppTest::SetUp(); ResetSelection(); }
    void TearDown() override { ResetSelection(); AppTest::TearDown(); }
};

} // namespace

TEST_F(EphemerisDialogs, CometDialogOffersTheLastCometThenTheOneChosen)
{
    folder.CopySample("COMETS.WDB");
    {
        CCometEphemerisDlg dialog("15/6/2024");
        dialog.show();
        // The last comet offered, as in the diagram dialog whose tests check the rule.
        QComboBox* list = dialog.cometList();
        ASSERT_EQ(list->count(), 24);
        EXPECT_EQ(list->currentText() + "|" + Texts(&dialog) + "|" + FocusName(&dialog),
                  QStringLiteral("  24    2I/Borisov|15/6/2024 31 1 2000|1050"));

        // Typing in the list's field chooses nothing; a choice counts at once.
        list->setEditText(QStringLiteral("2P/Encke"));
        EXPECT_EQ(Selection().cometIndex, 23);
        list->setCurrentIndex(1);
        EXPECT_TRUE(Selection().cometIndex == 1 && CometName(Selection().currentComet) == "2P/Encke");

        // The elements open beside the dialog, and the focus comes back.
        Press(&dialog, 1044);
        const auto displays = dialog.findChildren<CCometElementsDlg*>();
        ASSERT_EQ(displays.size(), 1);
        EXPECT_EQ(Control<QLabel>(displays.front(), 1010)->text(), QStringLiteral("2P/Encke"));
        EXPECT_EQ(FocusName(&dialog), QStringLiteral("1050"));
        dialog.reject();
    }
    // Cancel keeps the choice for the next dialog.
    CCometEphemerisDlg again("");
    EXPECT_TRUE(again.cometList()->currentIndex() == 1 && FieldText(&again, 1050).isEmpty());
}

TEST_F(EphemerisDialogs, ChecksInOrderAndKeepsWhatWasReadBeforeAFault)
{
    folder.CopySample("COMETS.WDB");
    CCometEphemerisDlg dialog("");
    dialog.show();
    const EphemerisRequest& r = Selection().ephemeris;
    struct Step { int field; QString text; std::string message; };
    const std::vector<Step> steps = {
        {1050, "", ""},  // an empty date: the focus only
        {1050, "1/4", "Erreur de saisie de la date.\nLe format est  jj / mm / [-] aaaa .\n\nRecommencez !"},
        {1050, "31/4/2024", "Vous avez entré une date non valide.\n\nRecommencez !"},
        {1020, "", "Étourdi ! Vous avez oublié de saisir une donnée !"},
        {1020, "-5", "Erreur de saisie ! Recommencez !"},
        {1020, "10001", "Erreur ! Le nombre de jours ne peut pas dépasser 10000.\n\nRecommencez !"},
        {1021, "1.5", "Erreur de saisie ! Recommencez !"},
        {1021, "1000000000",
         "Erreur ! L'éphéméride irait au-delà de l'an 9999.\n\nRéduisez le nombre de jours ou l'intervalle."},
        {1022, "", "Étourdi ! Vous avez oublié de saisir une donnée !"},
        {1022, "10000", "Erreur ! L'année de l'équinoxe doit être comprise entre 0 et 9999.\n\nRecommencez !"},
    };
    const QString good[] = {"25/12/2004", "10", "3", "1950"};
    const int ids[] = {1050, 1020, 1021, 1022};
    for (const Step& step : steps) {
        // Every field before the faulty one holds a good value.
        for (int i = 0; ids[i] != step.field; ++i)
            Type(&dialog, ids[i], good[i]);
        ExpectRefused(messages, &dialog, step.field, step.text, step.message);
        if (step.text == "31/4/2024") {  // stored as read, though refused
            EXPECT_EQ((std::vector{r.day, r.month, r.year}), (std::vector{31, 4, 2024}));
        }
    }
    // The values read before the last fault stay stored.
    EXPECT_EQ((std::vector{r.day, r.dayInterval}), (std::vector{25, 3}));

    Type(&dialog, 1022, "1950");
    messages.Clear();
    dialog.accept();
    EXPECT_TRUE(messages.messages.empty() && dialog.result() == QDialog::Accepted);
    EXPECT_EQ((std::vector{r.day, r.month, r.year, r.dayCount, r.dayInterval, r.equinox}),
              (std::vector{25, 12, 2004, 10, 3, 1950}));
}

// An empty or missing catalogue, a record the computations cannot use (named
// on OK), an asteroid file whose line ends were converted: nothing is computed.
TEST_F(EphemerisDialogs, EmptyMissingAndDamagedCataloguesRefuseOk)
{
    folder.Write("COMETS.WDB", "");
    Selection().currentComet.eccentricity = 0.5;  // left by an earlier command
    CCometEphemerisDlg empty("1/1/2025");
    EXPECT_TRUE(messages.messages.empty() && Selection().cometIndex == -1);
    EXPECT_FALSE(Control<QAbstractButton>(&empty, 1044)->isEnabled());
    empty.accept();
    EXPECT_EQ(std::pair(messages.messages.size(), messages.messages.at(0).icon), std::pair(1ul, MessageIcon::Stop));
    EXPECT_EQ(messages.Texts().rfind("Le catalogue des comètes est vide", 0), 0u);
    EXPECT_EQ(Selection().ephemeris.month, 0);  // nothing read

    std::remove("COMETS.WDB");
    messages.Clear();
    CCometEphemerisDlg missing("1/1/2025");
    EXPECT_EQ(missing.cometList()->count(), 0);
    missing.accept();
    EXPECT_EQ(messages.Texts(), "Impossible de trouver COMETS.WDB. | Le catalogue des comètes n'a pas pu être lu : il "
                                "n'y a aucune comète à calculer.\n\nVérifiez le fichier COMETS.WDB, puis recommencez.");

    folder.CopySample("COMETS.WDB");
    folder.CopySample("ASTERS.DTB");
    std::string comets = folder.Read("COMETS.WDB");
    comets.replace(23 * 140 + 96, 8, std::string("\0\0\0\0\0\0\xf8\x7f", 8));  // the last one's i: NaN
    folder.Write("COMETS.WDB", comets);
    messages.Clear();
    CCometEphemerisDlg comet("1/1/2025");
    comet.accept();
    EXPECT_EQ(messages.Texts(), "La comète n° 24 (2I/Borisov) de COMETS.WDB est inutilisable : l'inclinaison n'est "
                                "pas un nombre.\n\nCorrigez-la par Comètes > Base de données.");
    EXPECT_TRUE(comet.cometList()->isAncestorOf(comet.focusWidget()) && comet.result() != QDialog::Accepted);

    // The asteroid list, without its file or with its line ends converted, lists nothing.
    std::string asteroids = folder.Read("ASTERS.DTB");
    std::erase(asteroids, '\r');
    folder.Write("ASTERS.DTB", asteroids);
    messages.Clear();
    CAsteroidListDlg list(nullptr);
    EXPECT_EQ(messages.Texts().rfind("ASTERS.DTB est endommagé : la ligne 1 ne finit pas par CR LF", 0), 0u);
    std::remove("ASTERS.DTB");
    messages.Clear();
    CAsteroidListDlg none(nullptr);
    EXPECT_EQ(messages.Texts(), "Impossible de trouver ASTERS.DTB.");
    EXPECT_EQ(list.findChild<QListWidget*>()->count() + none.findChild<QListWidget*>()->count(), 0);
    EXPECT_EQ(Selection().currentAsteroid.name, "");
}

TEST_F(EphemerisDialogs, AsteroidDialogNeedsASelectionAndKeepsTypedTexts)
{
    folder.CopySample("ASTERS.DTB");
    CAsteroidEphemerisDlg dialog("");
    dialog.show();
    EXPECT_EQ(Control<QLabel>(&dialog, 1030)->text() + "|" + Texts(&dialog) + "|" + FocusName(&dialog),
              QStringLiteral("| 31 10 2000|1050"));

    Type(&dialog, 1050, "1/9/2024");
    dialog.accept();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption + " " + messages.messages[0].text,
              "Erreur ! Vous n'avez pas sélectionné d'astéroïde.\nRecommencez !");
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1045"));
    EXPECT_EQ(Selection().ephemeris.month, 0);

    // The list chooses Ceres; whatever it returns, the name shows and the typed texts stay.
    Type(&dialog, 1020, "4");
    WhenModalShown([](QWidget* list) {
        EXPECT_NE(qobject_cast<CAsteroidListDlg*>(list), nullptr);
        QTest::keyClick(list, Qt::Key_Escape);
    });
    Press(&dialog, 1045);
    EXPECT_EQ(Control<QLabel>(&dialog, 1030)->text() + "|" + Texts(&dialog) + "|" + FocusName(&dialog),
              QStringLiteral("Ceres (1)|1/9/2024 4 10 2000|1050"));

    Press(&dialog, 1052);
    EXPECT_EQ(dialog.findChildren<CAsteroidElementsDlg*>().size(), 1);
    EXPECT_EQ(FocusName(&dialog), QStringLiteral("1050"));

    messages.Clear();
    dialog.accept();
    EXPECT_TRUE(messages.messages.empty() && dialog.result() == QDialog::Accepted);
    EXPECT_EQ(Selection().ephemeris.dayInterval, 10);
}

TEST_F(EphemerisDialogs, HelpOpensItsPageAndCanBeReadWhileTheDialogWaits)
{
    ASSERT_TRUE(Start());
    int presses = 0;
    WhenModalShown([&](QWidget* dialog) {
        Press(dialog, 9);  // "Aide"
        QTextBrowser* browser = HelpWindowBrowser();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->source().toLocalFile().endsWith("Ephémérides d'Astéroïdes - frameset.htm"));
        EXPECT_EQ(FocusName(dialog), QStringLiteral("1050"));
        // A click on the page reaches it: the modal dialog does not block it.
        struct Counter : QObject {
            int& count;
            explicit Counter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                count += event->type() == QEvent::MouseButtonPress;
                return false;
            }
        } counter(presses);
        browser->viewport()->installEventFilter(&counter);
        QTest::mouseClick(browser->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame().OnCmdMsg(Cmd::AsteroidEphemeris);
    EXPECT_EQ(presses, 1);
}

TEST_F(EphemerisDialogs, CommandsReplaceTheTextAndOfferTheLastFirstDay)
{
    folder.CopySample("COMETS.WDB");
    ASSERT_TRUE(Start());
    view().SetText("ancien texte");
    doc().SetModifiedFlag(false);

    // Cancel leaves the text alone, but the comet chosen stays chosen.
    WhenModalShown([](QWidget* dialog) {
        Control<QComboBox>(dialog, 1043)->setCurrentIndex(4);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame().OnCmdMsg(Cmd::CometEphemeris);
    EXPECT_TRUE(doc().Serialize() == "ancien texte" && !doc().IsModified());

    QString offered;
    WhenModalShown([&](QWidget* dialog) {
        offered = FieldText(dialog, 1050);
        for (const auto& [id, text] : {std::pair{1050, "1/4/2024"}, std::pair{1020, "4"}, std::pair{1021, "5"}})
            Type(dialog, id, text);
        QTest::keyClick(Control<QLineEdit>(dialog, 1022), Qt::Key_Return);  // the default button
    });
    frame().OnCmdMsg(Cmd::CometEphemeris);
    EXPECT_EQ(offered, QString());
    // 12P, chosen before the cancel: the lines the writer's tests pin to PyEphem.
    const std::string table = doc().Serialize();
    EXPECT_EQ(table.rfind("                     *** COMETE 12P/Pons-Brooks ***\r\n", 0), 0u);
    EXPECT_NE(table.find("\r\n 1/ 4/2024    2  9.81   22 49.9   1.610  0.866   28.0   32.8     9.4    52.5\r\n"
                         " 6/ 4/2024    2 30.95   19 46.9"), std::string::npos);
    EXPECT_NE(table.find("\r\n16/ 4/2024 "), std::string::npos);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(ElementsNoticeOf(&frame()), QString());  // days from the perihelion

    // The next dialog offers the first day of the last request.
    WhenModalShown([&](QWidget* dialog) {
        offered = FieldText(dialog, 1050);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame().OnCmdMsg(Cmd::CometEphemeris);
    EXPECT_EQ(offered, QStringLiteral("1/4/2024"));

    // From a diagram window, before any diagram: nothing.
    frame().OnCmdMsg(Cmd::EphemerisFromDiagram);
    EXPECT_EQ(doc().Serialize(), table);
}
