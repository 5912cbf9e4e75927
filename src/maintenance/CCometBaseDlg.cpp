#include "maintenance/CCometBaseDlg.h"

#include "catalog/CometCatalog.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "maintenance/CCometRecordDlg.h"
#include "maintenance/CConfirmDeleteDlg.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::string_view kNothingToModify = "La liste est vide : il n'y a aucun enregistrement à modifier.";
constexpr std::string_view kNothingToDelete = "La liste est vide : il n'y a aucun enregistrement à supprimer.";

} // namespace

CCometBaseDlg::CCometBaseDlg(QWidget* parent) : QDialog(parent), list_(Numbered(new QComboBox(this), 1095))
{
    setWindowTitle(QStringLiteral("Gestion de la base de données des comètes"));
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMinimumContentsLength(44);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* newFrame = new QGroupBox(QStringLiteral("Enregistrement d'une nouvelle comète"), this);
    auto* add = Numbered(new QPushButton(QStringLiteral("Enregistrement"), newFrame), 1093);
    auto* newLayout = new QHBoxLayout(newFrame);
    newLayout->addWidget(add, 0, Qt::AlignHCenter);

    auto* editFrame = new QGroupBox(QStringLiteral("Modification ou suppression d'un enregistrement"), this);
    auto* modify = Numbered(new QPushButton(QStringLiteral("Modification"), editFrame), 1096);
    auto* remove = Numbered(new QPushButton(QStringLiteral("Suppression"), editFrame), 1097);
    QHBoxLayout* editButtons = CenteredRow({modify, remove});
    auto* editLayout = new QVBoxLayout(editFrame);
    editLayout->addWidget(new QLabel(QStringLiteral("Sélection d'un enregistrement :"), editFrame));
    editLayout->addWidget(list_);
    editLayout->addLayout(editButtons);

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Quit)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Help, 1098);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Vous pouvez soit enregistrer une nouvelle comète, soit modifier ou supprimer un enregistrement :"),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(newFrame);
    layout->addWidget(editFrame);
    layout->addWidget(buttons);
    SetTabOrder({add, list_, modify, remove, buttons});

    connect(add, &QPushButton::clicked, this, &CCometBaseDlg::OnNewComet);
    connect(modify, &QPushButton::clicked, this, &CCometBaseDlg::OnModifyComet);
    connect(remove, &QPushButton::clicked, this, &CCometBaseDlg::OnDeleteComet);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { HelpTopic(QStringLiteral("Qav.chm::/html/Base de données des Comètes - frameset.htm")); });
    FillList();
}

// Listing passes every record through the current comet, which keeps the
// last one, and makes that last record the chosen comet (none when empty).
void CCometBaseDlg::FillList()
{
    list_->clear();
    std::vector<CometListEntry> entries;
    listed_ = false;
    try {
        entries = ListCometsForMaintenance(Selection());
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    listed_ = true;
    for (const CometListEntry& entry : entries)
        list_->addItem(FromWindows1252(entry));
    list_->setCurrentIndex(Selection().cometIndex);
}

int CCometBaseDlg::ChosenIndex(std::string_view nothingChosen)
{
    if (!listed_) {
        FillList();
        return -1;
    }
    const int index = list_->currentIndex();
    if (index < 0)
        ShowMessage(MessageIcon::Warning, nothingChosen);
    return index;
}

// The comet just added is listed at once and, being the last, chosen: the
// magnitude tools then work on it.
void CCometBaseDlg::OnNewComet()
{
    PrepareNewComet(Selection());
    CCometRecordDlg record(this);
    if (record.exec() == QDialog::Accepted)
        FillList();
}

void CCometBaseDlg::OnModifyComet()
{
    const int index = ChosenIndex(kNothingToModify);
    if (index < 0)
        return;
    // The file is closed again before the entry opens, so that its OK can write.
    try {
        ChooseComet(Selection(), index);
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    CCometRecordDlg record(this);
    if (record.exec() == QDialog::Accepted)
        FillList();
}

void CCometBaseDlg::OnDeleteComet()
{
    const int index = ChosenIndex(kNothingToDelete);
    if (index < 0 || !CConfirmDeleteDlg::Confirm(this))
        return;
    SelectionState& state = Selection();
    state.cometIndex = index;
    try {
        CometCatalog::Delete(index, state.currentComet);
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    FillList();
}
