#include "domain/analysis/extrapolation.h"

#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kavren {

namespace {

constexpr double V200Level = 200; // b/min
constexpr double Vla2Level = 2;   // mmol/l
constexpr double Vla4Level = 4;   // mmol/l

struct Range {
    double lowest = 0;
    double highest = 0;
};

// True when the first n x values are not all the same, so that the fit found its slopes.
bool slopesFitted(const StepReadings &steps, int n) {
    const auto first = steps.x.begin();
    const auto [low, high] = std::minmax_element(first, first + n);
    return *low != *high;
}

std::optional<Range> lactateRange(const StepReadings &steps, int n) {
    Range range{steps.lactate[0], steps.lactate[0]};
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        const double value = steps.lactate[i];
        if (!(value > 0) || !std::isfinite(value))
            return std::nullopt; // the lactate fit failed on this step
        range.lowest = std::min(range.lowest, value);
        range.highest = std::max(range.highest, value);
    }
    return range;
}

std::optional<Range> hrRange(const StepReadings &steps, int n) {
    if (!steps.strictHr[0])
        return std::nullopt;
    Range range{*steps.strictHr[0], *steps.strictHr[0]};
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        if (!steps.strictHr[i])
            return std::nullopt; // the heart-rate fit failed on this step
        range.lowest = std::min(range.lowest, *steps.strictHr[i]);
        range.highest = std::max(range.highest, *steps.strictHr[i]);
    }
    return range;
}

IndexMark markLevel(double level, const Range &range, IndexMark::Quantity quantity) {
    IndexMark mark;
    mark.assessed = true;
    mark.quantity = quantity;
    mark.level = level;
    if (level > range.highest) {
        mark.beyond = IndexMark::Beyond::Above;
        mark.measured = range.highest;
    } else if (level < range.lowest) {
        mark.beyond = IndexMark::Beyond::Below;
        mark.measured = range.lowest;
    }
    return mark;
}

} // namespace

QString IndexMark::toolTip() const {
    if (!extrapolated())
        return {};
    const bool hr = quantity == Quantity::HeartRate;
    // Whole sentences, so that each language can word them its own way.
    static constexpr const char *Sentences[2][2] = {
        {QT_TRANSLATE_NOOP(
             "Extrapolation",
             "extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)"),
         QT_TRANSLATE_NOOP("Extrapolation", "extrapolated: %1 mmol/l lies above the highest "
                                            "measured lactate (%2 mmol/l)")},
        {QT_TRANSLATE_NOOP(
             "Extrapolation",
             "extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)"),
         QT_TRANSLATE_NOOP("Extrapolation", "extrapolated: %1 b/min lies above the highest "
                                            "measured heart rate (%2 b/min)")}};
    const bool above = beyond == Beyond::Above;
    return QCoreApplication::translate("Extrapolation", Sentences[hr ? 1 : 0][above ? 1 : 0])
        .arg(writeNumber(level), writeNumber(measured));
}

ExtrapolationMarks extrapolationMarks(const StepReadings &steps, int stepCount, bool lactateShown) {
    ExtrapolationMarks marks;
    if (!isFittableStepCount(stepCount) || !slopesFitted(steps, stepCount))
        return marks;
    if (const auto hr = hrRange(steps, stepCount))
        marks.v200 = markLevel(V200Level, *hr, IndexMark::Quantity::HeartRate);
    if (!lactateShown)
        return marks;
    if (const auto lactate = lactateRange(steps, stepCount)) {
        marks.vla2 = markLevel(Vla2Level, *lactate, IndexMark::Quantity::Lactate);
        marks.vla4 = markLevel(Vla4Level, *lactate, IndexMark::Quantity::Lactate);
        marks.hr2 = marks.vla2;
        marks.hr4 = marks.vla4;
    }
    return marks;
}

} // namespace kavren
