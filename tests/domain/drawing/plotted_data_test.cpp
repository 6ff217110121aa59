// The data on the screen graph (measured points, curves, the threshold cross and live points)
// stays inside the plotting area, so that a step below the axis ranges never covers the labels.
#include "domain/drawing/curve_plot.h"
#include "domain/drawing/live_point.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

using namespace kavren;

namespace {

bool insidePlottingArea(QPointF p) {
    constexpr double Slack = 1e-9;
    return p.x() >= 4 - Slack && p.x() <= 15 + Slack && p.y() >= -Slack && p.y() <= 12 + Slack;
}

} // namespace

TEST(PlottedData, PointsCurvesCrossAndLivePointsStayInsideThePlottingArea) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    const StyleSettings styles;
    PlotItems items;
    // A step at 210 m/min (3.5 m/s, left of the 240 axis), one at 110 b/min on the 120 base
    // (y = −1) and one inside.
    items.marks = {{{3.5, 5}, MarkStyle::LactatePoint},
                   {{6, -1}, MarkStyle::HrPoint},
                   {{6, 5}, MarkStyle::HrPoint}};
    // A curve starting left of the heart-rate axis: the piece across it is cut at x = 4.
    items.curves.push_back({CurveColour::HeartRate, 0.01, {{3.5, 5}, {3.995, 5}, {5, 5}}});
    drawCurvePlot(surface, styles, items);
    // A cross whose heart-rate level lies below the x axis.
    ThresholdCross cross;
    cross.lines = {QLineF(15, 2, 6, 2), QLineF(6, 0, 6, -0.5), QLineF(6, -0.5, 4, -0.5)};
    drawThresholdCross(surface, styles, cross);
    drawLivePoint(surface, 3.5, 150, 0.1); // x left of the axis
    drawLivePoint(surface, 7.5, 110, 0.1); // y = −1
    drawLivePoint(surface, 7.5, 168, 0.1); // y = 4.8

    for (const SurfaceStep &step : surface.steps()) {
        const QPointF end = step.kind == SurfaceStep::Kind::Line ? step.b : step.a;
        EXPECT_TRUE(insidePlottingArea(step.a) && insidePlottingArea(end))
            << step.a.x() << " " << step.a.y() << " " << end.x() << " " << end.y();
    }
    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].a, QPointF(6, 5));
    EXPECT_NEAR(circles[1].a.y(), 4.8, 1e-12);
    // Two curve pieces (the one across the axis cut to 4…4.005) and the cross's first line.
    const auto lines = surface.stepsOf(SurfaceStep::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(lines[0].a.x(), 4, 1e-12);
    EXPECT_NEAR(lines[0].b.x(), 4.005, 1e-12);
    EXPECT_EQ(lines[2].a, QPointF(15, 2));
    EXPECT_FALSE(surface.clipArea().has_value()); // the axis frame drawn next is not clipped
}
