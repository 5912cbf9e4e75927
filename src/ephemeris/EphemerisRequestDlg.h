#pragma once
// What the comet and asteroid ephemeris requests share: the group "Entrez les
// données suivantes :" with its four fields (first day 1050, number of days
// 1020, interval 1021, equinox 1022), the buttons OK, "Annuler" and "Aide",
// and the check of the fields on OK. Each value is stored into the selection's
// request as soon as it is read, so the values read before a faulty field stay
// stored, also after Cancel. The dialogs compute nothing.

#include <QDialog>
#include <string>

class BoundedLineEdit;
class QGroupBox;

class EphemerisRequestDlg : public QDialog {
    Q_OBJECT

public:
    // OK: the object chosen, then the first day, the number of days, the
    // interval and the equinox, in that order; the first fault shows its
    // message, puts the focus in its field and keeps the dialog open.
    void accept() override;

protected:
    // `fieldWidthUnits`: the width of the four fields in dialog units.
    EphemerisRequestDlg(const QString& title, int fieldWidthUnits, const std::string& firstDayText,
                        const QString& interval, const QString& helpTopic, QWidget* parent);

    // Lays out the group that chooses the object above the request fields;
    // `choiceControls` are the group's controls in the order Tab visits them.
    void Finish(QGroupBox* choiceGroup, const QList<QWidget*>& choiceControls);

    // Whether an object can be computed; when not, says so and keeps the dialog open.
    virtual bool CheckChoice() = 0;

    // After every button and choice the focus goes back to the first day,
    // its text selected.
    void FocusFirstDay();

private:
    void OnHelp();

    QString helpTopic_;
    BoundedLineEdit* firstDay_;
    BoundedLineEdit* dayCount_;
    BoundedLineEdit* interval_;
    BoundedLineEdit* equinox_;
    QGroupBox* requestGroup_;
};
