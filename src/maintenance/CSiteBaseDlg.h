#pragma once
// "Gestion de la base de données des sites": records new observing sites at
// the end of SITES.NDB, deletes sites, and shows the coordinates of the site
// chosen in the list. Every choice reads the site into the current site.
// The typed name and coordinates stay in their fields after a recording,
// ready for a neighbouring site.

#include <QDialog>

class QComboBox;
class QLineEdit;

class CSiteBaseDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSiteBaseDlg(QWidget* parent = nullptr);

    QComboBox* list() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Lists the file and chooses the entry at siteIndex (the first with none chosen).
    void Initialise();
    void OnChoice(int index);
    void OnRecord();           // 1108
    void OnShowCoordinates();  // 1109
    void OnDelete();           // 1080

    QLineEdit* name_;
    QLineEdit* latitude_;
    QLineEdit* longitude_;
    QComboBox* list_;
    bool listed_ = false;  // the last listing read the catalogue
};
