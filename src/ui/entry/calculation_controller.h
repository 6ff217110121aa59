// "Calculate", the calculation run on the typed test, "Freeze curve" and the heart-rate-only
// display: the typed test is read once per action, the analysis computes, the graph is drawn, and
// the results go back into the entry fields and out, as values, to whoever shows them (the
// threshold sliders, the comparison table, the status bar).
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/extrapolation.h"
#include "domain/analysis/fit_quality.h"
#include "domain/drawing/style_settings.h"
#include "domain/exercise/clock.h"
#include "domain/exercise/current_exercise.h"
#include "ui/entry/entry_panel.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QStatusBar;
class QWidget;

namespace kavren {

class DrawingSurface;

class CalculationController : public QObject {
    Q_OBJECT
public:
    // What the calculation takes from the rest of the window, read when it runs.
    struct Links {
        QWidget *window = nullptr;       // parent of messages
        QStatusBar *statusBar = nullptr; // where the fit's outcome is told
        std::function<DrawingSurface &()> graph;
        std::function<StyleSettings()> styles;
        std::function<bool()> freezeChecked; // "Freeze curve" is ticked
        std::function<bool()> linkFirstRun;  // first run after the live link connected
        std::function<QString()> importNote; // note of the last imported heart-rate file
        Clock clock = systemClock();         // the moment of a new test
        // The extra lactate levels (mmol/l) the user asked VLaX and HrX for.
        std::function<std::vector<double>()> extraLevels = [] { return std::vector<double>(); };
    };
    CalculationController(EntryPanel *entry, CurrentTest &test, AnalysisState &analysis,
                          Links links, QObject *parent = nullptr);

    // "Calculate": checks the unit, runs the calculation and tells the fit's quality.
    void calculate();
    // The calculation run on the test as typed now.
    void runCalculation();
    // The click of "Freeze curve" (ticking or unticking): a new comparison and an empty graph.
    void freezeCurveClicked();
    // "Only Hr" → "Yes" and "No".
    void setHeartRateOnly(bool on);
    // The status bar now tells of something else than the fit.
    void fitStatusReplaced() { m_fitProblemShown = false; }

signals:
    // The fit's lactate axis: the lactate slider runs in tenths of mmol/l up to this.
    void lactateSliderMaximum(int maximum);
    // The comparison table's cells changed; the row of the test holds these extrapolated values.
    void comparisonChanged(const kavren::ComparisonCells &cells);
    void extrapolationMarked(int row, const kavren::ExtrapolationMarks &marks);
    // A frozen run found the store of kept curves full: "Freeze curve" is unticked.
    void freezeEnded();
    // The run used the live link's first-run axis.
    void linkFirstRunUsed();
    // "Calculate" of a named test: "Save work" is next.
    void saveWorkNext();
    // A run drew the test on screen: its steps as the fit read them, the graph's scale now and
    // the extra lactate levels it gave indices for.
    void calculated(const kavren::StepReadings &steps, int stepCount,
                    const kavren::GraphScale &scale, const std::vector<double> &extraLevels);

private:
    void run(TestSteps steps);
    void showFitStatus(const CalculationInputs &inputs, const CalculationResult &result);

    EntryPanel *m_entry;
    CurrentTest &m_test;
    AnalysisState &m_analysis;
    Links m_links;
    std::optional<FitQuality> m_fitQuality; // of the last run past the freeze guard
    QStringList m_intervalParts;            // its indices with their intervals
    bool m_fitProblemShown = false;         // the status bar tells of a fit that failed
};

} // namespace kavren
