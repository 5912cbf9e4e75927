#pragma once
// The "Ce soir" window: for a site, a night, a faintest magnitude and a lowest
// altitude, every comet and asteroid of the catalogues that can be observed
// in the dark hours, one row each, with the Moon. The night is computed on
// every core away from the window, which stays responsive and shows the
// progress; a new request cancels the one running.

#include "planner/TonightPlanner.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
class TonightLink;
class TonightTableModel;
struct TonightJob;

class CTonightWnd : public QMainWindow {
    Q_OBJECT

public:
    // `siteIndex` is the site chosen first (-1: the first of the catalogue).
    CTonightWnd(TonightLink& link, int siteIndex, QWidget* parent = nullptr);
    ~CTonightWnd() override;

    // Reads the fields and starts the computation, cancelling the one
    // running; false, after the message, when a field or a catalogue is refused.
    bool Compute();
    bool Computing() const;
    bool HasSites() const;
    // Saves the rows shown, in their order, as CSV; false when nothing was written.
    bool SaveCsv();
    // The object of a row of the table as shown (after sorting and filtering).
    const PlannerObject* ObjectAt(int row) const;
    // A double click on a row, and the two entries of its context menu.
    void OpenDiagramAt(int row);
    void WriteEphemerisAt(int row);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Enter in a field of the request computes; in the filter, goes to the rows.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Lists SITES.NDB, choosing `siteIndex`; a file error is reported when `report`.
    void FillSites(int siteIndex, bool report);
    // The first size: every column shown whole.
    void FitToTable();
    void Poll();
    void Show(std::unique_ptr<TonightJob> job);
    void ShowContextMenu(const QPoint& at);
    void UpdateStatus();

    TonightLink& link_;
    QComboBox* site_;
    QLineEdit* date_;
    QLineEdit* magnitude_;
    QLineEdit* altitude_;
    QComboBox* kinds_;
    QPushButton* compute_;
    QLabel* darkness_;
    QLineEdit* filter_;
    QTableView* table_;
    TonightTableModel* model_;
    QSortFilterProxyModel* proxy_;
    QProgressBar* progress_;
    QPushButton* save_;
    QLabel* status_;
    QTimer* poll_;

    std::unique_ptr<TonightJob> running_;
    std::unique_ptr<TonightJob> shown_;
};
