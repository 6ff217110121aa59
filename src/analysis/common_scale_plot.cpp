#include "analysis/common_scale_plot.h"

#include "analysis/curve_fitting.h"
#include "analysis/field_reading.h"
#include "exercise/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// A kept three- to five-step test counts as heart-rate-only by its own first lactate.
bool keptLactateShown(const FrozenCurve &curve, bool currentHrOnly) {
    if (curve.stepCount == StepRows)
        return !currentHrOnly;
    return curve.lactate[0] != 0.1f;
}

void addPoints(const FrozenCurve &curve, const CommonScaleInputs &inputs, bool currentHrOnly,
               const GraphScale &scale, PlotItems &items) {
    const int n = curve.stepCount;
    if (keptLactateShown(curve, currentHrOnly)) {
        if (n == StepRows)
            items.marks.push_back({QPointF(scale.xOffset + inputs.firstX,
                                           readNumber(inputs.lakt1Text) * scale.lactateScale),
                                   MarkStyle::KeptExtraLactateMark});
        for (std::size_t i = 0; i < std::size_t(n); ++i)
            items.marks.push_back({QPointF(graphX(scale, curve.x[i]),
                                           double(curve.lactate[i]) * scale.lactateScale),
                                   MarkStyle::KeptLactatePoint});
    }
    for (std::size_t i = 0; i < std::size_t(n); ++i)
        items.marks.push_back({QPointF(graphX(scale, curve.x[i]),
                                       (double(curve.hr[i]) - scale.hrBase) * scale.hrScale),
                               MarkStyle::KeptHrPoint});
}

void storeCursorPositions(const FrozenCurve &curve, int slot, const GraphScale &scale,
                          PointTable &pointTable) {
    for (int i = 0; i < PointTable::Points; ++i) {
        const auto column = toInteger16(intFloor(graphX(scale, curve.x[std::size_t(i)]) * 10));
        const auto row = toInteger16(double(curve.lactate[std::size_t(i)]) * 10 * scale.lactateScale);
        if (column && row)
            pointTable.at(slot - 1, PointSeries::Lactate, i) = {*column, *row};
    }
}

// The curves of one slot; false when a lactate sample failed and the redraw must end.
bool addCurves(const FrozenCurve &curve, int slot, bool lactateCurve, const GraphScale &scale,
               PlotItems &items, float &currentLactate) {
    const double a = curve.fit.lactateIntercept, b = curve.fit.lactateSlope;
    const double c = curve.fit.hrIntercept, d = curve.fit.hrSlope;
    PlotCurve hrLine;
    hrLine.colour = slot == 1 ? CurveColour::HeartRate : CurveColour::HeartRateOthers;
    forEachVisibleSample(curve.firstX, curve.lastX, CurvePieceWidth, scale.xOffset, scale.xDivisor,
                         [&](double x) {
                             hrLine.pieceStarts.emplace_back(graphX(scale, x),
                                                             (c + d * x - scale.hrBase) * scale.hrScale);
                         });
    items.curves.push_back(std::move(hrLine));
    if (!lactateCurve)
        return true;
    PlotCurve lactate;
    lactate.colour = slot == 1 ? CurveColour::Lactate : CurveColour::LactateOthers;
    bool failed = false;
    forEachVisibleSample(curve.firstX, curve.lastX, CurvePieceWidth, scale.xOffset, scale.xDivisor,
                         [&](double x) {
                             if (failed)
                                 return;
                             const auto value = toSingle(std::exp(a + b * x));
                             if (!value || !std::isfinite(*value)) {
                                 failed = true;
                                 return;
                             }
                             currentLactate = *value;
                             lactate.pieceStarts.emplace_back(graphX(scale, x),
                                                              double(*value) * scale.lactateScale);
                         });
    items.curves.push_back(std::move(lactate));
    return !failed;
}

} // namespace

PlotItems plotOnCommonScale(const FrozenCurves &curves, const CommonScaleInputs &inputs,
                            const GraphScale &scale, std::int16_t &stepCount,
                            PointTable &pointTable, float &currentLactate) {
    PlotItems items;
    const bool currentHrOnly = isHrOnlySentinel(inputs.lakt1Text);
    const int last = std::min(inputs.curveSlot, FrozenCurves::LastSlot);
    for (int slot = 1; slot <= last; ++slot) {
        const FrozenCurve &curve = curves.curves[std::size_t(slot)];
        stepCount = curve.stepCount;
        if (isFittableStepCount(curve.stepCount)) {
            addPoints(curve, inputs, currentHrOnly, scale, items);
            storeCursorPositions(curve, slot, scale, pointTable);
        }
        const bool finished = addCurves(curve, slot, !currentHrOnly, scale, items, currentLactate);
        items.slotEnds.push_back({items.marks.size(), items.curves.size()});
        if (!finished)
            break;
    }
    return items;
}

} // namespace kavren
