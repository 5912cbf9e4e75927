#include "ephemeris/EphemerisRequestDlg.h"

#include "catalog/SelectionState.h"
#include "core/FieldParsers.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "platform/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

BoundedLineEdit* AddField(QGridLayout* grid, const QString& label, int id, const QString& text, int widthUnits)
{
    QWidget* group = grid->parentWidget();
    auto* edit = Numbered(new BoundedLineEdit(widthUnits, group), id);
    edit->setText(text);
    auto* caption = new QLabel(label, group);
    caption->setBuddy(edit);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

std::string Typed(const QLineEdit* edit) { return edit->text().toStdString(); }

} // namespace

EphemerisRequestDlg::EphemerisRequestDlg(const QString& title, int fieldWidthUnits,
                                         const std::string& firstDayText, const QString& interval,
                                         const QString& helpTopic, QWidget* parent)
    : QDialog(parent), helpTopic_(helpTopic),
      requestGroup_(new QGroupBox(QStringLiteral("Entrez les données suivantes :"), this))
{
    setWindowTitle(title);
    auto* grid = new QGridLayout(requestGroup_);
    grid->setColumnStretch(0, 1);
    firstDay_ = AddField(grid, QStringLiteral("Date du premier jour (jj/mm/aaaa) :"), 1050, FromUtf8(firstDayText),
                         fieldWidthUnits);
    dayCount_ = AddField(grid, QStringLiteral("Nombre de jours :"), 1020, QStringLiteral("31"), fieldWidthUnits);
    interval_ = AddField(grid, QStringLiteral("Intervalle entre les jours :"), 1021, interval, fieldWidthUnits);
    equinox_ = AddField(grid, QStringLiteral("Équinoxe :"), 1022, QStringLiteral("2000"), fieldWidthUnits);
}

void EphemerisRequestDlg::Finish(QGroupBox* choiceGroup)
{
    // The usual numbers of the OK, Cancel and Help buttons.
    auto* ok = Numbered(new QPushButton(QStringLiteral("OK"), this), 1);
    auto* cancel = Numbered(new QPushButton(QStringLiteral("Annuler"), this), 2);
    auto* help = Numbered(new QPushButton(QStringLiteral("Aide"), this), 9);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &EphemerisRequestDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &EphemerisRequestDlg::OnHelp);

    auto* left = new QVBoxLayout;
    left->addWidget(choiceGroup);
    left->addWidget(requestGroup_);
    auto* right = new QVBoxLayout;
    right->addWidget(ok);
    right->addWidget(cancel);
    right->addSpacing(12);
    right->addWidget(help);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: the choice first, then the four fields, then the buttons.
    QList<QWidget*> chain;
    for (QWidget* child : choiceGroup->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus)
            chain << child;
    chain << firstDay_ << dayCount_ << interval_ << equinox_ << ok << cancel << help;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    FocusFirstDay();
}

void EphemerisRequestDlg::FocusFirstDay()
{
    // A record display opened beside the dialog has taken the activation.
    if (isVisible())
        activateWindow();
    firstDay_->setFocus();
}

void EphemerisRequestDlg::OnHelp()
{
    HelpTopic(helpTopic_);
    // The focus only: the help window stays in front, to be read.
    firstDay_->setFocus();
}

void EphemerisRequestDlg::accept()
{
    if (!CheckChoice())
        return;
    EphemerisRequest& request = Selection().ephemeris;
    if (ParseDate(Typed(firstDay_), request.day, request.month, request.year) != 1) {
        firstDay_->setFocus();
        return;
    }
    if (ParseUnsignedInt(Typed(dayCount_), request.dayCount) != 1 || !CheckEphemerisLineCount(request.dayCount)) {
        dayCount_->setFocus();
        return;
    }
    if (ParseUnsignedInt(Typed(interval_), request.dayInterval) != 1 || !CheckEphemerisSpan(request)) {
        interval_->setFocus();
        return;
    }
    if (ParseUnsignedInt(Typed(equinox_), request.equinox) != 1 || !CheckEphemerisEquinox(request.equinox)) {
        equinox_->setFocus();
        return;
    }
    QDialog::accept();
}
