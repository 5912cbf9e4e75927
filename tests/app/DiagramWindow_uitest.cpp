// Diagram windows: bars and chart, arrows, information box, legend, several windows, Nouveau.

#include "app/CDiagramView.h"
#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "catalog/SelectionState.h"
#include "diagram/ChartDrawing.h"
#include "diagram/EventGrid.h"
#include "diagram/Legend.h"
#include "diagram/QImageCanvas.h"
#include "elements/ElementsNotice.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "support/DialogTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <stdexcept>

namespace {

QRgb Colour(Rgb rgb) { return qRgb(rgb.r, rgb.g, rgb.b); }
const QRgb kLegendBox = qRgb(255, 255, 191);

class DiagramWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetSelection();
        folder.CopySamples();
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        AppTest::TearDown();
        ResetSelection();
    }

    static void TypeMonthAndOk(const QString& month)
    {
        WhenModalShown([month](QWidget* dialog) {
            Type(dialog, 1050, month);
            Press(dialog, 1);
        });
    }
    // Comets > Visibilité (or `command`) with the month typed and OK; the window is painted.
    // Without a new window the test ends there, as the exception fails it.
    CDiagramView* OpenCometDiagram(const QString& month, int command = Cmd::CometVisibility)
    {
        TypeMonthAndOk(month);
        const std::size_t before = app().diagramFrames().size();
        frame().OnCmdMsg(command);
        if (app().diagramFrames().size() != before + 1)
            throw std::runtime_error("no new diagram window");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window()));
        auto* view = dynamic_cast<CDiagramView*>(window()->GetActiveView());
        view->repaint();
        return view;
    }
    CMainFrame* window() { return app().diagramFrames().back(); }

    static QImage Shown(CDiagramView* view) { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The point of the first event `code` from `column` on whose legend is its own.
    static QPoint PointOf(int code, int column)
    {
        for (; column < 360; ++column)
            for (int row = 20; row < 340; ++row)
                if (TheEventGrid().At(column, row) == code && LegendCodeAt(TheEventGrid(), 2 * column + 9, 435 - row) == code)
                    return {2 * column + 9, 435 - row};
        return {};
    }
};

} // namespace

TEST_F(DiagramWindow, OpensWithItsBarsAndChartAndShowsTheLastDiagramEverywhere)
{
    Selection().cometIndex = 4;  // 12P/Pons-Brooks
    CDiagramView* view = OpenCometDiagram(QStringLiteral("1/2025"));
    CMainFrame* first = window();
    EXPECT_EQ(first->windowTitle(), QStringLiteral("sans nom - Diagramme de visibilité"));
    EXPECT_TRUE(!first->toolBar() && first->statusBar()->findChildren<QLabel*>(QRegularExpression("^pane\\d$")).size() == 1);
    // Perihelion 2024 April 20.8249 (day number 45401.3249); the last night,
    // 2026 January 4 (46024.5), is 623.2 days or 1.7 years after it.
    EXPECT_EQ(ElementsNoticeOf(first), QStringLiteral("Éléments anciens : époque 20/4/2024, écart 1,7 an ; "
                                                      "précision de quelques minutes d'arc au plus"));
    EXPECT_FALSE(first->windowFlags() & Qt::WindowMaximizeButtonHint);
    first->UpdateCommandUI();
    for (const int id : {Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::DiagramClose})
        EXPECT_FALSE(first->action(id)->isEnabled()) << id;
    for (const int id : {Cmd::FilePrintSetup, Cmd::EphemerisFromDiagram, Cmd::DiagramNextMonth, Cmd::DiagramNew})
        EXPECT_TRUE(first->action(id)->isEnabled()) << id;

    // The chart at the client origin: 1 February 2025 at x = 73.
    EXPECT_EQ(view->mapTo(first, QPoint(0, 0)).x(), 0);
    const QImage january = Shown(view);
    EXPECT_TRUE(january.pixel(73, 430) == Colour(DiagramColour::MonthLine) &&
                january.pixel(74, 430) == Colour(DiagramColour::Chart));
    // "Arial" is Liberation Sans, in cells of 14 and 16 pixels.
    EXPECT_EQ(QFontInfo(DiagramQFont(DiagramFont::Label)).family(), QStringLiteral("Liberation Sans"));
    QImage image = MakeDiagramImage();
    QImageCanvas canvas(image);
    EXPECT_EQ(canvas.GetTextExtent("Jan. 2025").height, 14);
    canvas.SelectFont(DiagramFont::Title);
    EXPECT_EQ(canvas.GetTextExtent("Comète : 2P/Encke").height, 16);
    // One point is one pixel; a vertical line one pixel wide, its end left out.
    canvas.SetPixel(5, 5, DiagramColour::Transit);
    canvas.SelectPen(DiagramColour::Transit);
    canvas.MoveTo(3, 20);
    canvas.LineTo(3, 10);
    EXPECT_TRUE(image.pixel(5, 5) == Colour(DiagramColour::Transit) && image.pixel(5, 6) == Colour(DiagramColour::Background));
    EXPECT_TRUE(image.pixel(3, 11) == Colour(DiagramColour::Transit) && image.pixel(3, 20) == Colour(DiagramColour::Transit) &&
                image.pixel(3, 10) != Colour(DiagramColour::Transit) && image.pixel(4, 15) != Colour(DiagramColour::Transit));

    // A second window from the toolbar's button: both show the last diagram; closing one leaves the other.
    Selection().cometIndex = 1;
    CDiagramView* second = OpenCometDiagram(QStringLiteral("6/2025"), Cmd::CometVisibilityButton);
    QApplication::processEvents();
    const QImage last = Shown(second);
    EXPECT_TRUE(Shown(view) == last && last != january);
    window()->close();
    QApplication::processEvents();
    EXPECT_TRUE(app().diagramFrames().size() == 1 && Shown(view) == last);

    // Nouveau: a new diagram in the same window.
    TypeMonthAndOk(QStringLiteral("7/2025"));
    first->OnCmdMsg(Cmd::DiagramNew);
    EXPECT_TRUE(doc().diagram().subject().month == 7 && Shown(view) != last && app().diagramFrames().size() == 1);
    first->OnCmdMsg(Cmd::DiagramHelp);
    EXPECT_TRUE(HelpWindowBrowser() && HelpWindowBrowser()->source().toLocalFile().endsWith("Diagrammes de visibilité - frameset.htm"));
}

TEST_F(DiagramWindow, ArrowsMoveTheDiagramAcrossTheYears)
{
    CDiagramView* view = OpenCometDiagram(QStringLiteral("12/2023"));
    // December 2023 to December 2024 holds 29 February: a wider frame.
    EXPECT_TRUE(doc().diagram().subject().leapFebruaryMarker == 1 &&
                Shown(view).pixel(746, 300) != Colour(DiagramColour::Background));
    struct Step {
        int command, month, year;
    };
    for (const Step& step : {Step{Cmd::DiagramNextMonth, 1, 2024}, Step{Cmd::DiagramPreviousMonth, 12, 2023},
                             Step{Cmd::DiagramNextSixMonths, 6, 2024}, Step{Cmd::DiagramPreviousSixMonths, 12, 2023},
                             Step{Cmd::DiagramNextSixMonths, 6, 2024}}) {
        EXPECT_TRUE(window()->OnCmdMsg(step.command) && doc().diagram().subject().month == step.month &&
                    doc().diagram().subject().year == step.year);
    }
    // June 2024 to June 2025: no 29 February.
    EXPECT_TRUE(doc().diagram().subject().leapFebruaryMarker == 0 &&
                Shown(view).pixel(746, 300) == Colour(DiagramColour::Background));

    // The arrows stop at the last month a diagram may start in.
    DiagramSubject last = doc().diagram().subject();
    last.month = 12;
    last.year = 9998;
    doc().ComputeDiagram(last);
    EXPECT_TRUE(window()->OnCmdMsg(Cmd::DiagramNextMonth) && doc().diagram().subject().month == 12 &&
                doc().diagram().subject().year == 9998);
    EXPECT_EQ(messages.Texts(), "Erreur ! L'année doit être comprise entre -999 et 9998.\n\nRecommencez !");
}

TEST_F(DiagramWindow, RightButtonShowsTheLegendUntilReleasedOrKeptWithCtrl)
{
    Selection().cometIndex = 1;  // 2P/Encke
    CDiagramView* view = OpenCometDiagram(QStringLiteral("9/2024"));
    const QPoint transit = PointOf(EventCode::Transit, 100), rise = PointOf(EventCode::Rise, 100);
    ASSERT_FALSE(transit.isNull() || rise.isNull());
    const QImage before = Shown(view);

    for (const QPoint& point : {transit, rise}) {
        QTest::mousePress(view, Qt::RightButton, {}, point);
        ASSERT_TRUE(doc().diagram().LegendShown()) << point.x() << "," << point.y();
        const PixelRect box = doc().diagram().legendRect();
        EXPECT_TRUE(box.top == point.y() - 29 && Shown(view).pixel(box.left + 2, box.top + 2) == kLegendBox);
        QTest::mouseRelease(view, Qt::RightButton, {}, point);
        EXPECT_TRUE(!doc().diagram().LegendShown() && Shown(view) == before);
    }

    // Ctrl held on release: the legend stays until the next computation;
    // Ctrl with Shift is not Ctrl alone.
    QTest::mousePress(view, Qt::RightButton, {}, transit);
    const PixelRect box = doc().diagram().legendRect();
    QTest::mouseRelease(view, Qt::RightButton, Qt::ControlModifier, transit);
    EXPECT_TRUE(!doc().diagram().LegendShown() && Shown(view).pixel(box.left + 2, box.top + 2) == kLegendBox);
    const QPoint other = PointOf(EventCode::Transit, 250);
    QTest::mousePress(view, Qt::RightButton, {}, other);
    const PixelRect second = doc().diagram().legendRect();
    QTest::mouseRelease(view, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, other);
    EXPECT_NE(Shown(view).pixel(second.left + 2, second.top + 2), kLegendBox);
    window()->OnCmdMsg(Cmd::DiagramNextMonth);
    window()->OnCmdMsg(Cmd::DiagramPreviousMonth);
    EXPECT_EQ(Shown(view), before);

    // Nothing under the cursor: no legend, and a release changes nothing.
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(5, 5));
    const bool shown = doc().diagram().LegendShown();
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(!shown && Shown(view) == before);
}

// An ephemeris from the main window, a comet chosen then cancelled, a
// cancelled asteroid request: nothing changes in the window's own diagram.
TEST_F(DiagramWindow, KeepsItsOwnDiagramWhateverIsChosenSince)
{
    Selection().cometIndex = 4;  // 12P/Pons-Brooks from Paris, the first site
    CDiagramView* view = OpenCometDiagram(QStringLiteral("1/2024"));
    CMainFrame* diagramWindow = window();
    const QPoint transit = PointOf(EventCode::Transit, 100);
    // A click and a legend, the window's ephemeris, an arrow; then back.
    const auto probe = [&] {
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mousePress(view, Qt::RightButton, {}, transit);
        std::vector<QImage> pictures{doc().diagram().image()};
        QTest::mouseRelease(view, Qt::RightButton, {}, transit);
        diagramWindow->OnCmdMsg(Cmd::EphemerisFromDiagram);
        const std::string table = doc().Serialize();
        diagramWindow->OnCmdMsg(Cmd::DiagramNextMonth);
        pictures.push_back(doc().diagram().image());
        diagramWindow->OnCmdMsg(Cmd::DiagramPreviousMonth);
        return std::pair{pictures, table};
    };
    const auto before = probe();
    // The perihelion, 20 April 2024, lies within the table's year: no old-elements notice.
    EXPECT_EQ(ElementsNoticeOf(&frame()), QString());
    // A year of daily lines from 1 January 2024, a leap year: 7 heading lines and 367.
    const std::string& table = before.second;
    EXPECT_TRUE(table.rfind("                     *** COMETE 12P/Pons-Brooks ***\r\n", 0) == 0 &&
                table.find("\r\n 1/ 1/2024 ") != std::string::npos && std::count(table.begin(), table.end(), '\n') == 7 + 367);

    WhenModalShown([](QWidget* dialog) {
        Control<QComboBox>(dialog, 1043)->setCurrentIndex(1);  // 2P/Encke
        Type(dialog, 1050, QStringLiteral("15/6/2024"));
        Press(dialog, 1);
    });
    frame().OnCmdMsg(Cmd::CometEphemeris);
    ASSERT_NE(doc().Serialize().find("2P/Encke"), std::string::npos);
    WhenModalShown([](QWidget* dialog) {
        auto* comets = Control<QComboBox>(dialog, 1043);
        comets->setCurrentIndex(5);
        emit comets->activated(5);  // 13P/Olbers
        Press(dialog, 2);
    });
    frame().OnCmdMsg(Cmd::CometVisibility);
    WhenModalShown([](QWidget* dialog) { Press(dialog, 2); });
    frame().OnCmdMsg(Cmd::AsteroidVisibility);
    ASSERT_EQ(CometName(Selection().currentComet), "13P/Olbers");

    const auto after = probe();
    EXPECT_TRUE(after == before && app().diagramFrames().size() == 1);
    // Nouveau asks again for a comet, from the diagram's own month; cancelled, it changes nothing.
    const QImage current = doc().diagram().image();
    QString offered;
    WhenModalShown([&offered](QWidget* dialog) {
        offered = dialog->windowTitle() + " " + FieldText(dialog, 1050) + (Control<QComboBox>(dialog, 1043) ? " C" : "");
        Press(dialog, 2);
    });
    diagramWindow->OnCmdMsg(Cmd::DiagramNew);
    EXPECT_TRUE(offered == "Initialisation d'un nouveau diagramme de visibilité 1/2024 C" && doc().diagram().image() == current);
}

// A click reads the cell under the cursor, also between two screen pixels of a
// scaled screen (ctest runs this again with QT_SCALE_FACTOR=2), where every
// pixel of the chart is doubled, none smoothed.
TEST_F(DiagramWindow, ClicksReadTheCellUnderTheCursorAtAnyScale)
{
    CDiagramView* view = OpenCometDiagram(QStringLiteral("3/2024"));
    const QImage before = doc().diagram().image();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(744, 200));  // beside the nights
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 74));
    EXPECT_TRUE(view->infoRect().IsEmpty() && doc().diagram().image() == before);

    const auto send = [view](QEvent::Type type, Qt::MouseButton button, QPointF at) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    // The right half of picture pixel (12, 300): column 0, not 1.
    send(QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(12.5, 300.5));
    EXPECT_EQ(view->infoRect(), (PixelRect{370, 8, 739, 65}));
    const QImage boxed = doc().diagram().image();
    EXPECT_TRUE(boxed.pixel(540, 15) == Colour(DiagramColour::Box) && boxed.pixel(600, 27) == qRgb(255, 255, 255));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(12, 300));
    EXPECT_TRUE(doc().diagram().image() == boxed);
    const QPoint transit = PointOf(EventCode::Transit, 100);
    send(QEvent::MouseButtonPress, Qt::RightButton, QPointF(transit) + QPointF(0.5, 0.5));
    EXPECT_EQ(doc().diagram().legendRect().top, transit.y() - 29);

    const int ratio = qRound(view->devicePixelRatioF());
    const QImage picture = doc().diagram().image();
    const QImage shown = Shown(view);
    ASSERT_EQ(shown.size(), view->size() * ratio);
    const QSize overlap = shown.size().boundedTo(picture.size() * ratio);
    for (int y = 0; y < overlap.height(); ++y)
        for (int x = 0; x < overlap.width(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x / ratio, y / ratio))
                return ADD_FAILURE() << "screen pixel " << x << ", " << y;

    // The next computation draws the picture afresh.
    window()->OnCmdMsg(Cmd::DiagramNextMonth);
    EXPECT_NE(doc().diagram().image().pixel(540, 15), Colour(DiagramColour::Box));
}
