// The threshold calculator's conversions between speed, heart rate and lactate, the cross on the
// graph, and the training zones with their recovery row.
#include "domain/analysis/threshold_calculator.h"
#include "domain/analysis/training_zones.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

const CurveFit Fit{-4.0f, 0.5f, 100.0f, 10.0f};
const CurveFitDouble FitDouble{-4.0, 0.5, 100.0, 10.0};

TEST(ThresholdSpeed, EightMetresPerSecondInEveryUnit) {
    const SpeedFieldsUpdate update = speedFieldChanged(u"8"_qs, Fit);
    EXPECT_EQ(update.hrText, std::optional(u"180"_qs));
    EXPECT_EQ(update.pace, std::optional(u" 2' 5"_qs));
    EXPECT_EQ(update.paceUnit, u"min/km");
    EXPECT_EQ(update.kmPerHour, std::optional(u"28.8"_qs));
    EXPECT_EQ(update.secondsPer200m, std::optional(u"25"_qs));
    EXPECT_EQ(update.metresPerMinute, std::optional(u"480"_qs));
}

TEST(ThresholdSpeed, HalvesRoundToEvenAndTheSecondsAreCut) {
    // 8.25 m/s: heart rate 10·8.25 + 100 = 182.5 → 182 (half to even); km/h 8.25·360 = 2970 → 29.7;
    // s/200 m 20000/8.25 = 2424.24 → 24.24; m/min 495; pace 60/29.7 = 2.0202 min, seconds
    // 60·0.0202 = 1.212 cut to tenths 1.2.
    const SpeedFieldsUpdate quarter = speedFieldChanged(u"8.25"_qs, Fit);
    EXPECT_EQ(quarter.hrText, std::optional(u"182"_qs));
    EXPECT_EQ(quarter.kmPerHour, std::optional(u"29.7"_qs));
    EXPECT_EQ(quarter.secondsPer200m, std::optional(u"24.24"_qs));
    EXPECT_EQ(quarter.metresPerMinute, std::optional(u"495"_qs));
    EXPECT_EQ(quarter.pace, std::optional(u" 2' 1.2"_qs));

    // 12.8 m/s: s/200 m 20000/12.8 = 1562.5 → 1562 (half to even) → 15.62; km/h 4608 → 46.08;
    // pace 60/46.08 = 1.302083 min, seconds 18.125 → 18.1; heart rate 10·12.8 + 100 = 228.
    const SpeedFieldsUpdate fast = speedFieldChanged(u"12.8"_qs, Fit);
    EXPECT_EQ(fast.secondsPer200m, std::optional(u"15.62"_qs));
    EXPECT_EQ(fast.kmPerHour, std::optional(u"46.08"_qs));
    EXPECT_EQ(fast.pace, std::optional(u" 1' 18.1"_qs));
    EXPECT_EQ(fast.hrText, std::optional(u"228"_qs));

    // 7.85 m/s: 60/28.26 = 2.123142 min, seconds 7.3885 cut to 7.3 (rounding gives 7.4); km/h
    // 2826 → 28.26; s/200 m 2547.77 → 2548 → 25.48. 8.35 m/s: 1.996008 min, seconds 59.76 → 59.7.
    const SpeedFieldsUpdate cut = speedFieldChanged(u"7.85"_qs, Fit);
    EXPECT_EQ(cut.pace, std::optional(u" 2' 7.3"_qs));
    EXPECT_EQ(cut.kmPerHour, std::optional(u"28.26"_qs));
    EXPECT_EQ(cut.secondsPer200m, std::optional(u"25.48"_qs));
    EXPECT_EQ(speedFieldChanged(u"8.35"_qs, Fit).pace, std::optional(u" 1' 59.7"_qs));
}

TEST(ThresholdSpeed, ZeroEmptyAndCommaTexts) {
    const SpeedFieldsUpdate zero = speedFieldChanged(u"0"_qs, Fit);
    EXPECT_EQ(zero.hrText, std::optional(u"100"_qs)); // round(C)
    EXPECT_EQ(zero.pace, std::optional(u" 0' 0"_qs));
    EXPECT_EQ(zero.kmPerHour, std::optional(u"0"_qs));
    EXPECT_EQ(zero.secondsPer200m, std::nullopt);
    EXPECT_EQ(zero.metresPerMinute, std::optional(u"0"_qs));

    EXPECT_EQ(speedFieldChanged(QString(), Fit).hrText, std::optional(QString()));
    const SpeedFieldsUpdate comma = speedFieldChanged(u"8,5"_qs, Fit);
    EXPECT_EQ(comma.speedText, u"8.5");
    EXPECT_EQ(comma.hrText, std::optional(u"185"_qs));

    const SpeedFieldsUpdate tiny = speedFieldChanged(u"1E-320"_qs, Fit); // pace beyond any range
    EXPECT_EQ(tiny.pace, std::nullopt);
    EXPECT_EQ(tiny.secondsPer200m, std::nullopt);
}

TEST(ThresholdHeartRate, GivesTheSpeedWithThreeDecimalsOrLeavesIt) {
    EXPECT_EQ(hrFieldChanged(u"180"_qs, FitDouble, Fit), std::optional(u"8"_qs));
    EXPECT_EQ(hrFieldChanged(u"183.3333"_qs, FitDouble, Fit), std::optional(u"8.333"_qs));
    EXPECT_EQ(hrFieldChanged(QString(), FitDouble, Fit), std::optional(QString()));
    EXPECT_EQ(hrFieldChanged(u"500"_qs, FitDouble, Fit), std::nullopt); // 40 m/s: 40000 > 32767
    EXPECT_EQ(hrFieldChanged(u"1E30"_qs, FitDouble, Fit), std::nullopt);
    EXPECT_EQ(hrFieldChanged(u"180"_qs, FitDouble, CurveFit{-4, 0.5, 100, 0}), std::nullopt);
}

TEST(ThresholdLactate, AtSpeedAndFromTheSlider) {
    EXPECT_EQ(lactateAtSpeed(10, Fit), std::optional(u"2.72"_qs)); // e^1
    EXPECT_EQ(lactateAtSpeed(1e300, Fit), std::nullopt);

    const LactateSliderUpdate forty = lactateSliderScrolled(40, Fit, false);
    EXPECT_EQ(forty.speedText, std::optional(u"10.77"_qs));
    EXPECT_EQ(forty.lactateText, std::optional(u"4"_qs));
    const LactateSliderUpdate zero = lactateSliderScrolled(0, Fit, false);
    EXPECT_EQ(zero.speedText, std::nullopt);
    EXPECT_EQ(zero.lactateText, std::optional(u"0"_qs));
    EXPECT_EQ(lactateSliderScrolled(40, Fit, true).lactateText, std::nullopt);
    // 25 tenths are 2.5 mmol/l: (ln 2.5 + 4) / 0.5 = 9.8326 (whole mmol/l would give 2 and 9.39).
    const LactateSliderUpdate tenths = lactateSliderScrolled(25, Fit, false);
    EXPECT_EQ(tenths.speedText, std::optional(u"9.83"_qs));
    EXPECT_EQ(tenths.lactateText, std::optional(u"2.5"_qs));

    EXPECT_EQ(hrSliderScrolled(185, FitDouble), std::optional(u"8.5"_qs));
    EXPECT_EQ(hrSliderScrolled(185, CurveFitDouble{}), std::nullopt);
}

TEST(ThresholdLactate, FieldChangeWithoutUnitWarnsAndCarriesOn) {
    const LactateFieldReaction noUnit = lactateFieldChanged(u"0,1"_qs, SpeedUnit::NoUnit, false);
    EXPECT_TRUE(noUnit.showSelectSpeed);
    EXPECT_EQ(noUnit.newText, std::nullopt);
    EXPECT_EQ(lactateFieldChanged(u"0,1"_qs, SpeedUnit::MinPerKm, false).newText,
              std::optional(QString()));
    EXPECT_EQ(lactateFieldChanged(u"2,5"_qs, SpeedUnit::MinPerKm, false).newText,
              std::optional(u"2.5"_qs));
    EXPECT_EQ(lactateFieldChanged(u"2,5"_qs, SpeedUnit::MinPerKm, true).newText, std::nullopt);
}

TEST(ThresholdCrossing, ClampsTheSpeedToTheGraph) {
    EXPECT_EQ(clampedThresholdSpeed(3), std::optional(u"4"_qs));
    EXPECT_EQ(clampedThresholdSpeed(15.5), std::optional(u"15"_qs));
    EXPECT_EQ(clampedThresholdSpeed(8), std::nullopt);
}

TEST(ThresholdCrossing, LinesToBothAxes) {
    GraphScale scale;
    scale.lactateScale = 2.0f;
    scale.hrBase = 120;
    scale.hrScale = 0.1f;
    float currentLactate = 0;
    const ThresholdCross cross = thresholdCross(10, Fit, scale, false, currentLactate);
    EXPECT_EQ(cross.lactateText, std::optional(u"2.72"_qs));
    EXPECT_FLOAT_EQ(currentLactate, 2.7182817f);
    ASSERT_EQ(cross.lines.size(), 4u);
    const double y = double(currentLactate) * 2;
    EXPECT_EQ(cross.lines[0], QLineF(15, y, 10, y));
    EXPECT_EQ(cross.lines[1], QLineF(10, 0, 10, y));
    const double hrLevel = 80 * double(0.1f); // floor(200 − 120) · HrScale
    EXPECT_EQ(cross.lines[2], QLineF(10, 0, 10, hrLevel));
    EXPECT_EQ(cross.lines[3], QLineF(10, hrLevel, 4, hrLevel));
}

TEST(ThresholdCrossing, HeartRateOnlyTestUsesTheLactateOfTheRun) {
    GraphScale scale;
    scale.lactateScale = 2.0f;
    float currentLactate = 0.1f;
    const ThresholdCross cross = thresholdCross(8, Fit, scale, true, currentLactate);
    EXPECT_EQ(cross.lactateText, std::nullopt);
    ASSERT_EQ(cross.lines.size(), 3u);
    EXPECT_EQ(cross.lines[0], QLineF(8, 0, 8, double(0.1f) * 2));
}

TEST(ThresholdCrossing, RecoveryTimeStandsWhereItsPointsAre) {
    GraphScale scale;
    scale.xOffset = 4;
    scale.xDivisor = 3;
    float currentLactate = 0;
    const ThresholdCross cross = thresholdCross(9, Fit, scale, false, currentLactate);
    ASSERT_EQ(cross.lines.size(), 4u);
    EXPECT_DOUBLE_EQ(cross.lines[1].x1(), 7.0);
}

TEST(ThresholdCrossing, LactateBeyondRangeEndsTheCross) {
    float currentLactate = 1;
    const ThresholdCross cross =
        thresholdCross(1e6, CurveFit{0, 1, 100, 10}, GraphScale{}, false, currentLactate);
    EXPECT_TRUE(cross.lines.empty());
    EXPECT_EQ(currentLactate, 1.0f);
}

TEST(Sliders, ActOnlyAfterARunWithoutFreezeOrClear) {
    EXPECT_TRUE(slidersActive(false, false, 4));
    EXPECT_FALSE(slidersActive(true, false, 4));
    EXPECT_FALSE(slidersActive(false, true, 4));
    EXPECT_FALSE(slidersActive(false, false, 0));
}

struct ZoneCase {
    const char *maxHr;
    std::array<const char *, 5> captions;
};

TEST(TrainingZones, FiveBandsOfTheMaximumHeartRate) {
    for (const ZoneCase &c : {
             ZoneCase{"200", {" 100-120", " 121-140", " 141-160", " 161-180", " 181-200"}},
             ZoneCase{"187", {" 93-112", " 113-130", " 131-149", " 150-168", " 169-187"}},
             ZoneCase{"170", {" 85-102", " 103-119", " 120-136", " 137-153", " 154-170"}},
             ZoneCase{"199.5", {" 100-120", " 121-140", " 141-160", " 161-180", " 181-200"}},
             // 150.6 rounds to 151 (not down to 150): only the top of "Max" shows it.
             ZoneCase{"150.6", {" 75-90", " 91-105", " 106-120", " 121-135", " 136-151"}},
             // 198.5 rounds half to even to 198 (half up would give 199, 0.5·199 = 99.5 → 99).
             ZoneCase{"198.5", {" 99-118", " 119-138", " 139-158", " 159-178", " 179-198"}},
             ZoneCase{"", {"", "", "", "", ""}},
             ZoneCase{" ", {"", "", "", "", ""}},
         }) {
        const auto zones = trainingZones(QString::fromUtf8(c.maxHr));
        ASSERT_TRUE(zones) << c.maxHr;
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(zones->captions[i], QString::fromUtf8(c.captions[i])) << c.maxHr << " " << i;
    }
    EXPECT_EQ(trainingZones(u"200"_qs)->maxHr, 200);
    EXPECT_EQ(trainingZones(u"40000"_qs), std::nullopt);
    EXPECT_EQ(trainingZones(u"1E30"_qs), std::nullopt);
}

TEST(TrainingZones, RecoveryRowUnderHardAndMax) {
    const RecoveryRow half = recoveryRow(u"50"_qs, 200, 240);
    EXPECT_EQ(half.hardCaption, std::optional(u" 80-90"_qs));
    EXPECT_EQ(half.maxCaption, std::optional(u" 90-100"_qs));

    // 52 % of 200: Hard from round(161·0.52 = 83.72) = 84 to floor(180·0.52 = 93.6) = 93 (the
    // upper bound of Hard is cut, rounding would give 94); Max from round(181·0.52 = 94.12) = 94
    // to round(200·0.52) = 104.
    const RecoveryRow fiftyTwo = recoveryRow(u"52"_qs, 200, 240);
    EXPECT_EQ(fiftyTwo.hardCaption, std::optional(u" 84-93"_qs));
    EXPECT_EQ(fiftyTwo.maxCaption, std::optional(u" 94-104"_qs));

    const RecoveryRow empty = recoveryRow(QString(), 200, 240);
    EXPECT_EQ(empty.hardCaption, std::optional(QString()));
    EXPECT_EQ(empty.maxCaption, std::optional(QString()));

    const RecoveryRow noGraph = recoveryRow(u"50"_qs, 200, 0);
    EXPECT_TRUE(noGraph.clearPercentage);
    EXPECT_EQ(noGraph.hardCaption, std::nullopt);

    const RecoveryRow absurd = recoveryRow(u"1E308"_qs, 200, 240);
    EXPECT_EQ(absurd.hardCaption, std::nullopt);
}

} // namespace
} // namespace kavren
