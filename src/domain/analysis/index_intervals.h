// How sure an index is: the 95 % confidence interval and the standard error of VLa2, VLa4, V200,
// Hr2, Hr4 and of the speed and heart rate at any further lactate level, from the straight-line
// fits the calculation makes (ln lactate = A + B·x, heart rate = C + D·x, by least squares), and
// whether the change of an index between two tests is larger than their uncertainty.
//
// Each speed index is the x at which a fitted line reaches a fixed level (ln 2, ln 4, 200 b/min):
// an inverse prediction, whose interval is Fieller's with Student's t on n − 2 degrees of freedom.
// When the slope is not clearly different from zero that interval has no bounds, and it is then
// reported as unbounded, never with an invented bound.
#pragma once

#include "domain/analysis/curve_fitting.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace kavren {

// The two-sided 95 % quantile of Student's t, t(0.975, df), for 1…10 degrees of freedom (a test
// has at most six steps, so four); nothing for any other df.
std::optional<double> studentT975(int degreesOfFreedom);

// A least-squares line y = intercept + slope·x with what its uncertainty needs.
struct StraightLine {
    int n = 0;
    double meanX = 0;
    double meanY = 0;
    double sxx = 0; // Σ(x − x̄)²
    double intercept = 0;
    double slope = 0;
    double residualVariance = 0; // s² = Σ residual² / (n − 2)
};

// Fits the line to the first min(x.size(), y.size()) points; nothing (with the reason in
// *reason) for fewer than three points, x all equal or values that are not finite.
std::optional<StraightLine> fitStraightLine(std::span<const double> x, std::span<const double> y,
                                            QString *reason = nullptr);

// One index with how sure it is: speeds in m/s, heart rates in b/min. Everything the comparison
// table, the status bar, the report and the CSV export show of an index comes from this value.
struct IndexEstimate {
    std::optional<double> value;         // the index; nothing when it is not available
    std::optional<double> lower, upper;  // the 95 % interval; nothing when it is unbounded
    std::optional<double> standardError; // by the delta method
    bool unbounded = false;              // Fieller's interval has no bounds
    int steps = 0;                       // the steps of the fit
    QString reason; // why the value or its interval is not available; empty when both are

    bool bounded() const { return lower.has_value() && upper.has_value(); }
};

// The x at which the line reaches level, with Fieller's 95 % interval and the delta-method
// standard error (s / |slope|) · √(1/n + (x̂ − x̄)² / Sxx).
IndexEstimate inversePrediction(const StraightLine &line, double level);

// The heart rate of the heart-rate line at an estimated speed, rounded to whole beats like Hr2 and
// Hr4. Its standard error joins the speed's uncertainty carried through the line (slope² · se²)
// with the line's own at that speed (s² · (1/n + (x − x̄)² / Sxx)); the interval is ± t · se, and
// unbounded when the speed's interval is.
IndexEstimate heartRateAtSpeed(const StraightLine &hrLine, const IndexEstimate &speed);

// The indices of one test with their intervals.
struct LevelEstimates {
    double lactate = 0;  // mmol/l
    IndexEstimate speed; // VLaX
    IndexEstimate hr;    // HrX
};
struct TestIntervals {
    IndexEstimate v200, vla2, vla4, hr2, hr4;
    std::vector<LevelEstimates> levels; // the extra lactate levels, in the order asked for
};

// From the first stepCount steps as the calculation read them. A heart-rate-only test (lactates
// marked 0.1) has no lactate indices.
TestIntervals testIntervals(const StepReadings &steps, int stepCount,
                            const std::vector<double> &extraLevels = {}, bool hrOnly = false);

// The unit in which the comparison table shows the speeds of a discipline ("Rid": "m/min").
QString disciplineSpeedUnit(const QString &discipline);

// A speed in m/s in the discipline's unit as the comparison table writes it (m/s with two decimals
// for a discipline without a unit of its own); nothing for a speed that is not above 0.
std::optional<QString> disciplineSpeedText(const QString &discipline, double speedMps);

// "VLa4 463.4 m/min, 95 % CI 452.1–475.0, 5 steps": the speed and its interval as the comparison
// table shows speeds of the discipline (a pace's bounds slowest last). An unbounded interval, a
// lower bound at or below zero speed and a missing index say so in words.
QString speedEstimateText(const QString &name, const IndexEstimate &estimate,
                          const QString &discipline);
// "Hr4 172 b/min, 95 % CI 165–179, 5 steps".
QString heartRateEstimateText(const QString &name, const IndexEstimate &estimate);
// The interval alone: "95 % CI 452.1–475.0", "95 % CI unbounded" (with the reason when asked).
QString speedIntervalText(const IndexEstimate &estimate, const QString &discipline,
                          bool withReason);
QString hrIntervalText(const IndexEstimate &estimate, bool withReason);

// The indices with their intervals for the status bar after "Calculate", each as
// "VLa4 463.4 m/min (95 % CI 452.1–475.0)", the extra levels' speeds and heart rates after VLa2,
// VLa4 and V200; an index that is not available is left out.
QStringList intervalStatusParts(const TestIntervals &intervals, const QString &discipline);

// The name of an index at an extra lactate level: "VLa1.5", "Hr3".
QString levelName(QStringView prefix, double lactate);

// The z of a change, (compared − reference) / √(se₁² + se₀²); nothing when a value or a standard
// error is missing, or both errors are zero.
std::optional<double> changeZ(const IndexEstimate &compared, const IndexEstimate &reference);
// True when a change is within the uncertainty of the two tests (|z| < 1.96).
bool withinUncertainty(const IndexEstimate &compared, const IndexEstimate &reference);

inline constexpr char WithinUncertaintyToolTip[] =
    QT_TRANSLATE_NOOP("Indices", "within the uncertainty of the two tests");

// Which per-cent cells of the speed layout (element j: test j + 2 against test 1) show a change
// within the uncertainty of the two tests, from the intervals of tests 1…curveSlot.
struct UncertainPercentCells {
    static constexpr int Rows = 5;
    std::array<bool, Rows> v200P{}, vla2P{}, vla4P{}, hr2P{}, hf4P{};
};
UncertainPercentCells uncertainPercentCells(std::span<const TestIntervals> tests, int curveSlot);

} // namespace kavren
