// The redraw of every kept curve on the common scale: points, curves and cursor positions.
#include "domain/analysis/common_scale_plot.h"

#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/field_reading.h"
#include "domain/exercise/exercise_step.h"
#include "domain/exercise/numeric_text.h"

#include <algorithm>

namespace kavren {

namespace {

// A kept three- to five-step test counts as heart-rate-only by its own first lactate.
bool keptLactateShown(const FrozenCurve &curve, bool currentHrOnly) {
    if (curve.stepCount == StepRows)
        return !currentHrOnly;
    return curve.lactate[0] != kHeartRateOnlyLactate;
}

void addPoints(const FrozenCurve &curve, const CommonScaleInputs &inputs, bool currentHrOnly,
               const GraphScale &scale, PlotItems &items) {
    const int n = curve.stepCount;
    if (keptLactateShown(curve, currentHrOnly)) {
        // The extra mark of the test on screen stands at XOffset plus its undivided x.
        if (n == StepRows)
            items.marks.push_back({QPointF(scale.xOffset + inputs.firstX,
                                           scale.yOfLactate(readNumber(inputs.lakt1Text))),
                                   MarkStyle::KeptExtraLactateMark});
        for (std::size_t i = 0; i < std::size_t(n); ++i)
            items.marks.push_back(
                {QPointF(scale.xOf(curve.x[i]), scale.yOfLactate(curve.lactate[i])),
                 MarkStyle::KeptLactatePoint});
    }
    for (std::size_t i = 0; i < std::size_t(n); ++i)
        items.marks.push_back(
            {QPointF(scale.xOf(curve.x[i]), scale.yOfHr(curve.hr[i])), MarkStyle::KeptHrPoint});
}

// The lactate positions of a kept test follow the common scale; its heart-rate positions stay.
CursorPoints cursorPoints(const FrozenCurve &curve) {
    CursorPoints points;
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = {curve.x[i], std::nullopt, curve.lactate[i]};
    return points;
}

FittedCurves fittedCurves(const FrozenCurve &curve, int slot, bool lactateCurve) {
    FittedCurves fitted;
    fitted.role = FittedCurves::Role::Kept;
    fitted.firstX = curve.firstX;
    fitted.lastX = curve.lastX;
    fitted.lactateIntercept = curve.fit.lactateIntercept;
    fitted.lactateSlope = curve.fit.lactateSlope;
    fitted.hrIntercept = curve.fit.hrIntercept;
    fitted.hrSlope = curve.fit.hrSlope;
    fitted.lactateShown = lactateCurve;
    fitted.hrColour = slot == 1 ? CurveColour::HeartRate : CurveColour::HeartRateOthers;
    fitted.lactateColour = slot == 1 ? CurveColour::Lactate : CurveColour::LactateOthers;
    return fitted;
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
            storeCursorPositions(cursorPoints(curve), slot - 1, scale, pointTable);
        }
        const FittedCurves fitted = fittedCurves(curve, slot, !currentHrOnly);
        const bool finished = addFittedCurves(fitted, scale, items, currentLactate);
        items.slotEnds.push_back({items.marks.size(), items.curves.size()});
        if (!finished)
            break;
    }
    return items;
}

} // namespace kavren
