// Why a calculation left the lactate curve or the heart-rate line unfitted: the fit then keeps a
// flat curve (or a line at 0 b/min) and the indices that depend on it stay empty, so the window
// tells the user which value to correct.
#pragma once

#include "domain/analysis/curve_fitting.h"

#include <QString>

#include <optional>

namespace kavren {

// The message for the first n steps as read by the run (lactate texts as the run used them, 0.1
// for a heart-rate-only test); empty when both fits could use every step or n is not fittable.
// It names the values of the test's row that stay empty (those of a recovery test in recovery).
std::optional<QString> fitProblem(const StepReadings &steps, const StepTexts &lactateTexts,
                                  int stepCount, bool recovery = false);

} // namespace kavren
