// The layout shared by the test on screen and the kept curves: which lactate a sample beyond the
// single range leaves, where each kind of curve stops, and which cursor positions are stored.
#include "domain/plot/plot_items.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

// ln L = 10·x sampled from 8.5 by 0.01: the single range ends at ln(3.4028e38) ≈ 88.72, so the
// samples k = 0…37 (x ≤ 8.87, ln L ≤ 88.7) fit and k = 38 (88.8) is the first that does not.
constexpr std::size_t FittingSamples = 38;

FittedCurves steepCurve(FittedCurves::Role role, bool lactateShown) {
    FittedCurves fitted;
    fitted.role = role;
    fitted.firstX = 8.5;
    fitted.lastX = 9.0;
    fitted.lactateSlope = 10;
    fitted.hrIntercept = 100;
    fitted.lactateShown = lactateShown;
    return fitted;
}

TEST(FittedCurves, TheTestOnScreenKeepsTheLastLactateWhereAKeptCurveEnds) {
    const GraphScale scale; // lactate 2 units per mmol/l, heart rate y = h
    PlotItems screen;
    float screenLactate = 0;
    EXPECT_TRUE(addFittedCurves(steepCurve(FittedCurves::Role::TestOnScreen, true), scale, screen,
                                screenLactate));
    ASSERT_EQ(screen.curves.size(), 2u);
    const std::vector<QPointF> &hr = screen.curves[0].pieceStarts;
    const std::vector<QPointF> &onScreen = screen.curves[1].pieceStarts;
    ASSERT_GT(hr.size(), FittingSamples);
    EXPECT_EQ(hr.front().y(), 100.0);
    ASSERT_EQ(onScreen.size(), hr.size()); // every sample has its lactate piece
    const double lastFitting = onScreen[FittingSamples - 1].y();
    for (std::size_t k = FittingSamples; k < onScreen.size(); ++k)
        EXPECT_EQ(onScreen[k].y(), lastFitting) << k;
    EXPECT_EQ(double(screenLactate) * 2, lastFitting);

    PlotItems kept;
    float keptLactate = 0;
    EXPECT_FALSE(
        addFittedCurves(steepCurve(FittedCurves::Role::Kept, true), scale, kept, keptLactate));
    ASSERT_EQ(kept.curves.size(), 2u);
    EXPECT_EQ(kept.curves[0].pieceStarts, hr); // the heart-rate line goes on to the end
    EXPECT_EQ(kept.curves[1].pieceStarts.size(), FittingSamples);
    EXPECT_EQ(keptLactate, screenLactate);
}

TEST(FittedCurves, OnlyTheTestOnScreenFollowsALactateItDoesNotDraw) {
    const GraphScale scale;
    PlotItems screen, kept;
    float screenLactate = 7, keptLactate = 7;
    addFittedCurves(steepCurve(FittedCurves::Role::TestOnScreen, false), scale, screen,
                    screenLactate);
    EXPECT_TRUE(
        addFittedCurves(steepCurve(FittedCurves::Role::Kept, false), scale, kept, keptLactate));
    EXPECT_EQ(screen.curves.size(), 1u);
    EXPECT_EQ(kept.curves.size(), 1u);
    EXPECT_GT(screenLactate, 1e38f); // the last fitting sample, e^88.7
    EXPECT_EQ(keptLactate, 7.0f);
}

TEST(CursorPositions, ColumnsFloorRowsRoundHalfToEvenAndMissingValuesStoreNothing) {
    GraphScale scale;
    scale.hrBase = 120;
    scale.hrScale = 0.1f;
    scale.lactateScale = 1.0f;
    // Columns floor(10·x): 5.67 → 56, 6.25 → 62, 7.95 → 79 (rounding would give 57, 63, 80).
    // Heart-rate rows (h − 120)·10·0.1: 150 → 30, 165 → 45 (0.1f is a little above 0.1).
    // Lactate rows L·10: 0.25 → 2.5 → 2 half to even (half up gives 3), 2.5 → 25.
    const CursorPoints points = {CursorPoint{5.67, 150.0, 0.25},
                                 CursorPoint{6.25, std::nullopt, 2.5},
                                 CursorPoint{7.95, 165.0, std::nullopt}};
    PointTable table;
    storeCursorPositions(points, 2, scale, table);
    EXPECT_EQ(table.at(2, PointSeries::HeartRate, 0), (TablePoint{56, 30}));
    EXPECT_EQ(table.at(2, PointSeries::Lactate, 0), (TablePoint{56, 2}));
    EXPECT_EQ(table.at(2, PointSeries::HeartRate, 1), TablePoint{});
    EXPECT_EQ(table.at(2, PointSeries::Lactate, 1), (TablePoint{62, 25}));
    EXPECT_EQ(table.at(2, PointSeries::HeartRate, 2), (TablePoint{79, 45}));
    EXPECT_EQ(table.at(2, PointSeries::Lactate, 2), TablePoint{});

    // Slots outside the table store nothing.
    const PointTable before = table;
    storeCursorPositions(points, -1, scale, table);
    storeCursorPositions(points, PointTable::Slots, scale, table);
    EXPECT_EQ(table.entries, before.entries);
}

} // namespace
} // namespace kavren
