#include "domain/analysis/curve_fitting.h"

#include "domain/analysis/field_reading.h"
#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

struct Sums {
    double x = 0;
    double xx = 0;
    double logLactate = 0;
    double xLogLactate = 0;
    double hr = 0;
    double xHr = 0;
};

Sums sumsOver(const StepReadings &steps, int n) {
    Sums sums;
    bool lactateFailed = false;
    bool hrFailed = false;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        const double x = steps.x[i];
        sums.x += x;
        sums.xx += x * x;
        const double logLactate = steps.lactate[i] > 0 ? std::log(steps.lactate[i]) : NAN;
        if (std::isfinite(logLactate)) {
            sums.logLactate += logLactate;
            sums.xLogLactate += x * logLactate;
        } else {
            lactateFailed = true;
        }
        if (steps.strictHr[i]) {
            sums.hr += *steps.strictHr[i];
            sums.xHr += x * *steps.strictHr[i];
        } else {
            hrFailed = true;
        }
    }
    if (lactateFailed)
        sums.logLactate = sums.xLogLactate = 0;
    if (hrFailed)
        sums.hr = sums.xHr = 0;
    return sums;
}

double finiteOr(double value, double previous) {
    return std::isfinite(value) ? value : previous;
}

} // namespace

StepReadings readSteps(const StepTexts &xTexts, const StepTexts &lactateTexts,
                       const StepTexts &hrTexts) {
    StepReadings steps;
    for (std::size_t i = 0; i < std::size_t(StepRows); ++i) {
        steps.x[i] = readNumber(withDecimalPoints(xTexts[i]));
        steps.lactate[i] = readNumber(lactateTexts[i]);
        steps.hr[i] = readNumber(hrTexts[i]);
        steps.strictLactate[i] = readStrictNumber(lactateTexts[i]);
        steps.strictHr[i] = readStrictNumber(hrTexts[i]);
    }
    return steps;
}

void determineStepCount(const StepReadings &steps, std::int16_t &stepCount, float &lastStepX) {
    const auto use = [&](int count) {
        stepCount = std::int16_t(count);
        if (const auto x = toSingle(steps.x[std::size_t(count - 1)]))
            lastStepX = *x;
    };
    if (steps.lactate[2] != 0)
        use(3);
    for (int count = 4; count <= StepRows; ++count)
        if (steps.hr[std::size_t(count - 1)] != 0)
            use(count);
}

CurveFitDouble fitCurves(const StepReadings &steps, int n, const CurveFitDouble &previous) {
    const Sums s = sumsOver(steps, n);
    const double q = n * s.xx - s.x * s.x;
    const bool slopesDefined = q != 0 && std::isfinite(q);
    CurveFitDouble fit = previous;
    if (slopesDefined)
        fit.lactateSlope =
            finiteOr((n * s.xLogLactate - s.x * s.logLactate) / q, previous.lactateSlope);
    fit.lactateIntercept =
        finiteOr(s.logLactate / n - fit.lactateSlope * s.x / n, previous.lactateIntercept);
    if (slopesDefined)
        fit.hrSlope = finiteOr((n * s.xHr - s.x * s.hr) / q, previous.hrSlope);
    fit.hrIntercept = finiteOr(s.hr / n - fit.hrSlope * s.x / n, previous.hrIntercept);
    return fit;
}

FitOutcome fitOutcome(const StepReadings &steps, const StepTexts &typedSpeeds, int stepCount,
                      bool lactateShown) {
    FitOutcome outcome;
    if (!isFittableStepCount(stepCount)) {
        outcome.steps = FitOutcome::Steps::FewerThanThree;
        outcome.lactateFitted = outcome.hrFitted = false;
        return outcome;
    }
    const auto n = std::size_t(stepCount);
    for (std::size_t i = 0; i < n; ++i) {
        const bool empty = readNumber(withDecimalPoints(typedSpeeds[i])) == 0 && steps.hr[i] == 0 &&
                           (!lactateShown || steps.lactate[i] == 0);
        if (!empty)
            continue;
        outcome.steps = i < 3 ? FitOutcome::Steps::FewerThanThree : FitOutcome::Steps::EmptyStep;
        outcome.emptyStep = int(i) + 1;
        outcome.lactateFitted = outcome.hrFitted = false;
        return outcome;
    }
    double sx = 0, sxx = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sx += steps.x[i];
        sxx += steps.x[i] * steps.x[i];
        if (!(steps.lactate[i] > 0) || !std::isfinite(std::log(steps.lactate[i])))
            outcome.lactateFitted = false;
        if (!steps.strictHr[i])
            outcome.hrFitted = false;
    }
    const double q = double(stepCount) * sxx - sx * sx;
    if (q == 0 || !std::isfinite(q))
        outcome.lactateFitted = outcome.hrFitted = false;
    return outcome;
}

CurveFit toSingleFit(const CurveFitDouble &fit, const CurveFit &previous) {
    CurveFit single;
    single.lactateIntercept = toSingle(fit.lactateIntercept).value_or(previous.lactateIntercept);
    single.lactateSlope = toSingle(fit.lactateSlope).value_or(previous.lactateSlope);
    single.hrIntercept = toSingle(fit.hrIntercept).value_or(previous.hrIntercept);
    single.hrSlope = toSingle(fit.hrSlope).value_or(previous.hrSlope);
    return single;
}

} // namespace kavren
