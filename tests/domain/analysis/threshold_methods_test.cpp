// The threshold methods beside the exponential fit: linear interpolation worked by hand, Dmax and
// the log-log breakpoint against values numpy computed (tests/data/threshold_methods_expected.py,
// whose series an order-2 polynomial would put elsewhere), and their degenerate steps.
#include "domain/analysis/threshold_methods.h"

#include <gtest/gtest.h>

#include <vector>

namespace kavren {
namespace {

using Values = std::vector<double>;

struct Expected {
    const char *name;
    std::vector<double> speed, lactate;
    double dmaxSpeed, dmaxLactate, logLogSpeed, logLogLactate;
};

const Expected ExpectedSeries[] = {
#include "data/threshold_methods_expected.inc"
};

TEST(ThresholdMethods, DmaxAndLogLogBreakpointAgreeWithNumpy) {
    for (const Expected &e : ExpectedSeries) {
        SCOPED_TRACE(e.name);
        const MethodThreshold dmax = dmaxThreshold(e.speed, e.lactate);
        ASSERT_TRUE(dmax.speed && dmax.lactate) << dmax.reason.toStdString();
        EXPECT_NEAR(*dmax.speed, e.dmaxSpeed, 1e-6);
        EXPECT_NEAR(*dmax.lactate, e.dmaxLactate, 1e-6);
        const MethodThreshold logLog = logLogBreakpoint(e.speed, e.lactate);
        ASSERT_TRUE(logLog.speed && logLog.lactate) << logLog.reason.toStdString();
        EXPECT_NEAR(*logLog.speed, e.logLogSpeed, 1e-6);
        EXPECT_NEAR(*logLog.lactate, e.logLogLactate, 1e-6);
    }
}

TEST(ThresholdMethods, LinearInterpolationBetweenTheMeasuredSteps) {
    const std::vector<double> speed = {5, 6, 7, 8, 9, 10};
    // 2 mmol/l lies between 1.6 at 7 and 2.6 at 8: 7 + 0.4 / 1.0; 4 between 2.6 and 4.4 at 9:
    // 8 + 1.4 / 1.8.
    const std::vector<double> lactate = {0.9, 1.1, 1.6, 2.6, 4.4, 7.9};
    EXPECT_NEAR(*interpolatedSpeedAt(speed, lactate, 2).speed, 7.4, 1e-12);
    EXPECT_NEAR(*interpolatedSpeedAt(speed, lactate, 4).speed, 8 + 1.4 / 1.8, 1e-12);
    // A first step above the level and a dip: the first rise through 2 is between 1.7 and 3.1.
    EXPECT_NEAR(*interpolatedSpeedAt(speed, Values{2.5, 1.4, 1.5, 1.7, 3.1, 6.5}, 2).speed,
                8 + 0.3 / 1.4, 1e-12);
    EXPECT_EQ(*interpolatedSpeedAt(speed, Values{1.0, 1.1, 1.2, 1.4, 4.0, 5.0}, 4).speed, 9);
    const MethodThreshold never = interpolatedSpeedAt(speed, Values{1, 1.2, 1.4, 1.9, 2.5, 3.9}, 4);
    EXPECT_FALSE(never.speed);
    EXPECT_EQ(never.reason, "the measured lactate never rises through 4 mmol/l");
}

TEST(ThresholdMethods, StepsTheMethodsCannotUseGiveAReason) {
    const std::vector<double> three = {5, 6, 7};
    EXPECT_EQ(dmaxThreshold(three, Values{1, 2, 4}).reason, "needs four steps");
    EXPECT_EQ(logLogBreakpoint(three, Values{1, 2, 4}).reason, "needs four steps");
    EXPECT_FALSE(logLogBreakpoint(std::vector<double>{5, 6, 7, 8}, Values{1, 0, 2, 4}).speed);
    EXPECT_FALSE(dmaxThreshold(std::vector<double>{6, 6, 6, 6}, Values{1, 2, 3, 4}).speed);
    // A straight lactate line has no point away from its chord.
    EXPECT_FALSE(dmaxThreshold(std::vector<double>{5, 6, 7, 8}, Values{1, 2, 3, 4}).speed);
}

StepReadings readings(const std::vector<double> &lactate) {
    StepReadings steps;
    for (std::size_t i = 0; i < lactate.size(); ++i) {
        steps.x[i] = 5 + double(i);
        steps.lactate[i] = lactate[i];
        steps.hr[i] = 140 + 10 * double(i);
        steps.strictHr[i] = steps.hr[i];
    }
    return steps;
}

TEST(ThresholdMethods, FourMmolSpeedsThatDisagreeByMoreThanFivePerCent) {
    // The exponential fit puts 4 mmol/l at 8.762 m/s, the interpolation at 8.778: they agree.
    const ThresholdMethods close = thresholdMethods(readings({0.9, 1.1, 1.6, 2.6, 4.4, 7.9}), 6);
    EXPECT_FALSE(close.fourMmolDisagree);
    // 9.774 against 9.0 measured at the fifth step: 8.6 % apart.
    const ThresholdMethods apart = thresholdMethods(readings({1.0, 1.1, 1.2, 1.4, 4.0, 5.0}), 6);
    EXPECT_TRUE(apart.fourMmolDisagree);
    const QStringList lines = thresholdMethodLines(apart, QStringLiteral("Rid"));
    EXPECT_EQ(lines.last(), "The methods' 4 mmol/l speeds differ by more than 5 %");
    EXPECT_TRUE(lines.contains("Linear interpolation, 4 mmol/l: 540 m/min at 4 mmol/l"))
        << lines.join(u'\n').toStdString();
}

TEST(ThresholdMethods, MarksStandOnTheGraphScaleShown) {
    ThresholdMethods methods;
    methods.vla4.value = 6.0;
    methods.v200.value = 8.0;
    methods.dmax.speed = 7.0; // no lactate: no mark
    GraphScale scale;
    scale.xOffset = 0.5;
    scale.lactateScale = 1.5;
    scale.hrBase = 120;
    scale.hrScale = 0.1f;
    const PlotItems items = thresholdMethodMarks(methods, scale);
    ASSERT_EQ(items.marks.size(), 2u);
    EXPECT_EQ(items.marks[0].centre, QPointF(6.5, 6.0));              // 4 mmol/l · 1.5
    EXPECT_NEAR(items.marks[1].centre.y(), 80 * double(0.1f), 1e-12); // (200 − 120) · 0.1
}

} // namespace
} // namespace kavren
