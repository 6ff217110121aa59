// Which indices are read off the lines beyond the measured steps: above, below and inside the
// measured lactates and heart rates, the edges themselves, heart-rate-only tests and fits that
// were not made from the steps.
#include "domain/analysis/extrapolation.h"

#include "support/qt_printers.h"
#include "support/step_texts.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

using testing::stepTexts;

const StepTexts FiveSpeeds = stepTexts({"5", "6", "7", "8", "9"});

ExtrapolationMarks marksOf(StepTexts lactate, StepTexts hr, int n = 5, bool lactateShown = true,
                           StepTexts x = FiveSpeeds) {
    return extrapolationMarks(readSteps(x, lactate, hr), n, lactateShown);
}

TEST(Extrapolation, LevelsAboveTheMeasuredValues) {
    // The horse's fastest step stayed under 4 mmol/l and under 200 b/min.
    const ExtrapolationMarks m = marksOf(stepTexts({"1.0", "1.4", "1.9", "2.5", "3.1"}),
                                         stepTexts({"140", "152", "165", "176", "187"}));
    EXPECT_TRUE(m.vla4.assessed && m.vla4.extrapolated());
    EXPECT_EQ(m.vla4.toolTip(),
              "extrapolated: 4 mmol/l lies above the highest measured lactate (3.1 mmol/l)");
    EXPECT_TRUE(m.hr4.extrapolated());
    EXPECT_EQ(m.hr4.toolTip(), m.vla4.toolTip());
    EXPECT_TRUE(m.vla2.assessed);
    EXPECT_FALSE(m.vla2.extrapolated());
    EXPECT_TRUE(m.vla2.toolTip().isEmpty());
    EXPECT_FALSE(m.hr2.extrapolated());
    EXPECT_TRUE(m.v200.extrapolated());
    EXPECT_EQ(m.v200.toolTip(),
              "extrapolated: 200 b/min lies above the highest measured heart rate (187 b/min)");
}

TEST(Extrapolation, LevelsBelowTheMeasuredValues) {
    // A test started too fast: the first step is already over 2 mmol/l and 200 b/min. The steps
    // are out of order on purpose, the range is the lowest and highest value, not first and last.
    const ExtrapolationMarks m = marksOf(stepTexts({"3.0", "2.3", "4.4", "6.2", "9.5"}),
                                         stepTexts({"212", "205", "219", "224", "231"}));
    EXPECT_TRUE(m.vla2.extrapolated());
    EXPECT_EQ(m.vla2.toolTip(),
              "extrapolated: 2 mmol/l lies below the lowest measured lactate (2.3 mmol/l)");
    EXPECT_TRUE(m.hr2.extrapolated());
    EXPECT_FALSE(m.vla4.extrapolated());
    EXPECT_FALSE(m.hr4.extrapolated());
    EXPECT_EQ(m.v200.toolTip(),
              "extrapolated: 200 b/min lies below the lowest measured heart rate (205 b/min)");
}

TEST(Extrapolation, LevelsOnTheEdgeOfTheMeasuredRangeAreMeasured) {
    // Exactly 2 and 4 mmol/l and exactly 200 b/min were measured: nothing is extrapolated.
    const ExtrapolationMarks m = marksOf(stepTexts({"2", "2.6", "3.0", "3.5", "4"}),
                                         stepTexts({"160", "170", "180", "190", "200"}));
    for (const IndexMark *mark : {&m.v200, &m.vla2, &m.vla4, &m.hr2, &m.hr4}) {
        EXPECT_TRUE(mark->assessed);
        EXPECT_FALSE(mark->extrapolated()) << mark->toolTip().toStdString();
    }
    // Just past the edge is outside: 199.9 b/min at the fastest step.
    EXPECT_TRUE(marksOf(stepTexts({"2", "2.6", "3.0", "3.5", "4"}),
                        stepTexts({"160", "170", "180", "190", "199.9"}))
                    .v200.extrapolated());
}

TEST(Extrapolation, HeartRateOnlyTestHasOnlyV200) {
    const ExtrapolationMarks m = marksOf(stepTexts({"0.1", "0.1", "0.1", "0.1", "0.1"}),
                                         stepTexts({"150", "160", "170", "180", "190"}), 5, false);
    EXPECT_TRUE(m.v200.assessed && m.v200.extrapolated());
    for (const IndexMark *mark : {&m.vla2, &m.vla4, &m.hr2, &m.hr4})
        EXPECT_FALSE(mark->assessed);
}

TEST(Extrapolation, OnlyTheFittedStepsCount) {
    // Step 6 reached 4.5 mmol/l and 205 b/min, but the fit used five steps.
    const ExtrapolationMarks m = marksOf(stepTexts({"1.0", "1.4", "1.9", "2.5", "3.1", "4.5"}),
                                         stepTexts({"140", "152", "165", "176", "187", "205"}), 5,
                                         true, stepTexts({"5", "6", "7", "8", "9", "10"}));
    EXPECT_TRUE(m.vla4.extrapolated());
    EXPECT_TRUE(m.v200.extrapolated());
}

TEST(Extrapolation, NothingIsSaidWhereTheLineWasNotFittedFromTheSteps) {
    const StepTexts lactate = stepTexts({"1.0", "1.4", "1.9", "2.5", "3.1"});
    const StepTexts hr = stepTexts({"140", "152", "165", "176", "187"});
    // A lactate of 0 leaves a flat curve; the heart-rate line still stands.
    const ExtrapolationMarks noLactate = marksOf(stepTexts({"1.0", "0", "1.9", "2.5", "3.1"}), hr);
    EXPECT_FALSE(noLactate.vla4.assessed || noLactate.hr4.assessed || noLactate.vla2.assessed);
    EXPECT_TRUE(noLactate.v200.assessed);
    // A heart rate that fails the strict reading leaves a line at 0 b/min.
    EXPECT_FALSE(marksOf(lactate, stepTexts({"140", "", "165", "176", "187"})).v200.assessed);
    // One speed for all steps: the slopes were kept from an earlier fit.
    const ExtrapolationMarks oneSpeed =
        marksOf(lactate, hr, 5, true, stepTexts({"7", "7", "7", "7", "7"}));
    EXPECT_FALSE(oneSpeed.v200.assessed || oneSpeed.vla4.assessed);
    // No fit at all.
    EXPECT_FALSE(marksOf(lactate, hr, 2).v200.assessed);
}

} // namespace
} // namespace kavren
