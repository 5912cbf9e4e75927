#include "platform/DialogKeyboard.h"

#include "platform/DialogFrame.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>

void SetTabOrder(const QList<QWidget*>& widgets)
{
    QList<QWidget*> chain;
    for (QWidget* widget : widgets) {
        if (const auto* box = qobject_cast<const QDialogButtonBox*>(widget))
            chain << ButtonsInOrder(box);
        else
            chain << widget;
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void FocusField(QWidget* field)
{
    if (!field)
        return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
    else if (auto* number = qobject_cast<QAbstractSpinBox*>(field))
        number->selectAll();
}
