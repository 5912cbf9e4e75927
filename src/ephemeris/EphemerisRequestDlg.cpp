#include "ephemeris/EphemerisRequestDlg.h"

#include "catalog/SelectionState.h"
#include "core/FieldParsers.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The widest texts the fields must take ('0' for any digit): a date of any
// year of five digits, with its sign; the most lines a table may have; any
// number an int holds.
const QString kLongestDate = QStringLiteral("00/00/-00000");
const QString kLongestDayCount = QStringLiteral("00000");
const QString kLongestNumber = QStringLiteral("0000000000");

BoundedLineEdit* AddField(QGridLayout* grid, const QString& label, int id, const QString& text, int widthUnits,
                          const QString& longestValue)
{
    QWidget* group = grid->parentWidget();
    auto* edit = Numbered(new BoundedLineEdit(widthUnits, longestValue, group), id);
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
                         fieldWidthUnits, kLongestDate);
    dayCount_ = AddField(grid, QStringLiteral("Nombre de jours :"), 1020, QStringLiteral("31"), fieldWidthUnits,
                         kLongestDayCount);
    interval_ = AddField(grid, QStringLiteral("Intervalle entre les jours :"), 1021, interval, fieldWidthUnits,
                         kLongestNumber);
    equinox_ = AddField(grid, QStringLiteral("Équinoxe :"), 1022, QStringLiteral("2000"), fieldWidthUnits,
                        kLongestNumber);
}

void EphemerisRequestDlg::Finish(QGroupBox* choiceGroup, const QList<QWidget*>& choiceControls)
{
    // OK, Annuler and Aide in a column on the right, with the usual numbers.
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);
    AddDialogButton(buttons, DialogButton::Help, 9);
    connect(buttons, &QDialogButtonBox::accepted, this, &EphemerisRequestDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &EphemerisRequestDlg::OnHelp);

    auto* left = new QVBoxLayout;
    left->addWidget(choiceGroup);
    left->addWidget(requestGroup_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: the choice first, then the four fields, then the buttons.
    SetTabOrder(QList<QWidget*>(choiceControls) << firstDay_ << dayCount_ << interval_ << equinox_ << buttons);
    FocusFirstDay();
}

void EphemerisRequestDlg::FocusFirstDay()
{
    // A record display opened beside the dialog has taken the activation.
    if (isVisible())
        activateWindow();
    FocusField(firstDay_);
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
        FocusField(firstDay_);
        return;
    }
    if (ParseUnsignedInt(Typed(dayCount_), request.dayCount) != 1 || !CheckEphemerisLineCount(request.dayCount)) {
        FocusField(dayCount_);
        return;
    }
    if (ParseUnsignedInt(Typed(interval_), request.dayInterval) != 1 || !CheckEphemerisSpan(request)) {
        FocusField(interval_);
        return;
    }
    if (ParseUnsignedInt(Typed(equinox_), request.equinox) != 1 || !CheckEphemerisEquinox(request.equinox)) {
        FocusField(equinox_);
        return;
    }
    QDialog::accept();
}
