#pragma once
// Dialog 150, "Astéroïde : initialisation d'un diagramme de visibilité": the
// asteroid (chosen through the asteroid list), the site and the start month
// of a diagram. SITES.NDB stays open, exclusively, from the dialog's
// opening until it is destroyed.

#include "catalog/SiteCatalog.h"
#include "catalog/SiteRecord.h"

#include <QDialog>
#include <optional>

class BoundedLineEdit;
class QComboBox;
class QLabel;
class QPushButton;

class CAsteroidDiagramDlg : public QDialog {
    Q_OBJECT

public:
    CAsteroidDiagramDlg(QWidget* parent, const QString& monthText, const QString& title);
    ~CAsteroidDiagramDlg() override;

    QComboBox* siteList() const { return sites_; }
    BoundedLineEdit* monthField() const { return month_; }
    QLabel* asteroidName() const { return name_; }
    QPushButton* selectionButton() const { return selection_; }

    void accept() override;
    void reject() override;

private:
    void ListSites();
    void OnSiteChosen(int index);
    void OnSelection();

    std::optional<HeldSiteCatalog> siteFile_;
    SiteRecord siteBuffer_{};
    QLabel* name_;
    QPushButton* selection_;
    QComboBox* sites_;
    BoundedLineEdit* month_ = nullptr;
};
