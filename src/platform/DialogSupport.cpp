#include "platform/DialogSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

int DialogUnitsX(const QWidget* widget, int units)
{
    return (units * widget->fontMetrics().averageCharWidth() + 2) / 4;
}

BoundedLineEdit::BoundedLineEdit(int widthUnits, QWidget* parent) : QLineEdit(parent)
{
    setFixedWidth(DialogUnitsX(this, widthUnits) + 8);
}

bool BoundedLineEdit::Fits(const QString& text) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return fontMetrics().horizontalAdvance(text) <= inside.width() - 4;
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
