#include "io/database/test_summary.h"

#include "domain/analysis/curve_fitting.h"
#include "domain/exercise/numeric_text.h"
#include "domain/exercise/unit_conversion.h"
#include "io/database/loading.h"

#include <cmath>

namespace kavren {

namespace {

std::optional<double> finite(const std::optional<double> &value) {
    return value && std::isfinite(*value) ? value : std::nullopt;
}

} // namespace

TestSummary summariseTest(const QString &discipline, const QString &stepData,
                          const std::vector<double> &levels) {
    TestSummary test;
    const int stored = stepsAsShown(stepData, test.steps);
    test.stepCount = stored >= 3 && stored <= StepRows ? stored : 0;
    test.hrOnly = test.stepCount > 0 && readNumber(test.steps[0].lactate) == 0.1;
    test.recovery = discipline == u"Recovery";
    test.converted = test.recovery ? 0 : convertSpeeds(discipline, test.steps);
    if (test.stepCount == 0 || test.recovery || test.converted < test.stepCount)
        return test;
    StepTexts x, lactate, hr;
    for (std::size_t i = 0; i < StepRows; ++i) {
        x[i] = test.steps[i].speedMs;
        lactate[i] = test.steps[i].lactate;
        hr[i] = test.steps[i].hr;
    }
    ThresholdResults results;
    const StepReadings readings = readSteps(x, lactate, hr);
    test.indices = computeIndices(fitCurves(readings, test.stepCount, {}), results);
    test.intervals = testIntervals(readings, test.stepCount, levels, test.hrOnly);
    test.quality = fitQuality(readings, test.stepCount);
    if (test.hrOnly) {
        test.indices.vla2.reset();
        test.indices.vla4.reset();
        test.indices.hr2.reset();
        test.indices.hr4.reset();
    }
    return test;
}

TestSummary summariseTest(const TestRow &row, const std::vector<double> &levels) {
    return summariseTest(row.discipline, row.stepData, levels);
}

StoredIndices storedIndicesOf(const TestSummary &test) {
    const TestIntervals &i = test.intervals;
    return {finite(i.v200.value), finite(i.vla2.value), finite(i.vla4.value), finite(i.hr2.value),
            finite(i.hr4.value)};
}

} // namespace kavren
