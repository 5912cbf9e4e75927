#include "app/TextPrintout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

constexpr int kTabColumns = 8;  // the view's tab stops: every 8 characters
constexpr double kSmallestPoints = 5.0;

// The text's lines with each tab turned into the spaces up to the next stop.
QStringList ExpandedLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();  // the end of the last line starts no new one
    for (QString& line : lines) {
        if (!line.contains(QLatin1Char('\t')))
            continue;
        QString expanded;
        for (const QChar c : line) {
            if (c == QLatin1Char('\t'))
                expanded.append(QString(kTabColumns - expanded.size() % kTabColumns, QLatin1Char(' ')));
            else
                expanded.append(c);
        }
        line = expanded;
    }
    return lines;
}

double LongestLine(const QStringList& lines, const QFont& font, const QPaintDevice& device)
{
    const QFontMetricsF metrics(font, &device);
    double longest = 0.0;
    for (const QString& line : lines)
        longest = std::max(longest, metrics.horizontalAdvance(line));
    return longest;
}

// Lines longer than `columns` characters cut into pieces of that length.
QStringList CutLines(const QStringList& lines, int columns)
{
    QStringList cut;
    for (const QString& line : lines) {
        for (qsizetype start = 0; start < line.size(); start += columns)
            cut << line.mid(start, columns);
        if (line.isEmpty())
            cut << line;
    }
    return cut;
}

} // namespace

TextPrintout::TextPrintout(const QString& text, const QFont& screenFont, int screenDpi, const QString& title,
                           const QPaintDevice& device)
    : lines_(ExpandedLines(text)), title_(title), font_(screenFont), area_(0, 0, device.width(), device.height())
{
    // The size at which the longest line fills the width, but never more than
    // half as large again as on the screen: a short note keeps a reading size.
    const double dpi = device.logicalDpiY();
    const double screenPixels = screenFont.pixelSize() > 0 ? screenFont.pixelSize() * dpi / std::max(screenDpi, 1)
                                                           : screenFont.pointSizeF() * dpi / 72.0;
    const int smallest = std::max(1, static_cast<int>(kSmallestPoints * dpi / 72.0));
    int pixels = std::max(smallest, static_cast<int>(1.5 * screenPixels));
    font_.setPixelSize(pixels);
    // The width of a line grows with the size: one measure gives the size,
    // and a few steps down absorb the rounding of the glyphs.
    const double longest = LongestLine(lines_, font_, device);
    if (longest > area_.width()) {
        pixels = std::max(smallest, static_cast<int>(pixels * area_.width() / longest));
        font_.setPixelSize(pixels);
        while (pixels > smallest && LongestLine(lines_, font_, device) > area_.width())
            font_.setPixelSize(--pixels);
    }

    const QFontMetricsF metrics(font_, &device);
    // Not even the smallest size holds the longest line (a text that is no
    // table): such lines go on over the next lines rather than off the paper.
    if (LongestLine(lines_, font_, device) > area_.width())
        lines_ = CutLines(lines_, std::max(1, static_cast<int>(area_.width() / metrics.averageCharWidth())));

    lineHeight_ = std::max(1.0, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    // Below the lines, one blank line, then the name and the page number.
    linesPerPage_ = std::max(1, static_cast<int>((area_.height() - 2 * lineHeight_) / lineHeight_));
    pageCount_ = std::max(1, static_cast<int>((lines_.size() + linesPerPage_ - 1) / linesPerPage_));
}

void TextPrintout::PaintPage(QPainter& painter, int page) const
{
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const qsizetype first = static_cast<qsizetype>(page) * linesPerPage_;
    const qsizetype last = std::min<qsizetype>(lines_.size(), first + linesPerPage_);
    for (qsizetype i = first; i < last; ++i)
        painter.drawText(QPointF(0.0, (i - first) * lineHeight_ + ascent_), lines_[i]);

    const QFontMetricsF metrics(font_, painter.device());
    const QString number = QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount_);
    const double numberWidth = metrics.horizontalAdvance(number);
    const double baseline = area_.height() - lineHeight_ + ascent_;
    const QString name =
        metrics.elidedText(title_, Qt::ElideRight, std::max(0.0, area_.width() - numberWidth - lineHeight_));
    painter.drawText(QPointF(0.0, baseline), name);
    painter.drawText(QPointF(area_.width() - numberWidth, baseline), number);
    painter.restore();
}

void TextPrintout::Print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    for (int page = 0; page < pageCount_; ++page) {
        if (page > 0 && !printer.newPage())
            break;
        PaintPage(painter, page);
    }
    painter.end();
}
