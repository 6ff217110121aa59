// The live point of a received sample: where it stands and how it looks.
#include "domain/drawing/live_point.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(LivePoint, AWhiteCircleAtTheSpeedAndTheHeartRateAbove120) {
    RecordingSurface surface;
    // 7.5 m/s and 168 b/min on the 120…240 axis: y = (168 − 120)·0.1 = 4.8.
    drawLivePoint(surface, 7.5, 168, 0.1);
    // 130.5 b/min on a 0.2 scale: (130.5 − 120)·0.2 = 2.1.
    drawLivePoint(surface, 4.25, 130.5, 0.2);
    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_DOUBLE_EQ(circles[0].a.x(), 7.5);
    EXPECT_NEAR(circles[0].a.y(), 4.8, 1e-12);
    EXPECT_DOUBLE_EQ(circles[0].radius, 0.05);
    EXPECT_EQ(circles[0].colour, QColor(255, 255, 255));
    EXPECT_DOUBLE_EQ(circles[1].a.x(), 4.25);
    EXPECT_NEAR(circles[1].a.y(), 2.1, 1e-12);
    EXPECT_EQ(surface.steps().size(), 2u); // nothing else is drawn
}
