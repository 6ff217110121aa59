// The cost of the threshold analysis: the fit and the five indices of a six-step test alone, a
// whole calculation run laid out without drawing, and whole runs drawn into a graph-sized image.
#include "domain/analysis/calculation_run.h"
#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/indices.h"
#include "domain/drawing/curve_plot.h"
#include "ui/graph/graph_widget.h"
#include "domain/drawing/painter_surface.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

kavren::StepReadings sixSteps() {
    kavren::StepReadings steps;
    const double lactate[] = {1.0, 1.4, 2.1, 3.2, 5.0, 8.1};
    for (std::size_t i = 0; i < 6; ++i) {
        steps.x[i] = 5.0 + double(i);
        steps.lactate[i] = lactate[i];
        steps.hr[i] = 140 + 12 * double(i);
        steps.strictLactate[i] = steps.lactate[i];
        steps.strictHr[i] = steps.hr[i];
    }
    return steps;
}

void BM_FitAndIndices(benchmark::State &state) {
    const kavren::StepReadings steps = sixSteps();
    kavren::CurveFitDouble fit;
    kavren::ThresholdResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steps);
        fit = kavren::fitCurves(steps, 6, fit);
        kavren::computeIndices(fit, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_FitAndIndices);

// The 12 mmol/l and 120…240 b/min axes whatever the steps are.
kavren::GraphAxes chooseFixedRanges(const kavren::AxisRangeRequest &, const kavren::GraphScale &) {
    return kavren::chooseGraphAxes(false, 12, 240, 120);
}

kavren::CalculationInputs sixStepInputs() {
    kavren::CalculationInputs inputs;
    for (int i = 0; i < 6; ++i) {
        inputs.speedMs[std::size_t(i)] = QString::number(5 + i);
        inputs.lactate[std::size_t(i)] = QString::number(1.0 + 1.4 * i);
        inputs.hr[std::size_t(i)] = QString::number(140 + 12 * i);
    }
    return inputs;
}

void BM_CalculationRunLayout(benchmark::State &state) {
    const kavren::CalculationInputs inputs = sixStepInputs();
    kavren::CurrentTest test;
    test.discipline = QStringLiteral("Trav");
    test.speedUnit = kavren::SpeedUnit::MinPerKm;
    kavren::AnalysisState analysis;
    for (auto _ : state)
        benchmark::DoNotOptimize(kavren::runCalculation(inputs, chooseFixedRanges, test, analysis));
}
BENCHMARK(BM_CalculationRunLayout);

// A test on screen after count − 1 frozen runs of the same steps; nextRun is the timed one.
struct KeptRuns {
    KeptRuns(const kavren::CalculationInputs &inputs, int count) {
        test.discipline = QStringLiteral("Trav");
        test.speedUnit = kavren::SpeedUnit::MinPerKm;
        for (int run = 1; run < count; ++run)
            nextRun(inputs);
    }
    kavren::CalculationResult nextRun(const kavren::CalculationInputs &inputs) {
        return kavren::runCalculation(inputs, kavren::chooseGraphAxisRanges, test, analysis);
    }
    kavren::CurrentTest test;
    kavren::AnalysisState analysis;
};

// "Calculate" of a six-step test drawn on an image of the screen graph's size; with state.range(0)
// frozen runs before it, the last one redraws that many kept tests on the common scale.
void BM_CalculationRunDrawn(benchmark::State &state) {
    kavren::CalculationInputs inputs = sixStepInputs();
    inputs.freezeChecked = state.range(0) > 0;
    QImage image(1100, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    kavren::PainterSurface surface(painter, QRectF(0, 0, 1100, 600));
    const kavren::StyleSettings styles;
    for (auto _ : state) {
        state.PauseTiming();
        KeptRuns kept(inputs, int(state.range(0)));
        state.ResumeTiming();
        kavren::drawCalculationRun(surface, styles, kept.nextRun(inputs));
        surface.flush();
    }
}
BENCHMARK(BM_CalculationRunDrawn)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

// The same runs on the screen graph itself: its layer also keeps every step for redrawing, and
// the finished layer is read as the widget would paint it.
void BM_CalculationRunOnScreenGraph(benchmark::State &state) {
    kavren::CalculationInputs inputs = sixStepInputs();
    inputs.freezeChecked = state.range(0) > 0;
    kavren::GraphWidget graph;
    graph.resize(1100, 600);
    kavren::DrawingSurface &surface = graph.surface();
    const kavren::StyleSettings styles;
    for (auto _ : state) {
        state.PauseTiming();
        KeptRuns kept(inputs, int(state.range(0)));
        state.ResumeTiming();
        kavren::drawCalculationRun(surface, styles, kept.nextRun(inputs));
        benchmark::DoNotOptimize(graph.renderedImage().constBits());
    }
}
BENCHMARK(BM_CalculationRunOnScreenGraph)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace
