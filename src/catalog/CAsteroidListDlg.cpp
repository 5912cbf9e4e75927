#include "catalog/CAsteroidListDlg.h"

#include "catalog/SelectionState.h"
#include "platform/DialogFrame.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CAsteroidListDlg::CAsteroidListDlg(QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), list_(Numbered(new QListWidget(this), 1024))
{
    setWindowTitle(QStringLiteral("Liste des astéroïdes enregistrés"));
    // The entries are columns of fixed width: name, then the number right-aligned.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    edit_->setFont(fixed);
    list_->setFont(fixed);
    list_->setUniformItemSizes(true);
    // Wide enough for an entry (24 characters) with a character's margin on
    // each side, beside the scroll bar.
    const QFontMetrics metrics(fixed);
    const int entryWidth = metrics.horizontalAdvance(QString(24 + 2, QLatin1Char('0')));
    list_->setMinimumWidth(entryWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_) +
                           2 * list_->frameWidth() + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin));
    list_->setMinimumHeight(metrics.height() * 16);

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Pour l'aide, pressez la touche F1"), this));
    layout->addWidget(buttons);
    // The window manager shows the whole title.
    setMinimumWidth(TitleBarWidth(this));

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(edit_, &QLineEdit::textEdited, this, &CAsteroidListDlg::FindTyped);
    Fill();
    connect(list_, &QListWidget::currentRowChanged, this, &CAsteroidListDlg::Load);
    list_->setFocus();
}

CAsteroidListDlg::~CAsteroidListDlg() = default;

void CAsteroidListDlg::Fill()
{
    try {
        catalog_.emplace();
        entries_ = catalog_->List();
    } catch (const FileError& error) {
        // The list stays empty and no asteroid is loaded.
        catalog_.reset();
        ReportFileError(error);
        return;
    }
    SortAsteroidEntries(entries_);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries_.size()));
    for (const AsteroidListEntry& entry : entries_)
        texts << FromWindows1252(entry);
    list_->addItems(texts);

    const int ceres = FindCeresEntry(entries_);
    if (ceres >= 0) {
        list_->setCurrentRow(ceres);
        list_->scrollToItem(list_->item(ceres), QAbstractItemView::PositionAtCenter);
        Load(ceres);
    }
}

void CAsteroidListDlg::Load(int row)
{
    if (!catalog_ || row < 0 || row >= static_cast<int>(entries_.size()))
        return;
    try {
        catalog_->Load(entries_[static_cast<std::size_t>(row)], Selection().currentAsteroid);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    // The field shows the choice, selected, so that typing starts a new search.
    edit_->setText(list_->item(row)->text());
    edit_->selectAll();
}

// Typing in the field goes to the first entry that begins with the text.
void CAsteroidListDlg::FindTyped(const QString& typed)
{
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty())
        return;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            const QSignalBlocker keepText(edit_);
            list_->setCurrentRow(row);
            list_->scrollToItem(list_->item(row), QAbstractItemView::PositionAtTop);
            edit_->setText(typed);
            return;
        }
    }
}
