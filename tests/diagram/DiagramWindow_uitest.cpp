// Diagram windows as the user meets them: opening one from the menu, its
// bars and chart, the arrows, the information box, the legend, several
// windows on one document, and a new diagram in the same window.

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "catalog/SelectionState.h"
#include "core/EphemerisRequest.h"
#include "diagram/CDiagramView.h"
#include "diagram/ChartDrawing.h"
#include "diagram/EventGrid.h"
#include "diagram/NightlyEvents.h"
#include "diagram/QImageCanvas.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "support/DiagramFixtures.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

namespace {

QRgb Colour(Rgb rgb) { return qRgb(rgb.r, rgb.g, rgb.b); }

class DiagramWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetSelection();
        for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
            folder.CopySample(name);
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        AppTest::TearDown();
        ResetSelection();
    }

    // Comets > Visibilité with the month typed and OK; the window is painted.
    CDiagramView* OpenCometDiagram(const QString& month, int command = Cmd::CometVisibility)
    {
        WhenModalShown([month](QWidget* dialog) {
            Control<QLineEdit>(dialog, 1050)->setText(month);
            Control<QPushButton>(dialog, 1)->click();
        });
        const std::size_t before = app().diagramFrames().size();
        frame().OnCmdMsg(command);
        if (app().diagramFrames().size() != before + 1)
            return nullptr;
        CMainFrame* window = app().diagramFrames().back();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        auto* view = dynamic_cast<CDiagramView*>(window->GetActiveView());
        view->repaint();
        return view;
    }

    static QImage Shown(CDiagramView* view) { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The point of the first transit found in the columns from `column` on.
    static QPoint TransitPoint(int column)
    {
        for (; column < 360; ++column)
            for (int row = 20; row < 340; ++row)
                if (TheEventGrid().At(column, row) == EventCode::Transit)
                    return {11 + 2 * (column - 1), 435 - row};
        return {};
    }
};

} // namespace

TEST_F(DiagramWindow, OpensWithItsMenuBarAndChart)
{
    Selection().cometIndex = 4;  // 12P/Pons-Brooks
    CDiagramView* view = OpenCometDiagram(QStringLiteral("1/2025"));
    ASSERT_NE(view, nullptr);
    CMainFrame* window = app().diagramFrames().back();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("sans nom - Diagramme de visibilité"));
    QStringList menus;
    for (QAction* entry : window->menuBar()->actions())
        menus << entry->text();
    EXPECT_EQ(menus, (QStringList{"&Fichier", "&Ephéméride", "<=", "<--", "-->", "=>", "&Nouveau", "Aide"}));
    EXPECT_EQ(window->toolBar(), nullptr);
    EXPECT_EQ(window->statusBar()->findChildren<QLabel*>(QRegularExpression("^pane\\d$")).size(), 1);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    window->UpdateCommandUI();
    for (const int id : {Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::DiagramClose})
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    for (const int id : {Cmd::FilePrintSetup, Cmd::EphemerisFromDiagram, Cmd::DiagramNextMonth, Cmd::DiagramNew})
        EXPECT_TRUE(window->action(id)->isEnabled()) << id;
    EXPECT_EQ(doc().objectKind, 'C');
    EXPECT_EQ(Selection().ephemeris.day, 1);

    // The chart at the client origin.
    EXPECT_EQ(view->mapTo(window, QPoint(0, 0)).x(), 0);
    const QImage shown = Shown(view);
    EXPECT_EQ(shown.pixel(0, 0), Colour(DiagramColour::Background));
    EXPECT_EQ(shown.pixel(300, 448), Colour(DiagramColour::Box));
    EXPECT_EQ(shown.pixel(11, 430), Colour(DiagramColour::MonthLine));  // 1 January
    EXPECT_EQ(shown.pixel(73, 430), Colour(DiagramColour::MonthLine));  // 1 February
    EXPECT_EQ(shown.pixel(74, 430), Colour(DiagramColour::Chart));
    const int j = MeanNewMoonDays(DayNumberFromDate(31, 12, 2024)).days[0];
    for (const int y : {75, 84, 425, 434})
        EXPECT_EQ(shown.pixel(2 * j + 11, y), Colour(DiagramColour::NewMoon)) << y;
    // 2025 has no 29 February: the frame ends at 745.
    EXPECT_NE(shown.pixel(744, 300), Colour(DiagramColour::Background));
    EXPECT_EQ(shown.pixel(746, 300), Colour(DiagramColour::Background));

    // "Arial" cells of 14 and 16 pixels.
    EXPECT_EQ(QFontInfo(DiagramQFont(DiagramFont::Label)).family(), QStringLiteral("Liberation Sans"));
    QImage image = MakeDiagramImage();
    QImageCanvas canvas(image);
    EXPECT_EQ(canvas.GetTextExtent("Jan. 2025").height, 14);
    canvas.SelectFont(DiagramFont::Title);
    EXPECT_EQ(canvas.GetTextExtent("Comète : 2P/Encke").height, 16);
}

TEST_F(DiagramWindow, ArrowsMoveTheDiagramAcrossTheYears)
{
    CDiagramView* view = OpenCometDiagram(QStringLiteral("12/2023"));
    ASSERT_NE(view, nullptr);
    CMainFrame* window = app().diagramFrames().back();
    // December 2023 to December 2024 holds 29 February: a wider frame.
    EXPECT_EQ(doc().LeapFebruaryMarker, 1);
    EXPECT_NE(Shown(view).pixel(746, 300), Colour(DiagramColour::Background));

    struct Step {
        int command, month, year;
    };
    for (const Step& step : {Step{Cmd::DiagramNextMonth, 1, 2024}, Step{Cmd::DiagramPreviousMonth, 12, 2023},
                             Step{Cmd::DiagramNextSixMonths, 6, 2024}, Step{Cmd::DiagramPreviousSixMonths, 12, 2023},
                             Step{Cmd::DiagramNextSixMonths, 6, 2024}}) {
        EXPECT_TRUE(window->OnCmdMsg(step.command));
        EXPECT_EQ(Selection().diagram.month, step.month);
        EXPECT_EQ(Selection().diagram.year, step.year);
        EXPECT_EQ(Selection().ephemeris.day, 1);
    }
    // June 2024 to June 2025: no 29 February.
    EXPECT_EQ(doc().LeapFebruaryMarker, 0);
    EXPECT_EQ(Shown(view).pixel(746, 300), Colour(DiagramColour::Background));

    // The arrows stop at the last month a diagram may start in.
    Selection().diagram.month = 12;
    Selection().diagram.year = 9998;
    EXPECT_TRUE(window->OnCmdMsg(Cmd::DiagramNextMonth));
    EXPECT_EQ(messages.Texts(), "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !");
    EXPECT_EQ(Selection().diagram.month, 12);
    EXPECT_EQ(Selection().diagram.year, 9998);
}

TEST_F(DiagramWindow, LeftClickDrawsTheInformationBox)
{
    CDiagramView* view = OpenCometDiagram(QStringLiteral("3/2024"));
    ASSERT_NE(view, nullptr);
    const QImage before = Shown(view);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(744, 200));  // beside the nights
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 74));
    EXPECT_TRUE(view->infoRect().IsEmpty());
    EXPECT_EQ(Shown(view), before);

    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(view->infoRect(), (PixelRect{370, 8, 739, 65}));
    EXPECT_EQ(doc().infoBoxRect(), view->infoRect());
    const QImage boxed = Shown(view);
    EXPECT_EQ(boxed.pixel(450, 30), Colour(DiagramColour::Box));
    EXPECT_EQ(boxed.pixel(600, 27), qRgb(255, 255, 255));  // a rule
    // The next computation draws the picture afresh.
    app().diagramFrames().back()->OnCmdMsg(Cmd::DiagramNextMonth);
    EXPECT_NE(Shown(view).pixel(450, 30), Colour(DiagramColour::Box));
}

TEST_F(DiagramWindow, RightButtonShowsTheLegendUntilReleasedOrKeptWithCtrl)
{
    Selection().cometIndex = 1;  // 2P/Encke
    CDiagramView* view = OpenCometDiagram(QStringLiteral("9/2024"));
    ASSERT_NE(view, nullptr);
    const QPoint transit = TransitPoint(100);
    ASSERT_FALSE(transit.isNull());
    const QImage before = Shown(view);

    QTest::mousePress(view, Qt::RightButton, {}, transit);
    ASSERT_TRUE(doc().LegendShown());
    const PixelRect box = doc().legendRect();
    EXPECT_EQ(box.top, transit.y() - 29);
    EXPECT_GE(box.left, 16);
    EXPECT_LE(box.right, 740);
    EXPECT_EQ(Shown(view).pixel(box.left + 2, box.top + 2), qRgb(255, 255, 191));
    QTest::mouseRelease(view, Qt::RightButton, {}, transit);
    EXPECT_FALSE(doc().LegendShown());
    EXPECT_EQ(Shown(view), before);

    // Ctrl held on release: the legend stays until the next computation.
    QTest::mousePress(view, Qt::RightButton, {}, transit);
    QTest::mouseRelease(view, Qt::RightButton, Qt::ControlModifier, transit);
    EXPECT_FALSE(doc().LegendShown());
    EXPECT_EQ(Shown(view).pixel(box.left + 2, box.top + 2), qRgb(255, 255, 191));
    // Ctrl with Shift is not Ctrl alone.
    const QPoint other = TransitPoint(250);
    QTest::mousePress(view, Qt::RightButton, {}, other);
    const PixelRect second = doc().legendRect();
    QTest::mouseRelease(view, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, other);
    EXPECT_NE(Shown(view).pixel(second.left + 2, second.top + 2), qRgb(255, 255, 191));

    app().diagramFrames().back()->OnCmdMsg(Cmd::DiagramNextMonth);
    app().diagramFrames().back()->OnCmdMsg(Cmd::DiagramPreviousMonth);
    EXPECT_EQ(Shown(view), before);

    // Nothing under the cursor: no legend, and a release changes nothing.
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(doc().LegendShown());
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Shown(view), before);
}

TEST_F(DiagramWindow, EveryWindowShowsTheLastDiagramComputed)
{
    Selection().cometIndex = 4;
    CDiagramView* first = OpenCometDiagram(QStringLiteral("1/2025"));
    ASSERT_NE(first, nullptr);
    const QImage firstDiagram = Shown(first);
    Selection().cometIndex = 1;
    CDiagramView* second = OpenCometDiagram(QStringLiteral("6/2025"), Cmd::CometVisibilityButton);
    ASSERT_NE(second, nullptr);
    QApplication::processEvents();
    const QImage lastDiagram = Shown(second);
    EXPECT_EQ(Shown(first), lastDiagram);
    EXPECT_NE(lastDiagram, firstDiagram);
    EXPECT_EQ(app().diagramFrames().size(), 2u);

    // Closing one leaves the other showing the diagram.
    app().diagramFrames().back()->close();
    QApplication::processEvents();
    EXPECT_EQ(app().diagramFrames().size(), 1u);
    EXPECT_EQ(Shown(first), lastDiagram);
}

TEST_F(DiagramWindow, NewDiagramInTheSameWindowAndCancelledRequests)
{
    CDiagramView* view = OpenCometDiagram(QStringLiteral("1/2025"));
    ASSERT_NE(view, nullptr);
    CMainFrame* window = app().diagramFrames().back();
    const QImage january = Shown(view);

    QString caption;
    WhenModalShown([&caption](QWidget* dialog) {
        caption = dialog->windowTitle();
        Control<QPushButton>(dialog, 2)->click();
    });
    window->OnCmdMsg(Cmd::DiagramNew);
    EXPECT_EQ(caption, QStringLiteral("Initialisation d'un nouveau diagramme de visibilité"));
    EXPECT_FALSE(Selection().diagramOpening);
    EXPECT_EQ(Shown(view), january);

    WhenModalShown([](QWidget* dialog) {
        Control<QLineEdit>(dialog, 1050)->setText(QStringLiteral("7/2025"));
        Control<QPushButton>(dialog, 1)->click();
    });
    window->OnCmdMsg(Cmd::DiagramNew);
    EXPECT_EQ(Selection().diagram.month, 7);
    EXPECT_NE(Shown(view), january);
    EXPECT_EQ(app().diagramFrames().size(), 1u);

    // A request cancelled from the menu opens nothing but keeps the kind.
    WhenModalShown([](QWidget* dialog) { Control<QPushButton>(dialog, 2)->click(); });
    frame().OnCmdMsg(Cmd::AsteroidVisibility);
    EXPECT_EQ(doc().objectKind, 'A');
    EXPECT_EQ(app().diagramFrames().size(), 1u);

    window->OnCmdMsg(Cmd::DiagramHelp);
    ASSERT_NE(HelpWindowBrowser(), nullptr);
    EXPECT_TRUE(HelpWindowBrowser()->source().toLocalFile().endsWith("Diagrammes de visibilité - frameset.htm"));
}
