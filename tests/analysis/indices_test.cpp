// The five indices from a fit, their display per discipline, the recovery values, the pace helper
// and the common lactate axis.
#include "analysis/indices.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

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
        QStringLiteral("7.39"), QStringLiteral("5.75"), QStringLiteral("4.48"), QStringLiteral("2.72")};
    const std::array<std::optional<QString>, 4> hr = {
        QStringLiteral("150"), QStringLiteral("140"), QStringLiteral("130"), QStringLiteral("110")};
    EXPECT_EQ(values.lactate, lactate);
    EXPECT_EQ(values.hr, hr);
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
