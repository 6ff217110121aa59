// The line widths and the order in which the points and curves of kept tests reach the graph: the
// test on screen alone, and two or three kept tests redrawn on the common frame slot by slot.
#include "domain/analysis/calculation_run.h"
#include "domain/drawing/curve_plot.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <set>
#include <vector>

namespace kavren {
namespace {

// Kept test k (0, 1, 2) is typed with its speeds 0.2·k m/s above those of the first one, so the
// fraction of a circle's graph x tells which kept test it belongs to.
CalculationInputs keptTestInputs(int k) {
    CalculationInputs inputs;
    const double shift = 0.2 * k;
    const std::array<double, 4> speeds = {5, 6, 7, 8};
    const std::array<const char *, 4> lactates = {"1.0", "1.5", "2.5", "5.0"};
    const std::array<const char *, 4> hrs = {"150", "165", "180", "195"};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        inputs.speedMs[i] = QString::number(speeds[i] + shift);
        inputs.lactate[i] = QString::fromLatin1(lactates[i]);
        inputs.hr[i] = QString::fromLatin1(hrs[i]);
    }
    return inputs;
}

// Which kept test a circle belongs to, from the fraction of its x (0, 0.2 or 0.4).
int slotOfCircle(const SurfaceStep &circle) {
    const double fraction = circle.a.x() - std::floor(circle.a.x() + 1e-9);
    return int(std::lround(fraction / 0.2));
}

// Consecutive circles or consecutive lines, in drawing order.
struct KindRun {
    SurfaceStep::Kind kind;
    std::vector<SurfaceStep> steps;
};

std::vector<KindRun> runsOf(const std::vector<SurfaceStep> &steps) {
    std::vector<KindRun> runs;
    for (const SurfaceStep &step : steps) {
        if (runs.empty() || runs.back().kind != step.kind)
            runs.push_back({step.kind, {}});
        runs.back().steps.push_back(step);
    }
    return runs;
}

struct WidthCase {
    const char *name;
    int kept; // 1: the test on screen alone, without "Freeze curve"
    const char *helpLineWidth;
    const char *circleWidth;
    const char *curveWidth;
    int frameWidth;       // width of every frame line
    int firstCircleWidth; // circles of the first kept test (of the test on screen)
    int laterCircleWidth; // circles of kept tests 2 and 3
    int curveLineWidth;   // every curve piece
};

void PrintTo(const WidthCase &c, std::ostream *out) {
    *out << c.name;
}

class CommonScaleRedrawTest : public testing::TestWithParam<WidthCase> {
protected:
    // What the last run draws after its last clear: the frame, then the points and curves.
    std::vector<SurfaceStep> drawLastRun(const WidthCase &c) {
        CurrentTest test;
        test.discipline = QStringLiteral("Trav");
        test.speedUnit = SpeedUnit::MinPerKm;
        AnalysisState state;
        const bool freeze = c.kept > 1;
        if (freeze)
            freezeCurveClicked(test, state.pointTable);
        CalculationResult result;
        for (int k = 0; k < c.kept; ++k) {
            CalculationInputs inputs = keptTestInputs(k);
            inputs.freezeChecked = freeze;
            result = runCalculation(inputs, chooseGraphAxisRanges, test, state);
        }
        StyleSettings styles;
        styles.helpLineWidth = QString::fromLatin1(c.helpLineWidth);
        styles.circleWidth = QString::fromLatin1(c.circleWidth);
        styles.curveWidth = QString::fromLatin1(c.curveWidth);
        RecordingSurface surface;
        drawCalculationRun(surface, styles, result);
        const std::vector<SurfaceStep> &all = surface.steps();
        auto lastClear = all.end();
        for (auto it = all.begin(); it != all.end(); ++it)
            if (it->kind == SurfaceStep::Kind::Clear)
                lastClear = it;
        EXPECT_NE(lastClear, all.end()) << c.name;
        return lastClear == all.end() ? std::vector<SurfaceStep>{}
                                      : std::vector<SurfaceStep>(lastClear + 1, all.end());
    }
};

TEST_P(CommonScaleRedrawTest, WidthsAndSlotOrder) {
    const WidthCase &c = GetParam();
    SCOPED_TRACE(c.name);
    const std::vector<SurfaceStep> steps = drawLastRun(c);
    auto firstCircle = std::find_if(steps.begin(), steps.end(), [](const SurfaceStep &step) {
        return step.kind == SurfaceStep::Kind::Circle;
    });
    ASSERT_NE(firstCircle, steps.end());

    std::size_t frameLines = 0;
    for (auto it = steps.begin(); it != firstCircle; ++it)
        if (it->kind == SurfaceStep::Kind::Line) {
            ++frameLines;
            EXPECT_EQ(it->width, c.frameWidth)
                << "frame line from " << it->a.x() << "," << it->a.y();
        }
    EXPECT_GE(frameLines, 13u); // three axis lines and ten ticks

    // Slot by slot: the points of a kept test, then its two curves, then the next kept test.
    const std::vector<KindRun> runs = runsOf(std::vector<SurfaceStep>(firstCircle, steps.end()));
    ASSERT_EQ(runs.size(), std::size_t(2 * c.kept));
    const QColor red(255, 0, 0), blue(0, 0, 255), yellow(255, 255, 0), white(255, 255, 255);
    for (int slot = 0; slot < c.kept; ++slot) {
        const KindRun &circles = runs[std::size_t(2 * slot)];
        const KindRun &lines = runs[std::size_t(2 * slot + 1)];
        ASSERT_EQ(circles.kind, SurfaceStep::Kind::Circle) << "slot " << slot + 1;
        ASSERT_EQ(lines.kind, SurfaceStep::Kind::Line) << "slot " << slot + 1;
        EXPECT_EQ(circles.steps.size(), 8u) << "slot " << slot + 1;
        const int circleWidth = slot == 0 ? c.firstCircleWidth : c.laterCircleWidth;
        for (const SurfaceStep &circle : circles.steps) {
            EXPECT_EQ(slotOfCircle(circle), slot) << "circle at " << circle.a.x();
            EXPECT_EQ(circle.width, circleWidth)
                << "slot " << slot + 1 << " circle at " << circle.a.x();
        }
        // Heart-rate line and lactate curve of the slot: curve 1's colours, then the others'.
        std::set<QRgb> colours;
        std::set<int> widths;
        for (const SurfaceStep &line : lines.steps) {
            colours.insert(line.colour.rgb());
            widths.insert(line.width);
        }
        EXPECT_EQ(widths, std::set<int>{c.curveLineWidth}) << "slot " << slot + 1;
        const std::set<QRgb> expected = slot == 0 ? std::set<QRgb>{red.rgb(), blue.rgb()}
                                                  : std::set<QRgb>{yellow.rgb(), white.rgb()};
        EXPECT_EQ(colours, expected) << "slot " << slot + 1;
        EXPECT_NEAR(double(lines.steps.size()), 2 * 301, 2) << "slot " << slot + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    KeptTests, CommonScaleRedrawTest,
    testing::Values(
        WidthCase{"test on screen alone", 1, "3", "5", "7", 3, 5, 5, 7},
        WidthCase{"two kept", 2, "3", "5", "7", 3, 5, 7, 7},
        WidthCase{"three kept", 3, "2", "4", "6", 2, 4, 6, 6},
        // A circle width that does not convert leaves the help-line width for the first points.
        WidthCase{"three kept, bad circle width", 3, "2", "0", "6", 2, 2, 6, 6},
        // A curve width that does not convert leaves every later step in the circle width.
        WidthCase{"two kept, bad curve width", 2, "3", "5", "x", 3, 5, 5, 5}));

} // namespace
} // namespace kavren
