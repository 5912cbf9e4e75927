#include "maintenance/CSiteBaseDlg.h"

#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"
#include "core/FieldParsers.h"
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
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The latitude is stored in radians, the longitude in hours (degrees / 15),
// west positive as typed.
constexpr double kDegreesToRadians = 0.01745329252;
constexpr double kDegreesToHours = 0.06666666666666667;

constexpr std::string_view kNoSiteName = "Étourdi ! Vous avez oublié de nommer le site !";
constexpr std::string_view kNothingToDelete = "La liste est vide : il n'y a aucun enregistrement à supprimer.";

} // namespace

CSiteBaseDlg::CSiteBaseDlg(QWidget* parent)
    : QDialog(parent),
      name_(Numbered(new QLineEdit(this), 1082)),
      latitude_(Numbered(new QLineEdit(this), 1064)),
      longitude_(Numbered(new QLineEdit(this), 1065)),
      list_(Numbered(new QComboBox(this), 1042))
{
    setWindowTitle(QStringLiteral("Gestion de la base de données des sites"));
    name_->setFixedWidth(DialogUnitsX(name_, 150));
    latitude_->setFixedWidth(DialogUnitsX(latitude_, 50));
    longitude_->setFixedWidth(DialogUnitsX(longitude_, 50));
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMinimumContentsLength(44);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* newFrame = new QGroupBox(QStringLiteral("Enregistrement d'un nouveau site"), this);
    auto* record = Numbered(new QPushButton(QStringLiteral("Enregistrement"), newFrame), 1108);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Nom du site :"), name_);
    form->addRow(QStringLiteral("Latitude (±dd.mmss) :"), latitude_);
    form->addRow(QStringLiteral("Longitude (±ddd.mmss) :"), longitude_);
    auto* newLayout = new QVBoxLayout(newFrame);
    newLayout->addLayout(form);
    newLayout->addWidget(new QLabel(QStringLiteral("(les longitudes sont comptées positivement vers l'ouest)"), newFrame));
    newLayout->addWidget(record, 0, Qt::AlignHCenter);

    auto* deleteFrame = new QGroupBox(QStringLiteral("Suppression d'un enregistrement"), this);
    auto* coordinates = Numbered(new QPushButton(QStringLiteral("Coordonnées géographiques"), deleteFrame), 1109);
    auto* remove = Numbered(new QPushButton(QStringLiteral("Suppression"), deleteFrame), 1080);
    QHBoxLayout* deleteButtons = CenteredRow({coordinates, remove});
    auto* deleteLayout = new QVBoxLayout(deleteFrame);
    deleteLayout->addWidget(new QLabel(QStringLiteral("Choix de l'enregistrement :"), deleteFrame));
    deleteLayout->addWidget(list_);
    deleteLayout->addLayout(deleteButtons);

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Quit)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Help, 9);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(newFrame);
    layout->addWidget(deleteFrame);
    layout->addWidget(buttons);
    // Top to bottom: the new site, its button, then the deletion.
    SetTabOrder({name_, latitude_, longitude_, record, list_, coordinates, remove, buttons});

    connect(record, &QPushButton::clicked, this, &CSiteBaseDlg::OnRecord);
    connect(coordinates, &QPushButton::clicked, this, &CSiteBaseDlg::OnShowCoordinates);
    connect(remove, &QPushButton::clicked, this, &CSiteBaseDlg::OnDelete);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { HelpTopic(QStringLiteral("Qav.chm::/html/Base de données des Sites - frameset.htm")); });
    connect(list_, &QComboBox::currentIndexChanged, this, &CSiteBaseDlg::OnChoice);
    Initialise();
    name_->setFocus();
}

// Enter in one of the new site's fields records it, as its button would:
// Quitter, the default button, would close the dialog and lose the typing.
void CSiteBaseDlg::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QWidget* focused = focusWidget();
    if (enter && (focused == name_ || focused == latitude_ || focused == longitude_)) {
        OnRecord();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSiteBaseDlg::Initialise()
{
    // Filling the list is not a choice of the user's: it must not move siteIndex.
    const QSignalBlocker quiet(list_);
    list_->clear();
    SelectionState& state = Selection();
    std::vector<SiteListEntry> entries;
    listed_ = false;
    try {
        entries = SiteCatalog::List(state.currentSite, SiteListStyle::Maintenance);
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    listed_ = true;
    for (const SiteListEntry& entry : entries)
        list_->addItem(FromWindows1252(entry));
    // An index past the end (the only site deleted) chooses no entry and reads nothing.
    const int index = SiteIndexOnListing(state);
    list_->setCurrentIndex(index < list_->count() ? index : -1);
    try {
        ChooseSite(state, index);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CSiteBaseDlg::OnChoice(int index)
{
    if (index < 0)
        return;
    try {
        ChooseSite(Selection(), index);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CSiteBaseDlg::OnRecord()
{
    SiteRecord& site = Selection().currentSite;
    const std::string name = ToWindows1252(name_->text());
    // The name is replaced first, also by an empty one.
    SetSiteName(site, name);
    if (name.empty()) {
        ShowMessage(MessageIcon::Warning, kNoSiteName);
        return;
    }
    double degrees = 0.0;
    if (ParseSexagesimal(ToWindows1252(latitude_->text()), degrees, kLatitude) != 1) {
        FocusField(latitude_);
        return;
    }
    site.latitude = degrees * kDegreesToRadians;
    if (ParseSexagesimal(ToWindows1252(longitude_->text()), degrees, kLongitude) != 1) {
        FocusField(longitude_);
        return;
    }
    site.longitude = degrees * kDegreesToHours;
    try {
        SiteIndexAfterAppend(Selection(), SiteCatalog::Append(site));
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    Initialise();
}

void CSiteBaseDlg::OnShowCoordinates()
{
    OpenRecordDisplay<CSiteCoordinatesDlg>(this);
}

void CSiteBaseDlg::OnDelete()
{
    // A list that could not be read is not an empty one: read it again, and
    // let the user choose from it, or the file error say why it still fails.
    if (!listed_) {
        Initialise();
        return;
    }
    const int index = list_->currentIndex();
    if (index < 0) {
        ShowMessage(MessageIcon::Warning, kNothingToDelete);
        return;
    }
    if (!CConfirmDeleteDlg::Confirm(this))
        return;
    SelectionState& state = Selection();
    state.siteIndex = index;
    try {
        SiteCatalog::Delete(index, state.currentSite);
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    SiteIndexAfterDelete(state, index, list_->count());
    Initialise();
}
