#include "platform/QtMessagePresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessagePresenter::Present(const Message& message)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (message.icon) {
    case MessageIcon::Warning: icon = QMessageBox::Warning; break;
    case MessageIcon::Stop: icon = QMessageBox::Critical; break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    switch (message.buttons) {
    case MessageButtons::Ok: break;
    case MessageButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No, defaultButton = QMessageBox::Yes; break;
    case MessageButtons::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, defaultButton = QMessageBox::Yes;
        break;
    }
    QMessageBox box(icon, QString::fromStdString(message.caption), QString::fromStdString(message.text), buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    // Buttons without icons, like those of every other dialog of Qav.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}
