// The "Threshold methods" window: the test on screen by the program's exponential fit (with the
// 95 % intervals), by linear interpolation between the measured steps, by Dmax and by the log-log
// breakpoint, each in the discipline's unit, with a warning when the 4 mmol/l speeds disagree.
// It stays open beside the main window and follows every calculation; on request it marks each
// method's threshold on the graph after the calculation has drawn it.
#pragma once

#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/threshold_methods.h"
#include "domain/drawing/style_settings.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/graph_scale.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;

namespace kavren {

class DrawingSurface;

class ThresholdMethodsWindow : public QWidget {
    Q_OBJECT
public:
    struct Links {
        std::function<DrawingSurface &()> graph;
        std::function<StyleSettings()> styles;
    };
    // parent: the main window, which the window stays beside; test: the test on screen.
    ThresholdMethodsWindow(const CurrentTest &test, Links links, QWidget *parent = nullptr);

    // Brings the window up (it is non-modal).
    void showWindow();
    // A calculation drew the test: its steps as the fit read them, the scale the graph shows and
    // the extra lactate levels.
    void showTest(const kavren::StepReadings &steps, int stepCount, const kavren::GraphScale &scale,
                  const std::vector<double> &extraLevels);

    // The lines as shown, and whether the markers are asked for.
    QStringList lines() const;
    bool markersShown() const;

private:
    void drawMarkers();

    const CurrentTest &m_test;
    Links m_links;
    QLabel *m_text = nullptr;
    QCheckBox *m_markers = nullptr;
    ThresholdMethods m_methods;
    GraphScale m_scale;
    bool m_calculated = false;
};

} // namespace kavren
