#pragma once
// The rows of the "Ce soir" window as a table: texts as the window shows them,
// numbers to sort by, and the index of each row in the plan. Texts are made
// when a cell is drawn, so that thousands of rows fill the table at once.

#include "planner/TonightPlanner.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <span>
#include <vector>

class TonightTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kSortRole = Qt::UserRole;     // a number, or the folded name
    static constexpr int kRowRole = Qt::UserRole + 1;  // the row's index in the plan

    enum Column {
        Name, Magnitude, Start, End, Length, Best, Altitude, Azimuth, Elongation, MoonAltitude, MoonLight,
        MoonSeparation, ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The rows and the objects they name; both must outlive the model's use of them.
    void Reset(std::span<const TonightRow> rows, std::span<const PlannerObject> objects);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::span<const TonightRow> rows_;
    QStringList names_;
    QStringList foldedNames_;
};
