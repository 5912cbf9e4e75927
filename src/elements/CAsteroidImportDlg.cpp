#include "elements/CAsteroidImportDlg.h"

#include "elements/AsteroidImport.h"
#include "elements/ElementsFileReader.h"
#include "elements/ImportSourceBox.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CAsteroidImportDlg::CAsteroidImportDlg(QWidget* parent)
    : QDialog(parent),
      source_(new ImportSourceBox(QStringLiteral("Éléments des petites planètes du Minor Planet Center (fichier "
                                                 "MPCORB.DAT ou un de ses extraits) ou adresse http(s) :"),
                                  QString(), this)),
      limit_(new QSpinBox(this)),
      plan_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Astéroïdes : importation d'éléments"));
    limit_->setObjectName(QStringLiteral("limit"));
    limit_->setRange(1, MinorPlanetFileReader::kLargestNumber);
    limit_->setValue(MinorPlanetFileReader::kLargestNumber);
    plan_->setObjectName(QStringLiteral("plan"));
    plan_->setWordWrap(true);
    plan_->setMinimumHeight(plan_->fontMetrics().height() * 5);
    plan_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    plan_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* limitRow = new QHBoxLayout;
    auto* limitLabel = new QLabel(QStringLiteral("Prendre les astéroïdes numérotés jusqu'au n° :"), this);
    limitLabel->setBuddy(limit_);
    limitRow->addWidget(limitLabel);
    limitRow->addWidget(limit_);
    limitRow->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    ok_ = AddDialogButton(buttons, DialogButton::Ok);
    AddDialogButton(buttons, DialogButton::Cancel);
    AddDialogButton(buttons, DialogButton::Help);
    ok_->setEnabled(false);
    source_->readButton()->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addLayout(limitRow);
    layout->addWidget(plan_, 1);
    layout->addWidget(buttons);
    SetTabOrder(source_->controls() << limit_ << buttons);
    FocusField(source_->field());

    connect(source_, &ImportSourceBox::readRequested, this, &CAsteroidImportDlg::StartReading);
    connect(source_, &ImportSourceBox::finished, this, &CAsteroidImportDlg::ReadingFinished);
    connect(limit_, &QSpinBox::valueChanged, this, &CAsteroidImportDlg::ShowPlan);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAsteroidImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAsteroidImportDlg::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { HelpTopic(QStringLiteral("Qav.chm::/html/Importation des éléments d'astéroïdes.htm")); });
}

CAsteroidImportDlg::~CAsteroidImportDlg() = default;

void CAsteroidImportDlg::StartReading()
{
    auto reader = std::make_unique<MinorPlanetFileReader>();
    if (!source_->Read(*reader))
        return;
    reader_ = std::move(reader);
    read_ = false;
    plan_->clear();
    ok_->setEnabled(false);
}

void CAsteroidImportDlg::ReadingFinished(bool read)
{
    if (!read) {
        reader_.reset();
        return;
    }
    read_ = true;
    ShowPlan();
    // The limit is what is left to choose; Enter then imports.
    FocusField(limit_);
}

void CAsteroidImportDlg::ShowPlan()
{
    if (!read_)
        return;
    int oldCount = 0;
    try {
        oldCount = AsteroidCatalogueCount();
    } catch (const FileError& failure) {
        ReportFileError(failure);
        return;
    }
    const AsteroidImportPlan plan = PlanAsteroidImport(*reader_, oldCount, limit_->value());
    plan_->setText(QStringLiteral("Après l'importation :\n") + FromUtf8(AsteroidImportText(plan)));
    ok_->setEnabled(plan.updated + plan.added > 0);
    ok_->setDefault(true);
}

void CAsteroidImportDlg::accept()
{
    if (!read_ || source_->reading())
        return;
    AsteroidImportPlan plan;
    try {
        plan = ImportAsteroids(*reader_, limit_->value());
    } catch (const FileError& failure) {
        ReportFileError(failure);
        return;
    }
    ShowMessage(MessageIcon::Information, AsteroidImportText(plan));
    QDialog::accept();
}

void CAsteroidImportDlg::reject()
{
    source_->Cancel();
    reader_.reset();
    QDialog::reject();
}
