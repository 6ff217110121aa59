#include "domain/analysis/indices.h"

#include "domain/exercise/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// Stores a quotient in single precision; a zero divisor or a result beyond the range fails.
std::optional<float> storeQuotient(double numerator, double divisor, float &target) {
    if (divisor == 0)
        return std::nullopt;
    const auto value = toSingle(numerator / divisor);
    if (value)
        target = *value;
    return value;
}

std::optional<std::int16_t> storeRounded(double value, std::int16_t &target) {
    const auto rounded = toInteger16(value);
    if (rounded)
        target = *rounded;
    return rounded;
}

std::optional<QString> travText(float speed) {
    const auto pace = toSingle(60.0 / (double(speed) * 3.6));
    if (!pace || !std::isfinite(*pace))
        return std::nullopt;
    const float minutes = std::floor(*pace);
    const float secondsPart = (*pace - minutes) * 60.0f;
    const double seconds = intFloor(secondsPart);
    QString text = writeNumber(minutes) + u':';
    if (seconds < 10)
        text += u'0';
    return text + writeNumber(seconds);
}

std::optional<QString> finiteText(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return writeNumber(value);
}

} // namespace

ComputedIndices computeIndices(const CurveFitDouble &fit, ThresholdResults &results) {
    ComputedIndices computed;
    computed.v200 = storeQuotient(200.0 - fit.hrIntercept, fit.hrSlope, results.v200);
    computed.vla4 =
        storeQuotient(std::log(4.0) - fit.lactateIntercept, fit.lactateSlope, results.vla4);
    computed.vla2 =
        storeQuotient(std::log(2.0) - fit.lactateIntercept, fit.lactateSlope, results.vla2);
    computed.hr4 = storeRounded(fit.hrIntercept + double(results.vla4) * fit.hrSlope, results.hr4);
    computed.hr2 = storeRounded(fit.hrIntercept + double(results.vla2) * fit.hrSlope, results.hr2);
    return computed;
}

std::optional<QString> speedDisplayText(const QString &discipline, float speedMps) {
    const double x = speedMps;
    if (discipline == u"Trav")
        return travText(speedMps);
    if (discipline == u"Endur")
        return finiteText(roundHalfEven(x * 100 * 3.6) / 100);
    if (discipline == u"Rid")
        return finiteText(roundHalfEven(x * 10 * 60) / 10);
    if (discipline == u"Galopp") {
        if (x == 0)
            return std::nullopt;
        return finiteText(roundHalfEven(1 / x * 10 * 200) / 10);
    }
    return std::nullopt;
}

RecoveryValues recoveryValues(const CurveFitDouble &fit) {
    RecoveryValues values;
    for (std::size_t i = 0; i < RecoveryValues::Minutes.size(); ++i) {
        const double t = RecoveryValues::Minutes[i];
        values.lactate[i] =
            finiteText(roundHalfEven(std::exp(fit.lactateIntercept + fit.lactateSlope * t), 2));
        values.hr[i] = finiteText(roundHalfEven(fit.hrIntercept + fit.hrSlope * t));
    }
    return values;
}

float speedToPace(float speedMps) {
    if (speedMps == 0)
        return 0;
    const auto perHour = toSingle(double(speedMps) * 3.6);
    const auto pace = !perHour || *perHour == 0 ? std::nullopt : toSingle(60.0 / double(*perHour));
    if (!pace)
        return 0;
    const float minutes = std::floor(*pace);
    return minutes + float((*pace - minutes) * 0.6);
}

std::optional<std::int16_t> commonLactateAxisMax(const FrozenCurves &curves, int curveSlot) {
    const int last = std::min(curveSlot, FrozenCurves::LastSlot);
    if (last < 1)
        return std::nullopt;
    std::int16_t largest = curves.curves[1].lactateAxisMax;
    for (int slot = 2; slot <= last; ++slot)
        largest = std::max(largest, curves.curves[std::size_t(slot)].lactateAxisMax);
    return largest;
}

} // namespace kavren
