#include "domain/analysis/comparison_table.h"
#include "domain/analysis/slider_release.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(PercentRule, ExamplesOfBothRules) {
    struct Case {
        double compared;
        double reference;
        bool recovery;
        double expected;
    };
    const Case cases[] = {
        {8.5, 8.0, false, 6.2}, {7.5, 8.0, false, -6.3}, {150, 160, true, 6.3},
        {170, 160, true, -6.2}, {160, 160, true, 0},     {200, 100, false, 100},
    };
    for (const Case &c : cases) {
        const auto value = c.recovery ? recoveryChange(c.compared, c.reference)
                                      : percentChange(c.compared, c.reference);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.compared << " against " << c.reference;
    }
    EXPECT_FALSE(percentChange(5, 0).has_value());
    EXPECT_FALSE(recoveryChange(5, 0).has_value());
}

TEST(PercentRule, TheStoredListsDifferInSinglePrecision) {
    // 8.24f − 8.0f is 0.23999977: 29.99997 per mille rounds down to 2.9, not 3.
    EXPECT_DOUBLE_EQ(percentChangeOfSingles(8.24f, 8.0f).value(), 2.9);
    EXPECT_DOUBLE_EQ(percentChangeOfSingles(8.5f, 8.0f).value(), 6.2);
}

namespace {

ComparisonCells twoSpeedTests() {
    ComparisonCells cells;
    cells.comparedV200 = {8.0f, 8.24f, 7.5f};
    cells.comparedVla4 = {7.0f, 7.7f, 6.3f};
    cells.comparedVla2 = {6.0f, 6.0f, 0.0f};
    cells.hr2x = {QStringLiteral("160"), QStringLiteral("150"), QStringLiteral("170")};
    cells.hr4x = {QString(), QStringLiteral("180"), QStringLiteral("190")};
    return cells;
}

} // namespace

TEST(PercentCells, SpeedLayoutFillsEveryTestAfterTheFirst) {
    PercentCells percent;
    percent.hf4P = {QStringLiteral("kept"), QStringLiteral("kept")};
    fillPercentCells({3, false, {}}, twoSpeedTests(), percent);
    EXPECT_EQ(percent.v200P[0], QStringLiteral("2.9"));
    EXPECT_EQ(percent.v200P[1], QStringLiteral("-6.3"));
    EXPECT_EQ(percent.vla4P[0], QStringLiteral("9.9")); // 7.7f − 7.0f lies below 0.7
    EXPECT_EQ(percent.vla2P[0], QStringLiteral("0"));
    // A test without a VLa2 of its own (0 in its list) has no change against the first.
    EXPECT_EQ(percent.vla2P[1], QStringLiteral(""));
    EXPECT_EQ(percent.hr2P[0], QStringLiteral("-6.3"));
    EXPECT_EQ(percent.hr2P[1], QStringLiteral("6.2"));
    // An empty reference cell is no value: its column shows no change.
    EXPECT_EQ(percent.hf4P[0], QStringLiteral(""));
    EXPECT_EQ(percent.hf4P[1], QStringLiteral(""));
    EXPECT_TRUE(percent.v200P[2].isEmpty());
}

TEST(PercentCells, ASingleTestOrHeartRateOnlyTestsFillNoLactateCells) {
    PercentCells percent;
    fillPercentCells({1, false, {}}, twoSpeedTests(), percent);
    EXPECT_TRUE(percent.v200P[0].isEmpty());

    PercentPassInputs inputs{3, false, {}};
    inputs.hrOnlyTests[2] = true;
    fillPercentCells(inputs, twoSpeedTests(), percent);
    EXPECT_EQ(percent.v200P[1], QStringLiteral("-6.3"));
    for (const auto *column : {&percent.vla2P, &percent.vla4P, &percent.hr2P, &percent.hf4P})
        EXPECT_TRUE((*column)[1].isEmpty());
    EXPECT_EQ(percent.vla4P[0], QStringLiteral("9.9")); // 7.7f − 7.0f lies below 0.7
}

TEST(PercentCells, RecoveryLayoutTurnsADecreaseIntoAGain) {
    ComparisonCells cells;
    cells.labelx = {QStringLiteral("7.39"), QStringLiteral("5.75")};
    cells.hr4x = {QStringLiteral("160"), QStringLiteral("150")};
    cells.hr20 = {QStringLiteral("110"), QStringLiteral("121")};
    cells.comparedV200 = {8.0f, 9.0f};
    PercentCells percent;
    fillPercentCells({2, true, {}}, cells, percent);
    EXPECT_EQ(percent.v200P[0], QStringLiteral("22.2"));
    EXPECT_EQ(percent.hf4P[0], QStringLiteral("6.3"));
    EXPECT_EQ(percent.h20p[0], QStringLiteral("-10"));
    EXPECT_TRUE(percent.h5p[0].isEmpty());
}

TEST(PercentCells, SevenKeptCurvesStopAtTheFifthCell) {
    ComparisonCells cells = twoSpeedTests();
    cells.comparedV200 = {8, 8, 8, 8, 8, 8, 16};
    PercentCells percent;
    fillPercentCells({7, false, {}}, cells, percent);
    EXPECT_EQ(percent.v200P[4], QStringLiteral("0"));
}

TEST(ClearAll, EmptiesTheTableAndTheTestButKeepsTheComparisonCounters) {
    CurrentTest test;
    test.discipline = QStringLiteral("Trav");
    test.speedUnit = SpeedUnit::MinPerKm;
    test.pace[2] = QStringLiteral("420");
    test.curveSlot = 3;
    test.comparedCount = 3;
    ComparisonCells cells = twoSpeedTests();
    cells.datex[0] = QStringLiteral("2006-03-14 10:22:05");
    for (auto &row : cells.matrix)
        row.fill(5.0);
    PercentCells percent;
    fillPercentCells({3, false, {}}, cells, percent);
    SampleBuffer samples;
    samples.sampleCount = 40;

    clearAll(test, cells, percent, samples);
    EXPECT_TRUE(test.discipline.isEmpty());
    EXPECT_EQ(test.speedUnit, SpeedUnit::NoUnit);
    EXPECT_TRUE(test.pace[2].isEmpty());
    EXPECT_EQ(test.curveSlot, 3);
    EXPECT_EQ(test.comparedCount, 3);
    EXPECT_TRUE(cells.datex[0].isEmpty());
    EXPECT_TRUE(cells.hr2x[1].isEmpty());
    EXPECT_TRUE(percent.v200P[0].isEmpty());
    EXPECT_EQ(cells.comparedV200[1], 8.24f);
    EXPECT_EQ(cells.matrix[6][7], 0.0);
    EXPECT_EQ(cells.matrix[7][0], 5.0);
    EXPECT_EQ(samples.sampleCount, 0);

    // The galloping and recovery options keep their state through the clear-all.
    test.speedUnit = SpeedUnit::SecPer200m;
    clearAll(test, cells, percent, samples);
    EXPECT_EQ(test.speedUnit, SpeedUnit::SecPer200m);
}

TEST(SliderRelease, FreezeEmptyOrHeartRateOnlyPutTheSliderBack) {
    EXPECT_EQ(heartRateSliderReleased(true, QStringLiteral("150")), SliderRelease::SetToZero);
    EXPECT_EQ(heartRateSliderReleased(false, QString()), SliderRelease::SetTo120);
    EXPECT_EQ(heartRateSliderReleased(false, QStringLiteral("150")), SliderRelease::RunThreshold);
    EXPECT_EQ(lactateSliderReleased(true, QStringLiteral("2")), SliderRelease::SetToZero);
    EXPECT_EQ(lactateSliderReleased(false, QStringLiteral("0.1")), SliderRelease::SetToZero);
    EXPECT_EQ(lactateSliderReleased(false, QString()), SliderRelease::SetToZero);
    EXPECT_EQ(lactateSliderReleased(false, QStringLiteral("2")), SliderRelease::RunThreshold);
}
