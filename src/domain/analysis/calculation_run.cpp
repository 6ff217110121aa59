#include "domain/analysis/calculation_run.h"

#include "domain/analysis/common_scale_plot.h"
#include "domain/analysis/field_reading.h"
#include "domain/analysis/index_run.h"
#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

constexpr std::int16_t FullStoreSlot = FrozenCurves::Slots; // the slot the store does not have

bool isRecovery(const CurrentTest &test) {
    return test.speedUnit == SpeedUnit::RecoveryTime;
}

AxisRangeRequest singleTestRequest(const StepReadings &steps, const CurrentTest &test,
                                   bool forceHighHr) {
    AxisRangeRequest request;
    request.recovery = isRecovery(test);
    request.firstHr = steps.hr[0];
    if (isFittableStepCount(test.stepCount)) {
        request.lastLactate = steps.lactate[std::size_t(test.stepCount - 1)];
        request.lastHr = steps.hr[std::size_t(test.stepCount - 1)];
    }
    if (forceHighHr)
        request.lastHr = 240;
    return request;
}

void addMeasuredPoints(const StepReadings &steps, int n, bool lactateShown, const GraphScale &scale,
                       PlotItems &items) {
    for (std::size_t i = 0; lactateShown && i < std::size_t(n); ++i)
        items.marks.push_back({QPointF(scale.xOf(steps.x[i]), scale.yOfLactate(steps.lactate[i])),
                               MarkStyle::LactatePoint});
    for (std::size_t i = 0; i < std::size_t(n); ++i)
        if (steps.strictHr[i])
            items.marks.push_back({QPointF(scale.xOf(steps.x[i]), scale.yOfHr(*steps.strictHr[i])),
                                   MarkStyle::HrPoint});
}

CursorPoints cursorPoints(const StepReadings &steps) {
    CursorPoints points;
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = {steps.x[i], steps.strictHr[i], steps.strictLactate[i]};
    return points;
}

FittedCurves fittedCurves(double firstX, double lastX, const CurveFitDouble &fit,
                          bool lactateShown) {
    FittedCurves fitted;
    fitted.firstX = firstX;
    fitted.lastX = lastX;
    fitted.lactateIntercept = fit.lactateIntercept;
    fitted.lactateSlope = fit.lactateSlope;
    fitted.hrIntercept = fit.hrIntercept;
    fitted.hrSlope = fit.hrSlope;
    fitted.lactateShown = lactateShown;
    return fitted;
}

// The run's one axis choice for a frame: the ranges go into the scale, the axes into the result.
GraphAxes chooseAxes(const AxisRangeChoice &choose, const AxisRangeRequest &request,
                     GraphScale &scale) {
    const GraphAxes axes = choose ? choose(request, scale) : chooseGraphAxisRanges(request, scale);
    axes.applyTo(scale);
    return axes;
}

void storeFrozenCurve(const StepReadings &steps, const CurrentTest &test, FrozenCurve &curve) {
    if (const auto x = toSingle(steps.x[0]))
        curve.firstX = *x;
    curve.lastX = test.lastStepX;
    for (std::size_t i = 0; i < std::size_t(StepRows); ++i) {
        if (const auto lactate = toSingle(steps.lactate[i]))
            curve.lactate[i] = *lactate;
        if (const auto hr = toInteger16(steps.hr[i]))
            curve.hr[i] = *hr;
        if (const auto x = toSingle(steps.x[i]))
            curve.x[i] = *x;
    }
    curve.fit = test.fit;
    curve.stepCount = test.stepCount;
    if (const auto axisMax = toInteger16(test.scale.lactateAxisMax))
        curve.lactateAxisMax = *axisMax;
}

// checkmaxlakt, the common frame's bookkeeping and ranges, and the redraw of every kept curve.
void redrawOnCommonScale(const CalculationInputs &inputs, const StepTexts &lactateTexts,
                         const StepReadings &steps, const AxisRangeChoice &chooseRanges,
                         CurrentTest &test, AnalysisState &state, CalculationResult &result) {
    result.commonRedraw = true;
    if (const auto axisMax = commonLactateAxisMax(state.frozenCurves, test.curveSlot))
        test.scale.lactateAxisMax = *axisMax;
    if (inputs.freezeChecked && test.curveSlot == FullStoreSlot) {
        test.curveSlot = 0;
        return;
    }
    // The common frame counts the steps again, with x from the converted speeds in every mode.
    const StepReadings frameSteps = readSteps(inputs.speedMs, lactateTexts, inputs.hr);
    determineStepCount(frameSteps, test.stepCount, test.lastStepX);
    AxisRangeRequest request;
    request.variant = AxisRangeRequest::Variant::CommonScale;
    request.recovery = isRecovery(test);
    request.firstHr = steps.hr[0];
    result.commonAxes = chooseAxes(chooseRanges, request, test.scale);
    result.commonFrame = true;
    result.commonScale = test.scale;
    CommonScaleInputs common;
    common.curveSlot = test.curveSlot;
    common.lakt1Text = lactateTexts[0];
    common.firstX = steps.x[0];
    result.commonPlot = plotOnCommonScale(state.frozenCurves, common, test.scale, test.stepCount,
                                          state.pointTable, state.currentLactate);
}

// Freeze guard and the preparations before the first graph output; false when the run ends here.
bool startRun(const CalculationInputs &inputs, CurrentTest &test, StepTexts &lactateTexts,
              CalculationResult &result) {
    if (inputs.freezeChecked && test.curveSlot == FullStoreSlot) {
        test.curveSlot = 0;
        result.endedByFreezeGuard = true;
        return false;
    }
    if (!inputs.freezeChecked)
        test.curveSlot = 1;
    if (test.hrOnly) {
        lactateTexts.fill(kHeartRateOnlyLactateText);
        result.writeHrOnlyLactates = true;
    }
    result.clearGraph = !inputs.freezeChecked;
    return true;
}

} // namespace

GraphAxes chooseGraphAxisRanges(const AxisRangeRequest &request, const GraphScale &scale) {
    if (request.variant == AxisRangeRequest::Variant::CommonScale)
        return chooseCommonScaleAxes(scale, request.recovery, request.firstHr);
    AxisChoiceInput input;
    input.recovery = request.recovery;
    input.lastLactate = request.lastLactate;
    input.lastHr = request.lastHr; // already 240 when the full axis is forced
    input.firstHr = request.firstHr;
    return chooseSingleTestAxes(scale, input);
}

CalculationResult runCalculation(const CalculationInputs &inputs,
                                 const AxisRangeChoice &chooseRanges, CurrentTest &test,
                                 AnalysisState &state) {
    CalculationResult result;
    StepTexts lactateTexts = inputs.lactate;
    if (!startRun(inputs, test, lactateTexts, result))
        return result;

    StepTexts hrTexts = inputs.hr;
    if (inputs.linkFirstRun && !isRecovery(test)) {
        hrTexts[0] = QStringLiteral("120");
        result.puls1Text = hrTexts[0];
    }
    const StepReadings steps =
        readSteps(isRecovery(test) ? inputs.speedText : inputs.speedMs, lactateTexts, hrTexts);
    determineStepCount(steps, test.stepCount, test.lastStepX);
    result.readings = steps;

    const bool forceHighHr = !isRecovery(test) && (test.importedFromFile || inputs.linkFirstRun);
    result.linkActiveCleared = forceHighHr;
    result.frameAxes =
        chooseAxes(chooseRanges, singleTestRequest(steps, test, forceHighHr), test.scale);
    result.frameScale = test.scale;

    const bool lactateShown = !isHrOnlySentinel(lactateTexts[0]);
    if (isFittableStepCount(test.stepCount)) {
        test.fitDouble = fitCurves(steps, test.stepCount, test.fitDouble);
        addMeasuredPoints(steps, test.stepCount, lactateShown, test.scale, result.plot);
        storeCursorPositions(cursorPoints(steps), test.comparedCount, test.scale, state.pointTable);
        test.fit = toSingleFit(test.fitDouble, test.fit);
    }
    addFittedCurves(fittedCurves(steps.x[0], test.lastStepX, test.fitDouble, lactateShown),
                    test.scale, result.plot, state.currentLactate);

    if (inputs.freezeChecked)
        ++test.curveSlot;
    if (test.curveSlot >= 1 && test.curveSlot <= FrozenCurves::LastSlot)
        storeFrozenCurve(steps, test, state.frozenCurves.curves[std::size_t(test.curveSlot)]);
    if (test.curveSlot > 1)
        redrawOnCommonScale(inputs, lactateTexts, steps, chooseRanges, test, state, result);

    if (test.scale.lactateScale != 0)
        if (const auto maximum = toInteger16(120.0 / double(test.scale.lactateScale)))
            result.slider2Maximum = *maximum;
    IndexRunInputs indexInputs;
    indexInputs.freezeChecked = inputs.freezeChecked;
    indexInputs.lakt1Text = lactateTexts[0];
    result.fit = fitOutcome(steps, inputs.speedText, test.stepCount, lactateShown);
    indexInputs.fit = result.fit;
    indexInputs.calculatedAt = inputs.calculatedAt;
    result.indexNotes = runIndexRun(indexInputs, test, state.comparison);
    if (!isRecovery(test) && result.fit.steps == FitOutcome::Steps::Found) {
        result.intervals = testIntervals(steps, test.stepCount, inputs.extraLevels, !lactateShown);
        writeRowIntervals(result.intervals, test.discipline, test.comparedCount - 1,
                          state.comparison);
    }
    return result;
}

void freezeCurveClicked(CurrentTest &test, PointTable &pointTable) {
    test.comparedCount = 0;
    test.curveSlot = 0;
    pointTable.clearSlots(0, 5);
}

} // namespace kavren
