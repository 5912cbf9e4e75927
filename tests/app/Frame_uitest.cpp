// The main window: its size, title, menus, toolbar, status bar, accelerators,
// and how commands are routed and disabled.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "support/DiagramFixtures.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <set>

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

TEST_F(Frame, OpensWithItsTitleSizeMenusAndBars)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame().windowTitle(),
              QStringLiteral("sans nom - Ephémérides et diagrammes de visibilité de comètes et astéroïdes"));
    EXPECT_EQ(frame().size(), QSize(768, 550));

    QStringList tooltips;
    int separators = 0;
    for (QAction* button : frame().toolBar()->actions()) {
        if (button->isSeparator())
            ++separators;
        else
            tooltips << button->toolTip();
    }
    EXPECT_EQ(tooltips, (QStringList{"Nouveau", "Ouvrir", "Enregistrer", "Imprimer", "Couper", "Copier", "Coller",
                                     "Comètes", "Astéroïdes", "A propos de"}));
    EXPECT_EQ(separators, 3);
    for (QAction* button : frame().toolBar()->actions())
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull()) << button->toolTip().toStdString();

    EXPECT_EQ(frame().PaneText(0), QStringLiteral("Pour l'aide, appuyez sur F1"));
    const auto panes = frame().statusBar()->findChildren<QLabel*>(QRegularExpression("^pane\\d$"));
    EXPECT_EQ(panes.size(), 4);
    const QStringList indicators = {"MAJ", "NUM", "DEF"};
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(frame().PaneText(i).isEmpty() || frame().PaneText(i) == indicators[i - 1]);

    EXPECT_EQ(view().font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(view().font().pixelSize(), 15);
    EXPECT_EQ(view().lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(view().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_DOUBLE_EQ(view().tabStopDistance(), 8.0 * QFontMetricsF(view().font()).averageCharWidth());
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
    EXPECT_EQ(Menus(frame().menuBar()), main);
    // Each menu of the bar has an Alt letter of its own.
    std::set<QChar> letters;
    for (const QAction* menu : frame().menuBar()->actions())
        letters.insert(menu->text().at(menu->text().indexOf('&') + 1).toLower());
    EXPECT_EQ(letters.size(), frame().menuBar()->actions().size());

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

TEST_F(Frame, EveryMenuCommandHasItsPromptAndNumber)
{
    ASSERT_TRUE(Start());
    const std::set<int> expected = {57600, 57601, 57603, 57604, 57607, 57609, 57606, 57616, 57665, 57643,
                                    57633, 57635, 57634, 57637, 59392, 59393, 32771, 32773, 32774, 32809,
                                    32805, 32778, 32779, 32808, 57664, 57670, 32782, 32783, 32807, 57680, 57681};
    for (const int id : expected) {
        QAction* command = frame().action(id);
        ASSERT_NE(command, nullptr) << id;
        EXPECT_EQ(command->data().toInt(), id);
        EXPECT_TRUE(id == Cmd::SecretDrawer || !CommandPrompt(id).isEmpty()) << id;
        EXPECT_EQ(command->statusTip(), CommandPrompt(id));
    }
    EXPECT_EQ(CommandPrompt(Cmd::CometEphemeris), QStringLiteral("Calcul d'une éphéméride"));
    EXPECT_EQ(CommandPrompt(Cmd::CometVisibilityButton), QStringLiteral("Affiche la liste des comètes enregistrées"));
    EXPECT_EQ(CommandTooltip(Cmd::CometVisibilityButton), QStringLiteral("Comètes"));
    EXPECT_EQ(frame().action(Cmd::EditClearAll)->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(frame().action(Cmd::EditUndo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(frame().action(Cmd::AppExit)->shortcut(), QKeySequence(Qt::Key_Escape));
}

TEST_F(Frame, CommandsWithoutAHandlerAreDisabled)
{
    ASSERT_TRUE(Start());
    frame().UpdateCommandUI();
    // No split panes: F6 and Shift+F6 have no handler.
    EXPECT_FALSE(frame().action(Cmd::NextPane)->isEnabled());
    EXPECT_FALSE(frame().action(Cmd::PrevPane)->isEnabled());
    for (const int id : {Cmd::CometEphemeris, Cmd::CometVisibility, Cmd::CometBase, Cmd::Magnitudes,
                         Cmd::AsteroidEphemeris, Cmd::AsteroidVisibility, Cmd::SiteBase, Cmd::Tonight, Cmd::FileNew,
                         Cmd::FileSave, Cmd::FilePrint, Cmd::ViewFont, Cmd::Help, Cmd::AppAbout})
        EXPECT_TRUE(frame().action(id)->isEnabled()) << id;
    EXPECT_FALSE(frame().OnCmdMsg(Cmd::NextPane));
    // No recent file yet: the grey placeholder.
    EXPECT_FALSE(frame().action(Cmd::FileMru1)->isEnabled());
    EXPECT_EQ(frame().action(Cmd::FileMru1)->text(), QStringLiteral("Fichier récent"));
}

TEST_F(Frame, EditCommandsFollowTheSelectionClipboardAndUndo)
{
    ASSERT_TRUE(Start());
    QApplication::clipboard()->clear();
    view().SetText("abc def");
    frame().UpdateCommandUI();
    EXPECT_FALSE(frame().action(Cmd::EditCut)->isEnabled());
    EXPECT_FALSE(frame().action(Cmd::EditCopy)->isEnabled());
    EXPECT_FALSE(frame().action(Cmd::EditPaste)->isEnabled());
    EXPECT_FALSE(frame().action(Cmd::EditUndo)->isEnabled());

    view().selectAll();
    frame().UpdateCommandUI();
    EXPECT_TRUE(frame().action(Cmd::EditCopy)->isEnabled());
    frame().OnCmdMsg(Cmd::EditCut);
    EXPECT_EQ(view().GetText(), "");
    EXPECT_TRUE(doc().IsModified());
    frame().UpdateCommandUI();
    EXPECT_TRUE(frame().action(Cmd::EditPaste)->isEnabled());
    EXPECT_TRUE(frame().action(Cmd::EditUndo)->isEnabled());
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

TEST_F(Frame, SecretDrawerAnswersItsKeysInTheMainWindow)
{
    ASSERT_TRUE(Start());
    QTest::keyClick(&view(), Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Tiroir secret de Zariz.");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.messages[0].caption, "Qav");
    EXPECT_EQ(view().GetText(), "");
}

TEST_F(Frame, ToolbarAndStatusBarCanBeHiddenAndShown)
{
    ASSERT_TRUE(Start());
    frame().UpdateCommandUI();
    EXPECT_TRUE(frame().action(Cmd::ViewToolbar)->isChecked());
    frame().OnCmdMsg(Cmd::ViewToolbar);
    frame().OnCmdMsg(Cmd::ViewStatusBar);
    frame().UpdateCommandUI();
    EXPECT_FALSE(frame().toolBar()->isVisible());
    EXPECT_FALSE(frame().statusBar()->isVisible());
    EXPECT_FALSE(frame().action(Cmd::ViewToolbar)->isChecked());
    EXPECT_FALSE(frame().action(Cmd::ViewStatusBar)->isChecked());
    frame().OnCmdMsg(Cmd::ViewToolbar);
    EXPECT_TRUE(frame().toolBar()->isVisible());
}

TEST_F(Frame, HoveringACommandShowsItsPrompt)
{
    ASSERT_TRUE(Start());
    QStatusTipEvent tip(CommandPrompt(Cmd::CometEphemeris));
    QApplication::sendEvent(&frame(), &tip);
    EXPECT_EQ(frame().PaneText(0), QStringLiteral("Calcul d'une éphéméride"));
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(&frame(), &none);
    EXPECT_EQ(frame().PaneText(0), QStringLiteral("Pour l'aide, appuyez sur F1"));
}

TEST_F(Frame, AboutBoxShowsAndCloses)
{
    ASSERT_TRUE(Start());
    QString title;
    WhenModalShown([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    frame().OnCmdMsg(Cmd::AppAbout);
    EXPECT_EQ(title, QStringLiteral("A propos de Qav"));
}
