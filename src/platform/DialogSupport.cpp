#include "platform/DialogSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

int DialogUnitsX(const QWidget* widget, int units)
{
    return (units * widget->fontMetrics().averageCharWidth() + 2) / 4;
}

BoundedLineEdit::BoundedLineEdit(int widthUnits, const QString& longestValue, QWidget* parent)
    : QLineEdit(parent), widthUnits_(widthUnits), longestValue_(longestValue)
{
    FitWidth();
}

int BoundedLineEdit::TextRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 4;
}

bool BoundedLineEdit::Fits(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) <= TextRoom();
}

void BoundedLineEdit::FitWidth()
{
    const QFontMetrics metrics = fontMetrics();
    QChar widestDigit = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(digit);
    QString widest = longestValue_;
    widest.replace(QLatin1Char('0'), widestDigit);
    setFixedWidth(DialogUnitsX(this, widthUnits_) + 8);
    // Two pixels more for the kerning of other digits.
    const int missing = metrics.horizontalAdvance(widest) + 2 - TextRoom();
    if (missing > 0)
        setFixedWidth(width() + missing);
}

void BoundedLineEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitWidth();
}

void BoundedLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        QString after = text();
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        after.replace(start, selectedText().size(), typed);
        if (!Fits(after))
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void BoundedLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    QString after = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    after.replace(start, selectedText().size(), event->commitString());
    if (!event->commitString().isEmpty() && !Fits(after))
        return;
    QLineEdit::inputMethodEvent(event);
}

// Pastes as much of the clipboard's first line as the field shows.
void BoundedLineEdit::Paste()
{
    QString pasted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString kept = text().remove(start, selectedText().size());
    while (!pasted.isEmpty() && !Fits(QString(kept).insert(start, pasted)))
        pasted.chop(1);
    insert(pasted);
}

int ColumnsWidth(const QAbstractScrollArea* view, const QHeaderView* header, const QStringList& widest)
{
    const QFontMetrics metrics = view->fontMetrics();
    int width = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    for (int column = 0; column < header->count(); ++column) {
        const QString text = widest.value(column);
        // A character's room on either side of a text, as the heading has.
        const int cell = text.isEmpty() ? 0 : metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
        width += std::max(header->sectionSizeHint(column), cell);
    }
    return width;
}

QHBoxLayout* CenteredRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

void PlaceBeside(QWidget* display, const QWidget* owner, Beside side)
{
    display->adjustSize();
    const QRect frame = owner->frameGeometry();
    QPoint at = side == Beside::Right ? QPoint(frame.right() + 8, frame.top())
                                      : QPoint(frame.left() - display->frameGeometry().width() - 8,
                                               frame.top() + frame.height() / 3);
    if (const QScreen* screen = owner->screen()) {
        // The display's frame, not known before it shows, is taken as wide as its owner's.
        const QSize frameSize = owner->frameGeometry().size() - owner->size();
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() - display->width() - frameSize.width())));
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() - display->height() - frameSize.height())));
    }
    display->move(at);
}
