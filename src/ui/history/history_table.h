// The history's tests as the window's table shows them and as its CSV export writes them.
#pragma once

#include "io/database/horse_history.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kavren {

// Date, discipline, steps, V200, VLa2, VLa4, Hr2, Hr4, fit quality.
QStringList historyTableHeader();
// A test's cells: speeds in its discipline's unit, heart rates in b/min, the R² of the lactate
// fit and of the heart-rate line.
QStringList historyTableCells(const HistoryEntry &entry);
// The 95 % intervals and the fit quality of a test's cells in words, for their tool tips.
QStringList historyTableToolTips(const HistoryEntry &entry);

// The header of the CSV file: English names with units, each index followed by the bounds of its
// 95 % interval.
QStringList historyCsvHeader();
// A test's fields: the test date as ISO 8601, speeds in m/s with three decimals, heart rates in
// whole beats, R² with three decimals; empty where a value or bound is not available.
QStringList historyCsvFields(const HistoryEntry &entry);
// The header and one record per test, in the program's CSV form.
QString historyCsvText(const std::vector<HistoryEntry> &entries);

} // namespace kavren
