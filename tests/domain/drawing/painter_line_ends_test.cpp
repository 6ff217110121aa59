// Wide solid lines on a pixel device end flat, pushed out to cover a round end's area, instead of
// being stroked with round ends. These tests hold the drawing through the surface against the same
// line stroked the plain way (one round-ended QPainter line): the same pixels, the same ink, and
// differences only in the shading right at the two ends. Thin and dotted lines, and paper, must
// come out exactly as before.
#include "domain/drawing/painter_surface.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

using namespace kavren;

namespace {

const QSize LogicalSize(200, 150);
const QColor Ink(0, 0, 255);

struct LineCase {
    std::string name;
    QLineF line; // in logical pixels: the surface's scale is the pixel grid
    int width;
    LineStyle style;
    double pixelRatio;
};

std::ostream &operator<<(std::ostream &out, const LineCase &c) {
    return out << c.name;
}

QImage blankImage(double pixelRatio) {
    QImage image(LogicalSize * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

void drawThroughSurface(QPaintDevice &device, const LineCase &c) {
    QPainter painter(&device);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), QSizeF(LogicalSize)));
    surface.setScale(0, 0, LogicalSize.width(), LogicalSize.height());
    surface.setLineWidth(c.width);
    surface.setLineStyle(c.style);
    surface.line(c.line.p1(), c.line.p2(), Ink);
}

QImage throughSurface(const LineCase &c) {
    QImage image = blankImage(c.pixelRatio);
    drawThroughSurface(image, c);
    return image;
}

// The line as a QPainter strokes it: round ends on wide lines, flat on thin ones.
QImage plainWay(const LineCase &c) {
    QImage image = blankImage(c.pixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, c.width, c.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
                        c.width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
    painter.drawLine(c.line);
    return image;
}

// Area covered, in logical pixels: the sum of the shading.
double inkArea(const QImage &image) {
    double total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            total += qAlpha(image.pixel(x, y)) / 255.0;
    return total / (image.devicePixelRatio() * image.devicePixelRatio());
}

// Distance in device pixels from a pixel centre to the nearer end point of the line.
double distanceToEnds(const QLineF &deviceLine, int x, int y) {
    const QPointF centre(x + 0.5, y + 0.5);
    return std::min(QLineF(centre, deviceLine.p1()).length(),
                    QLineF(centre, deviceLine.p2()).length());
}

std::string caseName(const testing::TestParamInfo<LineCase> &lineCase) {
    return lineCase.param.name;
}

class PainterLineEnds : public testing::TestWithParam<LineCase> {};

TEST_P(PainterLineEnds, LooksLikeTheLineStrokedThePlainWay) {
    const LineCase &c = GetParam();
    const QImage fast = throughSurface(c), plain = plainWay(c);
    if (c.width == 1 || c.style == LineStyle::Dotted) {
        EXPECT_EQ(fast, plain) << "thin and dotted lines keep the painter's own stroke";
        return;
    }
    // Same ink: each flat end covers the area of the round end it stands for. The two ways are
    // shaded by different rasterisers, so allow 2 % of the line, or a quarter pixel on a piece.
    const double fastInk = inkArea(fast), plainInk = inkArea(plain);
    EXPECT_NEAR(fastInk, plainInk, std::max(0.02 * plainInk, 0.25));
    // Shading differs only where the round end and the flat end differ: within half the pen's
    // width (plus a pixel of antialiasing) of an end point. Along the line the pixels agree.
    const QLineF deviceLine(c.line.p1() * c.pixelRatio, c.line.p2() * c.pixelRatio);
    const double endZone = c.width * c.pixelRatio / 2 + 1.5;
    int differentAlongTheLine = 0;
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x) {
            const int a = qAlpha(fast.pixel(x, y)), b = qAlpha(plain.pixel(x, y));
            if (std::abs(a - b) > 8 && distanceToEnds(deviceLine, x, y) > endZone)
                ++differentAlongTheLine;
        }
    EXPECT_EQ(differentAlongTheLine, 0);
}

INSTANTIATE_TEST_SUITE_P(
    AcrossDirectionsAndWidths, PainterLineEnds,
    testing::Values(
        LineCase{"horizontal_width1", {{20.3, 50.5}, {180.7, 50.5}}, 1, LineStyle::Solid, 1},
        LineCase{"horizontal_width2", {{20.3, 50.5}, {180.7, 50.5}}, 2, LineStyle::Solid, 1},
        LineCase{"horizontal_width4", {{20.3, 50.2}, {180.7, 50.2}}, 4, LineStyle::Solid, 1},
        LineCase{"vertical_width1", {{60.5, 10.4}, {60.5, 140.6}}, 1, LineStyle::Solid, 1},
        LineCase{"vertical_width2", {{60.5, 10.4}, {60.5, 140.6}}, 2, LineStyle::Solid, 1},
        LineCase{"vertical_width4", {{60.7, 140.6}, {60.7, 10.4}}, 4, LineStyle::Solid, 1},
        LineCase{"diagonal_width1", {{15.2, 20.6}, {175.8, 128.1}}, 1, LineStyle::Solid, 1},
        LineCase{"diagonal_width2", {{15.2, 20.6}, {175.8, 128.1}}, 2, LineStyle::Solid, 1},
        LineCase{"diagonal_width4", {{175.8, 20.6}, {15.2, 128.1}}, 4, LineStyle::Solid, 1},
        // One piece of a fitted curve: shorter than a pixel, nearly all of it end.
        LineCase{"curve_piece_width2", {{100.2, 75.4}, {101.05, 75.4}}, 2, LineStyle::Solid, 1},
        LineCase{"curve_piece_width4", {{100.2, 75.4}, {101.05, 75.4}}, 4, LineStyle::Solid, 1},
        LineCase{
            "dotted_horizontal_width1", {{20.3, 50.5}, {180.7, 50.5}}, 1, LineStyle::Dotted, 1},
        LineCase{"dotted_vertical_width2", {{60.5, 10.4}, {60.5, 140.6}}, 2, LineStyle::Dotted, 1},
        LineCase{"dotted_diagonal_width4", {{15.2, 20.6}, {175.8, 128.1}}, 4, LineStyle::Dotted, 1},
        // A screen of twice the density: the ends are measured in logical pixels like the width.
        LineCase{"horizontal_width2_dense", {{20.3, 50.5}, {180.7, 50.5}}, 2, LineStyle::Solid, 2},
        LineCase{
            "curve_piece_width2_dense", {{100.2, 75.4}, {101.05, 75.4}}, 2, LineStyle::Solid, 2},
        LineCase{"diagonal_width4_dense", {{15.2, 20.6}, {175.8, 128.1}}, 4, LineStyle::Solid, 2},
        LineCase{"dotted_diagonal_width2_dense",
                 {{15.2, 20.6}, {175.8, 128.1}},
                 2,
                 LineStyle::Dotted,
                 2}),
    caseName);

TEST(PainterLineEndsOnPaper, WideLinesKeepTheirRoundEnds) {
    // A recorded picture stands for paper: its painter is not a pixel device, so the line is
    // handed over exactly as given, with round ends, and replays to the plain stroke.
    for (const int width : {2, 4}) {
        const LineCase c{"paper", {{15.2, 20.6}, {175.8, 128.1}}, width, LineStyle::Solid, 1};
        QPicture picture;
        drawThroughSurface(picture, c);
        QImage replayed = blankImage(1);
        {
            QPainter painter(&replayed);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawPicture(0, 0, picture);
        }
        EXPECT_EQ(replayed, plainWay(c)) << "width " << width;
    }
}

} // namespace
