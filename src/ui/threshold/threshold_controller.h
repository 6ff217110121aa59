// The threshold calculator on the test on screen: a double-click on the threshold heart rate or a
// slider let go runs the calculation again, then the threshold speed gives the lactate at the
// threshold and the cross that marks it on the graph.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/threshold_calculator.h"
#include "domain/drawing/style_settings.h"
#include "domain/exercise/current_exercise.h"

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
    };
    ThresholdController(ThresholdPanel *panel, CurrentTest &test, AnalysisState &analysis,
                        Links links, QObject *parent = nullptr);

    // The calculation run, then the threshold cross at the threshold speed.
    void runThreshold();
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
