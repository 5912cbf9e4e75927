#include "maintenance/CCometRecordDlg.h"

#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/SelectionState.h"
#include "core/CFormat.h"
#include "core/Calendar.h"
#include "core/FieldParsers.h"
#include "core/NumberText.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Angles are typed in degrees and stored in radians; the two factors are
// those of the catalogue and are not exact inverses of each other.
constexpr double kDegreesToRadians = 0.01745329252;
constexpr double kRadiansToDegrees = 57.295779512896175;

const QString kHelpTopic = QStringLiteral("Qav.chm::/html/Base de données des Comètes - frameset.htm");

// The texts a field starts with: empty for a new comet (2000 for the
// equinox), the current comet's values otherwise. An unchanged modification
// therefore rounds the record to the precision shown here.
struct RecordTexts {
    QString heading, name, reference, perihelion, argPerihelion, ascendingNode, inclination, eccentricity,
        perihelionDistance, equinox, coefficient1, coefficient2;
};

RecordTexts NewRecordTexts()
{
    RecordTexts texts;
    texts.heading = QStringLiteral("Nouvel enregistrement de comète.\nEntrez les données suivantes :");
    texts.equinox = QStringLiteral("2000");
    return texts;
}

RecordTexts ModificationTexts(const CometRecord& comet)
{
    const auto text = [](const std::string& utf8) { return FromUtf8(utf8); };
    const auto degrees = [](double radians) { return FromUtf8(FixedText(radians * kRadiansToDegrees, 5)); };
    RecordTexts texts;
    texts.heading = QStringLiteral("Vous pouvez modifier chacune\ndes données suivantes :");
    texts.name = FromWindows1252(CometName(comet));
    texts.reference = FromWindows1252(CometReference(comet));
    texts.perihelion = text(FormatCalendarDate(comet.perihelionTime));
    texts.argPerihelion = degrees(comet.argPerihelion);
    texts.ascendingNode = degrees(comet.ascendingNode);
    texts.inclination = degrees(comet.inclination);
    texts.eccentricity = text(FixedText(comet.eccentricity, 7));
    texts.perihelionDistance = text(FixedText(comet.perihelionDistance, 7));
    texts.equinox = text(FormatC("%d", comet.equinox));
    texts.coefficient1 = text(FixedText(comet.magnitudeCoef1, 1));
    texts.coefficient2 = text(FixedText(comet.magnitudeCoef2, 1));
    return texts;
}

} // namespace

CCometRecordDlg::CCometRecordDlg(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Comètes : mise à jour de la base de données"));
    const SelectionState& state = Selection();
    const RecordTexts texts = state.cometIndex == -1 ? NewRecordTexts() : ModificationTexts(state.currentComet);

    auto* heading = Numbered(new QLabel(texts.heading, this), 1107);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    AddField(form, QStringLiteral("Nom de la comète :"), 1060, texts.name, 140);
    AddField(form, QStringLiteral("Référence :"), 1061, texts.reference, 140);
    AddField(form, QStringLiteral("Date de passage au périhélie  \n                       (jj.jjjjj/mm/aaaa) :"), 1053,
             texts.perihelion, 80);
    AddField(form, QStringLiteral("Argument du périhélie :"), 1102, texts.argPerihelion, 80);
    AddField(form, QStringLiteral("Longitude du noeud ascendant :"), 1103, texts.ascendingNode, 80);
    AddField(form, QStringLiteral("Inclinaison :"), 1056, texts.inclination, 80);
    AddField(form, QStringLiteral("Excentricité :"), 1057, texts.eccentricity, 80);
    AddField(form, QStringLiteral("Distance du périhélie :"), 1058, texts.perihelionDistance, 80);
    AddField(form, QStringLiteral("Équinoxe :"), 1063, texts.equinox, 40);
    AddField(form, QStringLiteral("Magnitude, 1er coefficient :"), 1064, texts.coefficient1, 40);
    AddField(form, QStringLiteral("Magnitude, 2ème coefficient :"), 1065, texts.coefficient2, 40);

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);
    AddDialogButton(buttons, DialogButton::Help, 9);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &CCometRecordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpTopic(kHelpTopic); });
    QList<QWidget*> order;
    for (const int id : {1060, 1061, 1053, 1102, 1103, 1056, 1057, 1058, 1063, 1064, 1065})
        order << Field(id);
    SetTabOrder(order << buttons);
    Field(1060)->setFocus();
}

QLineEdit* CCometRecordDlg::AddField(QFormLayout* form, const QString& label, int id, const QString& text,
                                     int widthUnits)
{
    auto* field = Numbered(new QLineEdit(text, this), id);
    field->setFixedWidth(DialogUnitsX(field, widthUnits));
    form->addRow(label, field);
    return field;
}

QLineEdit* CCometRecordDlg::Field(int id) const
{
    return Control<QLineEdit>(this, id);
}

bool CCometRecordDlg::ReadReal(int id, double& value)
{
    if (ParseUnsignedReal(ToWindows1252(Field(id)->text()), value))
        return true;
    FocusField(Field(id));
    return false;
}

bool CCometRecordDlg::ReadAngle(int id, double& radians)
{
    double degrees = 0.0;
    if (!ReadReal(id, degrees))
        return false;
    radians = degrees * kDegreesToRadians;
    return true;
}

bool CCometRecordDlg::StoreFields()
{
    CometRecord& comet = Selection().currentComet;
    // An empty date is refused without a message; the focus still goes back to it.
    if (ParseDecimalDate(ToWindows1252(Field(1053)->text()), comet.perihelionTime) != 1) {
        FocusField(Field(1053));
        return false;
    }
    SetCometName(comet, ToWindows1252(Field(1060)->text()));
    SetCometReference(comet, ToWindows1252(Field(1061)->text()));
    if (!ReadAngle(1102, comet.argPerihelion) || !ReadAngle(1103, comet.ascendingNode) ||
        !ReadAngle(1056, comet.inclination) || !ReadReal(1057, comet.eccentricity) ||
        !ReadReal(1058, comet.perihelionDistance))
        return false;
    int equinox = 0;
    if (!ParseUnsignedInt(ToWindows1252(Field(1063)->text()), equinox)) {
        FocusField(Field(1063));
        return false;
    }
    comet.equinox = equinox;
    return ReadReal(1064, comet.magnitudeCoef1) && ReadReal(1065, comet.magnitudeCoef2);
}

// The values the fields read but the computations could not use (a zero
// perihelion distance, an eccentricity of 1000) are refused here, with the
// same limits as a record read from the catalogue.
bool CCometRecordDlg::CheckLimits()
{
    const CometRecord& comet = Selection().currentComet;
    const std::optional<RecordFault> fault = CometFault(comet);
    if (!fault)
        return true;
    std::string reason = fault->reason;
    reason[0] = static_cast<char>(reason[0] - 'a' + 'A');  // "la ..." or "l'...": plain ASCII
    ShowMessage(MessageIcon::Stop, "Erreur ! " + reason + ".\n\nRecommencez !");
    const std::pair<const void*, int> fields[] = {
        {&comet.perihelionTime, 1053}, {&comet.argPerihelion, 1102}, {&comet.ascendingNode, 1103},
        {&comet.inclination, 1056},    {&comet.eccentricity, 1057},  {&comet.perihelionDistance, 1058},
        {&comet.magnitudeCoef1, 1064}, {&comet.magnitudeCoef2, 1065}};
    for (const auto& [value, id] : fields)
        if (value == fault->value)
            FocusField(Field(id));
    return false;
}

void CCometRecordDlg::accept()
{
    if (!StoreFields() || !CheckLimits())
        return;
    const SelectionState& state = Selection();
    try {
        if (state.cometIndex == -1)
            CometCatalog::Append(state.currentComet);
        else
            CometCatalog::Rewrite(state.cometIndex, state.currentComet);
    } catch (const FileError& error) {
        // Nothing is lost: the typed values stay in the fields for another try.
        ReportFileError(error);
        return;
    }
    QDialog::accept();
}
