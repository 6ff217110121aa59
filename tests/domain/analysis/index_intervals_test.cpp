// The 95 % intervals and standard errors of the indices against values worked out by hand from
// the textbook formulas (Fieller's interval of an inverse prediction, the delta method), where
// t against z, n − 1 against n − 2 degrees of freedom and ln against log10 all give other numbers.
#include "domain/analysis/index_intervals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kavren {
namespace {

// x 4, 5, 6, 7 and ln lactate 0, 0.5, 1.2, 1.5: x̄ = 5.5, ȳ = 0.8, Sxx = 5, Sxy = 2.6, so
// B = 0.52, A = −2.06; residuals −0.02, −0.04, 0.14, −0.08 give s² = 0.028 / 2 = 0.014.
// Heart rates 150, 162, 171, 185: C = 104.3, D = 11.4, s² = 4.2 / 2 = 2.1.
const std::vector<double> X = {4, 5, 6, 7};
const std::vector<double> LogLactate = {0, 0.5, 1.2, 1.5};
const std::vector<double> Hr = {150, 162, 171, 185};

StraightLine line(const std::vector<double> &x, const std::vector<double> &y) {
    const auto fitted = fitStraightLine(x, y);
    EXPECT_TRUE(fitted);
    return fitted.value_or(StraightLine{});
}

StepReadings readings() {
    StepReadings steps;
    for (std::size_t i = 0; i < X.size(); ++i) {
        steps.x[i] = X[i];
        steps.lactate[i] = std::exp(LogLactate[i]);
        steps.hr[i] = Hr[i];
        steps.strictHr[i] = Hr[i];
    }
    return steps;
}

TEST(IndexIntervals, StudentQuantilesOfTheStepCounts) {
    // t(0.975) for 3…6 steps: 1…4 degrees of freedom.
    EXPECT_NEAR(*studentT975(1), 12.706, 5e-4);
    EXPECT_NEAR(*studentT975(2), 4.303, 5e-4);
    EXPECT_NEAR(*studentT975(3), 3.182, 5e-4);
    EXPECT_NEAR(*studentT975(4), 2.776, 5e-4);
    EXPECT_FALSE(studentT975(0));
}

TEST(IndexIntervals, FiellerIntervalOfVla4OnTwoDegreesOfFreedom) {
    const StraightLine fit = line(X, LogLactate);
    EXPECT_NEAR(fit.slope, 0.52, 1e-12);
    EXPECT_NEAR(fit.residualVariance, 0.014, 1e-12);
    // d = (ln 4 − 0.8) / 0.52 = 1.1274892, so VLa4 = 6.6274892; se = (s / B)·√(1/4 + d²/5) =
    // 0.2275415 · 0.7101031 = 0.1615779. g = 4.302653² · 0.014 / (0.52² · 5) = 0.1917008;
    // half = t·s/B·√(d²/5 + (1 − g)/4) = 0.6613497; bounds 5.5 + (d ∓ half)/(1 − g).
    // (z would give 6.3477–7.0007, three degrees of freedom 6.2003–7.3189.)
    const IndexEstimate vla4 = inversePrediction(fit, std::log(4.0));
    ASSERT_TRUE(vla4.value && vla4.standardError && vla4.bounded());
    EXPECT_NEAR(*vla4.value, 6.6274892, 1e-6);
    EXPECT_NEAR(*vla4.standardError, 0.1615779, 1e-6);
    EXPECT_NEAR(*vla4.lower, 6.0766896, 1e-6);
    EXPECT_NEAR(*vla4.upper, 7.7130921, 1e-6);
    EXPECT_EQ(vla4.steps, 4);
    EXPECT_TRUE(vla4.reason.isEmpty());
}

TEST(IndexIntervals, ThreeStepsWithAnUncertainSlopeGiveAnUnboundedInterval) {
    // x 4, 5, 6 and ln lactate 0, 1, 1.5: B = 0.75, s² = 1/24 on one degree of freedom;
    // g = 12.706² / 24 / (0.5625 · 2) = 5.98 ≥ 1 (with z it would be 0.14 and bounded).
    const IndexEstimate vla4 = inversePrediction(line({4, 5, 6}, {0, 1, 1.5}), std::log(4.0));
    ASSERT_TRUE(vla4.value && vla4.standardError);
    EXPECT_NEAR(*vla4.value, 5.7372814, 1e-6);
    EXPECT_NEAR(*vla4.standardError, 0.2117170, 1e-6);
    EXPECT_FALSE(vla4.lower || vla4.upper);
    EXPECT_TRUE(vla4.reason.contains(u"unbounded"));
    EXPECT_EQ(speedEstimateText(QStringLiteral("VLa4"), vla4, QStringLiteral("Rid")),
              "VLa4 344.2 m/min, 95 % CI unbounded: the slope is not clearly different from "
              "zero, 3 steps");
}

TEST(IndexIntervals, TestIntervalsFromTheStepsWithHeartRatesAndExtraLevels) {
    const TestIntervals t = testIntervals(readings(), 4, {2.0});
    ASSERT_TRUE(t.vla4.value && t.v200.bounded() && t.hr4.bounded());
    EXPECT_NEAR(*t.vla4.value, 6.6274892, 1e-6);
    // V200: d = (200 − 167) / 11.4 = 2.8947368; se = √2.1/11.4 · √(1/4 + d²/5) = 0.1764094.
    EXPECT_NEAR(*t.v200.value, 8.3947368, 1e-6);
    EXPECT_NEAR(*t.v200.standardError, 0.1764094, 1e-6);
    EXPECT_NEAR(*t.v200.lower, 7.7747584, 1e-6);
    EXPECT_NEAR(*t.v200.upper, 9.3831364, 1e-6);
    // Hr4 = 104.3 + 11.4 · 6.6274892 = 179.853; se² = 11.4² · 0.1615779² + 2.1 · (1/4 +
    // 1.1274892² / 5) = 4.4518 so se = 2.1099381; ± 4.302653 · se.
    EXPECT_EQ(*t.hr4.value, 180);
    EXPECT_NEAR(*t.hr4.standardError, 2.1099381, 1e-6);
    EXPECT_NEAR(*t.hr4.lower, 170.775045, 1e-5);
    EXPECT_NEAR(*t.hr4.upper, 188.931707, 1e-5);
    // The extra level 2 mmol/l is VLa2: (ln 2 − 0.8) / 0.52 + 5.5 (log10 would give 5.119).
    ASSERT_EQ(t.levels.size(), 1u);
    ASSERT_TRUE(t.levels[0].speed.bounded());
    EXPECT_NEAR(*t.levels[0].speed.value, 5.2945138, 1e-6);
    EXPECT_NEAR(*t.levels[0].speed.lower, 4.6900401, 1e-6);
    EXPECT_NEAR(*t.levels[0].speed.upper, 5.8015190, 1e-6);
    EXPECT_EQ(*t.levels[0].speed.value, *t.vla2.value);
    EXPECT_EQ(heartRateEstimateText(QStringLiteral("Hr4"), t.hr4),
              "Hr4 180 b/min, 95 % CI 171–189, 4 steps");
}

TEST(IndexIntervals, TextsInTheDisciplinesUnits) {
    const IndexEstimate vla4 = inversePrediction(line(X, LogLactate), std::log(4.0));
    // 6.6274892 m/s is 397.6 m/min; the bounds 364.6 and 462.8.
    EXPECT_EQ(speedEstimateText(QStringLiteral("VLa4"), vla4, QStringLiteral("Rid")),
              "VLa4 397.6 m/min, 95 % CI 364.6–462.8, 4 steps");
    // As a pace the faster bound (7.713 m/s, 2:09 per km) comes first.
    EXPECT_EQ(speedEstimateText(QStringLiteral("VLa4"), vla4, QStringLiteral("Trav")),
              "VLa4 2:30 min/km, 95 % CI 2:09–2:44, 4 steps");
}

TEST(IndexIntervals, DegenerateStepsGiveAReasonAndNoNumber) {
    struct Case {
        std::vector<double> x, y;
        const char *reason;
    };
    const Case cases[] = {
        {{5, 6}, {1, 2}, "fewer than three steps"},
        {{5, 5, 5}, {1, 2, 3}, "all speeds are equal"},
        {{5, 6, NAN}, {1, 2, 3}, "a value is not a number"},
    };
    for (const Case &c : cases) {
        QString reason;
        EXPECT_FALSE(fitStraightLine(c.x, c.y, &reason));
        EXPECT_EQ(reason, c.reason);
    }
    const IndexEstimate flat = inversePrediction(line({4, 5, 6}, {1, 1, 1}), 2);
    EXPECT_FALSE(flat.value || flat.standardError || flat.lower);
    EXPECT_EQ(flat.reason, "the line is flat");
    const TestIntervals hrOnly = testIntervals(readings(), 4, {}, true);
    EXPECT_FALSE(hrOnly.vla4.value || hrOnly.hr2.value);
    EXPECT_TRUE(hrOnly.v200.value);
    EXPECT_TRUE(speedEstimateText(QStringLiteral("VLa4"), hrOnly.vla4, QStringLiteral("Rid"))
                    .startsWith(u"VLa4 not available: a heart-rate-only test"));
}

IndexEstimate estimate(double value, double se) {
    IndexEstimate e;
    e.value = value;
    e.standardError = se;
    return e;
}

TEST(IndexIntervals, ChangesWithinTheUncertaintyOfTheTwoTests) {
    // se 0.3 and 0.4 add to √(0.09 + 0.16) = 0.5: a change of 0.95 is z = 1.9 (within), one of
    // 1.0 is z = 2.0 (not); adding the errors or their squares, or 1.645, would judge otherwise.
    const IndexEstimate reference = estimate(6.0, 0.4);
    EXPECT_NEAR(*changeZ(estimate(6.95, 0.3), reference), 1.9, 1e-12);
    EXPECT_TRUE(withinUncertainty(estimate(6.95, 0.3), reference));
    EXPECT_FALSE(withinUncertainty(estimate(7.0, 0.3), reference));
    EXPECT_TRUE(withinUncertainty(estimate(5.05, 0.3), reference));
    EXPECT_FALSE(withinUncertainty(estimate(7.0, 0.0), estimate(6.0, 0.0)));

    std::vector<TestIntervals> tests(3);
    tests[0].vla4 = reference;
    tests[1].vla4 = estimate(6.95, 0.3);
    tests[2].vla4 = estimate(7.0, 0.3);
    tests[2].v200 = estimate(7.0, 0.3); // the reference has no V200
    const UncertainPercentCells cells = uncertainPercentCells(tests, 3);
    EXPECT_TRUE(cells.vla4P[0]);
    EXPECT_FALSE(cells.vla4P[1]);
    EXPECT_FALSE(cells.v200P[1]);
    EXPECT_FALSE(uncertainPercentCells(tests, 2).vla4P[1]); // beyond the tests compared
}

} // namespace
} // namespace kavren
