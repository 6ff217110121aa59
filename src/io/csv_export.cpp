#include "io/csv_export.h"

#include "io/database/database_store.h"
#include "io/database/loading.h"
#include "io/database/test_summary.h"
#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/index_intervals.h"
#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"
#include "domain/exercise/unit_conversion.h"

#include <QCoreApplication>
#include <QDateTime>

#include <QDir>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

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

// A listed test as the table of tests shows it: its steps read as loading reads them and the
// indices fitted from them.
struct ExportedRow : TestSummary {
    const TestRow *row = nullptr;
};

ExportedRow summarise(const TestRow &row, const std::vector<double> &levels) {
    ExportedRow test;
    static_cast<TestSummary &>(test) = summariseTest(row, levels);
    test.row = &row;
    return test;
}

// A speed in m/s in a unit of the table, rounded to the unit's decimals; empty without a speed.
struct SpeedUnitColumn {
    const char *unit;
    double (*convert)(double metresPerSecond);
    int decimals;
};

constexpr SpeedUnitColumn IndexUnits[] = {
    {"m/s", [](double v) { return v; }, 3},          {"m/min", [](double v) { return v * 60; }, 1},
    {"km/h", [](double v) { return v * 3.6; }, 2},   {"s/km", [](double v) { return 1000 / v; }, 1},
    {"s/200m", [](double v) { return 200 / v; }, 1},
};

QString speedIn(const std::optional<double> &speed, const QString &unit) {
    if (!speed || !(*speed > 0))
        return {};
    for (const SpeedUnitColumn &column : IndexUnits)
        if (unit == QLatin1String(column.unit)) {
            const double value = roundHalfEven(column.convert(*speed), column.decimals);
            return std::isfinite(value) ? writeNumber(value) : QString();
        }
    return {};
}

QString heartRate(const std::optional<std::int16_t> &hr) {
    return hr ? writeNumber(*hr) : QString();
}

// A bound of a speed's 95 % interval in a unit; empty when the interval is unbounded or not
// available, and for a bound at or below zero speed. A pace's low bound is the faster end.
QString speedBoundIn(const IndexEstimate &estimate, const QString &unit, bool high) {
    if (!estimate.bounded())
        return {};
    const bool pace = unit.startsWith(u"s/");
    return speedIn(high != pace ? estimate.upper : estimate.lower, unit);
}

// A bound of a heart rate's 95 % interval in whole beats; empty when there is none.
QString heartRateBound(const IndexEstimate &estimate, bool high) {
    if (!estimate.bounded())
        return {};
    return writeNumber(roundHalfEven(high ? *estimate.upper : *estimate.lower));
}

// The stored test date "yyyy-mm-dd hh:mm:ss" (or a date alone) as ISO 8601; any other text as
// it is stored.
QString isoDate(const QString &stored) {
    const QDateTime moment = storedMoment(stored);
    if (!moment.isValid())
        return stored;
    const bool dayOnly = stored.trimmed().size() == 10;
    return dayOnly ? moment.date().toString(Qt::ISODate) : moment.toString(Qt::ISODate);
}

// One column of the table of tests: its header and its field of a test. A new column (an interval
// of an index, say "VLa4 95 % CI low (m/min)") is one more entry in testColumns.
struct TestColumn {
    QString header;
    std::function<QString(const ExportedRow &)> field;
};

std::vector<TestColumn> testColumns(const QString &indexUnit, const std::vector<double> &levels) {
    std::vector<TestColumn> columns = {
        {QStringLiteral("Name"), [](const ExportedRow &t) { return t.row->name; }},
        {QStringLiteral("Test date"),
         [](const ExportedRow &t) { return isoDate(t.row->testDate); }},
        {QStringLiteral("Discipline"), [](const ExportedRow &t) { return t.row->discipline; }},
        {QStringLiteral("Breed"), [](const ExportedRow &t) { return t.row->breed; }},
        {QStringLiteral("Age"), [](const ExportedRow &t) { return t.row->age; }},
        {QStringLiteral("Sex"), [](const ExportedRow &t) { return t.row->sex; }},
        {QStringLiteral("Stable"), [](const ExportedRow &t) { return t.row->stable; }},
        {QStringLiteral("Trainer"), [](const ExportedRow &t) { return t.row->trainer; }},
        {QStringLiteral("Max heart rate (b/min)"),
         [](const ExportedRow &t) { return t.row->maxHr; }},
        {QStringLiteral("Steps"),
         [](const ExportedRow &t) { return t.stepCount ? writeNumber(t.stepCount) : QString(); }},
    };
    for (int i = 0; i < StepRows; ++i)
        columns.push_back(
            {QStringLiteral("Lactate %1 (mmol/l)").arg(i + 1), [i](const ExportedRow &t) {
                 return i < t.stepCount && !t.hrOnly ? t.steps[std::size_t(i)].lactate : QString();
             }});
    for (int i = 0; i < StepRows; ++i)
        columns.push_back({QStringLiteral("Hr %1 (b/min)").arg(i + 1), [i](const ExportedRow &t) {
                               return i < t.stepCount ? t.steps[std::size_t(i)].hr : QString();
                           }});
    for (int i = 0; i < StepRows; ++i)
        columns.push_back({QStringLiteral("Speed %1 (m/s)").arg(i + 1), [i](const ExportedRow &t) {
                               return i < t.stepCount && i < t.converted
                                          ? t.steps[std::size_t(i)].speedMs
                                          : QString();
                           }});
    // The minutes after work of a recovery test's steps.
    for (int i = 0; i < StepRows; ++i)
        columns.push_back({QStringLiteral("Time %1 (min)").arg(i + 1), [i](const ExportedRow &t) {
                               return t.recovery && i < t.stepCount
                                          ? t.steps[std::size_t(i)].speedText
                                          : QString();
                           }});
    // Each index is followed by the bounds of its 95 % interval in the same unit.
    const auto withInterval = [&columns](const QString &name, const QString &unit,
                                         std::function<QString(const ExportedRow &)> value,
                                         std::function<QString(const ExportedRow &, bool)> bound) {
        columns.push_back({QStringLiteral("%1 (%2)").arg(name, unit), std::move(value)});
        columns.push_back({QStringLiteral("%1 95 % CI low (%2)").arg(name, unit),
                           [bound](const ExportedRow &t) { return bound(t, false); }});
        columns.push_back({QStringLiteral("%1 95 % CI high (%2)").arg(name, unit),
                           [bound](const ExportedRow &t) { return bound(t, true); }});
    };
    // The estimate of extra lactate level i, or nothing when the test has none.
    const auto level = [](const ExportedRow &t, std::size_t i, bool hr) -> IndexEstimate {
        if (i >= t.intervals.levels.size())
            return {};
        return hr ? t.intervals.levels[i].hr : t.intervals.levels[i].speed;
    };
    using Speed = std::optional<float> ComputedIndices::*;
    using Estimate = IndexEstimate TestIntervals::*;
    const std::tuple<const char *, Speed, Estimate> speeds[] = {
        {"V200", &ComputedIndices::v200, &TestIntervals::v200},
        {"VLa2", &ComputedIndices::vla2, &TestIntervals::vla2},
        {"VLa4", &ComputedIndices::vla4, &TestIntervals::vla4}};
    QStringList units{QStringLiteral("m/s")};
    if (indexUnit != units.front())
        units << indexUnit;
    for (const QString &unit : units) {
        for (const auto &[name, member, estimate] : speeds)
            withInterval(
                QLatin1String(name), unit,
                [m = member, unit](const ExportedRow &t) { return speedIn(t.indices.*m, unit); },
                [e = estimate, unit](const ExportedRow &t, bool high) {
                    return speedBoundIn(t.intervals.*e, unit, high);
                });
        for (std::size_t i = 0; i < levels.size(); ++i)
            withInterval(
                levelName(u"VLa", levels[i]), unit,
                [level, i, unit](const ExportedRow &t) {
                    return speedIn(level(t, i, false).value, unit);
                },
                [level, i, unit](const ExportedRow &t, bool high) {
                    return speedBoundIn(level(t, i, false), unit, high);
                });
    }
    const QString bpm = QStringLiteral("b/min");
    using Rate = std::optional<std::int16_t> ComputedIndices::*;
    const std::tuple<const char *, Rate, Estimate> rates[] = {
        {"Hr2", &ComputedIndices::hr2, &TestIntervals::hr2},
        {"Hr4", &ComputedIndices::hr4, &TestIntervals::hr4}};
    for (const auto &[name, member, estimate] : rates)
        withInterval(
            QLatin1String(name), bpm,
            [m = member](const ExportedRow &t) { return heartRate(t.indices.*m); },
            [e = estimate](const ExportedRow &t, bool high) {
                return heartRateBound(t.intervals.*e, high);
            });
    for (std::size_t i = 0; i < levels.size(); ++i)
        withInterval(
            levelName(u"Hr", levels[i]), bpm,
            [level, i](const ExportedRow &t) {
                const IndexEstimate hr = level(t, i, true);
                return hr.value ? writeNumber(*hr.value) : QString();
            },
            [level, i](const ExportedRow &t, bool high) {
                return heartRateBound(level(t, i, true), high);
            });
    columns.push_back(
        {QStringLiteral("Comments"), [](const ExportedRow &t) { return t.row->comments; }});
    return columns;
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
                {"Hr2 (b/min)", &cells.hr2x, &percent.hr2P},
                {"Hr4 (b/min)", &cells.hr4x, &percent.hf4P}};
    return {{"La(0) (mmol/l)", &cells.labelx, &percent.v200P},
            {"La(5) (mmol/l)", &cells.vla2, &percent.vla2P},
            {"La(10) (mmol/l)", &cells.vla4, &percent.vla4P},
            {"La(20) (mmol/l)", &cells.hr2x, &percent.hr2P},
            {"Hr(0) (b/min)", &cells.hr4x, &percent.hf4P},
            {"Hr(5) (b/min)", &cells.hr5, &percent.h5p},
            {"Hr(10) (b/min)", &cells.hr10, &percent.h10p},
            {"Hr(20) (b/min)", &cells.hr20, &percent.h20p}};
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

QString testIndexUnit(std::span<const TestRow> tests) {
    static const std::pair<const char *, const char *> Units[] = {
        {"Rid", "m/min"}, {"Endur", "km/h"}, {"Trav", "s/km"}, {"Galopp", "s/200m"}};
    if (tests.empty())
        return QStringLiteral("m/min");
    const QString &discipline = tests.front().discipline;
    const bool shared = std::all_of(tests.begin(), tests.end(), [&](const TestRow &row) {
        return row.discipline == discipline;
    });
    for (const auto &[name, unit] : Units)
        if (shared && discipline == QLatin1String(name))
            return QLatin1String(unit);
    return QStringLiteral("m/min");
}

QStringList testCsvHeader(const QString &indexUnit, const std::vector<double> &levels) {
    QStringList header;
    for (const TestColumn &column : testColumns(indexUnit, levels))
        header << column.header;
    return header;
}

QStringList testCsvFields(const TestRow &row, const QString &indexUnit,
                          const std::vector<double> &levels) {
    const ExportedRow test = summarise(row, levels);
    QStringList fields;
    for (const TestColumn &column : testColumns(indexUnit, levels))
        fields << column.field(test);
    return fields;
}

QStringList comparisonCsvHeader(bool recovery) {
    const ComparisonCells cells;
    const PercentCells percent;
    QStringList header{QStringLiteral("Date")};
    for (const TableColumn &column : tableColumns(cells, percent, recovery))
        header << QLatin1String(column.caption)
               << QLatin1String(column.caption) + QStringLiteral(" change (%)");
    return header;
}

std::vector<QStringList> comparisonCsvRows(const ComparisonCells &cells,
                                           const PercentCells &percent, bool recovery) {
    const std::vector<TableColumn> columns = tableColumns(cells, percent, recovery);
    std::vector<QStringList> rows;
    for (std::size_t r = 0; r < std::size_t(ComparisonCells::Rows); ++r) {
        QStringList fields{cells.datex[r].isEmpty() ? QString() : isoDate(cells.datex[r])};
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
    QString text;
    // The text goes out as UTF-8 in pieces, so memory stays small however many tests there are.
    const auto flush = [&](qsizetype atLeast) {
        if (text.size() < atLeast)
            return true;
        const QByteArray bytes = text.toUtf8();
        text.clear();
        return out.write(bytes) == bytes.size();
    };
    if (content.table == CsvTable::Comparison) {
        if (!content.cells || !content.percent)
            return CsvOutcome::Failed;
        appendCsvRecord(comparisonCsvHeader(content.recovery), 0, text);
        for (const QStringList &row :
             comparisonCsvRows(*content.cells, *content.percent, content.recovery))
            appendCsvRecord(row, 0, text);
        return flush(0) ? CsvOutcome::Written : CsvOutcome::Failed;
    }
    const QString unit = testIndexUnit(content.tests);
    const std::vector<TestColumn> columns = testColumns(unit, content.extraLevels);
    QStringList fields;
    for (const TestColumn &column : columns)
        fields << column.header;
    appendCsvRecord(fields, 0, text);
    for (qsizetype i = 0; i < qsizetype(content.tests.size()); ++i) {
        if (i % ProgressEvery == 0 && progress && !progress(i))
            return CsvOutcome::Cancelled;
        const ExportedRow test = summarise(content.tests[std::size_t(i)], content.extraLevels);
        fields.clear();
        for (const TestColumn &column : columns)
            fields << column.field(test);
        appendCsvRecord(fields, 0, text);
        if (!flush(FlushChars))
            return CsvOutcome::Failed;
    }
    if (progress && !progress(qsizetype(content.tests.size())))
        return CsvOutcome::Cancelled;
    return flush(0) ? CsvOutcome::Written : CsvOutcome::Failed;
}

CsvExportResult exportCsvFile(const QString &path, const CsvContent &content,
                              const CsvProgress &progress) {
    const auto failure = [&path](const QString &why) {
        return CsvExportResult{CsvOutcome::Failed,
                               QCoreApplication::translate("CsvExport", "Could not write %1: %2")
                                   .arg(QDir::toNativeSeparators(path), why)};
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
