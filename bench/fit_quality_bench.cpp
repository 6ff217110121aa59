// What the fit quality and the extrapolation checks add to a calculation, beside the fit and
// indices of a six-step test alone.
#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/extrapolation.h"
#include "domain/analysis/fit_quality.h"
#include "domain/analysis/indices.h"

#include <benchmark/benchmark.h>

namespace {

kavren::StepReadings sixReadings() {
    kavren::StepReadings steps;
    const double lactate[] = {1.0, 1.4, 2.1, 3.2, 5.0, 8.1};
    for (std::size_t i = 0; i < 6; ++i) {
        steps.x[i] = 5.0 + double(i);
        steps.lactate[i] = lactate[i];
        steps.hr[i] = 136 + 12 * double(i); // up to 196 b/min
        steps.strictLactate[i] = steps.lactate[i];
        steps.strictHr[i] = steps.hr[i];
    }
    return steps;
}

void BM_FitQuality(benchmark::State &state) {
    const kavren::StepReadings steps = sixReadings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(kavren::fitQuality(steps, 6));
    }
}
BENCHMARK(BM_FitQuality);

// The six steps stay under 200 b/min, so V200 is marked extrapolated.
void BM_ExtrapolationMarks(benchmark::State &state) {
    const kavren::StepReadings steps = sixReadings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        benchmark::DoNotOptimize(kavren::extrapolationMarks(steps, 6, true));
    }
}
BENCHMARK(BM_ExtrapolationMarks);

// The fit and indices with both checks, to set against the fit and indices alone.
void BM_FitIndicesAndChecks(benchmark::State &state) {
    const kavren::StepReadings steps = sixReadings();
    kavren::CurveFitDouble fit;
    kavren::ThresholdResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        fit = kavren::fitCurves(steps, 6, fit);
        kavren::computeIndices(fit, results);
        benchmark::DoNotOptimize(results);
        benchmark::DoNotOptimize(kavren::fitQuality(steps, 6));
        benchmark::DoNotOptimize(kavren::extrapolationMarks(steps, 6, true));
    }
}
BENCHMARK(BM_FitIndicesAndChecks);

} // namespace
