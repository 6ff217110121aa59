// Writing 100,000 listed tests and the comparison table as CSV, into memory and through a file
// that replaces its target only at the end.
#include "io/csv_export.h"

#include <QBuffer>
#include <QStringList>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::vector<kavren::TestRow> manyTests(int count) {
    kavren::TestRow row;
    row.name = QStringLiteral("Bella");
    row.testDate = QStringLiteral("2026-03-14 10:05:00");
    row.breed = QStringLiteral("Varmblod");
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("Sto");
    row.discipline = QStringLiteral("Trav");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = QStringLiteral("225");
    row.stable = QStringLiteral("Östra stallet");
    row.trainer = QStringLiteral("Coach, Anna");
    row.comments = QStringLiteral("Good test.\r\nSlight \"cough\" after step 5.");
    std::vector<kavren::TestRow> tests(std::size_t(count), row);
    // Every test with steps of its own, typed as min/km paces.
    for (int i = 0; i < count; ++i) {
        QStringList values;
        for (int step = 0; step < 6; ++step)
            values << QString::number(0.8 + 0.1 * (i % 13) + 1.3 * step, 'f', 1)
                   << QString::number(120 + i % 17 + 15 * step)
                   << QStringLiteral("2.%1").arg(55 - 7 * step - i % 5);
        tests[std::size_t(i)].stepData = values.join(u' ');
        tests[std::size_t(i)].name = QStringLiteral("Horse %1").arg(i);
    }
    return tests;
}

void BM_CsvToMemory(benchmark::State &state) {
    const std::vector<kavren::TestRow> tests = manyTests(int(state.range(0)));
    const kavren::ComparisonCells cells;
    const kavren::PercentCells percent;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        kavren::writeCsv(buffer, {tests, &cells, &percent, false}, [](qsizetype) { return true; });
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CsvToMemory)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CsvToFile(benchmark::State &state) {
    const std::vector<kavren::TestRow> tests = manyTests(int(state.range(0)));
    const kavren::ComparisonCells cells;
    const kavren::PercentCells percent;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tests.csv"));
    for (auto _ : state)
        kavren::exportCsvFile(path, {tests, &cells, &percent, false},
                              [](qsizetype) { return true; });
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CsvToFile)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
