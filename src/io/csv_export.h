// Tests and the comparison table as a CSV file for a spreadsheet: RFC 4180 records in UTF-8 with
// CR LF line ends, "." as decimal sign, fields quoted where a comma, quote or line break needs it,
// and any text that a spreadsheet would take for a formula made harmless by a leading apostrophe.
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

// The columns of a test: the stored columns as the database names them (ExDatum is not held by a
// listed test), then the steps unpacked into Lactate1…6, Hr1…6 and Speed1…6 (m/s).
QStringList testCsvHeader();
// A test's fields under testCsvHeader(). Step values are read as loading reads them; the speeds
// are those the calculation uses (m/s as the unit conversion gives them). A heart-rate-only test
// has no lactates and a recovery test no speeds (its minutes stay in Data).
QStringList testCsvFields(const TestRow &row);

// The comparison table: the date, then each value with its change in per cent against the first
// test. A row is written only when it shows something.
QStringList comparisonCsvHeader(bool recovery);
std::vector<QStringList> comparisonCsvRows(const ComparisonCells &cells,
                                           const PercentCells &percent, bool recovery);

struct CsvContent {
    std::span<const TestRow> tests;
    const ComparisonCells *cells = nullptr; // no comparison section when null
    const PercentCells *percent = nullptr;
    bool recovery = false;
};

// Told how many tests are written so far; returns false to cancel the export.
using CsvProgress = std::function<bool(qsizetype testsWritten)>;

enum class CsvOutcome { Written, Cancelled, Failed };
struct CsvExportResult {
    CsvOutcome outcome = CsvOutcome::Failed;
    QString error; // why the file could not be written
};

// Writes the tests (header and one record per test), then, after a record of empty fields, the
// comparison table. Every record has the same number of fields, so the file stays one rectangle.
CsvOutcome writeCsv(QIODevice &out, const CsvContent &content, const CsvProgress &progress);

// Writes the file through a temporary file that replaces the target only when everything is
// written: a cancelled or failed export leaves no file, and an existing file as it was.
CsvExportResult exportCsvFile(const QString &path, const CsvContent &content,
                              const CsvProgress &progress);

} // namespace kavren
