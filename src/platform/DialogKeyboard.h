#pragma once
// The keyboard in Qav's dialogs: Tab visits the controls in the order they
// are shown, and a field the program sends the user back to has its whole
// text selected, so that typing replaces it instead of adding to it.

#include <QList>

class QWidget;

// Tab goes from each widget to the next one; a QDialogButtonBox stands for
// its buttons in the order they are shown.
void SetTabOrder(const QList<QWidget*>& widgets);

// The focus to `field` (a line edit, an editable list or a spin box), its text selected.
void FocusField(QWidget* field);
