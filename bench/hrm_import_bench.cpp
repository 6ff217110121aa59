// Reading an hour-long heart-rate file into the Polar window (3,600 samples at 1 s, list
// included), reading alone, and extracting six steps from it.
#include "domain/hrm_import/hrm_file.h"
#include "ui/hrm_import/polar_window.h"
#include "domain/hrm_import/step_extraction.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int HourSamples = 3600;

// Six steps of five minutes with a minute between them; speed and heart rate rise with time.
QByteArray hourFile() {
    QByteArray text =
        "[Params]\r\nVersion=106\r\nMonitor=22\r\nSMode=111000100\r\nDate=20260315\r\n"
        "StartTime=10:00:00.0\r\nInterval=1\r\nMaxHR=205\r\nRestHR=32\r\n\r\n"
        "[Note]\r\nhour\r\n\r\n[IntTimes]\r\n";
    for (int step = 0; step < 6; ++step)
        for (const int second : {60 + step * 360, 360 + step * 360}) {
            const QByteArray time = "00:" + QByteArray::number(second / 60).rightJustified(2, '0') +
                                    ":" + QByteArray::number(second % 60).rightJustified(2, '0') +
                                    ".0";
            text += time + "\t170\t150\t165\t180\r\n0\t0\t0\t250\t0\t0\r\n" +
                    QByteArray::number(10 + step * 8) +
                    "\t0\t0\t0\t0\r\n0\t0\t0\t0\t0\t0\r\n0\t0\t0\t0\t0\t0\r\n";
        }
    text += "\r\n[HRData]\r\n";
    for (int i = 0; i < HourSamples; ++i)
        text += QByteArray::number(100 + i / 36) + "\t" + QByteArray::number(150 + i / 20) + "\t" +
                QByteArray::number(30 + i % 7) + "\r\n";
    return text;
}

void BM_ReadHourFile(benchmark::State &state) {
    const QByteArray bytes = hourFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(kavren::readHrmFile(bytes).samples.size());
}
BENCHMARK(BM_ReadHourFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ReadHourFileIntoWindow(benchmark::State &state) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("hour.hrm")));
    if (!file.open(QIODevice::WriteOnly) || file.write(hourFile()) <= 0) {
        state.SkipWithError("could not write the file");
        return;
    }
    file.close();
    kavren::SampleBuffer samples;
    kavren::PolarWindow window(samples);
    window.open(dir.path());
    for (auto _ : state) {
        window.readFile(QStringLiteral("hour.hrm"));
        benchmark::DoNotOptimize(samples.sampleCount);
    }
}
BENCHMARK(BM_ReadHourFileIntoWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ExtractSixSteps(benchmark::State &state) {
    const kavren::HrmFile file = kavren::readHrmFile(hourFile());
    const auto texts = kavren::pairedLapTexts(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(kavren::extractSteps(file, texts).size());
    if (kavren::extractSteps(file, texts).size() != 6)
        state.SkipWithError("the file did not give six steps");
}
BENCHMARK(BM_ExtractSixSteps)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
