#include "platform/DialogFrame.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPushButton>

QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, int id)
{
    struct Look {
        const char* text;
        QDialogButtonBox::ButtonRole role;
    };
    static constexpr Look kLooks[] = {
        {"OK", QDialogButtonBox::AcceptRole},    {"Annuler", QDialogButtonBox::RejectRole},
        {"Aide", QDialogButtonBox::HelpRole},    {"Quitter", QDialogButtonBox::RejectRole},
        {"Fermer", QDialogButtonBox::RejectRole}, {"Oui", QDialogButtonBox::YesRole},
        {"Non", QDialogButtonBox::NoRole},
    };
    const Look& look = kLooks[static_cast<int>(kind)];
    // A button added by its text gets no icon, whatever the desktop's style.
    QPushButton* button = box->addButton(QString::fromUtf8(look.text), look.role);
    if (id > 0)
        button->setObjectName(QString::number(id));
    return button;
}

QList<QWidget*> ButtonsInOrder(const QDialogButtonBox* box)
{
    QList<QWidget*> shown;
    const QLayout* layout = box->layout();
    for (int i = 0; layout && i < layout->count(); ++i)
        if (QWidget* widget = layout->itemAt(i)->widget())
            shown << widget;
    return shown;
}

int TitleBarWidth(const QWidget* window)
{
    QFont bold = window->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // Room for the icon, the three buttons and the spaces between them.
    return metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.height();
}
