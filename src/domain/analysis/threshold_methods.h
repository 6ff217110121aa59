// Other ways to find a lactate threshold from the measured steps, to set beside the program's
// exponential fit: linear interpolation between the measured points, Dmax and the log-log
// breakpoint. Each is a plain function of the steps (speed in m/s, lactate in mmol/l, in the order
// run) that gives a speed or the reason why there is none.
#pragma once

#include "domain/analysis/index_intervals.h"
#include "domain/exercise/graph_scale.h"
#include "domain/plot/plot_items.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace kavren {

// A threshold a method found: the speed and the lactate there.
struct MethodThreshold {
    std::optional<double> speed;   // m/s; nothing when the method gives no threshold
    std::optional<double> lactate; // mmol/l at that speed
    QString reason;                // why there is no threshold
};

// The speed at which the measured lactate first reaches level, on the straight line between the
// two measured steps around it (a step exactly at the level gives its own speed).
MethodThreshold interpolatedSpeedAt(std::span<const double> speed, std::span<const double> lactate,
                                    double level);

// Dmax (Cheng et al. 1992): a third-order polynomial of lactate on speed by least squares; the
// threshold is the point of that curve, between the first and the last measured speed, farthest
// from the straight line joining the first and the last measured points. Needs four steps.
MethodThreshold dmaxThreshold(std::span<const double> speed, std::span<const double> lactate);

// The log-log breakpoint (Beaver et al. 1985): log lactate against log speed split into two runs
// of consecutive steps, at least two each, each with its own least-squares line; the split with
// the least residual sum of squares wins and the threshold is where its two lines cross, which
// must lie within the measured speeds. Needs four steps.
MethodThreshold logLogBreakpoint(std::span<const double> speed, std::span<const double> lactate);

// The methods side by side for one test.
struct ThresholdMethods {
    IndexEstimate vla2, vla4, v200;     // the exponential fit
    std::vector<LevelEstimates> levels; // its speed and heart rate at the extra lactate levels
    MethodThreshold interpolated2, interpolated4;
    MethodThreshold dmax;
    MethodThreshold logLog;
    // The 4 mmol/l speeds of the exponential fit and of the interpolation differ by more than 5 %
    // of the slower one.
    bool fourMmolDisagree = false;
};
ThresholdMethods thresholdMethods(const StepReadings &steps, int stepCount,
                                  const std::vector<double> &extraLevels = {});

// One line per method for the "Threshold methods" window, in the discipline's unit, and a last
// line when the 4 mmol/l speeds disagree.
QStringList thresholdMethodLines(const ThresholdMethods &methods, const QString &discipline);

// Marks on the graph where each method puts its threshold: the lactate thresholds at their speed
// and lactate, V200 on the heart-rate line at 200 b/min, in graph units of the scale shown.
PlotItems thresholdMethodMarks(const ThresholdMethods &methods, const GraphScale &scale);

} // namespace kavren
