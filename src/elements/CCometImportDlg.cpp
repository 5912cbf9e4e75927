#include "elements/CCometImportDlg.h"

#include "core/CFormat.h"
#include "elements/CometImport.h"
#include "elements/ElementsFileReader.h"
#include "elements/ImportSourceBox.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

const QString CCometImportDlg::kDefaultSource = QStringLiteral("https://www.minorplanetcenter.net/iau/MPCORB/CometEls.txt");

namespace {

enum Column { kName, kPerihelion, kDistance, kEccentricity, kCatalogue };

} // namespace

CCometImportDlg::CCometImportDlg(QWidget* parent)
    : QDialog(parent),
      source_(new ImportSourceBox(
          QStringLiteral("Éléments des comètes du Minor Planet Center (fichier CometEls.txt) ou adresse http(s) :"),
          kDefaultSource, this)),
      filter_(new QLineEdit(this)),
      list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Comètes : importation d'éléments"));
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setClearButtonEnabled(true);
    list_->setHeaderLabels({QStringLiteral("Comète"), QStringLiteral("Périhélie"), QStringLiteral("q (UA)"),
                            QStringLiteral("e"), QStringLiteral("Dans COMETS.WDB")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(kName, QHeaderView::Stretch);
    for (const int column : {kPerihelion, kDistance, kEccentricity, kCatalogue})
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    // A long name and every column whole, beside the check boxes; sixteen rows.
    const int checkBox = style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2;
    list_->setMinimumSize(checkBox + ColumnsWidth(list_, list_->header(),
                                                  {QStringLiteral("C/2023 A3 (Tsuchinshan-ATLAS)"),
                                                   QStringLiteral("28.0000/12/2024"), QStringLiteral("10.000000"),
                                                   QStringLiteral("1.000000"), QStringLiteral("oui (n° 0000)")}),
                          list_->fontMetrics().height() * 16);

    auto* checkAll = new QPushButton(QStringLiteral("Tout cocher"), this);
    auto* checkNone = new QPushButton(QStringLiteral("Tout décocher"), this);
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Filtre :"), this);
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(checkAll);
    filterRow->addWidget(checkNone);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = AddDialogButton(buttons, DialogButton::Ok);
    AddDialogButton(buttons, DialogButton::Cancel);
    AddDialogButton(buttons, DialogButton::Help);
    ok_->setEnabled(false);
    source_->readButton()->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addLayout(filterRow);
    layout->addWidget(list_, 1);
    auto* note = new QLabel(
        QStringLiteral("Cochées d'avance : les comètes déjà dans COMETS.WDB, dont les éléments seront remplacés. "
                       "Une comète nouvelle cochée est ajoutée à la fin du catalogue."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(buttons);
    SetTabOrder(source_->controls() << filter_ << checkAll << checkNone << list_ << buttons);
    FocusField(source_->field());

    connect(source_, &ImportSourceBox::readRequested, this, &CCometImportDlg::StartReading);
    connect(source_, &ImportSourceBox::finished, this, &CCometImportDlg::ReadingFinished);
    connect(filter_, &QLineEdit::textChanged, this, &CCometImportDlg::ApplyFilter);
    connect(checkAll, &QPushButton::clicked, this, [this] { CheckShown(true); });
    connect(checkNone, &QPushButton::clicked, this, [this] { CheckShown(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CCometImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCometImportDlg::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { HelpTopic(QStringLiteral("Qav.chm::/html/Importation des éléments de comètes.htm")); });
}

CCometImportDlg::~CCometImportDlg() = default;

void CCometImportDlg::keyPressEvent(QKeyEvent* event)
{
    // OK, the default button once the file is read, would import at once.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == filter_) {
        FocusList();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCometImportDlg::StartReading()
{
    auto reader = std::make_unique<CometFileReader>();
    if (!source_->Read(*reader))
        return;
    reader_ = std::move(reader);
    comets_.clear();
    list_->clear();
    ok_->setEnabled(false);
}

void CCometImportDlg::ReadingFinished(bool read)
{
    if (!read) {
        reader_.reset();
        return;
    }
    comets_ = reader_->comets();
    reader_.reset();
    Fill();
}

void CCometImportDlg::Fill()
{
    std::vector<std::string> designations;
    try {
        designations = CatalogueCometDesignations();
    } catch (const FileError& failure) {
        ReportFileError(failure);
    }
    int present = 0;
    list_->setUpdatesEnabled(false);
    for (std::size_t k = 0; k < comets_.size(); ++k) {
        const CometElements& comet = comets_[k];
        const int index = FindCometRecord(designations, comet);
        auto* item = new QTreeWidgetItem(
            {FromWindows1252(comet.name), FromUtf8(FormatC("%.4f/%d/%d", comet.day, comet.month, comet.year)),
             FromUtf8(FormatC("%.6f", comet.perihelionDistance)), FromUtf8(FormatC("%.6f", comet.eccentricity)),
             index >= 0 ? QStringLiteral("oui (n° %1)").arg(index + 1) : QString()});
        item->setData(kName, Qt::UserRole, static_cast<int>(k));
        item->setCheckState(kName, index >= 0 ? Qt::Checked : Qt::Unchecked);
        for (const int column : {kPerihelion, kDistance, kEccentricity})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        list_->addTopLevelItem(item);
        present += index >= 0 ? 1 : 0;
    }
    list_->setUpdatesEnabled(true);
    ApplyFilter(filter_->text());
    source_->ShowStatus(
        QStringLiteral("%1 comètes lues, dont %2 déjà dans COMETS.WDB.").arg(comets_.size()).arg(present));
    ok_->setEnabled(!comets_.empty());
    ok_->setDefault(true);
    FocusList();
}

void CCometImportDlg::FocusList()
{
    // A comet shown is the current one, for Space to check it.
    if (QTreeWidgetItem* current = list_->currentItem(); !current || current->isHidden())
        list_->setCurrentItem(*QTreeWidgetItemIterator(list_, QTreeWidgetItemIterator::NotHidden));
    list_->setFocus();
}

void CCometImportDlg::ApplyFilter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setHidden(!wanted.isEmpty() && !item->text(kName).contains(wanted, Qt::CaseInsensitive));
    }
}

void CCometImportDlg::CheckShown(bool checked)
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        if (!item->isHidden())
            item->setCheckState(kName, checked ? Qt::Checked : Qt::Unchecked);
    }
}

void CCometImportDlg::accept()
{
    // Nothing read (OK is disabled then), or a reading under way: nothing to write yet.
    if (source_->reading() || comets_.empty())
        return;
    std::vector<CometElements> chosen;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        if (item->checkState(kName) == Qt::Checked)
            chosen.push_back(comets_[static_cast<std::size_t>(item->data(kName, Qt::UserRole).toInt())]);
    }
    if (chosen.empty()) {
        ShowMessage(MessageIcon::Warning, "Aucune comète n'est cochée : il n'y a rien à importer.");
        return;
    }
    CometImportCounts counts;
    try {
        counts = ImportComets(chosen, false);
    } catch (const FileError& failure) {
        ReportFileError(failure);
        return;
    }
    ShowMessage(MessageIcon::Information, CometImportText(counts));
    QDialog::accept();
}

void CCometImportDlg::reject()
{
    source_->Cancel();
    reader_.reset();
    QDialog::reject();
}
