#include "app/CMainFrame.h"
#include "app/Commands.h"
#include "platform/HelpTopic.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <QTextBrowser>

namespace {

const QStringList kTopics = {
    "Aide de Qav - frameset.htm", "Ephémérides de Comètes - frameset.htm", "Ephémérides d'Astéroïdes - frameset.htm",
    "Visibilité des Comètes - frameset.htm", "Visibilité des Astéroïdes - frameset.htm",
    "Diagrammes de visibilité - frameset.htm", "Magnitudes visuelles.htm", "Base de données des Comètes - frameset.htm",
    "Base de données des Sites - frameset.htm", "Ce soir - frameset.htm", "Importation des éléments de comètes.htm",
    "Importation des éléments d'astéroïdes.htm"};

} // namespace

TEST(HelpTopic, EveryTopicHasItsPage)
{
    for (const QString& page : kTopics) {
        const QString path = HelpTopicPath(QStringLiteral("Qav.chm::/html/") + page);
        EXPECT_TRUE(path.endsWith(QStringLiteral("/help/html/") + page)) << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    }
}

TEST(HelpTopic, MalformedOrMissingTopicsDoNothing)
{
    CloseHelpWindow();
    EXPECT_TRUE(HelpTopicPath(QStringLiteral("Qav.chm")).isEmpty());
    EXPECT_TRUE(HelpTopicPath(QStringLiteral("Qav.chm::/html/../../etc/passwd")).isEmpty());
    HelpTopic(QStringLiteral("Qav.chm::/html/Pas de page.htm"));
    EXPECT_EQ(HelpWindowBrowser(), nullptr);
}

using Help = AppTest;

TEST_F(Help, F1OpensTheMainTopicFromTheMainWindowAndFromDialogs)
{
    ASSERT_TRUE(Start());
    QTest::keyClick(&frame(), Qt::Key_F1);
    ASSERT_NE(HelpWindowBrowser(), nullptr);
    EXPECT_TRUE(HelpWindowBrowser()->source().toLocalFile().endsWith("Aide de Qav - frameset.htm"));
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
