#pragma once
// What the dialogs of Qav share: controls known by their numbers, fields
// sized in dialog units that take no more text than they show, and the
// placement of the modeless record displays beside their owner.

#include <QLineEdit>
#include <QString>
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
// when the text would no longer fit in the visible width.
class BoundedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // `widthUnits` is the field's width in dialog units.
    BoundedLineEdit(int widthUnits, QWidget* parent);

    bool Fits(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void Paste();
};

// A row holding `widgets` side by side, centred.
class QHBoxLayout* CenteredRow(std::initializer_list<QWidget*> widgets);

enum class Beside { Right, LeftBelow };

// Puts a display next to its owner: to its right, or to its left and lower;
// kept on the owner's screen.
void PlaceBeside(QWidget* display, const QWidget* owner, Beside side);
