#include "maintenance/CConfirmDeleteDlg.h"

#include "platform/DialogSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CConfirmDeleteDlg::CConfirmDeleteDlg(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Mise à jour des enregistrements"));
    auto* question = new QLabel(QStringLiteral("Voulez-vous vraiment supprimer l'enregistrement sélectionné ?"), this);
    auto* yes = new QPushButton(QStringLiteral("Oui"), this);
    auto* no = new QPushButton(QStringLiteral("Non"), this);
    // Enter answers "Non" even when "Oui" has the focus: a deletion is final.
    yes->setAutoDefault(false);
    no->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addSpacing(8);
    layout->addLayout(CenteredRow({yes, no}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    no->setFocus();
}

bool CConfirmDeleteDlg::Confirm(QWidget* owner)
{
    CConfirmDeleteDlg question(owner);
    return question.exec() == QDialog::Accepted;
}
