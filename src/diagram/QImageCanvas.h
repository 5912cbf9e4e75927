#pragma once
// The diagram's canvas on a QImage, drawn pixel for pixel without
// antialiasing. One painter is open on the image for the life of the object.

#include "diagram/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>

class QImage;

// A new 771 x 505 diagram image (not yet drawn).
QImage MakeDiagramImage();

// The fonts of the diagram, made on first use and kept for the whole run:
// "Arial" (Liberation Sans here) at the largest pixel size whose cell,
// ascent plus descent, is at most 14 (labels) or 16 (titles) pixels; the
// information box's keeps its widest texts inside their rules.
const QFont& DiagramQFont(DiagramFont font);

class QImageCanvas final : public Canvas {
public:
    explicit QImageCanvas(QImage& image);
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    void FillSolidRect(const PixelRect& rect, Rgb colour) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void SelectPen(Rgb colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SelectFont(DiagramFont font) override;
    void SetTextColor(Rgb colour) override;
    void TextOut(int x, int y, std::string_view text) override;
    TextExtent GetTextExtent(std::string_view text) override;
    void DrawEdge(const PixelRect& rect, EdgeStyle style) override;

private:
    QPainter painter_;
    QColor pen_ = Qt::black;
    QPoint current_;
    DiagramFont font_ = DiagramFont::Label;
    QColor textColour_ = Qt::black;
};
