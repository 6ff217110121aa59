#include "database/csv_export.h"

#include "database/database_store.h"
#include "database/loading.h"
#include "exercise/numeric_text.h"
#include "exercise/unit_conversion.h"

#include <QDir>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>

namespace kavren {

namespace {

constexpr qsizetype FlushBytes = 1 << 16;
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
    return {row.name,        row.testDate, row.breed,  row.age,     row.sex,      row.discipline,
            row.pictureName, row.maxHr,    row.stable, row.trainer, row.stepData, row.comments};
}

QStringList stepFields(const TestRow &row) {
    LoadedTest test = unpackTest(row);
    const bool fitted = test.stepCount >= 3 && test.stepCount <= StepRows;
    const int stepCount = fitted ? test.stepCount : 0;
    const bool recovery = test.discipline == u"Recovery";
    const int converted = recovery ? 0 : convertSpeeds(test.discipline, test.steps);
    QStringList lactates, hrs, speeds;
    for (int i = 0; i < StepRows; ++i) {
        const TestStep &step = test.steps[std::size_t(i)];
        const bool used = i < stepCount;
        lactates << (used && !test.hrOnly ? step.lactate : QString());
        hrs << (used ? step.hr : QString());
        speeds << (used && i < converted ? step.speedMs : QString());
    }
    return lactates + hrs + speeds;
}

QStringList padded(QStringList fields, qsizetype width) {
    while (fields.size() < width)
        fields << QString();
    return fields;
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

QString csvField(const QString &text) {
    QString field = looksLikeFormula(text) ? u'\'' + text : text;
    const bool quote = field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                       field.contains(u'\n');
    if (!quote)
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

QString csvRecord(const QStringList &fields) {
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += u',';
        record += csvField(fields[i]);
    }
    record += QStringLiteral("\r\n");
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
    return storedFields(row) + stepFields(row);
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
    QByteArray buffer = csvRecord(padded(header, width)).toUtf8();
    const auto flush = [&](qsizetype atLeast) {
        if (buffer.size() < atLeast)
            return true;
        const bool written = out.write(buffer) == buffer.size();
        buffer.clear();
        return written;
    };
    for (qsizetype i = 0; i < qsizetype(content.tests.size()); ++i) {
        if (i % ProgressEvery == 0 && progress && !progress(i))
            return CsvOutcome::Cancelled;
        buffer += csvRecord(padded(testCsvFields(content.tests[std::size_t(i)]), width)).toUtf8();
        if (!flush(FlushBytes))
            return CsvOutcome::Failed;
    }
    if (progress && !progress(qsizetype(content.tests.size())))
        return CsvOutcome::Cancelled;
    if (content.cells && content.percent) {
        buffer += csvRecord(padded({}, width)).toUtf8();
        buffer += csvRecord(padded(comparisonCsvHeader(content.recovery), width)).toUtf8();
        for (const QStringList &row :
             comparisonCsvRows(*content.cells, *content.percent, content.recovery))
            buffer += csvRecord(padded(row, width)).toUtf8();
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
