#pragma once
// "Comète : initialisation d'une éphéméride" (dialog 148): the comets of
// COMETS.WDB in file order, the one chosen before (the last one the first
// time) chosen again, and the request fields. A choice in the list takes
// effect at once and survives Cancel; the text typed in the list's field is
// never read.

#include "ephemeris/EphemerisRequestDlg.h"

class QComboBox;

class CCometEphemerisDlg : public EphemerisRequestDlg {
    Q_OBJECT

public:
    explicit CCometEphemerisDlg(const std::string& firstDayText, QWidget* parent = nullptr);

    QComboBox* cometList() const { return list_; }

protected:
    bool CheckChoice() override;

private:
    void FillList();
    void OnChoiceChanged(int index);
    void OnElements();

    QComboBox* list_;
    bool catalogueRead_ = false;  // an empty list may also be a catalogue that could not be read
};
