#pragma once
// "Comètes : mise à jour de la base de données": the entry of a new comet
// (cometIndex -1) or the edition of the current comet, the record at
// cometIndex. OK reads the fields in a fixed order into the current comet,
// each value stored as soon as it passes; the first refused value keeps the
// dialog open with the focus on its field. Only when every value has passed
// is the record appended or written over its old place in COMETS.WDB; a file
// error is reported and leaves the dialog open.

#include <QDialog>

class QFormLayout;
class QLineEdit;

class CCometRecordDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCometRecordDlg(QWidget* owner);

    void accept() override;

private:
    // Steps 1 to 10 of the acceptance; false at the first refused value.
    bool StoreFields();
    bool CheckLimits();
    bool ReadAngle(int id, double& radians);
    bool ReadReal(int id, double& value);
    QLineEdit* AddField(QFormLayout* form, const QString& label, int id, const QString& text, int widthUnits);
    QLineEdit* Field(int id) const;
};
