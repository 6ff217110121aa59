#include "io/csv_export.h"

#include "io/database/database_store.h"
#include "io/database/step_data_text.h"
#include "domain/exercise/numeric_text.h"
#include "domain/exercise/unit_conversion.h"

#include <QDir>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>

namespace kavren {

namespace {

constexpr qsizetype FlushChars = 1 << 16;
constexpr qsizetype ProgressEvery = 1000; // tests between two progress reports

bool looksLikeFormula(const QString &text) {
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    const bool risky = first == u'=' || first == u'+' || first == u'-' || first == u'@' ||
                       first == u'\t' || first == u'\r';
    return risky && !readStrictNumber(text);
}

// The stored columns a listed test holds: every column but ExDatum, in creation order.
QStringList storedColumns() {
    QStringList columns = TableColumns;
    columns.removeAll(QStringLiteral("ExDatum"));
    return columns;
}

QStringList storedFields(const TestRow &row) {
    return QStringList{row.name,   row.testDate,   row.breed,       row.age,
                       row.sex,    row.discipline, row.pictureName, row.maxHr,
                       row.stable, row.trainer,    row.stepData,    row.comments};
}

// A stored value as the step field shows it after loading (2.40 reads back as 2.4).
QString shownValue(const QString &stored) {
    return writeNumber(readNumber(stored));
}

// Lactate1…6, Hr1…6 and Speed1…6 of a test, read as loading reads them.
void appendStepFields(const TestRow &row, QStringList &fields) {
    const DecodedStepData decoded = decodeStepData(row.stepData);
    const int stepCount = decoded.count >= 3 && decoded.count <= StepRows ? decoded.count : 0;
    TestSteps steps;
    for (int i = 0; i < stepCount; ++i) {
        const StepDataRow &stored = decoded.rows[std::size_t(i)];
        TestStep &step = steps[std::size_t(i)];
        step.speedText = shownValue(stored.speed);
        step.lactate = shownValue(stored.lactate);
        step.hr = shownValue(stored.hr);
    }
    const bool hrOnly = stepCount > 0 && readNumber(steps[0].lactate) == 0.1;
    const bool recovery = row.discipline == u"Recovery";
    const int converted = recovery ? 0 : convertSpeeds(row.discipline, steps);
    for (int i = 0; i < StepRows; ++i)
        fields << (i < stepCount && !hrOnly ? steps[std::size_t(i)].lactate : QString());
    for (int i = 0; i < StepRows; ++i)
        fields << (i < stepCount ? steps[std::size_t(i)].hr : QString());
    for (int i = 0; i < StepRows; ++i)
        fields << (i < stepCount && i < converted ? steps[std::size_t(i)].speedMs : QString());
}

struct TableColumn {
    const char *caption;
    const std::array<QString, ComparisonCells::Rows> *values;
    const std::array<QString, PercentCells::Rows> *percents;
};

// The value columns of the layout in the order of the table's header.
std::vector<TableColumn> tableColumns(const ComparisonCells &cells, const PercentCells &percent,
                                      bool recovery) {
    if (!recovery)
        return {{"V200", &cells.labelx, &percent.v200P},
                {"VLa2", &cells.vla2, &percent.vla2P},
                {"VLa4", &cells.vla4, &percent.vla4P},
                {"Hr2", &cells.hr2x, &percent.hr2P},
                {"Hr4", &cells.hr4x, &percent.hf4P}};
    return {{"La(0)", &cells.labelx, &percent.v200P}, {"La(5)", &cells.vla2, &percent.vla2P},
            {"La(10)", &cells.vla4, &percent.vla4P},  {"La(20)", &cells.hr2x, &percent.hr2P},
            {"Hr(0)", &cells.hr4x, &percent.hf4P},    {"Hr(5)", &cells.hr5, &percent.h5p},
            {"Hr(10)", &cells.hr10, &percent.h10p},   {"Hr(20)", &cells.hr20, &percent.h20p}};
}

} // namespace

void appendCsvField(const QString &text, QString &out) {
    const bool guard = looksLikeFormula(text);
    const bool quote = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (quote)
        out += u'"';
    if (guard)
        out += u'\'';
    if (!quote) {
        out += text;
        return;
    }
    for (const QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

// The fields, then empty ones up to width, joined by commas and ended by CR LF.
void appendCsvRecord(const QStringList &fields, qsizetype width, QString &out) {
    for (qsizetype i = 0; i < std::max(fields.size(), width); ++i) {
        if (i > 0)
            out += u',';
        if (i < fields.size())
            appendCsvField(fields[i], out);
    }
    out += QStringLiteral("\r\n");
}

QString csvField(const QString &text) {
    QString field;
    appendCsvField(text, field);
    return field;
}

QString csvRecord(const QStringList &fields) {
    QString record;
    appendCsvRecord(fields, 0, record);
    return record;
}

QStringList testCsvHeader() {
    QStringList header = storedColumns();
    for (const char *series : {"Lactate", "Hr", "Speed"})
        for (int i = 1; i <= StepRows; ++i)
            header << QStringLiteral("%1%2").arg(QLatin1String(series)).arg(i);
    return header;
}

QStringList testCsvFields(const TestRow &row) {
    QStringList fields = storedFields(row);
    fields.reserve(fields.size() + 3 * StepRows);
    appendStepFields(row, fields);
    return fields;
}

QStringList comparisonCsvHeader(bool recovery) {
    const ComparisonCells cells;
    const PercentCells percent;
    QStringList header{QStringLiteral("Date")};
    for (const TableColumn &column : tableColumns(cells, percent, recovery))
        header << QLatin1String(column.caption)
               << QLatin1String(column.caption) + QStringLiteral(" %");
    return header;
}

std::vector<QStringList> comparisonCsvRows(const ComparisonCells &cells,
                                           const PercentCells &percent, bool recovery) {
    const std::vector<TableColumn> columns = tableColumns(cells, percent, recovery);
    std::vector<QStringList> rows;
    for (std::size_t r = 0; r < std::size_t(ComparisonCells::Rows); ++r) {
        QStringList fields{cells.datex[r]};
        // Per-cent cell j compares test j + 2 with the first, so it belongs to row j + 1.
        for (const TableColumn &column : columns)
            fields << (*column.values)[r] << (r > 0 ? (*column.percents)[r - 1] : QString());
        if (std::any_of(fields.cbegin(), fields.cend(),
                        [](const QString &f) { return !f.isEmpty(); }))
            rows.push_back(fields);
    }
    return rows;
}

CsvOutcome writeCsv(QIODevice &out, const CsvContent &content, const CsvProgress &progress) {
    const QStringList header = testCsvHeader();
    const qsizetype width = std::max(header.size(), comparisonCsvHeader(true).size());
    QString text;
    appendCsvRecord(header, width, text);
    // The text goes out as UTF-8 in pieces, so memory stays small however many tests there are.
    const auto flush = [&](qsizetype atLeast) {
        if (text.size() < atLeast)
            return true;
        const QByteArray bytes = text.toUtf8();
        text.clear();
        return out.write(bytes) == bytes.size();
    };
    for (qsizetype i = 0; i < qsizetype(content.tests.size()); ++i) {
        if (i % ProgressEvery == 0 && progress && !progress(i))
            return CsvOutcome::Cancelled;
        appendCsvRecord(testCsvFields(content.tests[std::size_t(i)]), width, text);
        if (!flush(FlushChars))
            return CsvOutcome::Failed;
    }
    if (progress && !progress(qsizetype(content.tests.size())))
        return CsvOutcome::Cancelled;
    if (content.cells && content.percent) {
        appendCsvRecord({}, width, text);
        appendCsvRecord(comparisonCsvHeader(content.recovery), width, text);
        for (const QStringList &row :
             comparisonCsvRows(*content.cells, *content.percent, content.recovery))
            appendCsvRecord(row, width, text);
    }
    return flush(0) ? CsvOutcome::Written : CsvOutcome::Failed;
}

CsvExportResult exportCsvFile(const QString &path, const CsvContent &content,
                              const CsvProgress &progress) {
    const auto failure = [&path](const QString &why) {
        return CsvExportResult{
            CsvOutcome::Failed,
            QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), why)};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    const CsvOutcome outcome = writeCsv(file, content, progress);
    if (outcome == CsvOutcome::Cancelled) {
        file.cancelWriting();
        return {CsvOutcome::Cancelled, {}};
    }
    if (outcome == CsvOutcome::Failed) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failure(why);
    }
    if (!file.commit())
        return failure(file.errorString());
    return {CsvOutcome::Written, {}};
}

} // namespace kavren
