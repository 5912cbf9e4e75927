#pragma once
// The three read-only displays of the current comet, asteroid or site. Each
// is modeless, belongs to the dialog that opened it (and closes with it),
// shows the values held when it opened, and closes with "Fermer".

#include <QDialog>

class QFormLayout;
class QLabel;

class RecordDisplayDlg : public QDialog {
    Q_OBJECT

protected:
    RecordDisplayDlg(QWidget* owner, const QString& title);

    // The framed title line at the top (the name), numbered `id`.
    QLabel* AddHeading(int id, const QString& text);
    // A plain line under the heading.
    QLabel* AddLine(int id, const QString& text);
    // One labelled value.
    QLabel* AddValue(const QString& label, int id, const QString& text);
    // The "Fermer" button (and "Aide" when `helpTopic` is given), then shown beside the owner.
    void Finish(bool toTheRight, const QString& helpTopic = {});

private:
    class QVBoxLayout* layout_;
    QFormLayout* values_;
};

// "Comète : éléments orbitaux": the current comet's elements in degrees.
class CCometElementsDlg : public RecordDisplayDlg {
    Q_OBJECT

public:
    explicit CCometElementsDlg(QWidget* owner);
};

// "Astéroïde : éléments orbitaux": the current asteroid's fields as written in ASTERS.DTB.
class CAsteroidElementsDlg : public RecordDisplayDlg {
    Q_OBJECT

public:
    explicit CAsteroidElementsDlg(QWidget* owner);
};

// "Site : coordonnées géographiques": the current site in degrees, minutes and seconds.
class CSiteCoordinatesDlg : public RecordDisplayDlg {
    Q_OBJECT

public:
    explicit CSiteCoordinatesDlg(QWidget* owner);
};

// Opens a display of the given kind beside `owner` and returns it (it belongs to `owner`).
template <typename Display>
Display* OpenRecordDisplay(QWidget* owner)
{
    auto* display = new Display(owner);
    display->show();
    return display;
}
