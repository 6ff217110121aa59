// How well the fitted lines follow the measured steps: the coefficient of determination R² of
// ln(lactate) against x and of heart rate against x, over the same steps and values the fit used,
// and the status-bar text that tells the user after "Calculate".
#pragma once

#include "domain/analysis/curve_fitting.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kavren {

struct FitQuality {
    int stepCount = 0;               // steps the fit used; 0 when no fit was made
    std::optional<double> lactateR2; // ln(lactate) against x
    std::optional<double> hrR2;      // heart rate against x
};

// R² over the first stepCount steps (3…6; any other count gives no R²). A series has no R² when
// the fit could not use it (a lactate of 0 or below, a heart rate that is not a number), when all
// x are equal, or when its values do not vary (a heart-rate-only test's lactates), because R² is
// then undefined. For a least-squares line with intercept R² is the squared correlation of x and
// the series, computed here about the means so that it does not depend on the coefficients kept.
FitQuality fitQuality(const StepReadings &steps, int stepCount);

// "Lactate fit R² 0.991, heart-rate line R² 0.998, 5 steps", leaving out a series without R²;
// R² rounded to three decimals, halves to even. The indices' texts (with their intervals) stand
// between the R² and the step count.
QString fitQualityMessage(const FitQuality &quality, const QStringList &indices = {});

} // namespace kavren
