#include "domain/analysis/index_intervals.h"

#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

IndexEstimate unavailable(int steps, const QString &reason) {
    IndexEstimate estimate;
    estimate.steps = steps;
    estimate.reason = reason;
    return estimate;
}

std::optional<StraightLine> lineOver(const std::array<double, StepRows> &x,
                                     const std::array<double, StepRows> &y, int n,
                                     QString *reason) {
    return fitStraightLine(std::span<const double>(x.data(), std::size_t(n)),
                           std::span<const double>(y.data(), std::size_t(n)), reason);
}

} // namespace

std::optional<double> studentT975(int degreesOfFreedom) {
    // t(0.975, df) to nine decimals.
    static constexpr std::array<double, 10> quantiles = {
        12.706204736, 4.302652730, 3.182446305, 2.776445105, 2.570581836,
        2.446911851,  2.364624252, 2.306004135, 2.262157163, 2.228138852};
    if (degreesOfFreedom < 1 || degreesOfFreedom > int(quantiles.size()))
        return std::nullopt;
    return quantiles[std::size_t(degreesOfFreedom - 1)];
}

std::optional<StraightLine> fitStraightLine(std::span<const double> x, std::span<const double> y,
                                            QString *reason) {
    const auto fail = [reason](const char *why) -> std::optional<StraightLine> {
        if (reason)
            *reason = QCoreApplication::translate("Indices", why);
        return std::nullopt;
    };
    const std::size_t n = std::min(x.size(), y.size());
    if (n < 3)
        return fail(QT_TRANSLATE_NOOP("Indices", "fewer than three steps"));
    StraightLine line;
    line.n = int(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!allFinite({x[i], y[i]}))
            return fail(QT_TRANSLATE_NOOP("Indices", "a value is not a number"));
        line.meanX += x[i];
        line.meanY += y[i];
    }
    line.meanX /= double(n);
    line.meanY /= double(n);
    double sxy = 0;
    double syy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        line.sxx += (x[i] - line.meanX) * (x[i] - line.meanX);
        sxy += (x[i] - line.meanX) * (y[i] - line.meanY);
        syy += (y[i] - line.meanY) * (y[i] - line.meanY);
    }
    if (!(line.sxx > 0))
        return fail(QT_TRANSLATE_NOOP("Indices", "all speeds are equal"));
    line.slope = sxy / line.sxx;
    line.intercept = line.meanY - line.slope * line.meanX;
    double residuals = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double r = y[i] - (line.intercept + line.slope * x[i]);
        residuals += r * r;
    }
    line.residualVariance = residuals / double(n - 2);
    if (!allFinite({line.meanX, line.meanY, line.sxx, syy, line.slope, line.intercept,
                    line.residualVariance}))
        return fail(QT_TRANSLATE_NOOP("Indices", "a value is out of range"));
    return line;
}

IndexEstimate inversePrediction(const StraightLine &line, double level) {
    const int n = line.n;
    const auto t = studentT975(n - 2);
    if (!t)
        return unavailable(n, n < 3
                                  ? QCoreApplication::translate("Indices", "fewer than three steps")
                                  : QCoreApplication::translate("Indices", "too many steps"));
    if (line.slope == 0 || !(line.sxx > 0))
        return unavailable(n, QCoreApplication::translate("Indices", "the line is flat"));
    IndexEstimate estimate;
    estimate.steps = n;
    const double d = (level - line.meanY) / line.slope; // x̂ − x̄
    const double s = std::sqrt(line.residualVariance);
    const double x = line.meanX + d;
    const double se = s / std::abs(line.slope) * std::sqrt(1.0 / n + d * d / line.sxx);
    if (!allFinite({d, s, x, se}))
        return unavailable(
            n, QCoreApplication::translate("Indices", "the line gives no finite speed"));
    estimate.value = x;
    estimate.standardError = se;
    // Fieller: g = t² s² / (b² Sxx) is below 1 exactly when the slope differs from zero at the
    // 5 % level; only then is the interval a bounded one.
    const double g = *t * *t * line.residualVariance / (line.slope * line.slope * line.sxx);
    if (!(g < 1)) {
        estimate.unbounded = true;
        estimate.reason = QCoreApplication::translate(
            "Indices", "the interval is unbounded: the slope is not clearly different "
                       "from zero");
        return estimate;
    }
    const double half = *t * s / std::abs(line.slope) * std::sqrt(d * d / line.sxx + (1 - g) / n);
    const double lower = line.meanX + (d - half) / (1 - g);
    const double upper = line.meanX + (d + half) / (1 - g);
    if (!allFinite({lower, upper})) {
        estimate.reason = QCoreApplication::translate("Indices", "the interval is out of range");
        return estimate;
    }
    estimate.lower = lower;
    estimate.upper = upper;
    return estimate;
}

IndexEstimate heartRateAtSpeed(const StraightLine &hrLine, const IndexEstimate &speed) {
    if (!speed.value || !speed.standardError)
        return unavailable(speed.steps, speed.reason);
    const double x = *speed.value;
    const double hr = hrLine.intercept + hrLine.slope * x;
    const double dx = x - hrLine.meanX;
    const double lineVariance = hrLine.residualVariance * (1.0 / hrLine.n + dx * dx / hrLine.sxx);
    const double se = std::sqrt(
        hrLine.slope * hrLine.slope * *speed.standardError * *speed.standardError + lineVariance);
    if (!allFinite({hr, se}) || !toInteger16(hr))
        return unavailable(
            speed.steps, QCoreApplication::translate("Indices", "the heart rate is out of range"));
    IndexEstimate estimate;
    estimate.steps = speed.steps;
    estimate.value = roundHalfEven(hr);
    estimate.standardError = se;
    if (!speed.bounded()) {
        estimate.unbounded = speed.unbounded;
        estimate.reason = speed.reason;
        return estimate;
    }
    const auto t = studentT975(hrLine.n - 2);
    if (!t)
        return estimate;
    estimate.lower = hr - *t * se;
    estimate.upper = hr + *t * se;
    return estimate;
}

TestIntervals testIntervals(const StepReadings &steps, int stepCount,
                            const std::vector<double> &extraLevels, bool hrOnly) {
    TestIntervals intervals;
    const int n = std::clamp(stepCount, 0, StepRows);
    std::array<double, StepRows> logLactate{};
    std::array<double, StepRows> hr{};
    bool lactateUsable = !hrOnly;
    bool hrUsable = true;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        logLactate[i] = steps.lactate[i] > 0 ? std::log(steps.lactate[i]) : NAN;
        lactateUsable = lactateUsable && std::isfinite(logLactate[i]);
        hrUsable = hrUsable && steps.strictHr[i].has_value();
        hr[i] = steps.strictHr[i].value_or(0);
    }
    QString lactateReason =
        hrOnly ? QCoreApplication::translate("Indices",
                                             "a heart-rate-only test has no lactate indices")
               : QCoreApplication::translate("Indices", "a lactate is not above 0");
    QString hrReason = QCoreApplication::translate("Indices", "a heart rate is not a number");
    std::optional<StraightLine> lactateLine;
    std::optional<StraightLine> hrLine;
    if (lactateUsable)
        lactateLine = lineOver(steps.x, logLactate, n, &lactateReason);
    if (hrUsable)
        hrLine = lineOver(steps.x, hr, n, &hrReason);

    const auto speedAt = [&](double lactate) {
        return lactateLine ? inversePrediction(*lactateLine, std::log(lactate))
                           : unavailable(n, lactateReason);
    };
    const auto hrAt = [&](const IndexEstimate &speed) {
        if (!hrLine)
            return unavailable(n, hrReason);
        return heartRateAtSpeed(*hrLine, speed);
    };
    intervals.v200 = hrLine ? inversePrediction(*hrLine, 200) : unavailable(n, hrReason);
    intervals.vla2 = speedAt(2);
    intervals.vla4 = speedAt(4);
    intervals.hr2 = hrAt(intervals.vla2);
    intervals.hr4 = hrAt(intervals.vla4);
    for (const double level : extraLevels) {
        LevelEstimates estimates;
        estimates.lactate = level;
        estimates.speed = level > 0 && std::isfinite(level)
                              ? speedAt(level)
                              : unavailable(n, QCoreApplication::translate(
                                                   "Indices", "the lactate level is not above 0"));
        estimates.hr = hrAt(estimates.speed);
        intervals.levels.push_back(estimates);
    }
    return intervals;
}

QString disciplineSpeedUnit(const QString &discipline) {
    if (discipline == u"Trav")
        return QCoreApplication::translate("Indices", "min/km");
    if (discipline == u"Endur")
        return QCoreApplication::translate("Indices", "km/h");
    if (discipline == u"Rid")
        return QCoreApplication::translate("Indices", "m/min");
    if (discipline == u"Galopp")
        return QCoreApplication::translate("Indices", "s/200 m");
    return QCoreApplication::translate("Indices", "m/s");
}

std::optional<QString> disciplineSpeedText(const QString &discipline, double speedMps) {
    const auto single = toSingle(speedMps);
    if (!single || !(*single > 0))
        return std::nullopt;
    if (disciplineSpeedUnit(discipline) == u"m/s")
        return writeNumber(roundHalfEven(speedMps, 2));
    return speedDisplayText(discipline, *single);
}

namespace {

std::optional<QString> speedText(const QString &discipline, double speedMps) {
    return disciplineSpeedText(discipline, speedMps);
}

bool paceUnit(const QString &discipline) {
    return discipline == u"Trav" || discipline == u"Galopp";
}

QString stepsText(int steps) {
    return QCoreApplication::translate("Indices", "%1 steps").arg(steps);
}

} // namespace

namespace {

QString unboundedText(const IndexEstimate &estimate, bool withReason) {
    if (!estimate.unbounded)
        return QCoreApplication::translate("Indices", "95 % CI not available: %1")
            .arg(estimate.reason);
    return withReason
               ? QCoreApplication::translate(
                     "Indices", "95 % CI unbounded: the slope is not clearly different from zero")
               : QCoreApplication::translate("Indices", "95 % CI unbounded");
}

} // namespace

QString speedIntervalText(const IndexEstimate &estimate, const QString &discipline,
                          bool withReason) {
    if (!estimate.bounded())
        return unboundedText(estimate, withReason);
    const auto upper = speedText(discipline, *estimate.upper);
    const auto lower = speedText(discipline, *estimate.lower);
    if (!upper)
        return QCoreApplication::translate("Indices",
                                           "95 % CI not available: it lies below zero speed");
    if (!lower)
        return paceUnit(discipline)
                   ? QCoreApplication::translate("Indices", "95 % CI %1 or slower").arg(*upper)
                   : QCoreApplication::translate("Indices", "95 % CI up to %1").arg(*upper);
    return QCoreApplication::translate("Indices", "95 % CI %1–%2")
        .arg(paceUnit(discipline) ? *upper : *lower, paceUnit(discipline) ? *lower : *upper);
}

QString hrIntervalText(const IndexEstimate &estimate, bool withReason) {
    if (!estimate.bounded())
        return unboundedText(estimate, withReason);
    return QCoreApplication::translate("Indices", "95 % CI %1–%2")
        .arg(writeNumber(roundHalfEven(*estimate.lower)),
             writeNumber(roundHalfEven(*estimate.upper)));
}

namespace {

std::optional<QString> speedValueText(const IndexEstimate &estimate, const QString &discipline) {
    const auto value = estimate.value ? speedText(discipline, *estimate.value) : std::nullopt;
    if (!value)
        return std::nullopt;
    return *value + u' ' + disciplineSpeedUnit(discipline);
}

QString notAvailable(const QString &name, const IndexEstimate &estimate) {
    return QCoreApplication::translate("Indices", "%1 not available: %2")
        .arg(name, estimate.reason.isEmpty()
                       ? QCoreApplication::translate("Indices", "no positive speed")
                       : estimate.reason);
}

} // namespace

QString speedEstimateText(const QString &name, const IndexEstimate &estimate,
                          const QString &discipline) {
    const auto value = speedValueText(estimate, discipline);
    if (!value)
        return notAvailable(name, estimate);
    return QStringLiteral("%1 %2, %3, %4")
        .arg(name, *value, speedIntervalText(estimate, discipline, true),
             stepsText(estimate.steps));
}

QString heartRateEstimateText(const QString &name, const IndexEstimate &estimate) {
    if (!estimate.value)
        return notAvailable(name, estimate);
    return QStringLiteral("%1 %2 b/min, %3, %4")
        .arg(name, writeNumber(*estimate.value), hrIntervalText(estimate, true),
             stepsText(estimate.steps));
}

QStringList intervalStatusParts(const TestIntervals &intervals, const QString &discipline) {
    QStringList parts;
    const auto speed = [&](const QString &name, const IndexEstimate &estimate) {
        if (const auto value = speedValueText(estimate, discipline))
            parts << QStringLiteral("%1 %2 (%3)")
                         .arg(name, *value, speedIntervalText(estimate, discipline, false));
    };
    const auto hr = [&](const QString &name, const IndexEstimate &estimate) {
        if (estimate.value)
            parts << QStringLiteral("%1 %2 b/min (%3)")
                         .arg(name, writeNumber(*estimate.value), hrIntervalText(estimate, false));
    };
    speed(QStringLiteral("VLa2"), intervals.vla2);
    speed(QStringLiteral("VLa4"), intervals.vla4);
    speed(QStringLiteral("V200"), intervals.v200);
    for (const LevelEstimates &level : intervals.levels) {
        speed(levelName(u"VLa", level.lactate), level.speed);
        hr(levelName(u"Hr", level.lactate), level.hr);
    }
    return parts;
}

QString levelName(QStringView prefix, double lactate) {
    return prefix.toString() + writeNumber(lactate);
}

std::optional<double> changeZ(const IndexEstimate &compared, const IndexEstimate &reference) {
    if (!compared.value || !reference.value || !compared.standardError || !reference.standardError)
        return std::nullopt;
    const double spread = std::sqrt(*compared.standardError * *compared.standardError +
                                    *reference.standardError * *reference.standardError);
    const double z = (*compared.value - *reference.value) / spread;
    if (!(spread > 0) || !std::isfinite(z))
        return std::nullopt;
    return z;
}

bool withinUncertainty(const IndexEstimate &compared, const IndexEstimate &reference) {
    const auto z = changeZ(compared, reference);
    return z && std::abs(*z) < 1.96;
}

UncertainPercentCells uncertainPercentCells(std::span<const TestIntervals> tests, int curveSlot) {
    UncertainPercentCells cells;
    if (tests.empty())
        return cells;
    const TestIntervals &reference = tests.front();
    const int last = std::min({curveSlot, int(tests.size()), UncertainPercentCells::Rows + 1});
    for (int test = 2; test <= last; ++test) {
        const TestIntervals &compared = tests[std::size_t(test - 1)];
        const auto j = std::size_t(test - 2);
        cells.v200P[j] = withinUncertainty(compared.v200, reference.v200);
        cells.vla2P[j] = withinUncertainty(compared.vla2, reference.vla2);
        cells.vla4P[j] = withinUncertainty(compared.vla4, reference.vla4);
        cells.hr2P[j] = withinUncertainty(compared.hr2, reference.hr2);
        cells.hf4P[j] = withinUncertainty(compared.hr4, reference.hr4);
    }
    return cells;
}

} // namespace kavren
