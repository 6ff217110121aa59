// The common-scale redraw of kept curves and its slot by slot grouping, the heart-rate line of a
// continuous recording, and what reaches the drawing surface for points, curves and the threshold
// cross.
#include "domain/analysis/common_scale_plot.h"
#include "domain/analysis/continuous_hr_line.h"
#include "domain/drawing/curve_plot.h"
#include "support/recording_surface.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kavren {
namespace {

FrozenCurve keptCurve(float firstX, float lastX) {
    FrozenCurve curve;
    curve.firstX = firstX;
    curve.lastX = lastX;
    curve.x = {firstX, firstX + 1, firstX + 2, lastX, 0, 0};
    curve.lactate = {1, 2, 3, 4, 0, 0};
    curve.hr = {130, 150, 170, 190, 0, 0};
    curve.fit = {-2, 0.5, 60, 20};
    curve.stepCount = 4;
    curve.lactateAxisMax = 6;
    return curve;
}

TEST(CommonScale, OneStrokePerHundredthBetweenFirstAndLastX) {
    FrozenCurves curves;
    curves.curves[1] = keptCurve(3.5f, 6.5f);
    GraphScale scale;
    scale.lactateScale = 2;
    std::int16_t stepCount = 0;
    PointTable points;
    float currentLactate = 0;
    const PlotItems items =
        plotOnCommonScale(curves, {1, u"1"_qs, 3.5}, scale, stepCount, points, currentLactate);
    ASSERT_EQ(items.curves.size(), 2u);
    EXPECT_EQ(items.curves[0].pieceStarts.size(), 301u);
    EXPECT_EQ(items.curves[1].pieceStarts.size(), 301u);
    EXPECT_EQ(stepCount, 4);
    EXPECT_EQ(points.at(0, PointSeries::Lactate, 1), (TablePoint{45, 40}));
}

TEST(CommonScale, RecoverySampleAtNineMinutesLiesAtSeven) {
    FrozenCurves curves;
    curves.curves[1] = keptCurve(0, 20);
    curves.curves[1].x = {0, 9, 15, 20, 0, 0};
    GraphScale scale;
    scale.xOffset = 4;
    scale.xDivisor = 3;
    std::int16_t stepCount = 0;
    PointTable points;
    float currentLactate = 0;
    const PlotItems items =
        plotOnCommonScale(curves, {1, u"1"_qs, 0}, scale, stepCount, points, currentLactate);
    EXPECT_DOUBLE_EQ(items.marks[1].centre.x(), 7.0);
}

TEST(CommonScale, LactateOverflowEndsTheRedraw) {
    FrozenCurves curves;
    curves.curves[1] = keptCurve(5, 8);
    curves.curves[1].fit = {0, 100, 60, 20}; // e^(100·x) leaves the single range
    curves.curves[2] = keptCurve(5, 8);
    std::int16_t stepCount = 0;
    PointTable points;
    float currentLactate = 0;
    const PlotItems items =
        plotOnCommonScale(curves, {2, u"1"_qs, 5}, GraphScale{}, stepCount, points, currentLactate);
    EXPECT_EQ(items.curves.size(), 2u); // slot 1's heart-rate line and the unfinished lactate curve
    EXPECT_EQ(stepCount, 4);
}

struct SlotEndCase {
    const char *name;
    int curveSlot;
    const char *lakt1;   // the test on screen's first lactate: "0.1" is heart-rate-only
    bool slot1Overflows; // slot 1's lactate curve leaves the single range
    std::int16_t slot2Steps;
    std::vector<PlotSlotEnd> ends;
};

void PrintTo(const SlotEndCase &c, std::ostream *out) {
    *out << c.name;
}

class CommonScaleSlotEnds : public testing::TestWithParam<SlotEndCase> {};

// Each kept test's points and curves are closed off together, so that they are drawn slot by slot.
TEST_P(CommonScaleSlotEnds, EachSlotEndsAfterItsCurves) {
    const SlotEndCase &c = GetParam();
    FrozenCurves curves;
    curves.curves[1] = keptCurve(5, 8);
    if (c.slot1Overflows)
        curves.curves[1].fit = {0, 100, 60, 20};
    curves.curves[2] = keptCurve(5.5f, 8.5f);
    curves.curves[2].stepCount = c.slot2Steps;
    std::int16_t stepCount = 0;
    PointTable points;
    float currentLactate = 0;
    const PlotItems items =
        plotOnCommonScale(curves, {c.curveSlot, QString::fromLatin1(c.lakt1), 5}, GraphScale{},
                          stepCount, points, currentLactate);
    ASSERT_EQ(items.slotEnds.size(), c.ends.size()) << c.name;
    for (std::size_t i = 0; i < c.ends.size(); ++i) {
        EXPECT_EQ(items.slotEnds[i].marks, c.ends[i].marks) << c.name << " slot " << i + 1;
        EXPECT_EQ(items.slotEnds[i].curves, c.ends[i].curves) << c.name << " slot " << i + 1;
    }
    EXPECT_EQ(items.marks.size(), c.ends.back().marks) << c.name;
    EXPECT_EQ(items.curves.size(), c.ends.back().curves) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    KeptTests, CommonScaleSlotEnds,
    testing::Values(
        SlotEndCase{"two four-step tests", 2, "1", false, 4, {{8, 2}, {16, 4}}},
        // Heart-rate-only test on screen: no lactate curves, the kept lactate points stay.
        SlotEndCase{"heart-rate-only on screen", 2, "0.1", false, 4, {{8, 1}, {16, 2}}},
        SlotEndCase{"overflow ends after slot 1", 2, "1", true, 4, {{8, 2}}},
        // A slot without a usable step count draws its curves but no points.
        SlotEndCase{"slot 2 without points", 2, "1", false, 2, {{8, 2}, {8, 4}}},
        SlotEndCase{"one kept test", 1, "1", false, 4, {{8, 2}}}));

TEST(ContinuousHrLine, SixSyntheticStepsUpToTheHighestSpeed) {
    SampleBuffer buffer;
    for (int i = 0; i <= 100; ++i) {
        const float speed = 4 + i * 0.06f;
        buffer.hrSpeedTable[std::size_t(i)] = {100 + 10 * speed, speed};
    }
    buffer.sampleCount = 100;
    buffer.maxSpeed = 10;
    CurrentTest test;
    test.discipline = QStringLiteral("Trav");
    test.speedUnit = SpeedUnit::MinPerKm;
    ComparisonCells cells;
    const ContinuousHrResult result =
        continuousHrLine(buffer, {false, u"0.1"_qs, {}, {}}, test, cells);
    ASSERT_TRUE(result.fitted);
    EXPECT_NEAR(test.fitDouble.hrSlope, 10, 1e-3);
    EXPECT_NEAR(test.fitDouble.hrIntercept, 100, 1e-2);
    const std::array<const char *, 6> hr = {"150", "160", "170", "180", "190", "200"};
    const std::array<const char *, 6> pace = {"3.2", "2.47", "2.23", "2.05", "1.51", "1.4"};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(result.hrTexts[k], std::optional(QString::fromUtf8(hr[k]))) << k;
        EXPECT_EQ(result.speedTexts[k], std::optional(QString::fromUtf8(pace[k]))) << k;
    }
    EXPECT_EQ(test.scale.hrBase, 120.0f);
    EXPECT_NEAR(double(result.line.pieceStarts.size()), 121, 1);
    EXPECT_NEAR(test.results.v200, 10, 1e-3);
    EXPECT_EQ(cells.labelx[0], u"1:40");
}

TEST(ContinuousHrLine, NoSamplesOrOneSpeedKeepTheLine) {
    SampleBuffer buffer;
    buffer.sampleCount = -1;
    CurrentTest test;
    test.fitDouble = {0, 0, 100, 10};
    ComparisonCells cells;
    EXPECT_FALSE(continuousHrLine(buffer, {}, test, cells).fitted);
    buffer.sampleCount = 30000; // beyond the table: only its rows are read
    buffer.maxSpeed = 1e9f;
    const ContinuousHrResult allAtZero = continuousHrLine(buffer, {}, test, cells);
    EXPECT_FALSE(allAtZero.fitted);
    EXPECT_EQ(test.fitDouble.hrSlope, 10);
    EXPECT_LE(allAtZero.line.pieceStarts.size(), 262u);
}

TEST(CurvePlotDrawing, PointsAndCurvesReachTheSurfaceInTheirStyles) {
    PlotItems items;
    items.marks.push_back({QPointF(5, 2), MarkStyle::LactatePoint});
    items.marks.push_back({QPointF(5, 3), MarkStyle::HrPoint});
    PlotCurve curve;
    curve.colour = CurveColour::HeartRate;
    curve.pieceStarts = {QPointF(5, 3), QPointF(5.01, 3.015)};
    items.curves.push_back(curve);
    StyleSettings styles;
    styles.curveWidth = QStringLiteral("3");
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    drawCurvePlot(surface, styles, items);

    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].colour, QColor(0, 0, 255)); // lactate colour 9
    EXPECT_EQ(circles[1].colour, QColor(255, 0, 0)); // heart-rate colour 12
    EXPECT_DOUBLE_EQ(circles[0].radius, 0.07);
    EXPECT_EQ(circles[0].fillPattern, FillPattern::Transparent);
    const auto lines = surface.stepsOf(SurfaceStep::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].a, QPointF(5.01, 3.015));
    EXPECT_EQ(lines[1].b, QPointF(5.02, 3.015));
    EXPECT_EQ(lines[1].width, 3);
}

TEST(CurvePlotDrawing, BadStyleSkipsOnlyItsSteps) {
    PlotItems items;
    items.marks.push_back({QPointF(5, 2), MarkStyle::LactatePoint});
    items.marks.push_back({QPointF(5, 3), MarkStyle::HrPoint});
    StyleSettings styles;
    styles.lactateColour = QStringLiteral("16");
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    drawCurvePlot(surface, styles, items);
    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].a, QPointF(5, 3));
}

TEST(CurvePlotDrawing, ThresholdCrossInTheThresholdColour) {
    ThresholdCross cross;
    cross.lines = {QLineF(15, 4, 8, 4), QLineF(8, 0, 8, 4)};
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    drawThresholdCross(surface, StyleSettings{}, cross);
    const auto lines = surface.stepsOf(SurfaceStep::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].colour, QColor(0, 128, 0));
    EXPECT_EQ(lines[1].b, QPointF(8, 4));
}

} // namespace
} // namespace kavren
