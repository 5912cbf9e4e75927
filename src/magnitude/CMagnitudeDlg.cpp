#include "magnitude/CMagnitudeDlg.h"

#include "core/NumberText.h"
#include "core/FieldParsers.h"
#include "magnitude/MagnitudeFormula.h"
#include "magnitude/MagnitudeInput.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QLineEdit* NumberField(int id, const QString& text, QWidget* parent)
{
    auto* field = Numbered(new QLineEdit(text, parent), id);
    field->setFixedWidth(DialogUnitsX(field, 50));
    return field;
}

} // namespace

CMagnitudeDlg::CMagnitudeDlg(QString& firstCoefficient, QString& secondCoefficient, QWidget* owner)
    : QDialog(owner), firstCoefficient_(firstCoefficient), secondCoefficient_(secondCoefficient)
{
    setWindowTitle(QStringLiteral("Calcul de magnitudes"));

    auto* data = new QGroupBox(QStringLiteral("Entrez les données suivantes :"), this);
    auto* dataForm = new QFormLayout(data);
    dataForm->addRow(QStringLiteral("Distance comète-Terre :"), NumberField(1073, {}, data));
    dataForm->addRow(QStringLiteral("Distance comète-Soleil :"), NumberField(1074, {}, data));

    auto* compute = Numbered(new QPushButton(QStringLiteral("Calcul de la magnitude"), this), 1081);

    auto* result = new QGroupBox(QStringLiteral("Résultat"), this);
    auto* resultForm = new QFormLayout(result);
    QLineEdit* magnitude = NumberField(1075, {}, result);
    magnitude->setReadOnly(true);
    resultForm->addRow(QStringLiteral("magnitude :"), magnitude);

    auto* coefficients = new QGroupBox(QStringLiteral("Modification éventuelle des coefficients :"), this);
    auto* coefficientForm = new QFormLayout(coefficients);
    coefficientForm->addRow(QStringLiteral("Premier coefficient :\n(magnitude visuelle absolue)"),
                            NumberField(1071, firstCoefficient, coefficients));
    coefficientForm->addRow(QStringLiteral("Deuxième coefficient :"), NumberField(1080, secondCoefficient, coefficients));

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addWidget(compute, 0, Qt::AlignHCenter);
    layout->addWidget(result);
    layout->addWidget(coefficients);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(compute, &QPushButton::clicked, this, &CMagnitudeDlg::OnComputeMagnitude);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMagnitudeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetTabOrder({Field(1073), Field(1074), compute, magnitude, Field(1071), Field(1080), buttons});
    Field(1073)->setFocus();
}

QLineEdit* CMagnitudeDlg::Field(int id) const
{
    return Control<QLineEdit>(this, id);
}

void CMagnitudeDlg::OnComputeMagnitude()
{
    double earthDistance = 0.0;
    double sunDistance = 0.0;
    double first = 0.0;
    double second = 0.0;
    if (!ParseDistance(ToWindows1252(Field(1073)->text()), earthDistance)) {
        FocusField(Field(1073));
        return;
    }
    if (!ParseDistance(ToWindows1252(Field(1074)->text()), sunDistance)) {
        FocusField(Field(1074));
        return;
    }
    if (!ParseUnsignedReal(ToWindows1252(Field(1071)->text()), first)) {
        FocusField(Field(1071));
        return;
    }
    if (!ParseUnsignedReal(ToWindows1252(Field(1080)->text()), second)) {
        FocusField(Field(1080));
        return;
    }
    const double magnitude = CometMagnitude(first, second, earthDistance, sunDistance);
    if (!std::isfinite(magnitude)) {
        ShowNoMagnitude();
        FocusField(Field(1071));
        return;
    }
    Field(1075)->setText(FromUtf8(FixedText(magnitude, 1)));
}

// The coefficients go back as shown, retouched or not since the last
// calculation: what the user sees is what the fitting dialog receives.
void CMagnitudeDlg::accept()
{
    firstCoefficient_ = Field(1071)->text();
    secondCoefficient_ = Field(1080)->text();
    QDialog::accept();
}
