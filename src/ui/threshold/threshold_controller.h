// The threshold calculator on the test on screen: a double-click on the threshold heart rate or a
// slider let go runs the calculation again, then the threshold speed gives the lactate at the
// threshold and the cross that marks it on the graph. A slider let go when there is nothing to
// mark goes back where it rests.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/threshold_calculator.h"
#include "domain/drawing/style_settings.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/exercise_step.h"

#include <QObject>

#include <functional>

namespace kavren {

class DrawingSurface;
class ThresholdPanel;

class ThresholdController : public QObject {
    Q_OBJECT
public:
    // What the threshold takes from the rest of the window, read when it runs.
    struct Links {
        std::function<DrawingSurface &()> graph;
        std::function<StyleSettings()> styles;
        std::function<void()> runCalculation; // the calculation run on the test on screen
        std::function<bool()> freezeChecked;  // "Freeze curve" is ticked
        std::function<TestStep()> firstStep;  // the first step as typed
    };
    ThresholdController(ThresholdPanel *panel, CurrentTest &test, AnalysisState &analysis,
                        Links links, QObject *parent = nullptr);

    // The calculation run, then the threshold cross at the threshold speed.
    void runThreshold();
    // A threshold slider let go: the threshold cross, or the slider back where it rests.
    void sliderReleased(bool hrSlider);
    // Shows a computed cross: its lactate in the frame and its lines on the graph.
    void showCross(const ThresholdCross &cross);
    // The fit's lactate axis: the lactate slider runs in tenths of mmol/l up to this.
    void setLactateSliderMaximum(int maximum);

private:
    ThresholdPanel *m_panel;
    CurrentTest &m_test;
    AnalysisState &m_analysis;
    Links m_links;
};

} // namespace kavren
