// The visibility diagram's side of the document: the two visibility
// commands, and the image every diagram window shows, with the information
// box and the legend drawn over it.

#include "app/CQavDoc.h"

#include "app/CMainFrame.h"
#include "app/CQavApp.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"
#include "diagram/Legend.h"
#include "diagram/QImageCanvas.h"
#include "platform/QtText.h"

#include <QPainter>

namespace {

DiagramObject CurrentObject(int objectKind)
{
    const SelectionState& state = Selection();
    return DiagramObject(objectKind, state.currentComet, state.currentAsteroid);
}

QRect ToQRect(const PixelRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

} // namespace

void CQavDoc::OnCometVisibility() { OpenDiagram(kCometKind); }

void CQavDoc::OnAsteroidVisibility() { OpenDiagram(kAsteroidKind); }

void CQavDoc::OpenDiagram(int kind)
{
    objectKind = kind;
    SelectionState& state = Selection();
    RefreshDiagramMonthText(state);
    const QString month = FromUtf8(state.diagramMonthText);
    int answer = QDialog::Rejected;
    if (kind == kCometKind) {
        CCometDiagramDlg dialog(nullptr, month, QStringLiteral("Comète : Initialisation d'un diagramme de visibilité"));
        answer = dialog.exec();
    } else {
        CAsteroidDiagramDlg dialog(nullptr, month,
                                   QStringLiteral("Astéroïde : initialisation d'un diagramme de visibilité"));
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted)
        return;

    CQavApp* app = CQavApp::Instance();
    CMainFrame* frame = app ? app->CreateDiagramFrame() : nullptr;
    if (!frame)
        return;
    // A fixed-size picture: the window can be made small, not large.
    frame->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->show();
}

void CQavDoc::ComputeDiagram()
{
    if (diagramImage_.isNull())
        diagramImage_ = MakeDiagramImage();
    // A new picture: the pixels saved under a legend belong to the old one.
    legendSave_ = QImage();
    SelectionState& state = Selection();
    QImageCanvas canvas(diagramImage_);
    ::ComputeDiagram(CurrentObject(objectKind), state.currentSite, state.ephemeris, LeapFebruaryMarker,
                     TheEventGrid(), canvas);
}

PixelRect CQavDoc::ShowInfoBox(int day, int hour, int minute)
{
    if (diagramImage_.isNull())
        return {};
    const SelectionState& state = Selection();
    const InstantViewResult view =
        InstantView(CurrentObject(objectKind), state.currentSite, state.ephemeris, day, hour, minute);
    const InfoBoxTexts texts =
        MakeInfoBoxTexts(view, {day, hour, minute}, state.diagram.month, state.diagram.year, LeapFebruaryMarker != 0);
    QImageCanvas canvas(diagramImage_);
    infoBoxRect_ = DrawInfoBox(canvas, texts, objectKind == kCometKind);
    return infoBoxRect_;
}

PixelRect CQavDoc::ShowLegend(int x, int y, int code)
{
    if (diagramImage_.isNull())
        return {};
    // A legend still shown (its release was never seen) goes first, so that
    // the pixels saved are always those of the picture itself.
    RestoreLegend();
    const std::string text = LegendText(code, objectKind);
    QImageCanvas canvas(diagramImage_);
    canvas.SelectFont(DiagramFont::Label);
    const LegendPlacement placement = PlaceLegend(x, y, canvas.GetTextExtent(text).width);
    legendRect_ = placement.box;
    legendSave_ = diagramImage_.copy(ToQRect(legendRect_));
    DrawLegend(canvas, placement, text);
    return legendRect_;
}

PixelRect CQavDoc::RestoreLegend()
{
    if (legendSave_.isNull())
        return {};
    {
        QPainter painter(&diagramImage_);
        painter.drawImage(legendRect_.left, legendRect_.top, legendSave_);
    }
    legendSave_ = QImage();
    return legendRect_;
}
