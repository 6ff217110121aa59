// R² of the lactate curve and the heart-rate line against values worked out by hand, which steps
// count, when a series has no R², and the status-bar text.
#include "domain/analysis/fit_quality.h"
#include "support/step_texts.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

using testing::stepTexts;

FitQuality qualityOf(StepTexts x, StepTexts lactate, StepTexts hr, int n) {
    return fitQuality(readSteps(x, lactate, hr), n);
}

TEST(FitQuality, ExactCurvesOfTheThreeStepExampleFitPerfectly) {
    // lactate 1, 2, 4 at 5, 6, 7 m/s is 2^(x − 5): ln lactate is a straight line; so is 150, 170,
    // 190.
    const FitQuality q = qualityOf(stepTexts({"5", "6", "7"}), stepTexts({"1", "2", "4"}),
                                   stepTexts({"150", "170", "190"}), 3);
    ASSERT_TRUE(q.lactateR2 && q.hrR2);
    EXPECT_NEAR(*q.lactateR2, 1.0, 1e-12);
    EXPECT_NEAR(*q.hrR2, 1.0, 1e-12);
    EXPECT_EQ(fitQualityMessage(q), "Lactate fit R² 1.000, heart-rate line R² 1.000, 3 steps");
}

TEST(FitQuality, FourStepExampleAgreesWithResidualsOfItsCoefficients) {
    // 1 − SSres/SStot of ln(1.0, 1.5, 2.5, 5.0) about A = −2.73764, B = 0.53391 is 0.985490;
    // the coefficients are rounded to five decimals, hence the tolerance.
    const FitQuality q =
        qualityOf(stepTexts({"5", "6", "7", "8"}), stepTexts({"1.0", "1.5", "2.5", "5.0"}),
                  stepTexts({"150", "165", "180", "195"}), 4);
    ASSERT_TRUE(q.lactateR2 && q.hrR2);
    EXPECT_NEAR(*q.lactateR2, 0.985490, 1e-5);
    EXPECT_NEAR(*q.hrR2, 1.0, 1e-12);
}

TEST(FitQuality, OnlyTheStepsOfTheFitCount) {
    // x 5…9, heart rates 150, 162, 171, 185, 193 about their means: Sxy = 109, Sxx = 10,
    // Shh = 1194.8, so R² = 109² / (10 · 1194.8) = 11881 / 11948 = 0.994392. The sixth step would
    // spoil the line if it counted.
    const FitQuality q = qualityOf(stepTexts({"5", "6", "7", "8", "9", "10"}),
                                   stepTexts({"1", "1.3", "2", "3", "5", "0.2"}),
                                   stepTexts({"150", "162", "171", "185", "193", "60"}), 5);
    ASSERT_TRUE(q.hrR2);
    EXPECT_NEAR(*q.hrR2, 11881.0 / 11948.0, 1e-12);
    EXPECT_EQ(q.stepCount, 5);
    EXPECT_TRUE(fitQualityMessage(q).endsWith(", heart-rate line R² 0.994, 5 steps"))
        << fitQualityMessage(q).toStdString();
}

TEST(FitQuality, SeriesTheFitCouldNotUseHaveNoR2) {
    const StepTexts x = stepTexts({"5", "6", "7", "8"});
    const StepTexts hr = stepTexts({"150", "165", "180", "195"});
    // A lactate of 0 has no logarithm: the lactate fit is flat, its R² meaningless.
    EXPECT_FALSE(qualityOf(x, stepTexts({"1", "0", "2", "4"}), hr, 4).lactateR2);
    // A heart rate that is not a whole number text fails the strict reading the line uses.
    const FitQuality badHr =
        qualityOf(x, stepTexts({"1", "1.5", "2", "4"}), stepTexts({"150", "16S", "180", "195"}), 4);
    EXPECT_FALSE(badHr.hrR2);
    EXPECT_TRUE(badHr.lactateR2);
    // A heart-rate-only test: every lactate 0.1, nothing to explain.
    const FitQuality hrOnly = qualityOf(x, stepTexts({"0.1", "0.1", "0.1", "0.1"}), hr, 4);
    EXPECT_FALSE(hrOnly.lactateR2);
    EXPECT_EQ(fitQualityMessage(hrOnly), "Heart-rate line R² 1.000, 4 steps");
    // All steps at one speed: no slope was fitted.
    const FitQuality oneSpeed =
        qualityOf(stepTexts({"6", "6", "6"}), stepTexts({"1", "2", "4"}), hr, 3);
    EXPECT_FALSE(oneSpeed.lactateR2);
    EXPECT_FALSE(oneSpeed.hrR2);
    EXPECT_EQ(fitQualityMessage(oneSpeed), "3 steps");
}

TEST(FitQuality, FewerThanThreeStepsGiveNoR2) {
    const FitQuality q =
        qualityOf(stepTexts({"5", "6"}), stepTexts({"1", "2"}), stepTexts({"150", "170"}), 2);
    EXPECT_EQ(q.stepCount, 0);
    EXPECT_FALSE(q.lactateR2 || q.hrR2);
    EXPECT_EQ(fitQualityMessage(q), "No fit quality: fewer than 3 steps");
}

TEST(FitQuality, MessageRoundsToThreeDecimals) {
    FitQuality q;
    q.stepCount = 5;
    q.lactateR2 = 0.99149; // below the half: 0.991
    q.hrR2 = 0.99751;      // above the half: 0.998
    EXPECT_EQ(fitQualityMessage(q), "Lactate fit R² 0.991, heart-rate line R² 0.998, 5 steps");
    q.hrR2.reset();
    EXPECT_EQ(fitQualityMessage(q), "Lactate fit R² 0.991, 5 steps");
}

} // namespace
} // namespace kavren
