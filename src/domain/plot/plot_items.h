// What the calculation run and the common-scale redraw put on the graph, as plain values in graph
// units: measured-point circles and fitted curves, each curve a chain of short horizontal pieces.
// The colours, widths and radii are named by their style role and resolved when drawn. Both the
// test on screen and the kept curves are laid out by the same two functions below.
#pragma once

#include "domain/exercise/graph_scale.h"
#include "domain/plot/point_table.h"

#include <QLineF>
#include <QPointF>

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace kavren {

// The visible width of the graph in graph x.
constexpr double GraphLeftX = GraphCanvas::Left;
constexpr double GraphRightX = GraphCanvas::Right;
// Width of one piece of a fitted curve, in graph x.
constexpr double CurvePieceWidth = 0.01;

enum class MarkStyle {
    LactatePoint,        // circleSize, lactateColour, transparent fill (test on screen)
    HrPoint,             // circleSize, hrColour, transparent fill
    KeptLactatePoint,    // circleSize, lactateColour, printMarkFillStyle / printLactateMarkFill
    KeptHrPoint,         // circleSize, hrColour, printMarkFillStyle / printHrMarkFill
    KeptExtraLactateMark // printMarkSize, printLactateMarkColour, printLactateMarkFill
};

enum class CurveColour { Lactate, HeartRate, LactateOthers, HeartRateOthers, HeartRateOfFile };

struct PlotMark {
    QPointF centre;
    MarkStyle style = MarkStyle::LactatePoint;
};

// A fitted curve: from every start point a horizontal piece pieceWidth long to the right.
struct PlotCurve {
    CurveColour colour = CurveColour::Lactate;
    double pieceWidth = CurvePieceWidth;
    std::vector<QPointF> pieceStarts;
};

// Where the items of one kept curve end in marks and curves (one past its last of each).
struct PlotSlotEnd {
    std::size_t marks = 0;
    std::size_t curves = 0;
};

// The common-scale redraw draws slot by slot, each slot's points right before its curves, so it
// closes every slot with a slot end. The test on screen has none: all its points, then its curves.
// Items after the last slot end are drawn as one more group.
struct PlotItems {
    std::vector<PlotMark> marks;
    std::vector<PlotCurve> curves;
    std::vector<PlotSlotEnd> slotEnds;
};

// Calls sample(x) for x = first, first + step, first + 2·step, … (repeated addition) while
// x <= last, but only for the samples whose piece reaches into the visible graph, so that an
// absurd range (x1 = 0 with a last x of 1E9, or a step that no longer changes a huge x) costs
// at most one graph width of samples. Samples left of the graph are skipped by jumping to the
// first visible one.
template <typename Sample>
void forEachVisibleSample(double first, double last, double step, double xOffset, double xDivisor,
                          Sample &&sample) {
    if (!(step > 0) || xDivisor == 0)
        return;
    double low = (GraphLeftX - step - xOffset) * xDivisor;
    double high = (GraphRightX - xOffset) * xDivisor;
    if (low > high)
        std::swap(low, high);
    double x = first;
    if (x < low) {
        x = first + std::ceil((low - first) / step) * step;
        if (!(x >= low - step && x <= low + step))
            x = low;
    }
    const long long maxSamples = static_cast<long long>((high - low) / step) + 2;
    for (long long count = 0; x <= last && x <= high && count < maxSamples; ++count, x += step)
        sample(x);
}

// One of the first PointTable::Points measured points of a test, as the cursor readout finds it:
// x undivided, and the values of the two series (a series without a value stores nothing).
struct CursorPoint {
    double x = 0;
    std::optional<double> hr;
    std::optional<double> lactate;
};
using CursorPoints = std::array<CursorPoint, PointTable::Points>;

// Stores the cursor positions of a test's first points in a slot of the table: column floor(X·10),
// row the graph y in tenths rounded half to even. A position beyond 16 bits stores nothing, and
// neither does a slot outside the table.
void storeCursorPositions(const CursorPoints &points, int slot, const GraphScale &scale,
                          PointTable &pointTable);

// The fitted curves of one test: ln L = a + b·x and h = c + d·x, sampled from firstX to lastX.
struct FittedCurves {
    enum class Role {
        // The test on screen: the current lactate follows every sample, drawn or not, and a
        // sample beyond the single range keeps the last lactate.
        TestOnScreen,
        // A kept curve on the common scale: the lactate is sampled only when drawn, and a sample
        // beyond the single range ends the lactate curve (and the redraw after it).
        Kept,
    };
    Role role = Role::TestOnScreen;
    double firstX = 0;
    double lastX = 0;
    double lactateIntercept = 0; // a
    double lactateSlope = 0;     // b
    double hrIntercept = 0;      // c
    double hrSlope = 0;          // d
    bool lactateShown = true;
    CurveColour hrColour = CurveColour::HeartRate;
    CurveColour lactateColour = CurveColour::Lactate;
};

// Adds the heart-rate line and, when shown, the lactate curve (in that order); currentLactate is
// left at the last lactate sample. False when a kept curve's lactate ended early.
bool addFittedCurves(const FittedCurves &fitted, const GraphScale &scale, PlotItems &items,
                     float &currentLactate);

} // namespace kavren
