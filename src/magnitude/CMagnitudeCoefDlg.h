#pragma once
// "Calcul des coefficients de la formule des magnitudes": fits H and K to two
// observations of the current comet, lets the user try and retouch them in
// the calculator, and on OK stores them in the current comet and in its
// record of COMETS.WDB. The coefficients used are those shown in the result
// fields, whether fitted, brought back from the calculator or typed.

#include <QDialog>

class QLineEdit;

class CMagnitudeCoefDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMagnitudeCoefDlg(QWidget* parent = nullptr);

    void accept() override;

private:
    void OnComputeCoefficients();  // 1070
    void OnMagnitudeCalculator();  // 1081
    // False, with the message and the focus on 1070, while a result field is empty.
    bool HasCoefficients();
    // Reads the field into `value`; on failure the parser has spoken and the field has the focus.
    bool ReadDistance(int id, double& value);
    bool ReadReal(int id, double& value);
    QLineEdit* Field(int id) const;
};
