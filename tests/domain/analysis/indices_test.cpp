// The five indices from a fit, their display per discipline, the recovery values, the pace helper
// and the common lactate axis.
#include "domain/analysis/indices.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavren {
namespace {

TEST(Indices, FromTheWorkedExample) {
    ThresholdResults results;
    computeIndices({-4, 0.5, 100, 10}, results);
    EXPECT_EQ(results.v200, 10.0f);
    EXPECT_NEAR(results.vla4, 10.7726, 5e-5);
    EXPECT_NEAR(results.vla2, 9.3863, 5e-5);
    EXPECT_EQ(results.hr4, 208);
    EXPECT_EQ(results.hr2, 194);
}

TEST(Indices, ZeroSlopesKeepThePreviousSpeedsAndTheHeartRatesFollowThem) {
    ThresholdResults results{7, 9, 8, 1, 2};
    computeIndices({-4, 0, 100, 0}, results);
    EXPECT_EQ(results.v200, 7.0f);
    EXPECT_EQ(results.vla4, 9.0f);
    EXPECT_EQ(results.vla2, 8.0f);
    EXPECT_EQ(results.hr4, 100);
    EXPECT_EQ(results.hr2, 100);
}

TEST(Indices, ValuesBeyondTheirTypesKeepThePreviousOnes) {
    ThresholdResults results{7, 9, 8, 1, 2};
    computeIndices({-4, 1e-300, 100, 1e-300}, results); // speeds beyond the single range
    EXPECT_EQ(results.v200, 7.0f);
    EXPECT_EQ(results.vla4, 9.0f);
    EXPECT_EQ(results.vla2, 8.0f);
    computeIndices({-4, 0.5, 100, 1e10}, results); // heart rates beyond 16 bits
    EXPECT_EQ(results.hr4, 100);
    EXPECT_EQ(results.hr2, 100);
}

struct DisplayCase {
    const char *discipline;
    float speed;
    std::optional<QString> text;
};

TEST(IndexDisplay, FollowsTheUnitOfTheDiscipline) {
    const float vla2 = 9.386294f, vla4 = 10.772589f;
    for (const DisplayCase &c : {
             DisplayCase{"Trav", 10, QStringLiteral("1:39")},
             DisplayCase{"Endur", 10, QStringLiteral("36")},
             DisplayCase{"Rid", 10, QStringLiteral("600")},
             DisplayCase{"Galopp", 10, QStringLiteral("20")},
             DisplayCase{"Trav", vla2, QStringLiteral("1:46")},
             DisplayCase{"Trav", vla4, QStringLiteral("1:32")},
             // 60/28.8 held in single precision leaves 4.999995 seconds, cut to 4.
             DisplayCase{"Trav", 8, QStringLiteral("2:04")},
             DisplayCase{"Trav", 7.9f, QStringLiteral("2:06")},
             DisplayCase{"Endur", 8.337f, QStringLiteral("30.01")},
             DisplayCase{"Rid", 8.3333f, QStringLiteral("500")},
             DisplayCase{"Galopp", 13.33f, QStringLiteral("15")},
             // Exactly 10 seconds and 9 seconds per km: 14.1 m/s is 60/50.76 = 1.182033 min,
             // 10.92 s cut to 10 ("1:10", rounding gives 1:11, padding always gives 1:010);
             // 14.3 m/s is 1.165501 min, 9.93 s cut to 9 ("1:09").
             DisplayCase{"Trav", 14.1f, QStringLiteral("1:10")},
             DisplayCase{"Trav", 14.3f, QStringLiteral("1:09")},
             // Halves, exact in binary: 10.0625·360 = 3622.5 → 3622 (half to even), 10.1875·360
             // = 3667.5 → 3668 (floor gives 3667); ·600 gives 6037.5 → 6038 and 6112.5 → 6112
             // (half up gives 6113); 2000/32 = 62.5 → 62.
             DisplayCase{"Endur", 10.0625f, QStringLiteral("36.22")},
             DisplayCase{"Endur", 10.1875f, QStringLiteral("36.68")},
             DisplayCase{"Rid", 10.0625f, QStringLiteral("603.8")},
             DisplayCase{"Rid", 10.1875f, QStringLiteral("611.2")},
             DisplayCase{"Galopp", 32, QStringLiteral("6.2")},
             DisplayCase{"Galopp", 0, std::nullopt},
             DisplayCase{"Trav", 0, std::nullopt},
             DisplayCase{"Recovery", 10, std::nullopt},
             DisplayCase{"", 10, std::nullopt},
             DisplayCase{"trav", 10, std::nullopt},
         })
        EXPECT_EQ(speedDisplayText(QString::fromUtf8(c.discipline), c.speed), c.text)
            << c.discipline << " " << c.speed;
}

TEST(IndexDisplay, RecoveryValuesAtZeroFiveTenAndTwentyMinutes) {
    const RecoveryValues values = recoveryValues({2, -0.05, 150, -2});
    const std::array<std::optional<QString>, 4> lactate = {
        QStringLiteral("7.39"), QStringLiteral("5.75"), QStringLiteral("4.48"),
        QStringLiteral("2.72")};
    const std::array<std::optional<QString>, 4> hr = {QStringLiteral("150"), QStringLiteral("140"),
                                                      QStringLiteral("130"), QStringLiteral("110")};
    EXPECT_EQ(values.lactate, lactate);
    EXPECT_EQ(values.hr, hr);
}

TEST(IndexDisplay, RecoveryValuesRoundFractionsAndHalvesOfTheHeartRate) {
    // C = 150.6, D = −2: 150.6, 140.6, 130.6, 110.6 round to 151, 141, 131, 111 (cutting them
    // would give 150, 140, 130, 110). A = 0, B = 0: lactate 1 at every time.
    const RecoveryValues fraction = recoveryValues({0, 0, 150.6, -2});
    const std::array<std::optional<QString>, 4> fractionHr = {
        QStringLiteral("151"), QStringLiteral("141"), QStringLiteral("131"), QStringLiteral("111")};
    EXPECT_EQ(fraction.hr, fractionHr);
    EXPECT_EQ(fraction.lactate[3], std::optional(QStringLiteral("1")));

    // C = 150.5, D = 0.2: 150.5, 151.5, 152.5, 154.5 go to the even neighbour 150, 152, 152, 154
    // (half up gives 151, 152, 153, 155).
    const RecoveryValues halves = recoveryValues({0, 0, 150.5, 0.2});
    const std::array<std::optional<QString>, 4> halvesHr = {
        QStringLiteral("150"), QStringLiteral("152"), QStringLiteral("152"), QStringLiteral("154")};
    EXPECT_EQ(halves.hr, halvesHr);

    // A = ln 0.375, B = 0: 37.5 hundredths → 38 (floor gives 0.37).
    EXPECT_EQ(recoveryValues({std::log(0.375), 0, 0, 0}).lactate[0],
              std::optional(QStringLiteral("0.38")));
}

TEST(SpeedToPace, GivesMinutesAndSecondsOverAHundred) {
    EXPECT_EQ(speedToPace(5.0f), 3.2f);
    EXPECT_EQ(speedToPace(10.0f), 1.4f); // 1 min 40 s per km
    EXPECT_EQ(speedToPace(0.0f), 0.0f);
    EXPECT_EQ(speedToPace(1e-38f), 0.0f);
}

TEST(CommonLactateAxis, IsTheLargestOfTheKeptCurves) {
    FrozenCurves curves;
    curves.curves[1].lactateAxisMax = 8;
    curves.curves[2].lactateAxisMax = 24;
    curves.curves[3].lactateAxisMax = 6;
    EXPECT_EQ(commonLactateAxisMax(curves, 1), std::optional<std::int16_t>(8));
    EXPECT_EQ(commonLactateAxisMax(curves, 3), std::optional<std::int16_t>(24));
    EXPECT_EQ(commonLactateAxisMax(curves, 7), std::optional<std::int16_t>(24)); // no slot 7
    EXPECT_EQ(commonLactateAxisMax(curves, 0), std::nullopt);
}

} // namespace
} // namespace kavren
