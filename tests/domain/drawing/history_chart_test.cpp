// The history chart's geometry worked out by hand on a 740 × 500 chart, whose plotting area is
// x 64…724 (660 pixels) and y 24…464 (440 pixels): dates, whiskers, a pace axis, the band and
// what a click finds.
#include "domain/drawing/history_chart.h"
#include "support/recording_surface.h"

#include "support/qt_printers.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace kavren {
namespace {

constexpr QSizeF ChartSize(740, 500);
constexpr double Tolerance = 1e-9;

QDateTime day(int year, int month, int date) {
    return QDateTime(QDate(year, month, date), QTime(0, 0), QTimeZone::utc());
}

// Three tests 10 and 20 days apart, in m/s (a discipline without a unit of its own). The values
// span 8…10 and the whiskers 7…11: with 5 % margins y runs 6.8…11.2, 100 pixels per m/s, and x
// runs over 33 days, 20 pixels a day, from 1.5 days before the first test.
HistoryChartInput threeTests() {
    HistoryChartInput input;
    input.indexName = QStringLiteral("VLa4");
    input.samples = {{11, day(2024, 1, 1), 8.0, 7.0, 9.0},
                     {12, day(2024, 1, 11), 9.0, std::nullopt, std::nullopt},
                     {13, day(2024, 1, 31), 10.0, 9.5, 11.0}};
    return input;
}

TEST(HistoryChart, DatesMapToXByTimeAndWhiskersSpanTheInterval) {
    const HistoryChart chart = historyChart(threeTests(), ChartSize);
    ASSERT_EQ(chart.points.size(), 3u);
    EXPECT_NEAR(chart.points[0].at.x(), 94, Tolerance);
    EXPECT_NEAR(chart.points[1].at.x(), 294, Tolerance); // by time, not half-way by order
    EXPECT_NEAR(chart.points[2].at.x(), 694, Tolerance);
    EXPECT_NEAR(chart.points[0].at.y(), 344, Tolerance);
    EXPECT_NEAR(chart.points[2].at.y(), 144, Tolerance);
    EXPECT_EQ(chart.points[0].whisker, QLineF(94, 444, 94, 244));
    EXPECT_FALSE(chart.points[1].whisker.has_value()); // an unbounded interval
    ASSERT_TRUE(chart.points[2].whisker.has_value());
    EXPECT_NEAR(chart.points[2].whisker->y1(), 194, Tolerance);
    EXPECT_NEAR(chart.points[2].whisker->y2(), 44, Tolerance);
    // Weekly ticks (660 pixels hold seven labels, daily or two-daily ticks would be more).
    ASSERT_EQ(chart.dateTicks.size(), 5u);
    EXPECT_NEAR(chart.dateTicks[1].position, 234, Tolerance);
    EXPECT_EQ(chart.dateTicks[1].label, "2024-01-08");
    EXPECT_EQ(chart.title, "VLa4 (m/s)");
}

// Trotting shows seconds per km: 12.5 m/s is 80 s/km, 10 m/s 100 s/km; y runs 79…101 s/km at
// 20 pixels a second, the faster test at the top as the graph has it to the right.
TEST(HistoryChart, APaceAxisPutsTheFasterTestHigher) {
    HistoryChartInput input;
    input.indexName = QStringLiteral("V200");
    input.discipline = QStringLiteral("Trav");
    input.samples = {{1, day(2024, 3, 1), 10.0, {}, {}}, {2, day(2024, 4, 1), 12.5, {}, {}}};
    const HistoryChart chart = historyChart(input, ChartSize);
    ASSERT_EQ(chart.points.size(), 2u);
    EXPECT_NEAR(chart.points[0].at.y(), 444, Tolerance);
    EXPECT_NEAR(chart.points[1].at.y(), 44, Tolerance);
    ASSERT_FALSE(chart.valueTicks.empty());
    EXPECT_EQ(chart.valueTicks.front().label, "1:20");
    EXPECT_NEAR(chart.valueTicks.front().position, 44, Tolerance);
    EXPECT_EQ(chart.valueTicks.back().label, "1:40");
    EXPECT_EQ(chart.title, "V200 (min/km)");
}

// Riding in m/min: the band 300…360 m/min with its median 330 spans y 444…44 (66 m/min over 440
// pixels); with 19 tests there is no band.
TEST(HistoryChart, TheBandCoversItsPercentilesFromTwentyTests) {
    HistoryChartInput input;
    input.indexName = QStringLiteral("VLa4");
    input.discipline = QStringLiteral("Rid");
    input.samples = {{5, day(2024, 5, 1), 5.5, {}, {}}};
    input.band = {20, 5.0, 5.5, 6.0};
    const HistoryChart chart = historyChart(input, ChartSize);
    ASSERT_TRUE(chart.band.has_value());
    EXPECT_NEAR(chart.band->p10Y, 444, Tolerance);
    EXPECT_NEAR(chart.band->medianY, 244, Tolerance);
    EXPECT_NEAR(chart.band->p90Y, 44, Tolerance);

    RecordingSurface surface(QRectF(QPointF(0, 0), ChartSize));
    drawHistoryChart(surface, chart);
    const auto pictures = surface.stepsOf(SurfaceStep::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(QRectF(pictures[0].a, pictures[0].b).normalized(), QRectF(64, 44, 660, 400));

    input.band.testCount = 19;
    EXPECT_FALSE(historyChart(input, ChartSize).band.has_value());
}

// A fit gone wild gives heart rates near 10^18 b/min, where adding one tick to the next no longer
// changes a double, and dates ten thousand years apart: the chart keeps to a few ticks.
TEST(HistoryChart, AbsurdValuesAndDatesGiveAFewTicks) {
    HistoryChartInput input;
    input.indexName = QStringLiteral("Hr4");
    input.speedIndex = false;
    input.samples = {{1, day(1, 1, 1), 1e18, {}, {}}, {2, day(9999, 1, 1), 1e18 + 1024, {}, {}}};
    const HistoryChart chart = historyChart(input, ChartSize);
    EXPECT_LE(chart.valueTicks.size(), 14u);
    EXPECT_LE(chart.dateTicks.size(), 7u);
    EXPECT_EQ(chart.points.size(), 2u);
}

TEST(HistoryChart, AClickFindsTheTestOfTheNearestPointWithinReach) {
    const HistoryChart chart = historyChart(threeTests(), ChartSize);
    EXPECT_EQ(historyChartHit(chart, QPointF(96, 341)), 11);
    EXPECT_EQ(historyChartHit(chart, QPointF(294, 251.5)), 12);           // 7.5 pixels away
    EXPECT_EQ(historyChartHit(chart, QPointF(294, 252.5)), std::nullopt); // 8.5
}

} // namespace
} // namespace kavren
