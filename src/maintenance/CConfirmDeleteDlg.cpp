#include "maintenance/CConfirmDeleteDlg.h"

#include "platform/DialogFrame.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CConfirmDeleteDlg::CConfirmDeleteDlg(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Mise à jour des enregistrements"));
    auto* question = new QLabel(QStringLiteral("Voulez-vous vraiment supprimer l'enregistrement sélectionné ?"), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = AddDialogButton(buttons, DialogButton::Yes);
    QPushButton* no = AddDialogButton(buttons, DialogButton::No);
    // Enter answers "Non" even when "Oui" has the focus: a deletion is final.
    yes->setAutoDefault(false);
    no->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    no->setFocus();
}

bool CConfirmDeleteDlg::Confirm(QWidget* owner)
{
    CConfirmDeleteDlg question(owner);
    return question.exec() == QDialog::Accepted;
}
