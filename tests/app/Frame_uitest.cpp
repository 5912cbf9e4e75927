// The main window: size, title, menus, toolbar, status bar, accelerators, routing, help.

#include "app/CMainFrame.h"
#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "planner/CTonightWnd.h"
#include "platform/HelpTopic.h"
#include "support/DiagramFixtures.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

using Frame = AppTest;

namespace {

// Each menu of a bar as shown: the title, then its visible items ("-" for a
// separator); a command standing on the bar itself has no items.
std::vector<std::string> Menus(const QMenuBar* bar)
{
    std::vector<std::string> menus;
    for (QAction* entry : bar->actions()) {
        QStringList items;
        for (QAction* item : entry->menu() ? entry->menu()->actions() : QList<QAction*>())
            if (item->isVisible())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        menus.push_back((items.isEmpty() ? entry->text() : entry->text() + ": " + items.join(" | ")).toStdString());
    }
    return menus;
}

} // namespace

TEST_F(Frame, OpensWithItsTitleSizeBarsAndTheirSwitches)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().windowTitle() == "sans nom - Ephémérides et diagrammes de visibilité de comètes et astéroïdes" &&
                frame().size() == QSize(768, 550));
    QStringList buttons;
    for (QAction* button : frame().toolBar()->actions()) {
        buttons << (button->isSeparator() ? QStringLiteral("|") : button->toolTip());
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull()) << button->toolTip().toStdString();
    }
    EXPECT_EQ(buttons.join(' '), QStringLiteral("Nouveau Ouvrir Enregistrer Imprimer | Couper Copier Coller | "
                                                "Comètes Astéroïdes | A propos de"));
    EXPECT_TRUE(frame().PaneText(0) == "Pour l'aide, appuyez sur F1" &&
                frame().statusBar()->findChildren<QLabel*>(QRegularExpression("^pane\\d$")).size() == 4);
    EXPECT_TRUE(view().lineWrapMode() == QPlainTextEdit::WidgetWidth &&
                view().horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
    EXPECT_DOUBLE_EQ(view().tabStopDistance(), 8.0 * QFontMetricsF(view().font()).averageCharWidth());

    // No split panes: F6 and Shift+F6 have no handler. No recent file yet: the grey placeholder.
    frame().UpdateCommandUI();
    EXPECT_FALSE(frame().action(Cmd::NextPane)->isEnabled() || frame().action(Cmd::PrevPane)->isEnabled() ||
                 frame().OnCmdMsg(Cmd::NextPane) || frame().action(Cmd::FileMru1)->isEnabled());
    EXPECT_EQ(frame().action(Cmd::FileMru1)->text(), QStringLiteral("Fichier récent"));

    EXPECT_TRUE(frame().action(Cmd::ViewToolbar)->isChecked());
    frame().OnCmdMsg(Cmd::ViewToolbar);
    frame().OnCmdMsg(Cmd::ViewStatusBar);
    frame().UpdateCommandUI();
    EXPECT_FALSE(frame().toolBar()->isVisible() || frame().statusBar()->isVisible() ||
                 frame().action(Cmd::ViewToolbar)->isChecked() || frame().action(Cmd::ViewStatusBar)->isChecked());
    frame().OnCmdMsg(Cmd::ViewToolbar);
    EXPECT_TRUE(frame().toolBar()->isVisible());

    QTest::keyClick(&view(), Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(messages.Texts(), "Tiroir secret de Zariz.");
    EXPECT_TRUE(messages.messages[0].icon == MessageIcon::Warning && messages.messages[0].caption == "Qav" &&
                view().GetText().empty());
}

// Each menu of the main window and of a diagram window, item by item.
TEST_F(Frame, EachMenuHoldsItsItemsInOrder)
{
    ASSERT_TRUE(Start());
    const std::vector<std::string> main = {
        "&Fichier: &Nouveau | &Ouvrir... | &Enregistrer | En&registrer sous... | - | &Imprimer... | "
        "Aperçu a&vant impression | C&onfiguration de l'impression... | - | Fichier récent | - | &Quitter",
        "&Edition: &Annuler | - | Cou&per | &Copier | Co&ller | - | E&ffacer tout",
        "&Affichage: &Barre d'outils | Barre d'é&tat | - | Fonte...",
        "&Comètes: &Éphéméride | &Visibilité | - | &Base de données | &Importer des éléments… | &Magnitudes",
        "As&téroïdes: &Éphéméride | &Visibilité | - | &Importer des éléments…",
        "&Sites: &Base de données | &Ce soir…",
        "&?: Aide | - | &A propos de Qav...",
    };
    EXPECT_EQ(Menus(frame().menuBar()), main);  // an Alt letter of its own for each menu

    // The diagram windows' commands stand on the bar itself.
    const std::vector<std::string> diagram = {
        "&Fichier: &Imprimer... | Aperçu a&vant impression | C&onfiguration de l'impression... | - | &Fermer",
        "&Ephéméride", "<=", "<--", "-->", "=>", "&Nouveau", "Aide",
    };
    DiagramSubject subject{'C', PolarComet(true), {}, Paris(), 1, 2024};
    doc().OpenDiagram(subject);
    ASSERT_EQ(app().diagramFrames().size(), 1u);
    EXPECT_EQ(Menus(app().diagramFrames().front()->menuBar()), diagram);
}

// Each item of the Comets, Asteroids, Sites and ? menus, and the toolbar's
// two object buttons, open the dialog or window their names promise.
TEST_F(Frame, MenuItemsLeadToTheirDialogs)
{
    folder.CopySamples();
    ASSERT_TRUE(Start());
    const auto item = [this](const QString& menu, const QString& text) -> QAction* {
        for (QAction* entry : frame().menuBar()->actions())
            if (entry->text() == menu)
                for (QAction* action : entry->menu()->actions())
                    if (action->text() == text)
                        return action;
        return nullptr;
    };
    const QList<QAction*> buttons = frame().toolBar()->actions();  // as the first test lists them
    const QString comets = QStringLiteral("&Comètes"), asteroids = QStringLiteral("As&téroïdes");
    const std::pair<QAction*, QString> leads[] = {
        {item(comets, "&Éphéméride"), "Comète : initialisation d'une éphéméride"},
        {item(comets, "&Visibilité"), "Comète : Initialisation d'un diagramme de visibilité"},
        {buttons[9], "Comète : Initialisation d'un diagramme de visibilité"},
        {item(comets, "&Base de données"), "Gestion de la base de données des comètes"},
        {item(comets, "&Importer des éléments…"), "Comètes : importation d'éléments"},
        {item(comets, "&Magnitudes"), "Calcul des coefficients de la formule des magnitudes"},
        {item(asteroids, "&Éphéméride"), "Astéroïde : initialisation d'une éphéméride"},
        {item(asteroids, "&Visibilité"), "Astéroïde : initialisation d'un diagramme de visibilité"},
        {buttons[10], "Astéroïde : initialisation d'un diagramme de visibilité"},
        {item(asteroids, "&Importer des éléments…"), "Astéroïdes : importation d'éléments"},
        {item("&Sites", "&Base de données"), "Gestion de la base de données des sites"},
        {item("&?", "&A propos de Qav..."), "A propos de Qav"},
    };
    for (const auto& [action, title] : leads) {
        ASSERT_NE(action, nullptr) << title.toStdString();
        QString shown;
        WhenModalShown([&shown](QWidget* dialog) {
            shown = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->reject();
        });
        action->trigger();
        EXPECT_EQ(shown, title);
        QApplication::processEvents();
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.Texts();
    item("&Sites", "&Ce soir…")->trigger();
    EXPECT_TRUE(app().tonightWindow() && app().tonightWindow()->windowTitle() == "Ce soir");

    // An item's prompt shows in the status bar while it is hovered.
    item(comets, "&Éphéméride")->showStatusText(&frame());
    const QString prompt = frame().PaneText(0);
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(&frame(), &none);
    EXPECT_TRUE(prompt == "Calcul d'une éphéméride" && frame().PaneText(0) == "Pour l'aide, appuyez sur F1");
}

TEST_F(Frame, EditCommandsFollowTheSelectionClipboardAndUndo)
{
    ASSERT_TRUE(Start());
    const auto enabled = [this](int id) {
        frame().UpdateCommandUI();
        return frame().action(id)->isEnabled();
    };
    QApplication::clipboard()->clear();
    view().SetText("abc def");
    for (const int id : {Cmd::EditCut, Cmd::EditCopy, Cmd::EditPaste, Cmd::EditUndo})
        EXPECT_FALSE(enabled(id)) << id;
    view().selectAll();
    EXPECT_TRUE(enabled(Cmd::EditCopy));
    frame().OnCmdMsg(Cmd::EditCut);
    EXPECT_TRUE(view().GetText().empty() && doc().IsModified() && enabled(Cmd::EditPaste) && enabled(Cmd::EditUndo));
    frame().OnCmdMsg(Cmd::EditUndo);
    EXPECT_EQ(view().GetText(), "abc def");
    view().moveCursor(QTextCursor::End);
    frame().OnCmdMsg(Cmd::EditPaste);
    EXPECT_EQ(view().GetText(), "abc defabc def");

    // What Windows-1252 cannot hold is pasted as '?', as it would be saved.
    QApplication::clipboard()->setText(QString::fromUtf8("→ €"));
    view().SetText("");
    frame().OnCmdMsg(Cmd::EditPaste);
    EXPECT_EQ(view().GetText(), "? \x80");
}

TEST(HelpTopic, EveryTopicHasItsPageAndMalformedOrMissingOnesDoNothing)
{
    for (const char* page : {"Aide de Qav - frameset", "Ephémérides de Comètes - frameset", "Ephémérides d'Astéroïdes - frameset",
                             "Visibilité des Comètes - frameset", "Visibilité des Astéroïdes - frameset", "Diagrammes de visibilité - frameset",
                             "Magnitudes visuelles", "Base de données des Comètes - frameset", "Base de données des Sites - frameset",
                             "Ce soir - frameset", "Importation des éléments de comètes", "Importation des éléments d'astéroïdes"})
        EXPECT_TRUE(QFileInfo(HelpTopicPath(QStringLiteral("Qav.chm::/html/") + page + ".htm")).isFile()) << page;
    CloseHelpWindow();
    EXPECT_TRUE(HelpTopicPath("Qav.chm").isEmpty() && HelpTopicPath("Qav.chm::/html/../../etc/passwd").isEmpty());
    HelpTopic(QStringLiteral("Qav.chm::/html/Pas de page.htm"));
    EXPECT_EQ(HelpWindowBrowser(), nullptr);
}

TEST_F(Frame, F1OpensTheMainTopicFromTheMainWindowAndFromDialogs)
{
    ASSERT_TRUE(Start());
    QTest::keyClick(&frame(), Qt::Key_F1);
    ASSERT_TRUE(HelpWindowBrowser() && HelpWindowBrowser()->source().toLocalFile().endsWith("Aide de Qav - frameset.htm"));
    HelpWindowBrowser()->setSource(QUrl::fromLocalFile(
        HelpTopicPath(QStringLiteral("Qav.chm::/html/Magnitudes visuelles.htm"))));

    // In a dialog F1 climbs to the main window's help command.
    QString shown;
    WhenModalShown([&](QWidget* dialog) {
        // F1 goes by the active window; headless, the activation of the
        // dialog may lag behind or be overtaken by an earlier one.
        QApplication::setActiveWindow(dialog);
        EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        QTest::keyClick(dialog, Qt::Key_F1);
        shown = HelpWindowBrowser()->source().toLocalFile();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    frame().OnCmdMsg(Cmd::AppAbout);
    EXPECT_TRUE(shown.endsWith("Aide de Qav - frameset.htm")) << shown.toStdString();
}
