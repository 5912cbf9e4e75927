#include "ephemeris/CAsteroidEphemerisDlg.h"

#include "catalog/CAsteroidListDlg.h"
#include "catalog/RecordChecks.h"
#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionState.h"
#include "platform/DialogSupport.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAsteroidEphemerisDlg::CAsteroidEphemerisDlg(const std::string& firstDayText, QWidget* parent)
    : EphemerisRequestDlg(QStringLiteral("Astéroïde : initialisation d'une éphéméride"), 43, firstDayText,
                          QStringLiteral("10"),
                          QStringLiteral("Qav.chm::/html/Ephémérides d'Astéroïdes - frameset.htm"), parent),
      name_(Numbered(new QLabel(this), 1030))
{
    auto* group = new QGroupBox(QStringLiteral("Choix d'un astéroïde"), this);
    name_->setAlignment(Qt::AlignCenter);
    name_->setMinimumWidth(DialogUnitsX(name_, 100));
    auto* selection = Numbered(new QPushButton(QStringLiteral("Sélection"), group), 1045);
    auto* elements = Numbered(new QPushButton(QStringLiteral("Éléments orbitaux"), group), 1052);
    selection->setAutoDefault(false);
    elements->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(selection);
    buttons->addWidget(elements);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(group);
    column->addWidget(name_);
    column->addLayout(buttons);
    ShowName();

    connect(selection, &QPushButton::clicked, this, &CAsteroidEphemerisDlg::OnSelection);
    connect(elements, &QPushButton::clicked, this, &CAsteroidEphemerisDlg::OnElements);
    Finish(group, {selection, elements});
}

void CAsteroidEphemerisDlg::ShowName()
{
    name_->setText(FromWindows1252(Selection().currentAsteroid.name));
}

// The list loads every choice into the current asteroid, however it ends.
void CAsteroidEphemerisDlg::OnSelection()
{
    CAsteroidListDlg list(this);
    list.exec();
    ShowName();
    FocusFirstDay();
}

void CAsteroidEphemerisDlg::OnElements()
{
    OpenRecordDisplay<CAsteroidElementsDlg>(this);
    FocusFirstDay();
}

bool CAsteroidEphemerisDlg::CheckChoice()
{
    std::optional<std::string> refusal;
    if (Selection().currentAsteroid.name.empty())
        refusal = "Vous n'avez pas sélectionné d'astéroïde.\nRecommencez !";
    else
        refusal = UnusableCurrentAsteroid();
    if (!refusal)
        return true;
    ShowMessage(MessageIcon::Stop, *refusal, MessageButtons::Ok, "Erreur !");
    if (QWidget* selection = Control<QPushButton>(this, 1045))
        selection->setFocus();
    return false;
}
