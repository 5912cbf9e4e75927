#pragma once
// What the dialogs of Qav share: controls known by their numbers, fields
// sized in dialog units that take no more text than they show, and the
// placement of the modeless record displays beside their owner.

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QWidget;

// Gives a control its number as object name: tests and code find it by number.
template <typename Widget>
Widget* Numbered(Widget* widget, int id)
{
    widget->setObjectName(QString::number(id));
    return widget;
}

// The control numbered `id` in `dialog`.
template <typename Widget>
Widget* Control(const QWidget* dialog, int id)
{
    return dialog->findChild<Widget*>(QString::number(id));
}

// Horizontal dialog units in pixels for a widget's font: four units to the
// average character width.
int DialogUnitsX(const QWidget* widget, int units);

// A single-line field that does not scroll sideways: typing or pasting stops
// when the text would no longer fit in the visible width. The field is made
// wide enough, in whatever font it shows, for the longest value its reader
// takes; the bound only stops what goes beyond.
class BoundedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // `widthUnits` is the field's width in dialog units; `longestValue` the
    // widest text it must take, where each '0' stands for any digit.
    BoundedLineEdit(int widthUnits, const QString& longestValue, QWidget* parent);

    bool Fits(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The width in dialog units, widened to show the longest value.
    void FitWidth();
    // The width the text may take.
    int TextRoom() const;
    void Paste();

    int widthUnits_;
    QString longestValue_;
};

// The width a list with columns needs to show each of them whole: the
// column's heading or its widest text in `widest` ("" for the heading alone),
// with the frame and the vertical scroll bar.
int ColumnsWidth(const class QAbstractScrollArea* view, const class QHeaderView* header, const QStringList& widest);

// A row holding `widgets` side by side, centred.
class QHBoxLayout* CenteredRow(std::initializer_list<QWidget*> widgets);

enum class Beside { Right, LeftBelow };

// Puts a display next to its owner: to its right, or to its left and lower;
// kept on the owner's screen.
void PlaceBeside(QWidget* display, const QWidget* owner, Beside side);
