// The least-squares fit of the calculation run: an exponential lactate curve ln(lactate) = A + B·x
// and a straight heart-rate line hr = C + D·x over the first StepCount steps, every step with
// weight 1, with the rules for how many steps count and what a failing step leaves behind.
#pragma once

#include "domain/exercise/curve_fit.h"
#include "domain/exercise/exercise_step.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace kavren {

using StepTexts = std::array<QString, StepRows>;

// The six rows as the run reads them: x (speed in m/s, or minutes after work in a recovery test)
// by the numeric reading rule, lactate and heart rate both by that rule and strictly (the
// heart-rate sums, the heart-rate circles and the cursor positions take the strict values).
struct StepReadings {
    std::array<double, StepRows> x{};
    std::array<double, StepRows> lactate{};
    std::array<double, StepRows> hr{};
    std::array<std::optional<double>, StepRows> strictLactate{};
    std::array<std::optional<double>, StepRows> strictHr{};
};

// Reads the rows; every "," of an x text counts as ".".
StepReadings readSteps(const StepTexts &xTexts, const StepTexts &lactateTexts,
                       const StepTexts &hrTexts);

// The number of steps used and the x of the last one. Step 3 counts when its lactate is not 0,
// steps 4, 5 and 6 when their heart rate is not 0; a later step overrides an earlier one. When no
// rule holds both keep their previous values. An x beyond the single range leaves LastStepX as it
// was.
void determineStepCount(const StepReadings &steps, std::int16_t &stepCount, float &lastStepX);

// True for the step counts that the fit, the points and the freeze store accept.
constexpr bool isFittableStepCount(int stepCount) {
    return stepCount >= 3 && stepCount <= StepRows;
}

// Fits the first n steps (n must be fittable). A heart rate that fails the strict reading zeroes
// the heart-rate sums (a line at 0 b/min); a lactate of 0 or below, or beyond the range, zeroes
// the logarithmic sums (a flat curve at 1 mmol/l). Where all x are equal, or a coefficient would
// not be a finite number, the previous value of that coefficient stays; intercepts are computed
// with the slope just found or kept.
CurveFitDouble fitCurves(const StepReadings &steps, int n, const CurveFitDouble &previous);

// Whether a run fitted the test's own steps: the step count may be one kept from an earlier run
// or a loaded test, and a fit over steps that are not there, or one that kept coefficients of an
// earlier fit, says nothing about this test.
struct FitOutcome {
    enum class Steps { Found, FewerThanThree, EmptyStep };
    Steps steps = Steps::Found;
    int emptyStep = 0; // 4…6 for EmptyStep: the first step among the counted ones with no values
    bool lactateFitted = true;
    bool hrFitted = true;
};
// For the first stepCount steps as read by the run: a step is empty when its typed speed (the
// converted one may be left from an earlier speed), heart rate and (unless the lactates are the
// heart-rate-only mark) lactate all read as 0. The lactate curve is fitted when every lactate is
// above 0 and the x differ; the heart-rate line when every heart rate is a number and the x differ.
FitOutcome fitOutcome(const StepReadings &steps, const StepTexts &typedSpeeds, int stepCount,
                      bool lactateShown);

// The fit in single precision; a coefficient beyond the single range keeps its previous value.
CurveFit toSingleFit(const CurveFitDouble &fit, const CurveFit &previous);

} // namespace kavren
