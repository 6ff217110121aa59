// Lines held back and handed to the painter together must look like lines drawn one by one, stay
// in drawing order with everything else, and reach the image by the end of the drawing.
#include "domain/drawing/painter_surface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace kavren;

namespace {

const QRectF Area(0, 0, 400, 300);
const QColor Red(255, 0, 0), Blue(0, 0, 255);

QImage blankImage() {
    QImage image(Area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A staircase of short horizontal pieces, like a fitted curve; scale 0…40 by 0…30.
void drawPieces(const std::function<void(QPointF, QPointF)> &piece) {
    for (double x = 2; x < 38; x += 0.1)
        piece({x, 5 + 0.02 * x * x}, {x + 0.1, 5 + 0.02 * x * x});
}

QImage throughSurface(int width) {
    QImage image = blankImage();
    QPainter painter(&image);
    PainterSurface surface(painter, Area);
    surface.setScale(0, 30, 40, 0);
    surface.setLineWidth(width);
    drawPieces([&](QPointF a, QPointF b) { surface.line(a, b, Red); });
    surface.flush();
    return image;
}

QImage oneByOne(int width) {
    QImage image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(Red, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
    const CoordinateMap map(UserScale{0, 30, 40, 0}, Area);
    drawPieces(
        [&](QPointF a, QPointF b) { painter.drawLine(QLineF(map.toDevice(a), map.toDevice(b))); });
    return image;
}

TEST(PainterBatching, ThinLinesGiveTheSameImageAsLinesDrawnOneByOne) {
    EXPECT_EQ(throughSurface(1), oneByOne(1));
}

TEST(PainterBatching, WideCurvePiecesCoverTheSamePixelsAsLinesDrawnOneByOne) {
    // The surface's pieces end flat, each end reaching as far as the area of a round end, and are
    // shaded by another rasteriser than the round-ended stroke. So only the shading of edge pixels
    // may differ (a few per cent of colour in all), never which pixels are drawn.
    const QImage batched = throughSurface(2), single = oneByOne(2);
    double batchedAlpha = 0, singleAlpha = 0;
    int touchedDifferently = 0;
    for (int y = 0; y < batched.height(); ++y)
        for (int x = 0; x < batched.width(); ++x) {
            const int a = qAlpha(batched.pixel(x, y)), b = qAlpha(single.pixel(x, y));
            batchedAlpha += a;
            singleAlpha += b;
            touchedDifferently += (a == 0) != (b == 0);
        }
    EXPECT_EQ(touchedDifferently, 0);
    EXPECT_NEAR(batchedAlpha / singleAlpha, 1.0, 0.05);
}

TEST(PainterBatching, HeldLinesStayInDrawingOrderAndReachTheImage) {
    QImage image = blankImage();
    {
        QPainter painter(&image);
        PainterSurface surface(painter, Area);
        surface.setScale(0, 30, 40, 0);
        surface.setLineWidth(6);
        surface.line({5, 15}, {15, 15}, Red);
        surface.point({10, 15}, Blue); // later, so on top of the red line
        surface.point({30, 15}, Blue);
        surface.line({25, 15}, {35, 15}, Red); // on top of the blue dot
        surface.line({5, 25}, {35, 25}, Red);  // never flushed: drawn when the surface ends
    }
    EXPECT_EQ(image.pixelColor(100, 150), Blue);
    EXPECT_EQ(image.pixelColor(300, 150), Red);
    EXPECT_EQ(image.pixelColor(200, 50), Red);
}

TEST(PainterBatching, ClearWipesOutHeldLines) {
    QImage image = blankImage();
    image.fill(Blue);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, Area);
        surface.setScale(0, 30, 40, 0);
        surface.setLineWidth(4);
        surface.line({5, 15}, {35, 15}, Red);
        surface.clear();
        surface.line({5, 5}, {35, 5}, Red);
    }
    EXPECT_EQ(image.pixelColor(200, 150).alpha(), 0);
    EXPECT_EQ(image.pixelColor(200, 250), Red);
}

} // namespace
