#include "diagram/CCometDiagramDlg.h"

#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteCatalog.h"
#include "diagram/DiagramRequestSupport.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CCometDiagramDlg::CCometDiagramDlg(QWidget* parent, const QString& monthText, const QString& title)
    : QDialog(parent), comets_(MakeChoiceList(1043, this)), sites_(MakeChoiceList(1042, this))
{
    setWindowTitle(QStringLiteral("Comète : initialisation d'un diagramme de visibilité"));
    auto* elements = Numbered(new QPushButton(QStringLiteral("Eléments orbitaux"), this), 1044);
    auto* coordinates = Numbered(new QPushButton(QStringLiteral("Coordonnées géographiques"), this), 1045);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeChoiceGroup(QStringLiteral("Choix d'une comète"), comets_, {elements}, this));
    layout->addWidget(MakeChoiceGroup(QStringLiteral("Choix d'un site d'observation"), sites_, {coordinates}, this));
    layout->addWidget(MakeMonthGroup(month_, monthText, this));
    QDialogButtonBox* buttons =
        AddDialogButtons(this, layout, QStringLiteral("Qav.chm::/html/Visibilité des Comètes - frameset.htm"));
    SetTabOrder({comets_, elements, sites_, coordinates, month_, buttons});

    ListComets();
    ListSites();
    setWindowTitle(title);

    connect(comets_, &QComboBox::activated, this, &CCometDiagramDlg::OnCometChosen);
    connect(sites_, &QComboBox::activated, this, &CCometDiagramDlg::OnSiteChosen);
    connect(elements, &QPushButton::clicked, this, [this] {
        OpenRecordDisplay<CCometElementsDlg>(this);
        FocusField(month_);
    });
    connect(coordinates, &QPushButton::clicked, this, [this] {
        OpenRecordDisplay<CSiteCoordinatesDlg>(this);
        FocusField(month_);
    });
    FocusField(month_);
}

// The last comet chosen, or the last of the catalogue the first time. An
// empty catalogue chooses nothing and reads nothing.
void CCometDiagramDlg::ListComets()
{
    SelectionState& state = Selection();
    const QString cometText = FromWindows1252(CometName(state.currentComet));
    try {
        const std::vector<CometListEntry> entries = CometCatalog::List(cometBuffer_);
        cometsRead_ = true;
        const int index = CometIndexOnRequestOpening(state, static_cast<int>(entries.size()));
        FillChoiceList(comets_, entries, index, cometText);
        if (!entries.empty())
            CometCatalog::Read(index, state.currentComet);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CCometDiagramDlg::ListSites()
{
    SelectionState& state = Selection();
    const QString siteText = FromWindows1252(SiteName(state.currentSite));
    try {
        const std::vector<SiteListEntry> entries = SiteCatalog::List(siteBuffer_, SiteListStyle::CometDiagram);
        const int index = SiteIndexOnListing(state);
        FillChoiceList(sites_, entries, index, siteText);
        SiteCatalog::Read(index, state.currentSite);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CCometDiagramDlg::OnCometChosen(int index)
{
    try {
        ChooseComet(Selection(), index);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    FocusField(month_);
}

void CCometDiagramDlg::OnSiteChosen(int index)
{
    try {
        ChooseSite(Selection(), index);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    FocusField(month_);
}

void CCometDiagramDlg::accept()
{
    // No diagram of a comet that is not in the list: with an empty (or
    // unreadable) catalogue the current comet is a record of another time.
    if (comets_->count() == 0) {
        ShowRequestError(cometsRead_ ? "Le catalogue des comètes est vide : aucun diagramme n'est possible.\n"
                                       "Enregistrez d'abord une comète (menu Comètes, Base de données)."
                                     : "Le catalogue des comètes n'a pas pu être lu : aucun diagramme n'est "
                                       "possible.\nVérifiez le fichier COMETS.WDB, puis recommencez.");
        FocusField(comets_);
        return;
    }
    if (comets_->currentIndex() < 0) {
        ShowRequestError("Vous n'avez pas choisi de comète dans la liste.\nRecommencez !");
        FocusField(comets_);
        return;
    }
    if (const auto unusable = UnusableCurrentComet()) {
        ShowRequestError(unusable->c_str());
        comets_->setFocus();
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

void CCometDiagramDlg::reject()
{
    CancelDiagramRequest();
    QDialog::reject();
}
