// Start-up of the main window and one tick of the unit conversion: the program must feel
// immediate when it opens, and the tick runs every 300 ms for as long as it is open.
#include "ui/main_window/laktat.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool writeDefaultSettings(const QTemporaryDir &dir) {
    QFile source(QStringLiteral(KAVREN_SOURCE_DIR "/resources/def4.txt"));
    QFile target(dir.filePath(QStringLiteral("def4.txt")));
    return source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly) &&
           target.write(source.readAll()) > 0;
}

void BM_StartUp(benchmark::State &state) {
    QTemporaryDir dir;
    if (!writeDefaultSettings(dir)) {
        state.SkipWithError("no settings file");
        return;
    }
    for (auto _ : state) {
        Laktat window(dir.path());
        benchmark::DoNotOptimize(window.currentTest().discipline);
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RecalcTickSixRows(benchmark::State &state) {
    QTemporaryDir dir;
    if (!writeDefaultSettings(dir)) {
        state.SkipWithError("no settings file");
        return;
    }
    Laktat window(dir.path());
    const char *speeds[] = {"2.10", "2.00", "1.50", "1.40", "1.30", "1.25"};
    for (int row = 0; row < 6; ++row)
        window.findChild<QLineEdit *>(QStringLiteral("temp%1").arg(row + 1))
            ->setText(QString::fromLatin1(speeds[row]));
    for (auto _ : state)
        window.recalcTick();
}
BENCHMARK(BM_RecalcTickSixRows)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

namespace {

// A listed test clicked in the result list: the row put back on screen and recalculated (fit,
// graph, comparison row). The settling pause of loading is left out.
void BM_LoadListedTestInWindow(benchmark::State &state) {
    QTemporaryDir dir;
    if (!writeDefaultSettings(dir)) {
        state.SkipWithError("no settings file");
        return;
    }
    Laktat window(dir.path());
    window.setLoadSettleTime(0);
    const char *fields[][2] = {
        {"Text4", "Bella"}, {"Text5", "Trotter"}, {"Text6", "5"}, {"Text7", "Mare"}};
    for (const auto &field : fields)
        window.findChild<QLineEdit *>(QString::fromLatin1(field[0]))
            ->setText(QString::fromLatin1(field[1]));
    const char *steps[][3] = {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"},
                              {"2.4", "166", "2"},    {"4.1", "183", "1.50"},
                              {"6", "192", "1.45"},   {"8.8", "201", "1.40"}};
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 3; ++column)
            window
                .findChild<QLineEdit *>(QStringLiteral("%1%2")
                                            .arg(QLatin1String(column == 0   ? "lakt"
                                                               : column == 1 ? "puls"
                                                                             : "temp"))
                                            .arg(row + 1))
                ->setText(QString::fromLatin1(steps[row][column]));
    window.recalcTick();
    window.saveWork();
    auto *values = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    values->setCurrentIndex(values->findText(QStringLiteral("Bella")));
    window.searchTests();
    for (auto _ : state)
        window.resultClicked(0);
}
BENCHMARK(BM_LoadListedTestInWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
