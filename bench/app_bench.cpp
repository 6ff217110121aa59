// Start-up of the main window and one tick of the unit conversion: the program must feel
// immediate when it opens, and the tick runs every 300 ms for as long as it is open.
#include "app/laktat.h"

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
BENCHMARK(BM_RecalcTickSixRows)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
