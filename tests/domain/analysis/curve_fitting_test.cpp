// The least-squares fit of lactate and heart rate against x: the worked examples, the step-count
// rules and what each kind of bad step leaves behind.
#include "domain/analysis/curve_fitting.h"
#include "domain/analysis/field_reading.h"

#include "support/qt_printers.h"
#include "support/step_texts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavren {
namespace {

using testing::stepTexts;

struct FitCase {
    const char *name;
    StepTexts x, lactate, hr;
    int n;
    double a, b, c, d;
};

class FitExamples : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitExamples, GiveTheCoefficientsOfTheWorkedExamples) {
    const FitCase &test = GetParam();
    const CurveFitDouble fit = fitCurves(readSteps(test.x, test.lactate, test.hr), test.n, {});
    EXPECT_NEAR(fit.lactateIntercept, test.a, 5e-6);
    EXPECT_NEAR(fit.lactateSlope, test.b, 5e-6);
    EXPECT_NEAR(fit.hrIntercept, test.c, 1e-9);
    EXPECT_NEAR(fit.hrSlope, test.d, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FitExamples,
    ::testing::Values(FitCase{"ThreeSteps", stepTexts({"5", "6", "7"}), stepTexts({"1", "2", "4"}),
                              stepTexts({"150", "170", "190"}), 3, -5 * std::log(2.0),
                              std::log(2.0), 50, 20},
                      FitCase{"FourSteps", stepTexts({"5", "6", "7", "8"}),
                              stepTexts({"1.0", "1.5", "2.5", "5.0"}),
                              stepTexts({"150", "165", "180", "195"}), 4, -2.737641, 0.533913, 75,
                              15},
                      FitCase{"HeartRateOnly", stepTexts({"5", "6", "7", "8"}),
                              stepTexts({"0.1", "0.1", "0.1", "0.1"}),
                              stepTexts({"150", "165", "180", "195"}), 4, std::log(0.1), 0, 75, 15},
                      // Blanks around a heart rate still pass the strict reading.
                      FitCase{"BlanksAroundHeartRates", stepTexts({"5", "6", "7"}),
                              stepTexts({"1", "2", "4"}), stepTexts({" 150", "170 ", " 190 "}), 3,
                              -5 * std::log(2.0), std::log(2.0), 50, 20}),
    [](const auto &p) { return std::string(p.param.name); });

struct FailureCase {
    const char *name;
    const char *lactate2;
    const char *hr2;
    bool lactateFlat; // A = B = 0
    bool hrZero;      // C = D = 0
};

class FitFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FitFailures, ZeroOnlyTheSumsOfTheFailingSeries) {
    const FailureCase &test = GetParam();
    const auto steps = readSteps(stepTexts({"5", "6", "7"}), stepTexts({"1", test.lactate2, "4"}),
                                 stepTexts({"150", test.hr2, "190"}));
    const CurveFitDouble fit = fitCurves(steps, 3, {9, 9, 9, 9});
    if (test.lactateFlat) {
        EXPECT_EQ(fit.lactateIntercept, 0);
        EXPECT_EQ(fit.lactateSlope, 0);
    } else {
        EXPECT_NEAR(fit.lactateSlope, std::log(2.0), 1e-12);
    }
    if (test.hrZero) {
        EXPECT_EQ(fit.hrIntercept, 0);
        EXPECT_EQ(fit.hrSlope, 0);
    } else {
        EXPECT_NEAR(fit.hrSlope, 20, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadSteps, FitFailures,
    ::testing::Values(FailureCase{"EmptyHeartRate", "2", "", false, true},
                      FailureCase{"LettersInHeartRate", "2", "170 b/min", false, true},
                      FailureCase{"CommaInHeartRate", "2", "170,5", false, true},
                      FailureCase{"HeartRateBeyondRange", "2", "1E999", false, true},
                      FailureCase{"ZeroLactate", "0", "170", true, false},
                      FailureCase{"NegativeLactate", "-1", "170", true, false},
                      FailureCase{"EmptyLactate", "", "170", true, false},
                      FailureCase{"LactateBeyondRange", "1E999", "170", true, false},
                      FailureCase{"BothBad", "abc", "abc", true, true}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(CurveFit, EqualSpeedsKeepBothSlopesAndComputeInterceptsWithThem) {
    const auto steps = readSteps(stepTexts({"6", "6", "6"}), stepTexts({"1", "2", "4"}),
                                 stepTexts({"150", "170", "190"}));
    const CurveFitDouble fit = fitCurves(steps, 3, {0, 0.5, 0, 10});
    EXPECT_EQ(fit.lactateSlope, 0.5);
    EXPECT_EQ(fit.hrSlope, 10);
    EXPECT_NEAR(fit.lactateIntercept, std::log(8.0) / 3 - 0.5 * 6, 1e-12);
    EXPECT_NEAR(fit.hrIntercept, 170 - 10 * 6, 1e-12);
}

TEST(CurveFit, AbsurdValuesLeaveFiniteCoefficients) {
    // Steps 1 and 2 at x (≈ 0 or ±1E300), step 3 at 7, step 4 at 1E30 with lactate and heart
    // rate 1E30; the previous fit is A 1, B 2, C 3, D 4.
    // x ≈ 0: step 4 dominates every sum, Q ≈ 3E60; B ≈ (3·ln 1E30 − ln 1 − ln 2 − ln 4)/(3E30)
    // and A = (Sℓ − B·1E30)/4 = (ln 1 + ln 2 + ln 4)/3 = ln 2; D ≈ (8E32 − 1E60)/3E60 = −1/3 and
    // C = 1E30/4 + 1E30/12 = 1E30/3.
    // x = ±1E300: Σx² overflows, so both slopes stay (B 2, D 4) and the intercepts use them:
    // A = 71.157/4 − 2·(±2E300)/4 = ∓1E300, C = 2.5E29 − 4·(±2E300)/4 = ∓2E300.
    struct Case {
        const char *x;
        double a, b, c, d;
    };
    const Case cases[] = {
        {"1E-30", std::log(2.0), 6.83844e-29, 1e30 / 3, -1.0 / 3},
        {"0", std::log(2.0), 6.83844e-29, 1e30 / 3, -1.0 / 3},
        {"abc", std::log(2.0), 6.83844e-29, 1e30 / 3, -1.0 / 3},
        {"1E300", -1e300, 2, -2e300, 4},
        {"-1E300", 1e300, 2, 2e300, 4},
    };
    const auto close = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1e-4 * std::abs(expected) + 1e-9;
    };
    for (const Case &c : cases) {
        const auto steps =
            readSteps(stepTexts({c.x, c.x, "7", "1E30"}), stepTexts({"1", "2", "4", "1E30"}),
                      stepTexts({"1E30", "170", "190", "200"}));
        const CurveFitDouble fit = fitCurves(steps, 4, {1, 2, 3, 4});
        SCOPED_TRACE(c.x);
        EXPECT_PRED2(close, fit.lactateIntercept, c.a);
        EXPECT_PRED2(close, fit.lactateSlope, c.b);
        EXPECT_PRED2(close, fit.hrIntercept, c.c);
        EXPECT_PRED2(close, fit.hrSlope, c.d);
    }
}

TEST(CurveFit, SingleCopyKeepsPreviousValueBeyondSingleRange) {
    const CurveFit single = toSingleFit({1e300, 0.5, -1e300, 10}, {1, 2, 3, 4});
    EXPECT_EQ(single.lactateIntercept, 1.0f);
    EXPECT_EQ(single.lactateSlope, 0.5f);
    EXPECT_EQ(single.hrIntercept, 3.0f);
    EXPECT_EQ(single.hrSlope, 10.0f);
}

struct StepCountCase {
    const char *name;
    StepTexts lactate, hr;
    int stepCount;
    float lastStepX;
};

class StepCount : public ::testing::TestWithParam<StepCountCase> {};

TEST_P(StepCount, FollowsLactateThreeAndHeartRatesFourToSix) {
    const StepCountCase &test = GetParam();
    const auto steps = readSteps(stepTexts({"5", "6", "7", "8", "9", "10"}), test.lactate, test.hr);
    std::int16_t stepCount = 2;
    float lastStepX = 42;
    determineStepCount(steps, stepCount, lastStepX);
    EXPECT_EQ(stepCount, test.stepCount);
    EXPECT_EQ(lastStepX, test.lastStepX);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StepCount,
    ::testing::Values(StepCountCase{"SixFilled", stepTexts({"1", "2", "3", "4", "5", "6"}),
                                    stepTexts({"1", "2", "3", "4", "5", "6"}), 6, 10},
                      StepCountCase{"EmptySixthHeartRate",
                                    stepTexts({"1", "2", "3", "4", "5", "6"}),
                                    stepTexts({"1", "2", "3", "4", "5", ""}), 5, 9},
                      StepCountCase{"EmptyThirdLactateButFourthHeartRate",
                                    stepTexts({"1", "2", "", "4"}), stepTexts({"1", "2", "3", "4"}),
                                    4, 8},
                      StepCountCase{"LaterStepOverridesGap", stepTexts({"1", "2", "3"}),
                                    stepTexts({"1", "2", "3", "", "", "160"}), 6, 10},
                      StepCountCase{"NoneHoldsKeepsPrevious", stepTexts({"1", "2"}),
                                    stepTexts({"1", "2", "3"}), 2, 42}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(StrictReading, TakesOnlyWholeNumbers) {
    struct Case {
        const char *text;
        std::optional<double> value;
    };
    for (const Case &c :
         {Case{"150", 150}, Case{" 150 ", 150}, Case{"-1.5", -1.5}, Case{".5", 0.5}, Case{"5.", 5},
          Case{"1E3", 1000}, Case{"+2e-1", 0.2}, Case{"", std::nullopt}, Case{" ", std::nullopt},
          Case{"1 50", std::nullopt}, Case{"150a", std::nullopt}, Case{"1,5", std::nullopt},
          Case{"1E", std::nullopt}, Case{".", std::nullopt}, Case{"1E999", std::nullopt}})
        EXPECT_EQ(readStrictNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(StrictReading, HeartRateOnlySentinelIsExactlyOneTenth) {
    EXPECT_TRUE(isHrOnlySentinel(u"0.1"));
    EXPECT_TRUE(isHrOnlySentinel(u" .1"));
    EXPECT_TRUE(isHrOnlySentinel(u"0.10"));
    EXPECT_FALSE(isHrOnlySentinel(u"0.11"));
}

} // namespace
} // namespace kavren
