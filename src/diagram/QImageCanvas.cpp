#include "diagram/QImageCanvas.h"

#include "diagram/ChartDrawing.h"
#include "diagram/InfoBox.h"

#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QFont CellHeightFont(int cellHeight, const QString& family = QStringLiteral("Arial"))
{
    QFont font(family);
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= cellHeight)
            break;
    }
    return font;
}

// The text's width, or the right end of its ink when a glyph overhangs.
int InkWidth(const QFontMetrics& metrics, const QString& text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

// Every widest text clear of its rule by a pixel at least.
bool FitsInfoBox(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (const BoxText& box : InfoBoxWidestTexts())
        if (InkWidth(metrics, QString::fromStdString(box.text)) >= box.room)
            return false;
    return true;
}

// The title font when the box's texts fit in it; otherwise the same face a
// pixel or two smaller (13 pixels with Liberation Sans), or failing that the
// narrow face ("Arial Narrow") of the title's height or below.
QFont InfoBoxFont(const QFont& title)
{
    constexpr int kSmallest = 11;
    QFont font = title;
    for (int pixels = title.pixelSize(); pixels >= kSmallest; --pixels) {
        font.setPixelSize(pixels);
        if (FitsInfoBox(font))
            return font;
    }
    QFont narrow = CellHeightFont(16, QStringLiteral("Arial Narrow"));
    while (!FitsInfoBox(narrow) && narrow.pixelSize() > kSmallest)
        narrow.setPixelSize(narrow.pixelSize() - 1);
    return narrow;
}

// The classic 3-D colours of the edges.
constexpr QRgb kHighlight = qRgb(255, 255, 255);
constexpr QRgb kLight = qRgb(212, 208, 200);
constexpr QRgb kShadow = qRgb(128, 128, 128);
constexpr QRgb kDarkShadow = qRgb(64, 64, 64);

// One pixel-wide border just inside `r`: top and left in one colour, then
// bottom and right in the other (which takes the two far corners).
void Border(QPainter& painter, const QRect& r, QRgb topLeft, QRgb bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, QColor(topLeft));
    painter.fillRect(r.left(), r.top(), 1, r.height(), QColor(topLeft));
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, QColor(bottomRight));
    painter.fillRect(r.right(), r.top(), 1, r.height(), QColor(bottomRight));
}

} // namespace

QImage MakeDiagramImage()
{
    QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
    image.fill(QColor(DiagramColour::Background.r, DiagramColour::Background.g, DiagramColour::Background.b));
    return image;
}

const QFont& DiagramQFont(DiagramFont font)
{
    static const QFont label = CellHeightFont(14);
    static const QFont title = CellHeightFont(16);
    static const QFont info = InfoBoxFont(title);
    switch (font) {
    case DiagramFont::Label: return label;
    case DiagramFont::Title: return title;
    case DiagramFont::Info: return info;
    }
    return label;
}

QImageCanvas::QImageCanvas(QImage& image) : painter_(&image)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void QImageCanvas::FillSolidRect(const PixelRect& rect, Rgb colour)
{
    if (!rect.IsEmpty())
        painter_.fillRect(rect.left, rect.top, rect.Width(), rect.Height(), ToQColor(colour));
}

void QImageCanvas::SetPixel(int x, int y, Rgb colour)
{
    painter_.fillRect(x, y, 1, 1, ToQColor(colour));
}

void QImageCanvas::SelectPen(Rgb colour) { pen_ = ToQColor(colour); }

void QImageCanvas::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void QImageCanvas::LineTo(int x, int y)
{
    const QPoint from = current_;
    current_ = QPoint(x, y);
    const int dx = x - from.x();
    const int dy = y - from.y();
    if (dx == 0 || dy == 0) {
        // Straight lines as one rectangle, the end point left out.
        const int left = dx >= 0 ? from.x() : x + 1;
        const int top = dy >= 0 ? from.y() : y + 1;
        const int width = dx == 0 ? (dy == 0 ? 0 : 1) : std::abs(dx);
        const int height = dy == 0 ? (dx == 0 ? 0 : 1) : std::abs(dy);
        if (width > 0 && height > 0)
            painter_.fillRect(left, top, width, height, pen_);
        return;
    }
    // Any other slope, pixel by pixel (Bresenham), the end point left out.
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
        const int px = from.x() + static_cast<int>(std::lround(static_cast<double>(dx) * i / steps));
        const int py = from.y() + static_cast<int>(std::lround(static_cast<double>(dy) * i / steps));
        painter_.fillRect(px, py, 1, 1, pen_);
    }
}

void QImageCanvas::SelectFont(DiagramFont font) { font_ = font; }

void QImageCanvas::SetTextColor(Rgb colour) { textColour_ = ToQColor(colour); }

void QImageCanvas::TextOut(int x, int y, std::string_view text)
{
    const QFont& font = DiagramQFont(font_);
    painter_.setFont(font);
    painter_.setPen(textColour_);
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.drawText(x, y + QFontMetrics(font).ascent(), string);
}

TextExtent QImageCanvas::GetTextExtent(std::string_view text)
{
    const QFontMetrics metrics(DiagramQFont(font_));
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(string), metrics.ascent() + metrics.descent()};
}

void QImageCanvas::DrawEdge(const PixelRect& rect, EdgeStyle style)
{
    if (rect.Width() < 4 || rect.Height() < 4)
        return;
    const QRect outer(rect.left, rect.top, rect.Width(), rect.Height());
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    // Outer border raised in both styles; the inner one sunk for a bump.
    Border(painter_, outer, kLight, kDarkShadow);
    if (style == EdgeStyle::Bump)
        Border(painter_, inner, kDarkShadow, kLight);
    else
        Border(painter_, inner, kHighlight, kShadow);
}
