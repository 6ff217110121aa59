// Curves kept while "Freeze curve" is ticked: each slot holds what the common-scale redraw needs to
// draw a test again (its steps, its fit and the lactate axis it was drawn on).
#pragma once

#include "domain/exercise/curve_fit.h"
#include "domain/exercise/exercise_step.h"

#include <array>
#include <cstdint>

namespace kavren {

struct FrozenCurve {
    float firstX = 0;                        // x of step 1: where the curves start
    float lastX = 0;                         // LastStepX of the run: where they end
    std::array<float, StepRows> x{};         // x1…x6, used by the fit or not
    std::array<float, StepRows> lactate{};   // L1…L6, mmol/l
    std::array<std::int16_t, StepRows> hr{}; // h1…h6, b/min, rounded half to even
    CurveFit fit;                            // A, B, C, D in single precision
    std::int16_t stepCount = 0;
    std::int16_t lactateAxisMax = 0; // top of the lactate axis of the run, mmol/l
};

// Slots 0…6; without "Freeze curve" the test on screen is always in slot 1, the frozen runs fill
// slots 1…6 one after the other. Slot 0 is never written.
struct FrozenCurves {
    static constexpr int Slots = 7;
    static constexpr int LastSlot = Slots - 1;
    std::array<FrozenCurve, Slots> curves{};
};

} // namespace kavren
