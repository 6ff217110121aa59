// Axis ranges, ticks and labels of the graph, and the frame of both variants as drawn on the
// recording surface.
#include "domain/drawing/axis_frame.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kavren;

namespace {

constexpr double Tolerance = 1e-6;

struct LactateCase {
    double m;
    float axisMax;
    float scale;
    int firstLabel;
    int lastLabel;
    std::size_t labelCount;
};

class LactateRangeTest : public testing::TestWithParam<LactateCase> {};

TEST_P(LactateRangeTest, ChoosesAxisAndLabels) {
    const LactateCase &c = GetParam();
    const LactateRange range = chooseLactateRange(c.m);
    EXPECT_EQ(range.axisMax, c.axisMax) << c.m;
    EXPECT_EQ(range.scale, c.scale) << c.m;
    ASSERT_EQ(range.labels.size(), c.labelCount) << c.m;
    EXPECT_EQ(range.labels.front(), c.firstLabel);
    EXPECT_EQ(range.labels.back(), c.lastLabel);
    // The top label always stands on the top grid row.
    EXPECT_NEAR(range.labels.back() * range.scale, 12, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    TableB, LactateRangeTest,
    testing::Values(LactateCase{12.01, 24, 0.5f, 2, 24, 12}, LactateCase{12, 12, 1.0f, 2, 12, 6},
                    LactateCase{8.01, 12, 1.0f, 2, 12, 6}, LactateCase{8, 8, 1.5f, 2, 8, 4},
                    LactateCase{6.01, 8, 1.5f, 2, 8, 4}, LactateCase{6.0001, 8, 1.5f, 2, 8, 4},
                    LactateCase{12.0001, 24, 0.5f, 2, 24, 12}, LactateCase{6, 6, 2.0f, 1, 6, 6},
                    LactateCase{0, 6, 2.0f, 1, 6, 6}, LactateCase{-3, 6, 2.0f, 1, 6, 6}));

struct HrCase {
    double h;
    double firstHr;
    bool recovery;
    float axisMax;
    int base;
    float scale;
    int firstLabel;
    int firstRow;
    int lastLabel;
    double rise;
};

class HrRangeTest : public testing::TestWithParam<HrCase> {};

TEST_P(HrRangeTest, ChoosesAxisAndLabelsAtTheMappedRows) {
    const HrCase &c = GetParam();
    const HrRange range = chooseHrRange(c.h, c.firstHr, c.recovery);
    EXPECT_EQ(range.axisMax, c.axisMax);
    EXPECT_EQ(range.base, c.base);
    EXPECT_FLOAT_EQ(range.scale, c.scale);
    ASSERT_FALSE(range.labels.empty());
    EXPECT_EQ(range.labels.front().value, c.firstLabel);
    EXPECT_EQ(range.labels.front().row, c.firstRow);
    EXPECT_EQ(range.labels.back().value, c.lastLabel);
    EXPECT_EQ(range.labels.back().row, 12);
    EXPECT_EQ(range.labelRise, c.rise);
    // Every label stands at the row where the mapping puts its heart rate.
    GraphScale scale;
    applyRanges(scale, chooseLactateRange(0), range);
    for (const HrLabel &label : range.labels)
        EXPECT_NEAR(scale.yOfHr(label.value), label.row, 1e-5) << label.value;
}

INSTANTIATE_TEST_SUITE_P(
    TableC, HrRangeTest,
    testing::Values(HrCase{0, 0, true, 240, 60, 1.0f / 15, 60, 0, 240, 0.3},
                    HrCase{186, 120, false, 240, 120, 0.1f, 120, 0, 240, 0.3},
                    HrCase{200, 119, false, 240, 60, 1.0f / 15, 60, 0, 240, 0.3},
                    HrCase{200, 110, false, 240, 60, 1.0f / 15, 60, 0, 240, 0.3},
                    // Fractions at the bounds: 185.5 is above 185 and a first heart rate of
                    // 119.5 above 119 (neither is rounded or cut before the comparison).
                    HrCase{185.5, 150, false, 240, 120, 0.1f, 120, 0, 240, 0.3},
                    HrCase{200, 119.5, false, 240, 120, 0.1f, 120, 0, 240, 0.3},
                    HrCase{135.01, 150, false, 185, 65, 0.1f, 75, 1, 185, 0.5},
                    HrCase{185, 150, false, 185, 65, 0.1f, 75, 1, 185, 0.5},
                    HrCase{135.5, 150, false, 185, 65, 0.1f, 75, 1, 185, 0.5},
                    HrCase{135, 150, false, 135, 75, 0.2f, 75, 0, 135, 0.5},
                    HrCase{130, 0, false, 135, 75, 0.2f, 75, 0, 135, 0.5}));

TEST(AxisValues, TicksAndXLabels) {
    EXPECT_EQ(tickXs(false).size(), 10u);
    EXPECT_EQ(tickXs(true).size(), 33u);
    EXPECT_EQ(gridXs().size(), 111u);
    EXPECT_DOUBLE_EQ(gridXs().front(), 4);
    EXPECT_NEAR(gridXs().back(), 15, 1e-9); // 4 and 110 steps of 0.1, the last one included

    const auto normal = xLabels(false);
    ASSERT_EQ(normal.size(), 11u);
    EXPECT_EQ(normal.front().text.trimmed(), QStringLiteral("300")); // 5 m/s, under x = 5
    EXPECT_NEAR(normal.front().at.x(), 4.85, Tolerance);
    EXPECT_EQ(normal.back().text, QStringLiteral(" 900 "));

    const auto recovery = xLabels(true);
    ASSERT_EQ(recovery.size(), 16u);
    EXPECT_EQ(recovery.front().text.trimmed(), QStringLiteral("2"));
    EXPECT_EQ(recovery.back().text.trimmed(), QStringLiteral("32"));
    // 6 minutes lies at x = 6: the label "6" starts just left of it.
    EXPECT_NEAR(recovery[2].at.x() + 0.15, 6, Tolerance);
    // Every label j (1…16) reads 2·j minutes and stands at 4 + 2j/3 − 0.15, under its time.
    for (int j = 1; j <= 16; ++j) {
        const FrameText &label = recovery[std::size_t(j - 1)];
        EXPECT_EQ(label.text, u' ' + QString::number(2 * j) + u' ') << j;
        EXPECT_NEAR(label.at.x(), 4 + 2.0 * j / 3 - 0.15, Tolerance) << j;
        EXPECT_NEAR(label.at.y(), -0.5, Tolerance) << j;
    }
    // The speed labels likewise: 60·k m/min at k − 0.15 for k = 5…15.
    for (int k = 5; k <= 15; ++k) {
        const FrameText &label = normal[std::size_t(k - 5)];
        EXPECT_EQ(label.text, u' ' + QString::number(60 * k) + u' ') << k;
        EXPECT_NEAR(label.at.x(), k - 0.15, Tolerance) << k;
    }
}

class AxisFrameTest : public testing::Test {
protected:
    RecordingSurface surface;
    StyleSettings styles;
    GraphScale scale;

    void SetUp() override { surface.setScale(GraphCanvasScale); }

    std::vector<SurfaceStep> linesAt(QPointF from, QPointF to) const {
        std::vector<SurfaceStep> found;
        for (const SurfaceStep &s : surface.stepsOf(SurfaceStep::Kind::Line))
            if (s.a == from && s.b == to)
                found.push_back(s);
        return found;
    }
    const SurfaceStep &text(const char *t) const {
        const SurfaceStep *found = surface.findText(QString::fromLatin1(t));
        EXPECT_NE(found, nullptr) << t;
        static const SurfaceStep none;
        return found ? *found : none;
    }
};

TEST_F(AxisFrameTest, SingleTestFrameDrawsAxesGridAndLabelsInTheirColours) {
    drawAxisFrame(surface, styles, scale, {false, 5.0, 200, 110, false});
    ASSERT_EQ(linesAt({4, 0}, {4, 12}).size(), 1u);
    EXPECT_EQ(linesAt({4, 0}, {4, 12})[0].colour, QColor(255, 0, 0));     // hrColour 12
    EXPECT_EQ(linesAt({4, 0}, {15, 0})[0].colour, QColor(192, 192, 192)); // speedAxisColour 7
    EXPECT_EQ(linesAt({15, 0}, {15, 12})[0].colour, QColor(0, 0, 255));   // lactateColour 9
    // Ticks take the tempo-axis number 7 as a raw colour: almost black.
    EXPECT_EQ(linesAt({5, 0}, {5, 0.2})[0].colour, QColor(7, 0, 0));
    EXPECT_EQ(surface.stepsOf(SurfaceStep::Kind::Point).size(), 2u + 12 * 111);

    EXPECT_EQ(text("b/min").a, QPointF(4, 12.8));
    EXPECT_EQ(text("b/min").colour, QColor(255, 0, 0));
    EXPECT_EQ(text("b/min").fontSize, 8);
    EXPECT_EQ(text("mmol/l").a, QPointF(14, 12.8));
    EXPECT_EQ(text("Speed (meter/minute)").a, QPointF(8, -2));
    EXPECT_EQ(text("Speed (meter/minute)").fontSize, 10);

    // Lactate 5.0 gives the 6 mmol/l axis; heart rate 200 with puls1 110 the 60…240 axis.
    EXPECT_EQ(scale.lactateScale, 2.0f);
    EXPECT_EQ(scale.hrBase, 60);
    EXPECT_EQ(text("6").a, QPointF(15.2, 12.3));
    EXPECT_EQ(text("6").colour, QColor(0, 0, 255));
    EXPECT_NEAR(text("75").a.y(), 1.3, Tolerance); // heart rate 75 at row 1
    EXPECT_EQ(text("75").colour, QColor(255, 0, 0));
    EXPECT_EQ(surface.lineWidth(), 1); // circleWidth
}

TEST_F(AxisFrameTest, ImportedRecordingForcesTheFullHeartRateAxis) {
    drawAxisRanges(surface, styles, scale, {false, 5.0, 130, 150, true});
    EXPECT_EQ(scale.hrAxisMax, 240);
    EXPECT_EQ(scale.hrBase, 120);
}

TEST_F(AxisFrameTest, RecoveryKeepsTheLactateAxisAndFixesTheHeartRateAxis) {
    scale.lactateAxisMax = 12;
    drawAxisFrame(surface, styles, scale, {true, 20.0, 130, 0, false});
    EXPECT_EQ(scale.lactateAxisMax, 12);
    EXPECT_EQ(scale.hrBase, 60);
    EXPECT_NE(surface.findText(QStringLiteral("Time (minutes)")), nullptr);
    EXPECT_NE(surface.findText(QStringLiteral("32")), nullptr);
    EXPECT_EQ(linesAt({4, 0}, {4, 0.2}).size(), 1u);
}

TEST_F(AxisFrameTest, CommonScaleFrameUsesItsOwnColours) {
    styles.speedAxisColour = QStringLiteral("5");
    scale.lactateAxisMax = 24;
    scale.hrAxisMax = 185;
    drawCommonScaleFrame(surface, styles, scale, false, 150);
    EXPECT_EQ(linesAt({4, 0}, {15, 0})[0].colour, QColor(0, 0, 0));
    EXPECT_EQ(linesAt({15, 0}, {15, 12})[0].colour, QColor(255, 0, 0)); // hrColour
    EXPECT_EQ(linesAt({5, 0}, {5, 0.2})[0].colour, QColor(0, 0, 0));
    const auto points = surface.stepsOf(SurfaceStep::Kind::Point);
    EXPECT_EQ(points[0].colour, QColor(0, 128, 0)); // the titles' pen dot is green
    // Labels keep the tempo-axis colour after the axis title.
    EXPECT_EQ(text("24").colour, QColor(128, 0, 128));
    EXPECT_EQ(text("24").a, QPointF(15.2, 12.3));
    EXPECT_EQ(text("185").colour, QColor(128, 0, 128));
    EXPECT_NEAR(text("185").a.y(), 12.5, Tolerance);
    EXPECT_EQ(scale.hrBase, 65);
}

TEST_F(AxisFrameTest, BadStyleValuesSkipOnlyTheirSteps) {
    styles.hrColour = QStringLiteral("16");
    styles.backgroundColour = QStringLiteral("x");
    styles.circleWidth = QStringLiteral("0");
    surface.setLineWidth(2);
    drawAxisFrame(surface, styles, scale, {false, 5.0, 150, 120, false});
    EXPECT_TRUE(linesAt({4, 0}, {4, 12}).empty());
    EXPECT_EQ(linesAt({4, 0}, {15, 0}).size(), 1u);
    // Without a pen dot the heart-rate title is printed where the pen stood.
    EXPECT_NE(text("b/min").a, QPointF(4, 12.8));
    // The heart-rate labels keep the colour before them (the lactate colour).
    EXPECT_EQ(text("185").colour, QColor(0, 0, 255));
    EXPECT_EQ(surface.lineWidth(), 2);
}

} // namespace
