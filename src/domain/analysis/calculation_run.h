// The calculation run behind "Calculate", the threshold calculator, loading a test and the live
// link: reads the steps as shown, counts the steps, fits the lactate curve and heart-rate line,
// chooses the axes once, lays out the measured points and the curves on the graph, keeps the
// curve for "Freeze curve" (redrawing all kept curves on one scale from the second on) and ends
// with the index run. The window reads the fields, calls runCalculation, draws the result (axes,
// points and curves exactly as the run chose and laid them out) and writes the fields back.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/curve_fitting.h"
#include "domain/plot/plot_items.h"
#include "domain/exercise/current_exercise.h"
#include "domain/plot/graph_axes.h"
#include "domain/plot/frozen_curves.h"
#include "domain/plot/point_table.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace kavren {

// The values that decide the lactate and heart-rate axis ranges of a run.
struct AxisRangeRequest {
    enum class Variant { SingleTest, CommonScale };
    Variant variant = Variant::SingleTest;
    bool recovery = false;
    // Single test, normal mode: lactate and heart rate of the last used step (0 when no step count
    // of 3…6 was found); the heart rate is already 240 when it is forced. The common scale decides
    // by the LactateAxisMax and HrAxisMax already in the scale.
    double lastLactate = 0;
    double lastHr = 0;
    double firstHr = 0; // puls1
};

// The graph's axis choice for a request, given the scale before it (whose axis tops decide a
// recovery test and the common scale). The run calls it once per frame, stores the ranges in the
// test's scale and returns the axes for drawing.
using AxisRangeChoice = std::function<GraphAxes(const AxisRangeRequest &, const GraphScale &)>;

// The program's axis choice (pass it as the run's AxisRangeChoice).
GraphAxes chooseGraphAxisRanges(const AxisRangeRequest &request, const GraphScale &scale);

// State of the window that the run keeps besides the CurrentTest.
struct AnalysisState {
    FrozenCurves frozenCurves;
    PointTable pointTable;
    float currentLactate = 0; // lactate of the last curve sample drawn
    ComparisonCells comparison;
};

struct CalculationInputs {
    StepTexts speedText;             // temp1…temp6: the x of a recovery test
    StepTexts speedMs;               // Text15…Text20: the x of a speed test
    StepTexts lactate;               // lakt1…lakt6
    StepTexts hr;                    // puls1…puls6
    bool freezeChecked = false;      // "Freeze curve"
    bool linkFirstRun = false;       // first run after the live link connected
    QString calculatedAt;            // now, "yyyy-mm-dd hh:mm:ss": the date of a new test
    std::vector<double> extraLevels; // further lactate levels (mmol/l) to give VLaX and HrX for
};

struct CalculationResult {
    // A frozen run found the store full: untick "Freeze curve" (its click handler clears the graph
    // and the cursor positions); nothing else happened.
    bool endedByFreezeGuard = false;
    bool writeHrOnlyLactates = false; // write "0.1" into lakt1…lakt6
    std::optional<QString> puls1Text; // "120" on the first run after the live link connected
    bool linkActiveCleared = false;   // the forced 240 axis was used
    bool clearGraph = false;          // clear before the frame (not while "Freeze curve" is ticked)
    GraphAxes frameAxes;              // ranges, ticks and labels of the test's own frame
    GraphScale frameScale;            // scale of the test's own frame, points and curves
    PlotItems plot;                   // measured points and both curves of the test
    // Two or more kept curves: clear, draw the common frame (unless commonFrame is false: the
    // seventh frozen run leaves the graph empty) and draw commonPlot on it.
    bool commonRedraw = false;
    bool commonFrame = false;
    GraphAxes commonAxes;
    GraphScale commonScale;
    PlotItems commonPlot;
    std::optional<int> slider2Maximum; // 120 / LactateScale: tenths of mmol/l up to the axis top
    StepReadings readings;  // the steps as the fit read them, for its quality and range checks
    QStringList indexNotes; // why values of the test's row are missing (the index run's notes)
    FitOutcome fit;         // which fits the run made from the test's own steps
    // The indices of a speed test with their 95 % intervals (empty for a recovery test and where
    // the run found no steps to fit); they are also kept with the test's row of the table.
    TestIntervals intervals;
};

CalculationResult runCalculation(const CalculationInputs &inputs,
                                 const AxisRangeChoice &chooseRanges, CurrentTest &test,
                                 AnalysisState &state);

// The click of "Freeze curve" (ticking or unticking): a new comparison starts at row 1 and slot 1;
// the window also clears the graph.
void freezeCurveClicked(CurrentTest &test, PointTable &pointTable);

} // namespace kavren
