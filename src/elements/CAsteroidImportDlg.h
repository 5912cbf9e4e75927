#pragma once
// Astéroïdes > Importer des éléments: reads the Minor Planet Center's
// minor-planet elements (MPCORB.DAT or an excerpt, from a file or an
// address), says which numbered asteroids ASTERS.DTB will hold and why the
// others are left out, and writes the new catalogue on OK.

#include <QDialog>
#include <memory>

class ImportSourceBox;
class MinorPlanetFileReader;
class QLabel;
class QPushButton;
class QSpinBox;

class CAsteroidImportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAsteroidImportDlg(QWidget* parent = nullptr);
    ~CAsteroidImportDlg() override;

    ImportSourceBox* source() const { return source_; }
    QSpinBox* limit() const { return limit_; }
    QLabel* plan() const { return plan_; }

    // Writes ASTERS.DTB; stays open when it cannot be written.
    void accept() override;
    void reject() override;

private:
    void StartReading();
    void ReadingFinished(bool read);
    void ShowPlan();

    ImportSourceBox* source_;
    QSpinBox* limit_;
    QLabel* plan_;
    QPushButton* ok_ = nullptr;
    std::unique_ptr<MinorPlanetFileReader> reader_;  // while reading, then the file read
    bool read_ = false;
};
