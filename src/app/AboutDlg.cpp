#include "app/AboutDlg.h"

#include "app/Icons.h"
#include "platform/DialogFrame.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de Qav"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setText(QStringLiteral("<b>Qav version %1</b><br>"
                                 "Ephémérides et diagrammes de visibilité<br>de comètes et astéroïdes<br><br>"
                                 "Copyright (C) 2026")
                      .arg(QStringLiteral(QAV_VERSION)));
    auto* ok = new QDialogButtonBox(this);
    AddDialogButton(ok, DialogButton::Ok, 1)->setDefault(true);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
