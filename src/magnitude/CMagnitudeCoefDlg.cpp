#include "magnitude/CMagnitudeCoefDlg.h"

#include "catalog/CometCatalog.h"
#include "catalog/SelectionState.h"
#include "core/FieldParsers.h"
#include "magnitude/CMagnitudeDlg.h"
#include "magnitude/MagnitudeFormula.h"
#include "magnitude/MagnitudeInput.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::string_view kFitFirst = "Étourdi ! Commencez par calculer les coefficients !";
constexpr std::string_view kNoCometChosen =
    "Aucune comète n'est sélectionnée : les coefficients n'ont été enregistrés dans aucune fiche du catalogue.";

QLineEdit* NumberField(int id, QWidget* parent)
{
    auto* field = Numbered(new QLineEdit(parent), id);
    field->setFixedWidth(DialogUnitsX(field, 50));
    return field;
}

// The two coefficients go into the comet's record as the file holds it: the
// rest of the current comet may carry values of an edit that was cancelled.
void StoreCoefficients(int cometIndex, double first, double second)
{
    CometRecord record = Selection().currentComet;
    CometCatalog::Read(cometIndex, record);
    record.magnitudeCoef1 = first;
    record.magnitudeCoef2 = second;
    CometCatalog::Rewrite(cometIndex, record);
}

} // namespace

CMagnitudeCoefDlg::CMagnitudeCoefDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calcul des coefficients de la formule des magnitudes"));

    auto* data = new QGroupBox(QStringLiteral("Entrez les données suivantes :"), this);
    auto* grid = new QGridLayout(data);
    grid->addWidget(new QLabel(QStringLiteral("1er point"), data), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("2ème point"), data), 0, 2, Qt::AlignHCenter);
    const auto addRow = [&](int row, const QString& label, int first, int second) {
        grid->addWidget(new QLabel(label, data), row, 0, Qt::AlignRight);
        grid->addWidget(NumberField(first, data), row, 1);
        grid->addWidget(NumberField(second, data), row, 2);
    };
    addRow(1, QStringLiteral("Distance comète-Terre :"), 1069, 1077);
    addRow(2, QStringLiteral("Distance comète-Soleil :"), 1075, 1078);
    addRow(3, QStringLiteral("magnitude visuelle :"), 1076, 1079);

    auto* fit = Numbered(new QPushButton(QStringLiteral("Calcul des coefficients"), this), 1070);

    auto* result = new QGroupBox(QStringLiteral("Résultat"), this);
    auto* resultForm = new QFormLayout(result);
    resultForm->addRow(QStringLiteral("Premier coefficient :\n(magnitude visuelle absolue)"), NumberField(1071, result));
    resultForm->addRow(QStringLiteral("Deuxième coefficient :"), NumberField(1080, result));

    auto* calculator =
        Numbered(new QPushButton(QStringLiteral("Calcul de magnitudes\navec les coefficients ci-dessus"), this), 1081);

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);
    AddDialogButton(buttons, DialogButton::Help, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addWidget(fit, 0, Qt::AlignHCenter);
    layout->addWidget(result);
    layout->addWidget(calculator, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(fit, &QPushButton::clicked, this, &CMagnitudeCoefDlg::OnComputeCoefficients);
    connect(calculator, &QPushButton::clicked, this, &CMagnitudeCoefDlg::OnMagnitudeCalculator);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMagnitudeCoefDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { HelpTopic(QStringLiteral("Qav.chm::/html/Magnitudes visuelles.htm")); });
    // Row by row, each observation's value beside the other's.
    QList<QWidget*> order;
    for (const int id : {1069, 1077, 1075, 1078, 1076, 1079})
        order << Field(id);
    SetTabOrder(order << fit << Field(1071) << Field(1080) << calculator << buttons);
    Field(1069)->setFocus();
}

QLineEdit* CMagnitudeCoefDlg::Field(int id) const
{
    return Control<QLineEdit>(this, id);
}

bool CMagnitudeCoefDlg::ReadDistance(int id, double& value)
{
    if (ParseDistance(ToWindows1252(Field(id)->text()), value))
        return true;
    FocusField(Field(id));
    return false;
}

bool CMagnitudeCoefDlg::ReadReal(int id, double& value)
{
    if (ParseUnsignedReal(ToWindows1252(Field(id)->text()), value))
        return true;
    FocusField(Field(id));
    return false;
}

void CMagnitudeCoefDlg::OnComputeCoefficients()
{
    MagnitudeObservation first;
    MagnitudeObservation second;
    if (!ReadDistance(1069, first.earthDistance) || !ReadDistance(1077, second.earthDistance) ||
        !ReadDistance(1075, first.sunDistance) || !ReadDistance(1078, second.sunDistance) ||
        !ReadReal(1076, first.magnitude) || !ReadReal(1079, second.magnitude))
        return;

    // A refused fit leaves the results of the previous one in place.
    const MagnitudeFit fit = FitMagnitudeCoefficients(first, second);
    if (fit.refusal != FitRefusal::None) {
        ShowFitRefusal(fit.refusal);
        const int culprit = fit.refusal == FitRefusal::EqualSunDistances ? 1078
                            : fit.refusal == FitRefusal::NoFiniteResult  ? 1069
                                                                         : 1076;
        FocusField(Field(culprit));
        return;
    }
    Field(1071)->setText(FromUtf8(FirstCoefficientText(fit.H)));
    Field(1080)->setText(FromUtf8(SecondCoefficientText(fit.K)));
}

bool CMagnitudeCoefDlg::HasCoefficients()
{
    if (!Field(1071)->text().isEmpty() && !Field(1080)->text().isEmpty())
        return true;
    ShowMessage(MessageIcon::Warning, kFitFirst);
    Control<QPushButton>(this, 1070)->setFocus();
    return false;
}

void CMagnitudeCoefDlg::OnMagnitudeCalculator()
{
    if (!HasCoefficients())
        return;
    QString first = Field(1071)->text();
    QString second = Field(1080)->text();
    CMagnitudeDlg calculator(first, second, this);
    if (calculator.exec() != QDialog::Accepted)
        return;
    Field(1071)->setText(first);
    Field(1080)->setText(second);
}

void CMagnitudeCoefDlg::accept()
{
    if (!HasCoefficients())
        return;
    CometRecord& comet = Selection().currentComet;
    if (!ReadReal(1071, comet.magnitudeCoef1) || !ReadReal(1080, comet.magnitudeCoef2))
        return;
    const int cometIndex = Selection().cometIndex;
    if (cometIndex < 0) {
        // No comet chosen: the coefficients reach only the current comet, which
        // the next comet dialog replaces; the user must not believe them saved.
        ShowMessage(MessageIcon::Information, kNoCometChosen);
    } else {
        try {
            StoreCoefficients(cometIndex, comet.magnitudeCoef1, comet.magnitudeCoef2);
        } catch (const FileError& error) {
            // The dialog stays open: the user may try again once the file is free.
            ReportFileError(error);
            return;
        }
    }
    QDialog::accept();
}
