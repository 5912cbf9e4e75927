#include "diagram/CDiagramView.h"

#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/Legend.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QRect ToQRect(const PixelRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

} // namespace

CDiagramView::CDiagramView(CQavDoc& document, QWidget* parent) : QWidget(parent), CView(document)
{
    // Every right press and release reaches the view: no context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    OnCommand(Cmd::DiagramNextMonth, [this] { OnStepMonth(MonthStep::NextMonth); });
    OnCommand(Cmd::DiagramPreviousMonth, [this] { OnStepMonth(MonthStep::PreviousMonth); });
    OnCommand(Cmd::DiagramNextSixMonths, [this] { OnStepMonth(MonthStep::NextSixMonths); });
    OnCommand(Cmd::DiagramPreviousSixMonths, [this] { OnStepMonth(MonthStep::PreviousSixMonths); });
    OnCommand(Cmd::DiagramNew, [this] { OnNewDiagram(); });
    OnCommand(Cmd::DiagramHelp, [this] { OnDiagramHelp(); });
}

void CDiagramView::Recompute()
{
    GetDocument().ComputeDiagram();
    GetDocument().UpdateAllViews(this);
}

void CDiagramView::paintEvent(QPaintEvent*)
{
    if (!painted_) {
        painted_ = true;
        Recompute();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, GetDocument().diagramImage());
}

void CDiagramView::OnStepMonth(MonthStep step)
{
    DiagramRequest& request = Selection().diagram;
    // The arrows stop at the first and last months a diagram may show.
    int month = request.month;
    int year = request.year;
    StepDiagramMonth(step, month, year);
    if (!IsDiagramYear(year)) {
        ShowMessage(MessageIcon::Stop, DiagramYearRangeText(), MessageButtons::Ok, "Erreur !");
        return;
    }
    request.month = month;
    request.year = year;
    Recompute();
    repaint();
}

void CDiagramView::OnNewDiagram()
{
    SelectionState& state = Selection();
    RefreshDiagramMonthText(state);
    const QString month = FromUtf8(state.diagramMonthText);
    const QString title = QStringLiteral("Initialisation d'un nouveau diagramme de visibilité");
    int answer = QDialog::Rejected;
    if (GetDocument().objectKind == kCometKind) {
        CCometDiagramDlg dialog(this, month, title);
        answer = dialog.exec();
    } else {
        CAsteroidDiagramDlg dialog(this, month, title);
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted)
        return;
    Recompute();
    repaint();
    setFocus();
}

void CDiagramView::OnDiagramHelp()
{
    HelpTopic(QStringLiteral("Qav.chm::/html/Diagrammes de visibilité - frameset.htm"));
}

void CDiagramView::RepaintImageArea(const PixelRect& rect)
{
    if (!rect.IsEmpty())
        repaint(ToQRect(rect));
}

void CDiagramView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        return;
    const QPoint at = event->position().toPoint();
    const int code = LegendCodeAt(TheEventGrid(), at.x(), at.y());
    if (code < 0)
        return;
    RepaintImageArea(GetDocument().ShowLegend(at.x(), at.y(), code));
}

void CDiagramView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const std::optional<ClickInstant> instant = InstantAtClick(at.x(), at.y());
        if (!instant)
            return;
        infoRect_ = GetDocument().ShowInfoBox(instant->day, instant->hour, instant->minute);
        RepaintImageArea(infoRect_);
        return;
    }
    if (event->button() != Qt::RightButton || !GetDocument().LegendShown())
        return;
    // Ctrl alone (no other key, no button still held) leaves the legend in
    // the picture until the next computation.
    const Qt::KeyboardModifiers keys = event->modifiers() & ~Qt::KeypadModifier;
    if (keys == Qt::ControlModifier && event->buttons() == Qt::NoButton)
        GetDocument().KeepLegend();
    else
        RepaintImageArea(GetDocument().RestoreLegend());
}
