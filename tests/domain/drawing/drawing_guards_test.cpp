// Every guard of the drawing surface on its own: one bad coordinate, radius, colour, size or
// picture makes just that step fail, and the surface's state stays as it was.
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kavren;

namespace {

const double NaN = std::nan("");
const double Inf = std::numeric_limits<double>::infinity();
const QColor Black(0, 0, 0);

} // namespace

TEST(DrawingGuards, EachScaleEdgeAloneCanMakeTheScaleFail) {
    RecordingSurface surface;
    const UserScale graph{3, 13, 16, -3};
    surface.setScale(graph);
    for (const UserScale &bad :
         {UserScale{NaN, 13, 16, -3}, UserScale{3, Inf, 16, -3}, UserScale{3, 13, -Inf, -3},
          UserScale{3, 13, 16, NaN}, UserScale{3, 13, 3, -3}, UserScale{3, 13, 16, 13}}) {
        surface.setScale(bad);
        EXPECT_EQ(surface.map().scale(), graph);
    }
    surface.setScale(0, 10, 20, 0);
    EXPECT_EQ(surface.map().scale(), (UserScale{0, 10, 20, 0}));
}

TEST(DrawingGuards, EachBadPartOfAStepSkipsOnlyThatStep) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.line({NaN, 0}, {5, 0}, Black);
    surface.line({4, 0}, {5, Inf}, Black);
    surface.line({4, 0}, {5, 0}, QColor()); // no valid colour
    surface.point({4, NaN}, Black);
    surface.point({4, 4}, QColor());
    surface.circle({5, 5}, NaN, Black);
    surface.circle({5, 5}, Inf, Black);
    surface.circle({Inf, 5}, 0.1, Black);
    surface.circle({5, 5}, 0.1, QColor());
    surface.picture(QImage(), {4, 12}, {15, 0});
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    surface.picture(image, {NaN, 12}, {15, 0});
    surface.picture(image, {4, 12}, {15, -Inf});
    EXPECT_TRUE(surface.steps().empty());

    // The same steps with sound values are drawn, one each.
    surface.line({4, 0}, {5, 0}, Black);
    surface.point({4, 4}, Black);
    surface.circle({5, 5}, 0.1, Black);
    surface.picture(image, {4, 12}, {15, 0});
    ASSERT_EQ(surface.steps().size(), 4u);
    EXPECT_EQ(surface.steps()[3].kind, SurfaceStep::Kind::Picture);
    EXPECT_EQ(surface.steps()[3].b, QPointF(15, 0));
}

TEST(DrawingGuards, PenSettingsKeepTheirValueWhenTheNewOneFails) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.setFillColour(QColor(0, 128, 0));
    surface.setFillColour(QColor());
    surface.setFillColour(std::nullopt);
    EXPECT_EQ(surface.fillColour(), QColor(0, 128, 0));
    surface.setTextColour(QColor(0, 0, 128));
    surface.setTextColour(QColor());
    EXPECT_EQ(surface.textColour(), QColor(0, 0, 128));
    surface.setFontSize(12);
    for (double bad : {0.0, -1.0, NaN, Inf})
        surface.setFontSize(bad);
    EXPECT_EQ(surface.fontSize(), 12);
    surface.setFontSize(0.5);
    EXPECT_EQ(surface.fontSize(), 0.5);

    surface.moveTo({6, 6});
    surface.moveTo({NaN, 1});
    surface.moveTo({1, Inf});
    EXPECT_EQ(surface.pen(), QPointF(6, 6));
    // An empty text prints nothing but still moves the pen to the next line.
    surface.printText(QString());
    EXPECT_TRUE(surface.steps().empty());
    EXPECT_EQ(surface.pen().x(), 3);
    EXPECT_LT(surface.pen().y(), 6);
}

TEST(DrawingGuards, ConversionsRefuseNumbersThatAreNotFinite) {
    EXPECT_FALSE(colourOfRawValue(NaN).has_value());
    EXPECT_FALSE(colourOfRawValue(Inf).has_value());
    EXPECT_FALSE(colourOfPaletteNumber(NaN).has_value());
    EXPECT_FALSE(fillPatternOfNumber(NaN).has_value());
    EXPECT_FALSE(fillPatternOfNumber(-Inf).has_value());
    // Halves of the raw value go to the even neighbour: 254.5 → 254, 255.5 → 256 (green 1).
    EXPECT_EQ(colourOfRawValue(254.5), QColor(254, 0, 0));
    EXPECT_EQ(colourOfRawValue(255.5), QColor(0, 1, 0));
    EXPECT_EQ(fillPatternOfNumber(6.5), FillPattern::Cross);
    EXPECT_FALSE(fillPatternOfNumber(7.5).has_value());
}
