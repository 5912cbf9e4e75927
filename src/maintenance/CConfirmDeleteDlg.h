#pragma once
// "Mise à jour des enregistrements": the question asked before a comet or a
// site is deleted. "Non" is the default, so Enter keeps the record, and
// Escape answers "Non" too; only "Oui" deletes.

#include <QDialog>

class CConfirmDeleteDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfirmDeleteDlg(QWidget* owner);

    // Runs the question modally; true when the answer is "Oui".
    static bool Confirm(QWidget* owner);
};
