// What the calculation run and the common-scale redraw put on the graph, as plain values in graph
// units: measured-point circles and fitted curves, each curve a chain of short horizontal pieces.
// The colours, widths and radii are named by their style role and resolved when drawn.
#pragma once

#include "exercise/graph_scale.h"

#include <QLineF>
#include <QPointF>

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace kavren {

// The visible width of the graph in graph x (the user scale runs from 3 to 16).
constexpr double GraphLeftX = 3.0;
constexpr double GraphRightX = 16.0;
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

// Graph x of an x value: XOffset + x / XDivisor.
inline double graphX(const GraphScale &scale, double x) {
    return scale.xOffset + x / scale.xDivisor;
}

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

} // namespace kavren
