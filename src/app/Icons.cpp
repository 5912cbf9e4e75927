#include "app/Icons.h"

#include "app/Commands.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&)>;

// Draws on a 16 x 16 grid scaled to `size`, so that every icon has sharp
// versions at 16, 32 and 48 pixels.
QPixmap Render(const Drawing& draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return pixmap;
}

QIcon MakeIcon(const Drawing& draw)
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(Render(draw, size));
    return icon;
}

QPen Outline(const QColor& color = QColor(40, 40, 40)) { return QPen(color, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Page(QPainter& p, const QRectF& r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 3, r.top());
    page.lineTo(r.right(), r.top() + 3);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void TextLines(QPainter& p, const QRectF& r, int count)
{
    p.setPen(QPen(QColor(120, 140, 170), 1.0));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left() + 2, r.top() + 4.5 + 2 * i), QPointF(r.right() - 2, r.top() + 4.5 + 2 * i));
}

void DrawNew(QPainter& p)
{
    Page(p, QRectF(3.5, 1.5, 9, 13));
    // A small star: a new, empty text.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 0));
    QPainterPath star;
    star.moveTo(12.5, 0.5);
    star.lineTo(13.4, 2.8);
    star.lineTo(15.5, 3.5);
    star.lineTo(13.4, 4.2);
    star.lineTo(12.5, 6.5);
    star.lineTo(11.6, 4.2);
    star.lineTo(9.5, 3.5);
    star.lineTo(11.6, 2.8);
    star.closeSubpath();
    p.drawPath(star);
}

void DrawOpen(QPainter& p)
{
    p.setPen(Outline(QColor(120, 85, 10)));
    p.setBrush(QColor(230, 180, 60));
    p.drawRect(QRectF(1.5, 3.5, 11, 10));
    p.drawRect(QRectF(1.5, 2.5, 5, 1));
    p.setBrush(QColor(255, 220, 110));
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15.0, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void DrawSave(QPainter& p)
{
    p.setPen(Outline(QColor(20, 40, 90)));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 6));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(QRectF(9.5, 11.2, 1.5, 2.6));
}

void DrawPrint(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawRect(QRectF(12, 8, 1.5, 1.5));
}

void DrawCut(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 100), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 1.5), QPointF(10.0, 10.0));
    p.drawLine(QPointF(11.5, 1.5), QPointF(6.0, 10.0));
    p.setPen(QPen(QColor(180, 20, 20), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5.0, 12.0), 2.3, 2.3);
    p.drawEllipse(QPointF(11.0, 12.0), 2.3, 2.3);
}

void DrawCopy(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 8, 10));
    TextLines(p, QRectF(1.5, 1.5, 8, 10), 3);
    Page(p, QRectF(6.5, 4.5, 8, 10));
    TextLines(p, QRectF(6.5, 4.5, 8, 10), 4);
}

void DrawPaste(QPainter& p)
{
    p.setPen(Outline(QColor(90, 60, 20)));
    p.setBrush(QColor(190, 140, 70));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(150, 150, 155));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    Page(p, QRectF(6.5, 6.5, 8, 8.5));
    TextLines(p, QRectF(6.5, 6.5, 8, 8.5), 3);
}

// A comet: a bright head low on the right, its tail fanning up to the left.
void DrawComet(QPainter& p)
{
    QPainterPath tail;
    tail.moveTo(12.5, 8.0);
    tail.lineTo(1.0, 0.5);
    tail.quadTo(0.0, 5.0, 0.5, 8.0);
    tail.lineTo(10.0, 12.5);
    tail.closeSubpath();
    QLinearGradient fade(QPointF(11, 10), QPointF(0.5, 3));
    fade.setColorAt(0, QColor(90, 190, 255, 255));
    fade.setColorAt(0.6, QColor(40, 110, 230, 170));
    fade.setColorAt(1, QColor(40, 90, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPath(tail);
    QRadialGradient head(QPointF(11.5, 10.5), 4.5);
    head.setColorAt(0, QColor(255, 255, 240));
    head.setColorAt(0.5, QColor(255, 215, 40));
    head.setColorAt(1, QColor(255, 150, 0, 0));
    p.setBrush(head);
    p.drawEllipse(QPointF(11.5, 10.5), 4.5, 4.5);
}

// An asteroid: a lumpy grey rock with two craters.
void DrawAsteroid(QPainter& p)
{
    QPainterPath rock;
    rock.moveTo(4.0, 3.0);
    rock.cubicTo(7.0, 0.8, 12.5, 1.5, 14.0, 5.0);
    rock.cubicTo(15.5, 8.5, 13.5, 13.8, 9.0, 14.5);
    rock.cubicTo(4.5, 15.3, 1.0, 12.5, 1.5, 8.5);
    rock.cubicTo(1.7, 6.0, 2.5, 4.2, 4.0, 3.0);
    QRadialGradient shade(QPointF(6, 5), 11);
    shade.setColorAt(0, QColor(200, 195, 185));
    shade.setColorAt(1, QColor(95, 90, 85));
    p.setPen(Outline(QColor(70, 65, 60)));
    p.setBrush(shade);
    p.drawPath(rock);
    p.setPen(QPen(QColor(90, 85, 80), 0.8));
    p.setBrush(QColor(130, 125, 118));
    p.drawEllipse(QPointF(9.5, 9.5), 2.0, 1.7);
    p.drawEllipse(QPointF(5.5, 6.5), 1.2, 1.0);
}

void DrawAbout(QPainter& p)
{
    p.setPen(Outline(QColor(20, 60, 140)));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

// The application: a comet over the night sky.
void DrawApplication(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 20, 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    p.setBrush(Qt::white);
    for (const QPointF& star : {QPointF(3, 12), QPointF(6.5, 13.5), QPointF(13.5, 3), QPointF(2.5, 3.5)})
        p.drawEllipse(star, 0.45, 0.45);
    p.translate(1.0, 1.5);
    p.scale(0.9, 0.9);
    DrawComet(p);
}

// The diagram windows: a little chart of nights with coloured event points.
void DrawDiagram(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(115, 123, 127));
    p.drawRect(QRectF(0, 0, 16, 16));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(1, 3, 14, 11));
    p.setPen(QPen(QColor(0, 127, 0), 1.0));
    for (int x = 4; x < 13; x += 2)
        p.drawLine(QPointF(x + 0.5, 6), QPointF(x + 0.5, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(QRectF(2, 8, 12, 1));
    p.setBrush(QColor(0, 127, 255));
    p.drawRect(QRectF(2, 5, 12, 1));
    p.drawRect(QRectF(2, 12, 12, 1));
    p.setBrush(QColor(255, 255, 63));
    p.drawRect(QRectF(1, 0.5, 9, 2));
}

} // namespace

QIcon ToolbarIcon(int commandId)
{
    switch (commandId) {
    case Cmd::FileNew: return MakeIcon(DrawNew);
    case Cmd::FileOpen: return MakeIcon(DrawOpen);
    case Cmd::FileSave: return MakeIcon(DrawSave);
    case Cmd::FilePrint: return MakeIcon(DrawPrint);
    case Cmd::EditCut: return MakeIcon(DrawCut);
    case Cmd::EditCopy: return MakeIcon(DrawCopy);
    case Cmd::EditPaste: return MakeIcon(DrawPaste);
    case Cmd::CometVisibilityButton: return MakeIcon(DrawComet);
    case Cmd::AsteroidVisibilityButton: return MakeIcon(DrawAsteroid);
    case Cmd::AppAbout: return MakeIcon(DrawAbout);
    default: return {};
    }
}

QIcon ApplicationIcon() { return MakeIcon(DrawApplication); }

QIcon DiagramWindowIcon() { return MakeIcon(DrawDiagram); }
