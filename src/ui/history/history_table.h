// The history's tests as the window's table shows them and as its CSV export writes them.
#pragma once

#include "io/database/horse_history.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kavren {

// Date, discipline, steps, V200, VLa2, VLa4, Hr2, Hr4, fit quality.
QStringList historyTableHeader();
// A test's cells: speeds in its discipline's unit, heart rates in b/min, the R² of the lactate
// fit and of the heart-rate line.
QStringList historyTableCells(const HistoryEntry &entry);
// The 95 % intervals and the fit quality of a test's cells in words, for their tool tips.
QStringList historyTableToolTips(const HistoryEntry &entry);

// The window's table of the history. Cells and tool tips are made when the view asks for them, for
// the rows it shows, so that a horse with a thousand tests fills the table at once; the first
// column's Qt::UserRole holds the test's row id.
class HistoryTableModel : public QAbstractTableModel {
public:
    explicit HistoryTableModel(QObject *parent = nullptr);

    void setEntries(std::vector<HistoryEntry> entries);
    // The row id of the test in a row; nothing for a row that is not there.
    std::optional<qint64> rowIdAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // A row's cells and tool tips, made once when it is first shown.
    struct Texts {
        QStringList cells, tips;
    };
    const Texts &texts(int row) const;

    std::vector<HistoryEntry> m_entries;
    mutable std::vector<std::optional<Texts>> m_texts;
    QStringList m_header;
};

// The header of the CSV file: English names with units, each index followed by the bounds of its
// 95 % interval.
QStringList historyCsvHeader();
// A test's fields: the test date as ISO 8601, speeds in m/s with three decimals, heart rates in
// whole beats, R² with three decimals; empty where a value or bound is not available.
QStringList historyCsvFields(const HistoryEntry &entry);
// The header and one record per test, in the program's CSV form.
QString historyCsvText(const std::vector<HistoryEntry> &entries);

} // namespace kavren
