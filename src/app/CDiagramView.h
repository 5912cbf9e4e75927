#pragma once
// The view of a visibility-diagram window. It shows the document's diagram
// picture at the window's origin, one picture pixel per screen pixel (each
// doubled on a screen scaled by two, never smoothed). Its menu steps the
// diagram by one or six months or asks for a new one; a left click draws the
// information box, holding the right button shows the legend of the event
// under the cursor. All of it works from what the diagram was computed for.

#include "app/CView.h"
#include "diagram/Canvas.h"
#include "diagram/DiagramMonth.h"

#include <QWidget>

class CDiagramView : public QWidget, public CView {
    Q_OBJECT

public:
    CDiagramView(CQavDoc& document, QWidget* parent);

    QWidget* widget() override { return this; }
    // The document's picture changed (a diagram computed, the text cleared):
    // paint it again, nothing is recomputed.
    void OnUpdate(int) override { update(); }

    // The image area last covered by this view's information box.
    const PixelRect& infoRect() const { return infoRect_; }

    void OnStepMonth(MonthStep step);
    void OnNewDiagram();
    void OnDiagramHelp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RepaintImageArea(const PixelRect& rect);

    PixelRect infoRect_;
};
