#pragma once
// "Calcul de magnitudes": the magnitude the formula predicts for a distance
// to the Earth and to the Sun, with coefficients the user may retouch. OK
// hands the coefficient texts, as they stand in their fields, back to the
// caller's two texts; Annuler leaves them as they were.

#include <QDialog>
#include <QString>

class QLineEdit;

class CMagnitudeDlg : public QDialog {
    Q_OBJECT

public:
    CMagnitudeDlg(QString& firstCoefficient, QString& secondCoefficient, QWidget* owner);

    void accept() override;

private:
    void OnComputeMagnitude();  // 1081
    QLineEdit* Field(int id) const;

    QString& firstCoefficient_;
    QString& secondCoefficient_;
};
