#include "domain/analysis/threshold_methods.h"

#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace kavren {

namespace {

MethodThreshold none(const QString &reason) {
    MethodThreshold threshold;
    threshold.reason = reason;
    return threshold;
}

MethodThreshold found(double speed, double lactate) {
    if (!std::isfinite(speed) || !std::isfinite(lactate))
        return none(QCoreApplication::translate("ThresholdMethods", "the result is out of range"));
    MethodThreshold threshold;
    threshold.speed = speed;
    threshold.lactate = lactate;
    return threshold;
}

// The steps both series have, when every value is finite (and above 0 where positive is asked).
std::optional<std::size_t> usableCount(std::span<const double> speed,
                                       std::span<const double> lactate, bool positive) {
    const std::size_t n = std::min(speed.size(), lactate.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(speed[i]) || !std::isfinite(lactate[i]))
            return std::nullopt;
        if (positive && (!(speed[i] > 0) || !(lactate[i] > 0)))
            return std::nullopt;
    }
    return n;
}

// Solves the 4×4 system a·c = b by Gaussian elimination with partial pivoting; false when singular.
bool solve4(std::array<std::array<double, 5>, 4> a, std::array<double, 4> &c) {
    for (std::size_t col = 0; col < 4; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < 4; ++row)
            if (std::abs(a[row][col]) > std::abs(a[pivot][col]))
                pivot = row;
        if (!(std::abs(a[pivot][col]) > 1e-12))
            return false;
        std::swap(a[col], a[pivot]);
        for (std::size_t row = col + 1; row < 4; ++row) {
            const double f = a[row][col] / a[col][col];
            for (std::size_t k = col; k < 5; ++k)
                a[row][k] -= f * a[col][k];
        }
    }
    for (std::size_t col = 4; col-- > 0;) {
        double sum = a[col][4];
        for (std::size_t k = col + 1; k < 4; ++k)
            sum -= a[col][k] * c[k];
        c[col] = sum / a[col][col];
    }
    return std::all_of(c.begin(), c.end(), [](double v) { return std::isfinite(v); });
}

double cubicAt(const std::array<double, 4> &c, double u) {
    return c[0] + u * (c[1] + u * (c[2] + u * c[3]));
}

struct Segment {
    double intercept = 0;
    double slope = 0;
    double residuals = 0;
};

std::optional<Segment> segmentLine(std::span<const double> x, std::span<const double> y) {
    double meanX = 0, meanY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        meanX += x[i];
        meanY += y[i];
    }
    meanX /= double(x.size());
    meanY /= double(x.size());
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (y[i] - meanY);
    }
    if (!(sxx > 0))
        return std::nullopt;
    Segment segment;
    segment.slope = sxy / sxx;
    segment.intercept = meanY - segment.slope * meanX;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double r = y[i] - (segment.intercept + segment.slope * x[i]);
        segment.residuals += r * r;
    }
    return segment;
}

} // namespace

MethodThreshold interpolatedSpeedAt(std::span<const double> speed, std::span<const double> lactate,
                                    double level) {
    const auto n = usableCount(speed, lactate, false);
    if (!n || *n < 2)
        return none(QCoreApplication::translate("ThresholdMethods", "fewer than two usable steps"));
    for (std::size_t i = 0; i < *n; ++i) {
        if (lactate[i] == level)
            return found(speed[i], level);
        if (i + 1 < *n && lactate[i] < level && level < lactate[i + 1]) {
            const double share = (level - lactate[i]) / (lactate[i + 1] - lactate[i]);
            return found(speed[i] + share * (speed[i + 1] - speed[i]), level);
        }
    }
    return none(QCoreApplication::translate("ThresholdMethods",
                                            "the measured lactate never rises through %1 mmol/l")
                    .arg(writeNumber(level)));
}

MethodThreshold dmaxThreshold(std::span<const double> speed, std::span<const double> lactate) {
    const auto n = usableCount(speed, lactate, false);
    if (!n || *n < 4)
        return none(QCoreApplication::translate("ThresholdMethods", "needs four steps"));
    const std::size_t last = *n - 1;
    // The polynomial is fitted in u = (x − centre) / half-range so the normal equations stay well
    // conditioned.
    const auto [low, high] = std::minmax_element(speed.begin(), speed.begin() + long(*n));
    const double centre = (*low + *high) / 2;
    const double halfRange = (*high - *low) / 2;
    if (!(halfRange > 0))
        return none(QCoreApplication::translate("ThresholdMethods", "all speeds are equal"));
    std::array<double, 7> powerSums{};
    std::array<double, 4> momentSums{};
    for (std::size_t i = 0; i < *n; ++i) {
        const double u = (speed[i] - centre) / halfRange;
        double p = 1;
        for (std::size_t k = 0; k < 7; ++k) {
            powerSums[k] += p;
            if (k < 4)
                momentSums[k] += p * lactate[i];
            p *= u;
        }
    }
    std::array<std::array<double, 5>, 4> system{};
    for (std::size_t row = 0; row < 4; ++row) {
        for (std::size_t col = 0; col < 4; ++col)
            system[row][col] = powerSums[row + col];
        system[row][4] = momentSums[row];
    }
    std::array<double, 4> c{};
    if (!solve4(system, c))
        return none(QCoreApplication::translate("ThresholdMethods",
                                                "the polynomial cannot be fitted to these speeds"));
    const double u0 = (speed[0] - centre) / halfRange;
    const double u1 = (speed[last] - centre) / halfRange;
    if (u0 == u1)
        return none(
            QCoreApplication::translate("ThresholdMethods", "the first and last speeds are equal"));
    const double chordSlope = (lactate[last] - lactate[0]) / (u1 - u0);
    // The distance to the chord is largest where the curve runs parallel to it:
    // 3·c3·u² + 2·c2·u + (c1 − chord slope) = 0.
    const double qa = 3 * c[3], qb = 2 * c[2], qc = c[1] - chordSlope;
    std::array<double, 2> roots{};
    std::size_t rootCount = 0;
    if (std::abs(qa) < 1e-12) {
        if (std::abs(qb) > 1e-12)
            roots[rootCount++] = -qc / qb;
    } else {
        const double discriminant = qb * qb - 4 * qa * qc;
        if (discriminant >= 0) {
            const double root = std::sqrt(discriminant);
            roots[rootCount++] = (-qb - root) / (2 * qa);
            roots[rootCount++] = (-qb + root) / (2 * qa);
        }
    }
    const double from = std::min(u0, u1), to = std::max(u0, u1);
    std::optional<double> best;
    double bestDistance = 0;
    for (std::size_t i = 0; i < rootCount; ++i) {
        const double u = roots[i];
        if (!(u > from && u < to))
            continue;
        const double distance = std::abs(cubicAt(c, u) - (lactate[0] + chordSlope * (u - u0)));
        if (!best || distance > bestDistance) {
            best = u;
            bestDistance = distance;
        }
    }
    if (!best)
        return none(QCoreApplication::translate(
            "ThresholdMethods",
            "the curve has no point farthest from the line between the first and "
            "last steps"));
    return found(centre + *best * halfRange, cubicAt(c, *best));
}

MethodThreshold logLogBreakpoint(std::span<const double> speed, std::span<const double> lactate) {
    const auto n = usableCount(speed, lactate, true);
    if (!n)
        return none(
            QCoreApplication::translate("ThresholdMethods", "a speed or lactate is not above 0"));
    if (*n < 4)
        return none(QCoreApplication::translate("ThresholdMethods", "needs four steps"));
    std::array<double, StepRows> logSpeed{};
    std::array<double, StepRows> logLactate{};
    const std::size_t count = std::min(*n, std::size_t(StepRows));
    for (std::size_t i = 0; i < count; ++i) {
        logSpeed[i] = std::log(speed[i]);
        logLactate[i] = std::log(lactate[i]);
    }
    const std::span<const double> x(logSpeed.data(), count);
    const std::span<const double> y(logLactate.data(), count);
    std::optional<std::pair<Segment, Segment>> best;
    for (std::size_t split = 2; split + 2 <= count; ++split) {
        const auto first = segmentLine(x.first(split), y.first(split));
        const auto second = segmentLine(x.subspan(split), y.subspan(split));
        if (!first || !second)
            continue;
        if (!best ||
            first->residuals + second->residuals < best->first.residuals + best->second.residuals)
            best = std::pair(*first, *second);
    }
    if (!best)
        return none(QCoreApplication::translate("ThresholdMethods",
                                                "no two runs of steps have different speeds"));
    const auto &[first, second] = *best;
    if (first.slope == second.slope)
        return none(QCoreApplication::translate("ThresholdMethods", "the two lines are parallel"));
    const double crossing = (second.intercept - first.intercept) / (first.slope - second.slope);
    const auto [low, high] = std::minmax_element(x.begin(), x.end());
    if (!(crossing >= *low && crossing <= *high))
        return none(QCoreApplication::translate("ThresholdMethods",
                                                "the two lines cross outside the measured speeds"));
    return found(std::exp(crossing), std::exp(first.intercept + first.slope * crossing));
}

ThresholdMethods thresholdMethods(const StepReadings &steps, int stepCount,
                                  const std::vector<double> &extraLevels) {
    ThresholdMethods methods;
    const auto n = std::size_t(std::clamp(stepCount, 0, StepRows));
    const std::span<const double> speed(steps.x.data(), n);
    const std::span<const double> lactate(steps.lactate.data(), n);
    const TestIntervals intervals = testIntervals(steps, stepCount, extraLevels);
    methods.vla2 = intervals.vla2;
    methods.vla4 = intervals.vla4;
    methods.v200 = intervals.v200;
    methods.levels = intervals.levels;
    methods.interpolated2 = interpolatedSpeedAt(speed, lactate, 2);
    methods.interpolated4 = interpolatedSpeedAt(speed, lactate, 4);
    methods.dmax = dmaxThreshold(speed, lactate);
    methods.logLog = logLogBreakpoint(speed, lactate);
    if (methods.vla4.value && methods.interpolated4.speed && *methods.vla4.value > 0 &&
        *methods.interpolated4.speed > 0) {
        const double slower = std::min(*methods.vla4.value, *methods.interpolated4.speed);
        const double faster = std::max(*methods.vla4.value, *methods.interpolated4.speed);
        methods.fourMmolDisagree = faster - slower > 0.05 * slower;
    }
    return methods;
}

namespace {

QString thresholdText(const MethodThreshold &threshold, const QString &discipline) {
    const auto speed =
        threshold.speed ? disciplineSpeedText(discipline, *threshold.speed) : std::nullopt;
    if (!speed)
        return QCoreApplication::translate("ThresholdMethods", "not available: %1")
            .arg(threshold.reason.isEmpty()
                     ? QCoreApplication::translate("ThresholdMethods", "no positive speed")
                     : threshold.reason);
    return QCoreApplication::translate("ThresholdMethods", "%1 %2 at %3 mmol/l")
        .arg(*speed, disciplineSpeedUnit(discipline),
             writeNumber(roundHalfEven(threshold.lactate.value_or(0), 2)));
}

} // namespace

QStringList thresholdMethodLines(const ThresholdMethods &methods, const QString &discipline) {
    QStringList lines;
    lines << QCoreApplication::translate("ThresholdMethods", "Exponential fit: %1")
                 .arg(speedEstimateText(QStringLiteral("VLa2"), methods.vla2, discipline))
          << QCoreApplication::translate("ThresholdMethods", "Exponential fit: %1")
                 .arg(speedEstimateText(QStringLiteral("VLa4"), methods.vla4, discipline))
          << QCoreApplication::translate("ThresholdMethods", "Heart-rate line: %1")
                 .arg(speedEstimateText(QStringLiteral("V200"), methods.v200, discipline));
    for (const LevelEstimates &level : methods.levels)
        lines << QCoreApplication::translate("ThresholdMethods", "Exponential fit: %1")
                     .arg(speedEstimateText(levelName(u"VLa", level.lactate), level.speed,
                                            discipline))
              << QCoreApplication::translate("ThresholdMethods", "Heart-rate line: %1")
                     .arg(heartRateEstimateText(levelName(u"Hr", level.lactate), level.hr));
    lines << QCoreApplication::translate("ThresholdMethods", "Linear interpolation, 2 mmol/l: %1")
                 .arg(thresholdText(methods.interpolated2, discipline))
          << QCoreApplication::translate("ThresholdMethods", "Linear interpolation, 4 mmol/l: %1")
                 .arg(thresholdText(methods.interpolated4, discipline))
          << QCoreApplication::translate("ThresholdMethods", "Dmax: %1")
                 .arg(thresholdText(methods.dmax, discipline))
          << QCoreApplication::translate("ThresholdMethods", "Log-log breakpoint: %1")
                 .arg(thresholdText(methods.logLog, discipline));
    if (methods.fourMmolDisagree)
        lines << QCoreApplication::translate(
            "ThresholdMethods", "The methods' 4 mmol/l speeds differ by more than 5 %");
    return lines;
}

PlotItems thresholdMethodMarks(const ThresholdMethods &methods, const GraphScale &scale) {
    PlotItems items;
    const auto mark = [&](std::optional<double> speed, double y) {
        const QPointF centre(speed ? scale.xOf(*speed) : NAN, y);
        if (std::isfinite(centre.x()) && std::isfinite(centre.y()))
            items.marks.push_back({centre, MarkStyle::KeptExtraLactateMark});
    };
    mark(methods.vla2.value, scale.yOfLactate(2));
    mark(methods.vla4.value, scale.yOfLactate(4));
    mark(methods.v200.value, scale.yOfHr(200));
    for (const MethodThreshold *threshold :
         {&methods.interpolated2, &methods.interpolated4, &methods.dmax, &methods.logLog})
        if (threshold->lactate)
            mark(threshold->speed, scale.yOfLactate(*threshold->lactate));
    return items;
}

} // namespace kavren
