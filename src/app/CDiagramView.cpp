#include "app/CDiagramView.h"

#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "catalog/SelectionState.h"
#include "core/CFormat.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "diagram/DiagramPicture.h"
#include "platform/HelpTopic.h"
#include "platform/QtText.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

QRect ToQRect(const PixelRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// The picture pixel under the cursor. On a scaled screen a position falls
// between whole pixels: the pixel is the one that holds it, never the
// nearest, so that a click on the right half of a column stays in it.
QPoint PicturePixel(const QMouseEvent* event)
{
    const QPointF at = event->position();
    return QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

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

void CDiagramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Scaled screens enlarge the picture by whole pixels: sharp, not smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, GetDocument().diagram().image());
}

void CDiagramView::OnStepMonth(MonthStep step)
{
    if (!GetDocument().StepDiagram(step))
        return;
    repaint();
}

// The request dialog of the diagram's own kind, offering its own month; only
// OK computes.
void CDiagramView::OnNewDiagram()
{
    SelectionState& state = Selection();
    const DiagramSubject& shown = GetDocument().diagram().subject();
    if (shown.month != 0)
        state.diagramMonthText = FormatC("%d/%d", shown.month, shown.year);
    const QString month = FromUtf8(state.diagramMonthText);
    const QString title = QStringLiteral("Initialisation d'un nouveau diagramme de visibilité");
    const int kind = shown.kind;
    int answer = QDialog::Rejected;
    if (kind == kCometKind) {
        CCometDiagramDlg dialog(this, month, title);
        answer = dialog.exec();
    } else {
        CAsteroidDiagramDlg dialog(this, month, title);
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted)
        return;
    GetDocument().ComputeDiagram(CurrentSubject(state, kind));
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
    const QPoint at = PicturePixel(event);
    RepaintImageArea(GetDocument().diagram().ShowLegendAt(at.x(), at.y()));
}

void CDiagramView::mouseReleaseEvent(QMouseEvent* event)
{
    DiagramPicture& picture = GetDocument().diagram();
    if (event->button() == Qt::LeftButton) {
        const QPoint at = PicturePixel(event);
        const PixelRect box = picture.ShowInfoBoxAt(at.x(), at.y());
        if (box.IsEmpty())
            return;
        infoRect_ = box;
        RepaintImageArea(infoRect_);
        return;
    }
    if (event->button() != Qt::RightButton || !picture.LegendShown())
        return;
    // Ctrl alone (no other key, no button still held) leaves the legend in
    // the picture until the next computation.
    const Qt::KeyboardModifiers keys = event->modifiers() & ~Qt::KeypadModifier;
    if (keys == Qt::ControlModifier && event->buttons() == Qt::NoButton)
        picture.KeepLegend();
    else
        RepaintImageArea(picture.RestoreLegend());
}
