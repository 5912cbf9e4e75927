#include "diagram/CAsteroidDiagramDlg.h"

#include "catalog/CAsteroidListDlg.h"
#include "catalog/RecordChecks.h"
#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/DiagramRequestSupport.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAsteroidDiagramDlg::CAsteroidDiagramDlg(QWidget* parent, const QString& monthText, const QString& title)
    : QDialog(parent),
      name_(Numbered(new QLabel(this), 1030)),
      selection_(Numbered(new QPushButton(QStringLiteral("Sélection"), this), 1045)),
      sites_(MakeChoiceList(1042, this))
{
    setWindowTitle(QStringLiteral("Astéroïde : initialisation d'un diagramme de visibilité"));
    name_->setAlignment(Qt::AlignCenter);
    name_->setText(FromWindows1252(Selection().currentAsteroid.name));
    auto* elements = Numbered(new QPushButton(QStringLiteral("Eléments orbitaux"), this), 1052);
    auto* coordinates = Numbered(new QPushButton(QStringLiteral("Coordonnées géographiques"), this), 1046);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeChoiceGroup(QStringLiteral("Choix d'un astéroïde"), name_, {selection_, elements}, this));
    layout->addWidget(MakeChoiceGroup(QStringLiteral("Choix d'un site d'observation"), sites_, {coordinates}, this));
    layout->addWidget(MakeMonthGroup(month_, monthText, this));
    QDialogButtonBox* buttons =
        AddDialogButtons(this, layout, QStringLiteral("Qav.chm::/html/Visibilité des Astéroïdes - frameset.htm"));
    SetTabOrder({selection_, elements, sites_, coordinates, month_, buttons});

    ListSites();
    setWindowTitle(title);

    connect(sites_, &QComboBox::activated, this, &CAsteroidDiagramDlg::OnSiteChosen);
    connect(selection_, &QPushButton::clicked, this, &CAsteroidDiagramDlg::OnSelection);
    connect(elements, &QPushButton::clicked, this, [this] {
        OpenRecordDisplay<CAsteroidElementsDlg>(this);
        FocusField(month_);
    });
    connect(coordinates, &QPushButton::clicked, this, [this] {
        OpenRecordDisplay<CSiteCoordinatesDlg>(this);
        FocusField(month_);
    });

    // From a diagram window ("Initialisation d'un nouveau ...") the user
    // most likely wants another asteroid.
    if (Selection().currentAsteroid.name.empty() || title.startsWith(QStringLiteral("Init")))
        selection_->setFocus();
    else
        FocusField(month_);
}

CAsteroidDiagramDlg::~CAsteroidDiagramDlg() = default;

void CAsteroidDiagramDlg::ListSites()
{
    SelectionState& state = Selection();
    const QString siteText = FromWindows1252(SiteName(state.currentSite));
    try {
        siteFile_.emplace();
        const std::vector<SiteListEntry> entries = siteFile_->List(siteBuffer_, SiteListStyle::AsteroidDiagram);
        const int index = SiteIndexOnListing(state);
        FillChoiceList(sites_, entries, index, siteText);
        siteFile_->Read(index, state.currentSite);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CAsteroidDiagramDlg::OnSiteChosen(int index)
{
    if (siteFile_) {
        try {
            Selection().siteIndex = index;
            siteFile_->Read(index, Selection().currentSite);
        } catch (const FileError& error) {
            ReportFileError(error);
        }
    }
    FocusField(month_);
}

// The list dialog loads every choice into the selection; the fields then
// show the asteroid and the site's name. A month typed meanwhile is kept.
void CAsteroidDiagramDlg::OnSelection()
{
    {
        CAsteroidListDlg list(this);
        list.exec();
    }
    const SelectionState& state = Selection();
    name_->setText(FromWindows1252(state.currentAsteroid.name));
    sites_->setEditText(FromWindows1252(SiteName(state.currentSite)));
    FocusField(month_);
}

void CAsteroidDiagramDlg::accept()
{
    if (Selection().currentAsteroid.name.empty()) {
        ShowRequestError("Vous n'avez pas sélectionné d'astéroïde.\nRecommencez !");
        selection_->setFocus();
        return;
    }
    if (const auto unusable = UnusableCurrentAsteroid()) {
        ShowRequestError(unusable->c_str());
        selection_->setFocus();
        return;
    }
    if (const auto unusable = UnusableCurrentSite()) {
        ShowRequestError(unusable->c_str());
        sites_->setFocus();
        return;
    }
    if (AcceptDiagramMonth(month_))
        QDialog::accept();
}

void CAsteroidDiagramDlg::reject()
{
    CancelDiagramRequest();
    QDialog::reject();
}
