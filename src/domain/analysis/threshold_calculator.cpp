#include "domain/analysis/threshold_calculator.h"

#include "domain/analysis/field_reading.h"
#include "domain/plot/plot_items.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

#include <cmath>

namespace kavren {

namespace {

std::optional<QString> finiteText(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return writeNumber(value);
}

std::optional<QString> paceText(double speed) {
    const double pace = speed == 0 ? 0.0 : 60 / (3.6 * speed);
    if (!std::isfinite(pace))
        return std::nullopt;
    const double minutes = intFloor(pace);
    const double seconds = intFloor(10 * (60 * (pace - minutes))) / 10;
    return writeSignedBlank(minutes) + u'\'' + writeSignedBlank(seconds);
}

} // namespace

SpeedFieldsUpdate speedFieldChanged(const QString &text3, const CurveFit &fit) {
    SpeedFieldsUpdate update;
    update.speedText = withDecimalPoints(text3);
    const double v = readNumber(update.speedText);
    if (update.speedText.isEmpty())
        update.hrText = QString();
    else
        update.hrText =
            finiteText(roundHalfEven(double(fit.hrSlope) * v + double(fit.hrIntercept)));
    update.pace = paceText(v);
    update.paceUnit = QCoreApplication::translate("SpeedUnit", "min/km");
    update.kmPerHour = finiteText(roundHalfEven(v * 100 * 3.6) / 100);
    if (v != 0)
        update.secondsPer200m = finiteText(roundHalfEven(20000 / v) / 100);
    update.metresPerMinute = finiteText(v * 60);
    return update;
}

std::optional<QString> hrFieldChanged(const QString &text2, const CurveFitDouble &fitDouble,
                                      const CurveFit &fit) {
    if (text2.isEmpty())
        return QString();
    if (fit.hrSlope == 0)
        return std::nullopt;
    const double hr = readNumber(text2);
    const auto thousandths = toInteger16((hr - fitDouble.hrIntercept) * 1000 / double(fit.hrSlope));
    if (!thousandths)
        return std::nullopt;
    return writeNumber(double(*thousandths) / 1000);
}

std::optional<QString> lactateAtSpeed(double speed, const CurveFit &fit) {
    const double lactate =
        std::exp(double(fit.lactateSlope) * speed + double(fit.lactateIntercept));
    return finiteText(roundHalfEven(lactate * 100) / 100);
}

LactateFieldReaction lactateFieldChanged(const QString &text1, SpeedUnit unit, bool freezeChecked) {
    LactateFieldReaction reaction;
    if (unit == SpeedUnit::NoUnit) {
        reaction.showSelectSpeed = true;
        return reaction;
    }
    if (freezeChecked)
        return reaction;
    QString text = withDecimalPoints(text1);
    if (isHrOnlySentinel(text))
        text.clear();
    if (text != text1)
        reaction.newText = text;
    return reaction;
}

std::optional<QString> clampedThresholdSpeed(double speed) {
    if (speed < 4)
        return QStringLiteral("4");
    if (speed > 15)
        return QStringLiteral("15");
    return std::nullopt;
}

ThresholdCross thresholdCross(double speed, const CurveFit &fit, const GraphScale &scale,
                              bool hrOnly, float &currentLactate) {
    ThresholdCross cross;
    // The threshold is an x value; in a recovery test it is a time and lies at 4 + t / 3.
    const double x = scale.xOf(speed);
    if (!hrOnly) {
        const auto lactate =
            toSingle(std::exp(double(fit.lactateSlope) * speed + double(fit.lactateIntercept)));
        if (!lactate || !std::isfinite(*lactate))
            return cross;
        currentLactate = *lactate;
        cross.lactateText = finiteText(roundHalfEven(double(*lactate) * 100) / 100);
        const double y = scale.yOfLactate(*lactate);
        cross.lines.emplace_back(15.0, y, x, y);
    }
    cross.lines.emplace_back(x, 0.0, x, scale.yOfLactate(currentLactate));
    const double hrLevel =
        intFloor(double(fit.hrSlope) * speed + double(fit.hrIntercept) - double(scale.hrBase)) *
        double(scale.hrScale);
    if (!std::isfinite(hrLevel))
        return cross;
    cross.lines.emplace_back(x, 0.0, x, hrLevel);
    cross.lines.emplace_back(x, hrLevel, 4.0, hrLevel);
    return cross;
}

bool slidersActive(bool slidersInert, bool freezeChecked, std::int16_t stepCount) {
    return !slidersInert && !freezeChecked && stepCount != 0;
}

std::optional<QString> hrSliderScrolled(int heartRate, const CurveFitDouble &fitDouble) {
    if (fitDouble.hrSlope == 0)
        return std::nullopt;
    return finiteText(roundHalfEven((heartRate - fitDouble.hrIntercept) * 100 / fitDouble.hrSlope) /
                      100);
}

LactateSliderUpdate lactateSliderScrolled(int tenths, const CurveFit &fit, bool hrOnly) {
    LactateSliderUpdate update;
    const double lactate = tenths / 10.0;
    if (lactate > 0 && fit.lactateSlope != 0)
        update.speedText =
            finiteText(roundHalfEven((std::log(lactate) - double(fit.lactateIntercept)) * 100 /
                                     double(fit.lactateSlope)) /
                       100);
    if (!hrOnly)
        update.lactateText = writeNumber(lactate);
    return update;
}

} // namespace kavren
