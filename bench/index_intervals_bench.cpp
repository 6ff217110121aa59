// What the 95 % intervals of the indices (with two extra lactate levels) and the threshold methods
// add to "Calculate" for a six-step test.
#include "domain/analysis/index_intervals.h"
#include "domain/analysis/threshold_methods.h"

#include <benchmark/benchmark.h>

namespace {

kavren::StepReadings sixSteps() {
    kavren::StepReadings steps;
    const double lactate[] = {0.9, 1.1, 1.6, 2.6, 4.4, 7.9};
    const double hr[] = {138, 149, 161, 170, 181, 190};
    for (std::size_t i = 0; i < 6; ++i) {
        steps.x[i] = 5.0 + double(i);
        steps.lactate[i] = lactate[i];
        steps.hr[i] = hr[i];
        steps.strictLactate[i] = lactate[i];
        steps.strictHr[i] = hr[i];
    }
    return steps;
}

void BM_IndexIntervals(benchmark::State &state) {
    const kavren::StepReadings steps = sixSteps();
    const std::vector<double> levels = {1.5, 3.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(kavren::testIntervals(steps, 6, levels));
    }
}
BENCHMARK(BM_IndexIntervals);

void BM_ThresholdMethods(benchmark::State &state) {
    const kavren::StepReadings steps = sixSteps();
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(kavren::thresholdMethods(steps, 6));
    }
}
BENCHMARK(BM_ThresholdMethods);

// Everything the calculation adds: the intervals with two levels, all methods and the texts of
// the status bar and the tool tips.
void BM_IntervalsMethodsAndTexts(benchmark::State &state) {
    const kavren::StepReadings steps = sixSteps();
    const std::vector<double> levels = {1.5, 3.0};
    const QString rid = QStringLiteral("Rid");
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        const kavren::TestIntervals intervals = kavren::testIntervals(steps, 6, levels);
        benchmark::DoNotOptimize(
            kavren::speedEstimateText(QStringLiteral("VLa4"), intervals.vla4, rid));
        benchmark::DoNotOptimize(
            kavren::heartRateEstimateText(QStringLiteral("Hr4"), intervals.hr4));
        benchmark::DoNotOptimize(
            kavren::thresholdMethodLines(kavren::thresholdMethods(steps, 6), rid));
    }
}
BENCHMARK(BM_IntervalsMethodsAndTexts);

} // namespace
