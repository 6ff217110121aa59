// The axes a calculation run chooses are the axes drawn: the frame is drawn from the returned
// value (not chosen again), and the choice is made once per frame and stored in the test's scale.
#include "domain/analysis/calculation_run.h"
#include "domain/drawing/curve_plot.h"
#include "support/recording_surface.h"
#include "support/step_texts.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

using testing::stepTexts;

class ChosenAxes : public ::testing::Test {
protected:
    ChosenAxes() {
        test.discipline = QStringLiteral("Trav");
        test.speedUnit = SpeedUnit::MinPerKm;
        inputs.speedMs = stepTexts({"5", "6", "7", "8"});
        inputs.lactate = stepTexts({"1.0", "1.5", "2.5", "5.0"});
        inputs.hr = stepTexts({"150", "165", "180", "195"});
    }

    const SurfaceStep *text(const char *t) const {
        return surface.findText(QString::fromLatin1(t));
    }

    CurrentTest test;
    AnalysisState state;
    CalculationInputs inputs;
    RecordingSurface surface;
};

TEST_F(ChosenAxes, TheRunReturnsTheRangesTicksAndLabelsItStoredInTheScale) {
    const CalculationResult result = runCalculation(inputs, chooseGraphAxisRanges, test, state);
    // Last lactate 5.0 ≤ 6: the 6 mmol/l axis at 2 units per mmol/l, labels 1…6 at 15.2 and
    // 2·v + 0.3. Last heart rate 195 > 185 with puls1 150 > 119: the 120…240 axis (base 120,
    // 0.1 per b/min), labels 120, 130, … 240 at rows 0…12, their tops 0.3 above.
    const GraphAxes &axes = result.frameAxes;
    EXPECT_EQ(axes.lactate.axisMax, 6.0f);
    ASSERT_EQ(axes.lactateLabels.size(), 6u);
    EXPECT_EQ(axes.lactateLabels.back().text, u" 6 "_qs);
    EXPECT_EQ(axes.lactateLabels.back().at, QPointF(15.2, 12.3));
    ASSERT_EQ(axes.hrLabels.size(), 13u);
    EXPECT_EQ(axes.hrLabels.front().text, u" 120 "_qs);
    EXPECT_EQ(axes.hrLabels.back().text, u" 240 "_qs);
    EXPECT_EQ(axes.hrLabels.back().at, QPointF(3.2, 12.3));
    EXPECT_EQ(axes.ticks.size(), 10u); // 5…14 m/s
    EXPECT_EQ(result.frameScale.hrBase, 120);
    EXPECT_EQ(result.frameScale.hrScale, 0.1f);
    EXPECT_EQ(result.frameScale.lactateScale, 2.0f);
    EXPECT_EQ(test.scale.hrBase, result.frameScale.hrBase);
}

TEST_F(ChosenAxes, TheFrameIsDrawnFromTheReturnedAxesNotChosenAgain) {
    CalculationResult result = runCalculation(inputs, chooseGraphAxisRanges, test, state);
    // Axes that the run's own deciding values (lactate 5.0, heart rate 195) would never give:
    // lactate 20 > 12 gives the 24 mmol/l axis (labels 2…24, 24 at 24·0.5 + 0.3 = 12.3); heart
    // rate 130 ≤ 135 the 75…135 axis (135 at row 12, its top 0.5 above).
    result.frameAxes = chooseGraphAxes(false, 20, 130, 150);
    drawCalculationRun(surface, StyleSettings{}, result);
    ASSERT_NE(text("24"), nullptr);
    EXPECT_EQ(text("24")->a, QPointF(15.2, 12.3));
    ASSERT_NE(text("135"), nullptr);
    EXPECT_EQ(text("135")->a, QPointF(3.2, 12.5));
    EXPECT_EQ(text("240"), nullptr); // a frame chosen again would end at 240 b/min
    EXPECT_EQ(text("5"), nullptr);   // … and label every mmol/l up to 6
}

TEST_F(ChosenAxes, TheCommonFrameIsDrawnFromTheReturnedAxes) {
    inputs.freezeChecked = true;
    freezeCurveClicked(test, state.pointTable);
    runCalculation(inputs, chooseGraphAxisRanges, test, state);
    CalculationResult result = runCalculation(inputs, chooseGraphAxisRanges, test, state);
    ASSERT_TRUE(result.commonFrame);
    EXPECT_EQ(result.commonAxes.hr.base, 120); // the tops 240 and puls1 150 as in the run
    // A recovery frame instead: minutes 2…32 under the x axis, 33 ticks (three per minute unit).
    result.commonAxes = chooseGraphAxes(true, 6, 240, 150);
    drawCalculationRun(surface, StyleSettings{}, result);
    const std::vector<SurfaceStep> &steps = surface.steps();
    std::size_t lastClear = 0;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i].kind == SurfaceStep::Kind::Clear)
            lastClear = i;
    bool timeTitle = false, speedTitle = false;
    for (std::size_t i = lastClear; i < steps.size(); ++i) {
        timeTitle = timeTitle || steps[i].text == u"Time (minutes)"_qs;
        speedTitle = speedTitle || steps[i].text == u"Speed (meter/minute)"_qs;
    }
    EXPECT_TRUE(timeTitle);
    EXPECT_FALSE(speedTitle);
}

TEST_F(ChosenAxes, ASubstitutedChoiceIsAskedOncePerFrameAndItsRangesMapThePoints) {
    int calls = 0;
    const AxisRangeChoice choice = [&](const AxisRangeRequest &, const GraphScale &) {
        ++calls;
        return chooseGraphAxes(false, 20, 240, 100); // 24 mmol/l; puls1 100 ≤ 119: 60…240
    };
    const CalculationResult result = runCalculation(inputs, choice, test, state);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(test.scale.lactateScale, 0.5f);
    EXPECT_EQ(test.scale.hrBase, 60);
    // The first lactate point 1.0 at 1.0·0.5 = 0.5; the first heart rate 150 at (150 − 60)/15 = 6
    // (in single precision 1/15 is a little above, hence the tolerance).
    ASSERT_GE(result.plot.marks.size(), 5u);
    EXPECT_EQ(result.plot.marks[0].centre, QPointF(5, 0.5));
    EXPECT_NEAR(result.plot.marks[4].centre.y(), 6.0, 1e-6);

    // Two kept curves: one choice for the test's frame and one for the common frame.
    inputs.freezeChecked = true;
    freezeCurveClicked(test, state.pointTable);
    runCalculation(inputs, choice, test, state);
    calls = 0;
    runCalculation(inputs, choice, test, state);
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace kavren
