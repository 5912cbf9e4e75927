#pragma once
// Comètes > Importer des éléments: reads the Minor Planet Center's comet
// elements (CometEls.txt, from a file or an address), lists its comets with
// a filter, and writes the checked ones into COMETS.WDB on OK: a comet
// already there is updated in place, a new one is added at the end.

#include "elements/CometElements.h"

#include <QDialog>
#include <memory>
#include <vector>

class CometFileReader;
class ImportSourceBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class CCometImportDlg : public QDialog {
    Q_OBJECT

public:
    // The address of the Minor Planet Center's comet elements, offered first.
    static const QString kDefaultSource;

    explicit CCometImportDlg(QWidget* parent = nullptr);
    ~CCometImportDlg() override;

    ImportSourceBox* source() const { return source_; }
    QLineEdit* filter() const { return filter_; }
    QTreeWidget* list() const { return list_; }

    // Writes the checked comets; stays open when nothing is checked or the
    // catalogue cannot be written.
    void accept() override;
    // Stops a reading under way; nothing is written.
    void reject() override;

protected:
    // Enter in the filter goes to the list it narrows.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void StartReading();
    void ReadingFinished(bool read);
    void Fill();
    void FocusList();
    void ApplyFilter(const QString& text);
    void CheckShown(bool checked);

    ImportSourceBox* source_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QPushButton* ok_ = nullptr;
    std::unique_ptr<CometFileReader> reader_;
    std::vector<CometElements> comets_;
};
