#include "ephemeris/CCometEphemerisDlg.h"

#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/RecordDisplayDlg.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

const char* const kNoComet =
    "Le catalogue des comètes est vide : il n'y a aucune comète à calculer.\n\n"
    "Ajoutez-en une par Comètes > Base de données, puis recommencez.";
const char* const kUnreadCatalogue =
    "Le catalogue des comètes n'a pas pu être lu : il n'y a aucune comète à calculer.\n\n"
    "Vérifiez le fichier COMETS.WDB, puis recommencez.";

} // namespace

CCometEphemerisDlg::CCometEphemerisDlg(const std::string& firstDayText, QWidget* parent)
    : EphemerisRequestDlg(QStringLiteral("Comète : initialisation d'une éphéméride"), 48, firstDayText,
                          QStringLiteral("1"), QStringLiteral("Qav.chm::/html/Ephémérides de Comètes - frameset.htm"),
                          parent),
      list_(Numbered(new QComboBox(this), 1043))
{
    auto* group = new QGroupBox(QStringLiteral("Choix d'une comète"), this);
    // An editable field above the list, as it has always been; typing in it
    // chooses nothing, so no completion either.
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setCompleter(nullptr);
    list_->setMaxVisibleItems(12);
    list_->setMinimumContentsLength(36);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* elements = Numbered(new QPushButton(QStringLiteral("Éléments orbitaux"), group), 1044);
    elements->setAutoDefault(false);
    auto* row = new QHBoxLayout(group);
    row->addWidget(list_, 1);
    row->addWidget(elements);

    FillList();
    // With no comet listed there are no elements to show.
    elements->setEnabled(list_->count() > 0);
    connect(list_, &QComboBox::currentIndexChanged, this, &CCometEphemerisDlg::OnChoiceChanged);
    connect(elements, &QPushButton::clicked, this, &CCometEphemerisDlg::OnElements);
    Finish(group, {list_, elements});
}

void CCometEphemerisDlg::FillList()
{
    SelectionState& state = Selection();
    try {
        // The listing passes every record through the current comet.
        for (const CometListEntry& entry : CometCatalog::List(state.currentComet))
            list_->addItem(FromWindows1252(entry));
        catalogueRead_ = true;
        const int index = CometIndexOnRequestOpening(state, list_->count());
        list_->setCurrentIndex(index);
        // An empty catalogue has no record to read (index -1).
        if (index >= 0)
            ChooseComet(state, index);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void CCometEphemerisDlg::OnChoiceChanged(int index)
{
    if (index >= 0) {
        try {
            ChooseComet(Selection(), index);
        } catch (const FileError& error) {
            ReportFileError(error);
        }
    }
    FocusFirstDay();
}

void CCometEphemerisDlg::OnElements()
{
    OpenRecordDisplay<CCometElementsDlg>(this);
    FocusFirstDay();
}

bool CCometEphemerisDlg::CheckChoice()
{
    // With no comet listed, the current comet is whatever an earlier command
    // left there: nothing to compute.
    if (list_->count() == 0) {
        ShowMessage(MessageIcon::Stop, catalogueRead_ ? kNoComet : kUnreadCatalogue);
        FocusField(list_);
        return false;
    }
    if (const auto unusable = UnusableCurrentComet()) {
        ShowMessage(MessageIcon::Stop, *unusable);
        FocusField(list_);
        return false;
    }
    return true;
}
