// Writing 100,000 listed tests and the comparison table as CSV, into memory and through a file
// that replaces its target only at the end.
#include "database/csv_export.h"

#include <QBuffer>
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
    row.stepData = QStringLiteral(
        "1.2 128 2.40 1.5 145 2.20 2.4 166 2.00 4.1 183 1.50 6.0 192 1.45 8.8 201 1.40");
    row.comments = QStringLiteral("Good test.\r\nSlight \"cough\" after step 5.");
    return std::vector<kavren::TestRow>(std::size_t(count), row);
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
