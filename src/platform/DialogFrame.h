#pragma once
// What surrounds a dialog's fields: its row (or column) of buttons and its
// title bar. Every dialog takes its buttons from here, so they have the same
// texts, no icons, and the order of the desktop's other dialogs.

#include <QDialogButtonBox>

class QPushButton;
class QWidget;

enum class DialogButton { Ok, Cancel, Help, Quit, Close, Yes, No };

// Adds a button of that kind to `box`, with its French text and its role
// (OK accepts; Annuler, Quitter and Fermer reject; Oui and Non answer;
// Aide asks for help); `id` > 0 becomes its control number.
QPushButton* AddDialogButton(QDialogButtonBox* box, DialogButton kind, int id = 0);

// The buttons of `box` in the order they are shown.
QList<QWidget*> ButtonsInOrder(const QDialogButtonBox* box);

// The width a window needs for the window manager to show its whole title:
// the title in a bold face of the window's font, beside the window's icon and
// its three buttons.
int TitleBarWidth(const QWidget* window);
