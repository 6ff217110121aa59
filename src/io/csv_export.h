// Tests and the comparison table as CSV files that a spreadsheet takes as they are: one table per
// file with one header row of English names that carry their units, RFC 4180 records in UTF-8
// with CR LF line ends, "." as decimal sign, fields quoted where a comma, quote or line break
// needs it, and any text that a spreadsheet would take for a formula made harmless by a leading
// apostrophe.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/comparison_table.h"
#include "io/database/search.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class QIODevice;

namespace kavren {

// One field as it goes into the file: a text beginning with =, +, -, @, a tab or a carriage return
// gets a leading apostrophe unless it is a plain number (a negative per-cent change stays a
// number); a field holding a comma, a quote, CR or LF is enclosed in quotes with its quotes
// doubled.
QString csvField(const QString &text);
// The fields joined by commas and ended by CR LF.
QString csvRecord(const QStringList &fields);
// The same, appended to a text; the record is filled up with empty fields to width.
void appendCsvField(const QString &text, QString &out);
void appendCsvRecord(const QStringList &fields, qsizetype width, QString &out);

// The unit the speed indices of these tests are also given in besides m/s: the unit of their
// discipline when all share one ("m/min" for riding, "km/h" for endurance, "s/km" for trotting,
// "s/200m" for galloping), otherwise m/min.
QString testIndexUnit(std::span<const TestRow> tests);

// The columns of the table of tests, each a header and the field of one test: identity, the test
// date as ISO 8601, the steps (Lactate 1 (mmol/l) … Speed 6 (m/s)) and the indices V200, VLa2,
// VLa4 in m/s and in indexUnit, Hr2 and Hr4 in b/min, fitted from the stored steps as a
// calculation fits them, and the speed and heart rate at each extra lactate level (VLa1.5, Hr1.5).
// Each index is followed by the low and high bound of its 95 % interval ("VLa4 95 % CI low
// (m/min)"), empty when the interval is unbounded or not available. The packed step text and the
// picture name are not columns.
QStringList testCsvHeader(const QString &indexUnit = QStringLiteral("m/min"),
                          const std::vector<double> &levels = {});
QStringList testCsvFields(const TestRow &row, const QString &indexUnit = QStringLiteral("m/min"),
                          const std::vector<double> &levels = {});

// The comparison table: the date (ISO 8601), then each value as the table shows it with its change
// in per cent against the first test. A row is written only when it shows something.
QStringList comparisonCsvHeader(bool recovery);
std::vector<QStringList> comparisonCsvRows(const ComparisonCells &cells,
                                           const PercentCells &percent, bool recovery);

// Which table a file holds: the listed tests, or the comparison table as shown.
enum class CsvTable { Tests, Comparison };

struct CsvContent {
    std::span<const TestRow> tests;
    const ComparisonCells *cells = nullptr; // the comparison table; nothing to write when null
    const PercentCells *percent = nullptr;
    bool recovery = false;
    CsvTable table = CsvTable::Tests;
    std::vector<double> extraLevels{}; // the extra lactate levels (mmol/l) of the data folder
};

// Told how many tests are written so far; returns false to cancel the export.
using CsvProgress = std::function<bool(qsizetype testsWritten)>;

enum class CsvOutcome { Written, Cancelled, Failed };
struct CsvExportResult {
    CsvOutcome outcome = CsvOutcome::Failed;
    QString error; // why the file could not be written
};

// Writes the chosen table: its header and one record per test (or per filled row of the
// comparison table). Every record has the header's number of fields.
CsvOutcome writeCsv(QIODevice &out, const CsvContent &content, const CsvProgress &progress);

// Writes the file through a temporary file that replaces the target only when everything is
// written: a cancelled or failed export leaves no file, and an existing file as it was.
CsvExportResult exportCsvFile(const QString &path, const CsvContent &content,
                              const CsvProgress &progress);

} // namespace kavren
