#pragma once
// "Astéroïde : initialisation d'une éphéméride" (dialog 149): the name of the
// current asteroid, chosen through "Sélection" (the asteroid list), and the
// request fields. The texts typed in the fields survive a new selection.

#include "ephemeris/EphemerisRequestDlg.h"

class QLabel;

class CAsteroidEphemerisDlg : public EphemerisRequestDlg {
    Q_OBJECT

public:
    explicit CAsteroidEphemerisDlg(const std::string& firstDayText, QWidget* parent = nullptr);

protected:
    bool CheckChoice() override;

private:
    void OnSelection();
    void OnElements();
    void ShowName();

    QLabel* name_;
};
