#pragma once
// Dialog 101, "Comète : initialisation d'un diagramme de visibilité": the
// comet, the site and the start month of a diagram. A choice in either list
// takes effect at once; OK checks the month and leaves it in the diagram
// request. The catalogues are opened around every listing and read.

#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"

#include <QDialog>

class BoundedLineEdit;
class QComboBox;

class CCometDiagramDlg : public QDialog {
    Q_OBJECT

public:
    CCometDiagramDlg(QWidget* parent, const QString& monthText, const QString& title);

    QComboBox* cometList() const { return comets_; }
    QComboBox* siteList() const { return sites_; }
    BoundedLineEdit* monthField() const { return month_; }

    void accept() override;
    void reject() override;

private:
    void ListComets();
    void ListSites();
    void OnCometChosen(int index);
    void OnSiteChosen(int index);

    // The listings pass every record through these, not through the selection.
    CometRecord cometBuffer_{};
    SiteRecord siteBuffer_{};
    QComboBox* comets_;
    QComboBox* sites_;
    BoundedLineEdit* month_ = nullptr;
    bool cometsRead_ = false;  // an empty list may also be a catalogue that could not be read
};
