#include "domain/analysis/fit_quality.h"

#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace kavren {

namespace {

using Series = std::array<double, StepRows>;

// Squared correlation of x and y over the first n values, or nothing where it is undefined.
std::optional<double> squaredCorrelation(const Series &x, const Series &y, int n) {
    double meanX = 0;
    double meanY = 0;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        meanX += x[i];
        meanY += y[i];
    }
    meanX /= n;
    meanY /= n;
    double sxx = 0;
    double syy = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        const double dx = x[i] - meanX;
        const double dy = y[i] - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    const double r2 = sxy * sxy / (sxx * syy);
    if (!(sxx > 0) || !(syy > 0) || !std::isfinite(r2))
        return std::nullopt;
    return std::min(r2, 1.0);
}

QString r2Text(double r2) {
    return QString::number(roundHalfEven(r2, 3), 'f', 3);
}

} // namespace

FitQuality fitQuality(const StepReadings &steps, int stepCount) {
    FitQuality quality;
    if (!isFittableStepCount(stepCount))
        return quality;
    quality.stepCount = stepCount;
    Series logLactate{};
    Series hr{};
    bool lactateUsable = true;
    bool hrUsable = true;
    for (std::size_t i = 0; i < std::size_t(stepCount); ++i) {
        logLactate[i] = steps.lactate[i] > 0 ? std::log(steps.lactate[i]) : NAN;
        lactateUsable = lactateUsable && std::isfinite(logLactate[i]);
        hrUsable = hrUsable && steps.strictHr[i].has_value();
        hr[i] = steps.strictHr[i].value_or(0);
    }
    if (lactateUsable)
        quality.lactateR2 = squaredCorrelation(steps.x, logLactate, stepCount);
    if (hrUsable)
        quality.hrR2 = squaredCorrelation(steps.x, hr, stepCount);
    return quality;
}

QString fitQualityMessage(const FitQuality &quality, const QStringList &indices) {
    if (quality.stepCount == 0)
        return QCoreApplication::translate("FitQuality", "No fit quality: fewer than 3 steps");
    QStringList parts;
    if (quality.lactateR2)
        parts << QCoreApplication::translate("FitQuality", "Lactate fit R² %1")
                     .arg(r2Text(*quality.lactateR2));
    if (quality.hrR2)
        parts << QCoreApplication::translate("FitQuality", "heart-rate line R² %1")
                     .arg(r2Text(*quality.hrR2));
    parts << indices;
    parts << QCoreApplication::translate("FitQuality", "%1 steps").arg(quality.stepCount);
    QString message = parts.join(QStringLiteral(", "));
    message[0] = message[0].toUpper();
    return message;
}

} // namespace kavren
