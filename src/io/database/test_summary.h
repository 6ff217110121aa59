// A stored test as a calculation sees it: its steps read back from the column Data as loading
// reads them, converted to m/s for its discipline, and the indices, their 95 % intervals and the
// fit quality fitted from them. The table of tests of a CSV file, a horse's history and the
// index table of a database all take a test's indices from here.
#pragma once

#include "domain/analysis/fit_quality.h"
#include "domain/analysis/index_intervals.h"
#include "domain/analysis/indices.h"
#include "domain/exercise/exercise_step.h"
#include "io/database/search.h"

#include <QString>

#include <optional>
#include <vector>

namespace kavren {

struct TestSummary {
    int stepCount = 0; // 3…6, or 0 when the stored steps cannot be read
    bool hrOnly = false;
    bool recovery = false;
    TestSteps steps;
    int converted = 0; // steps whose speed converted to m/s
    ComputedIndices indices;
    TestIntervals intervals; // the 95 % intervals, with the extra lactate levels asked for
    FitQuality quality;      // stepCount 0 when no fit was made
};

// levels are the extra lactate levels (mmol/l) whose speed and heart rate are wanted besides the
// five indices.
TestSummary summariseTest(const QString &discipline, const QString &stepData,
                          const std::vector<double> &levels = {});
TestSummary summariseTest(const TestRow &row, const std::vector<double> &levels = {});

// The five indices as the index table of a database keeps them: speeds in m/s, heart rates in
// b/min, nothing where the test has no such index (a heart-rate-only or recovery test, steps that
// cannot be read).
struct StoredIndices {
    std::optional<double> v200, vla2, vla4, hr2, hr4;
};
StoredIndices storedIndicesOf(const TestSummary &test);

} // namespace kavren
