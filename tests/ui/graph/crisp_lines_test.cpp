// Lines one pixel wide along the screen graph's rows and columns (axes, grid, ticks) cover whole
// pixels at full colour, at a pixel density of 1 and of 2, wherever the user scale puts them.
#include "ui/graph/graph_widget.h"
#include "domain/drawing/screen_surface.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace kavren;

namespace {

const QColor LineRed(255, 0, 0);

// The rows of one device column that the line touches, and how many of them are at full colour.
struct Coverage {
    int touched = 0;
    int full = 0;
    int firstFull = -1;
};

Coverage coverageOf(const QImage &image, int count, const QColor &colour,
                    const std::function<QPoint(int)> &pixelAt) {
    Coverage coverage;
    for (int i = 0; i < count; ++i) {
        const QColor pixel = image.pixelColor(pixelAt(i));
        if (pixel.alpha() == 0)
            continue;
        ++coverage.touched;
        if (pixel.rgb() == colour.rgb() && pixel.alpha() == 255) {
            if (coverage.full == 0)
                coverage.firstFull = i;
            ++coverage.full;
        }
    }
    return coverage;
}

Coverage rowsOfColumn(const QImage &image, int column, const QColor &colour) {
    return coverageOf(image, image.height(), colour,
                      [column](int row) { return QPoint(column, row); });
}

Coverage columnsOfRow(const QImage &image, int row, const QColor &colour) {
    return coverageOf(image, image.width(), colour,
                      [row](int column) { return QPoint(column, row); });
}

} // namespace

// The graph's scale 3…16 by 13…−3 over 260 x 160 logical pixels: 20 pixels an x unit, 10 a y unit.
// A grid line at y 0 lies at 130.0, at 0.025 on 129.75, 0.05 on 129.5, 0.075 on 129.25: drawn as
// they fall, a 1-pixel line at 130.0 would cover half of rows 129 and 130, and at DPR 2 one at
// 129.75 (device 259.5, 2 device pixels wide) half of 258 and 260 besides all of 259.
TEST(CrispLinesTest, HorizontalLinesCoverWholeRowsAtFullColour) {
    for (double ratio : {1.0, 2.0})
        for (double y : {0.0, 0.025, 0.05, 0.075, 6.0, 11.96}) {
            ScreenSurface surface;
            surface.resize(QSize(260, 160), ratio);
            surface.setScale(3, 13, 16, -3);
            surface.setLineWidth(1);
            surface.line({4, y}, {15, y}, LineRed);
            const QImage &image = surface.image();
            const Coverage coverage = rowsOfColumn(image, int(10 * 20 * ratio), LineRed);
            const int rows = int(ratio);
            EXPECT_EQ(coverage.touched, rows) << "DPR " << ratio << " y " << y;
            EXPECT_EQ(coverage.full, rows) << "DPR " << ratio << " y " << y;
            // Moved by less than a pixel: the line's centre stays within half a pixel.
            const double centre = (13 - y) * 10 * ratio;
            EXPECT_LE(std::abs(coverage.firstFull + rows / 2.0 - centre), 0.5 * ratio)
                << "DPR " << ratio << " y " << y;
        }
}

TEST(CrispLinesTest, VerticalLinesCoverWholeColumnsAtFullColour) {
    for (double ratio : {1.0, 2.0})
        for (double x : {4.0, 4.025, 9.05, 14.975}) {
            ScreenSurface surface;
            surface.resize(QSize(260, 160), ratio);
            surface.setScale(3, 13, 16, -3);
            surface.line({x, 0}, {x, 12}, LineRed);
            const Coverage coverage = columnsOfRow(surface.image(), int(60 * ratio), LineRed);
            EXPECT_EQ(coverage.touched, int(ratio)) << "DPR " << ratio << " x " << x;
            EXPECT_EQ(coverage.full, int(ratio)) << "DPR " << ratio << " x " << x;
        }
}

TEST(CrispLinesTest, TheGraphAsShownHasOneRowOfGridLineOnItsBackground) {
    GraphWidget graph;
    graph.resize(260, 160);
    graph.setBackgroundColour(Qt::white);
    graph.surface().setLineWidth(1);
    graph.surface().line({4, 0.05}, {15, 0.05}, LineRed);
    const QImage image = graph.renderedImage();
    int lineRows = 0;
    for (int row = 0; row < image.height(); ++row) {
        const QColor pixel = image.pixelColor(130, row);
        if (pixel == LineRed)
            ++lineRows;
        else
            EXPECT_EQ(pixel, QColor(Qt::white)) << "row " << row; // no half-tone neighbours
    }
    EXPECT_EQ(lineRows, 1);
}

TEST(CrispLinesTest, SlopingCurvePiecesKeepTheirCourse) {
    // A curve piece from (4, 0) to (15, 11) is not moved: its middle, (9.5, 5.5), lies at device
    // ((9.5 - 3) * 20, (13 - 5.5) * 10) = (130, 75), and the drawn pixel there is the line's.
    ScreenSurface surface;
    surface.resize(QSize(260, 160), 1);
    surface.setScale(3, 13, 16, -3);
    surface.setLineWidth(2);
    surface.line({4, 0}, {15, 11}, LineRed);
    EXPECT_GT(surface.image().pixelColor(130, 75).alpha(), 128);
}
