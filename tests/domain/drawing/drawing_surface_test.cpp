// The drawing surface: the coordinate map both ways, the skip-on-bad-value rule, the pen, and the
// QPainter surface's round circles and cleared layer.
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/painter_surface.h"
#include "support/recording_surface.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

constexpr double Tolerance = 1e-9;

struct MapCase {
    UserScale scale;
    QPointF user;
    QPointF device;
};

class CoordinateMapTest : public testing::TestWithParam<MapCase> {};

TEST_P(CoordinateMapTest, MapsBothWays) {
    const MapCase &c = GetParam();
    const CoordinateMap map(c.scale, QRectF(0, 0, 1300, 1600));
    const QPointF device = map.toDevice(c.user);
    EXPECT_NEAR(device.x(), c.device.x(), Tolerance);
    EXPECT_NEAR(device.y(), c.device.y(), Tolerance);
    const QPointF back = map.toUser(device);
    EXPECT_NEAR(back.x(), c.user.x(), Tolerance);
    EXPECT_NEAR(back.y(), c.user.y(), Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Scales, CoordinateMapTest,
                         testing::Values(
                             // The graph: y grows upwards, 100 device units per graph unit.
                             MapCase{{3, 13, 16, -3}, {3, 13}, {0, 0}},
                             MapCase{{3, 13, 16, -3}, {4, 0}, {100, 1300}},
                             MapCase{{3, 13, 16, -3}, {16, -3}, {1300, 1600}},
                             // A scale whose y grows downwards.
                             MapCase{{0, 0, 13, 16}, {6.5, 4}, {650, 400}},
                             // The report's graph scale: y 42 at the top to -5 at the bottom.
                             MapCase{{2, 42, 17, -5}, {17, -5}, {1300, 1600}}));

TEST(ColourConversion, PaletteRawAndPatternsAcceptOnlyTheirRanges) {
    EXPECT_EQ(colourOfPaletteNumber(12), QColor(255, 0, 0));
    EXPECT_EQ(colourOfPaletteNumber(2.5), QColor(0, 128, 0)); // half to even
    EXPECT_FALSE(colourOfPaletteNumber(16));
    EXPECT_FALSE(colourOfPaletteNumber(-1));
    EXPECT_EQ(colourOfRawValue(4), QColor(4, 0, 0)); // 0xBBGGRR: red byte last
    EXPECT_EQ(colourOfRawValue(0xFFC0C0), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_FALSE(colourOfRawValue(0x1000000));
    EXPECT_FALSE(colourOfRawValue(-1));
    EXPECT_EQ(fillPatternOfNumber(7), FillPattern::DiagonalCross);
    EXPECT_FALSE(fillPatternOfNumber(8));
}

TEST(DrawingSurface, AFailedStepIsSkippedAndLeavesThePreviousState) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.setLineWidth(3);
    surface.setLineWidth(0);
    surface.setLineWidth(std::nullopt);
    surface.setFillPattern(FillPattern::Cross);
    surface.setFillPattern(std::nullopt);
    surface.setTextColour(QColor(255, 0, 0));
    surface.setTextColour(std::nullopt);
    surface.moveTo({5, 5});
    surface.line({4, 0}, {15, 0}, std::nullopt);
    surface.point({6, 6}, std::nullopt);
    surface.circle({7, 7}, 0.1, std::nullopt);
    surface.line({4, 0}, {4, 12}, QColor(0, 0, 255));

    ASSERT_EQ(surface.steps().size(), 1u);
    const SurfaceStep &drawn = surface.steps().front();
    EXPECT_EQ(drawn.width, 3);
    EXPECT_EQ(drawn.fillPattern, FillPattern::Cross);
    EXPECT_EQ(drawn.colour, QColor(0, 0, 255));
    EXPECT_EQ(surface.textColour(), QColor(255, 0, 0));
    EXPECT_EQ(surface.pen(), QPointF(4, 12));
}

TEST(DrawingSurface, PositionsBeyondReasonAreSkippedNotDrawn) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.line({4, 0}, {1e30, 0}, QColor(0, 0, 0));
    surface.point({std::nan(""), 1}, QColor(0, 0, 0));
    surface.circle({5, 5}, 1e30, QColor(0, 0, 0));
    surface.setScale(1, 1, 1, 1); // degenerate: the previous scale stays
    EXPECT_TRUE(surface.steps().empty());
    EXPECT_EQ(surface.map().scale(), (UserScale{3, 13, 16, -3}));
}

TEST(DrawingSurface, WidthsAndRadiiBeyondTheDeviceDiagonalAreSkipped) {
    // 1100 x 600 device: diagonal sqrt(1100² + 600²) = 1252.996; x 3…16 gives 1100 / 13 =
    // 84.615 device units per x unit, so radius 14.8 is 1252.3 on the device and 14.81 is 1253.2.
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    const QColor black(0, 0, 0);
    const QPointF pen = surface.pen();
    surface.circle({5, 5}, 14.81, black);
    EXPECT_TRUE(surface.steps().empty());
    EXPECT_EQ(surface.pen(), pen) << "a skipped step leaves the pen";
    surface.circle({5, 5}, 14.8, black);
    ASSERT_EQ(surface.steps().size(), 1u);

    surface.setLineWidth(1253);
    surface.line({4, 0}, {5, 0}, black);
    surface.point({6, 1}, black);
    surface.circle({5, 5}, 1, black);
    EXPECT_EQ(surface.steps().size(), 1u);
    surface.setLineWidth(1252);
    surface.line({4, 0}, {5, 0}, black);
    surface.point({6, 1}, black);
    surface.circle({5, 5}, 1, black);
    EXPECT_EQ(surface.steps().size(), 4u);
}

TEST(DrawingSurface, PenFollowsLinesPointsAndPrintedText) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.line({4, 4}, {4, 4}); // zero length: moves the pen, draws nothing
    EXPECT_TRUE(surface.steps().empty());
    EXPECT_EQ(surface.pen(), QPointF(4, 4));
    surface.point({8, -2}, QColor(0, 128, 0));
    surface.printText(QStringLiteral("Speed"));
    const SurfaceStep text = surface.texts().front();
    EXPECT_EQ(text.a, QPointF(8, -2));
    // After printing, the pen stands at the left edge, one line lower.
    EXPECT_EQ(surface.pen().x(), 3);
    EXPECT_LT(surface.pen().y(), -2);
}

TEST(PainterSurface, CircleIsRoundOnTheDeviceAndClearLeavesNothing) {
    QImage image(1300, 800, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, QRectF(0, 0, 1300, 800), {Qt::transparent, 1, false});
        // x and y units differ in device size (100 vs 50 pixels); the circle must stay round.
        surface.setScale(0, 16, 13, 0);
        surface.setFillPattern(FillPattern::Solid);
        surface.setFillColour(QColor(255, 0, 0));
        surface.circle({6.5, 8}, 1, QColor(255, 0, 0));
    }
    const auto redRun = [&](int x0, int y0, int dx, int dy) {
        int n = 0;
        for (int x = x0, y = y0; image.pixelColor(x, y) == QColor(255, 0, 0); x += dx, y += dy)
            ++n;
        return n;
    };
    EXPECT_NEAR(redRun(650, 400, 1, 0), 100, 2);
    EXPECT_NEAR(redRun(650, 400, 0, 1), 100, 2);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, QRectF(0, 0, 1300, 800));
        surface.clear();
    }
    EXPECT_EQ(image.pixelColor(650, 400).alpha(), 0);
}

} // namespace

TEST(DrawingSurface, DataIsClippedToThePlottingAreaAndTextIsNot) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    const QColor red(255, 0, 0);
    {
        const ClipScope clip(surface, QRectF(4, 0, 11, 12)); // x 4…15, y 0…12
        surface.line({5, 1}, {6, 2}, red);                   // inside: exactly as given
        surface.line({2, 1}, {6, 3}, red);                   // enters at x = 4, y = 2
        surface.line({6, 3}, {6, -3}, red);                  // leaves at the x axis
        surface.line({14, 11}, {17, 14}, red);               // leaves through the corner (15, 12)
        surface.line({3, 0.5}, {3.9, 0.5}, red);             // left of the area: nothing
        surface.line({3, -1}, {5, -0.1}, red);               // below it: nothing
        surface.line({4, -1}, {4, 0}, red);          // touches the area in one point: nothing
        surface.circle({4, 0}, 0.07, red);           // on the corner: drawn whole
        surface.circle({5, -0.01}, 0.07, red);       // just below the axis: left out
        surface.point({15.01, 6}, red);              // just beyond the lactate axis: left out
        EXPECT_EQ(surface.pen(), QPointF(15.01, 6)); // the pen moves all the same
        surface.printText(QStringLiteral(" 300"));   // text stays where it is printed
    }
    surface.line({2, 1}, {6, 3}, red); // the clip ended with its scope
    const auto lines = surface.stepsOf(SurfaceStep::Kind::Line);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].a, QPointF(5, 1));
    EXPECT_EQ(lines[0].b, QPointF(6, 2));
    EXPECT_NEAR(lines[1].a.x(), 4, Tolerance);
    EXPECT_NEAR(lines[1].a.y(), 2, Tolerance);
    EXPECT_EQ(lines[1].b, QPointF(6, 3));
    EXPECT_EQ(lines[2].a, QPointF(6, 3));
    EXPECT_NEAR(lines[2].b.y(), 0, Tolerance);
    EXPECT_NEAR(lines[3].b.x(), 15, Tolerance);
    EXPECT_NEAR(lines[3].b.y(), 12, Tolerance);
    EXPECT_EQ(lines[4].a, QPointF(2, 1));
    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].a, QPointF(4, 0));
    EXPECT_TRUE(surface.stepsOf(SurfaceStep::Kind::Point).empty());
    EXPECT_EQ(surface.texts().size(), 1u);
}
