#pragma once
// The ephemeris text cut into printed pages. Every line prints whole and
// unwrapped, as on the screen, in the view's fixed-width font, at the size at
// which the longest line fills the printable width (at most half as large
// again as on the screen). Each page ends with a line naming the document and
// giving "n / N".

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;
class QPrinter;

class TextPrintout {
public:
    // `screenFont` is the view's font on a screen of `screenDpi`; `device`
    // is the printer, whose printable area (its width and height) is filled.
    TextPrintout(const QString& text, const QFont& screenFont, int screenDpi, const QString& title,
                 const QPaintDevice& device);

    int PageCount() const { return pageCount_; }
    int LinesPerPage() const { return linesPerPage_; }
    // The printing font, its size in the device's pixels.
    const QFont& font() const { return font_; }
    const QStringList& lines() const { return lines_; }

    // Draws page `page` (from 0) with the printable area's top left at the origin.
    void PaintPage(QPainter& painter, int page) const;
    // Every page, on `printer`.
    void Print(QPrinter& printer) const;

private:
    QStringList lines_;
    QString title_;
    QFont font_;
    QRect area_;
    double lineHeight_ = 1.0;
    double ascent_ = 0.0;
    int linesPerPage_ = 1;
    int pageCount_ = 1;
};
