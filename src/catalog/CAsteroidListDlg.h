#pragma once
// "Liste des astéroïdes enregistrés": every asteroid of ASTERS.DTB by name,
// in alphabetical order, Ceres chosen when it opens. Every choice loads the
// asteroid into the selection at once, so the asteroid last chosen stays the
// current one however the dialog ends. ASTERS.DTB stays open, exclusively,
// for as long as the dialog exists.

#include "catalog/AsteroidCatalog.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

class CAsteroidListDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAsteroidListDlg(QWidget* parent = nullptr);
    ~CAsteroidListDlg() override;

    QListWidget* list() const { return list_; }
    QLineEdit* edit() const { return edit_; }

private:
    void Fill();
    void Load(int row);
    void FindTyped(const QString& typed);

    std::optional<AsteroidCatalog> catalog_;
    std::vector<AsteroidListEntry> entries_;  // in the list's order
    QLineEdit* edit_;
    QListWidget* list_;
};
