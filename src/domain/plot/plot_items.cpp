// Layout of cursor positions and fitted curves, shared by the test on screen and the kept curves.
#include "domain/plot/plot_items.h"

#include "domain/exercise/numeric_text.h"

namespace kavren {

namespace {

// The cursor position of a point: column floor(X · 10), row the given tenths rounded half to
// even; empty beyond 16 bits.
std::optional<TablePoint> tablePoint(double graphXValue, double rowTenths) {
    const auto column = toInteger16(intFloor(graphXValue * 10));
    const auto row = toInteger16(rowTenths);
    if (!column || !row)
        return std::nullopt;
    return TablePoint{*column, *row};
}

} // namespace

void storeCursorPositions(const CursorPoints &points, int slot, const GraphScale &scale,
                          PointTable &pointTable) {
    if (slot < 0 || slot >= PointTable::Slots)
        return;
    for (int i = 0; i < PointTable::Points; ++i) {
        const CursorPoint &point = points[std::size_t(i)];
        const double x = scale.xOf(point.x);
        if (point.hr)
            if (const auto position = tablePoint(x, scale.hrRowTenths(*point.hr)))
                pointTable.at(slot, PointSeries::HeartRate, i) = *position;
        if (point.lactate)
            if (const auto position = tablePoint(x, scale.lactateRowTenths(*point.lactate)))
                pointTable.at(slot, PointSeries::Lactate, i) = *position;
    }
}

bool addFittedCurves(const FittedCurves &fitted, const GraphScale &scale, PlotItems &items,
                     float &currentLactate) {
    const bool kept = fitted.role == FittedCurves::Role::Kept;
    const bool followLactate = fitted.lactateShown || !kept;
    PlotCurve hrLine;
    hrLine.colour = fitted.hrColour;
    PlotCurve lactate;
    lactate.colour = fitted.lactateColour;
    bool ended = false;
    const auto sample = [&](double x) {
        const double graphXValue = scale.xOf(x);
        if (followLactate && !ended) {
            const double logLactate = fitted.lactateIntercept + fitted.lactateSlope * x;
            if (const auto value = toSingle(std::exp(logLactate)))
                currentLactate = *value;
            else
                ended = kept;
        }
        hrLine.pieceStarts.emplace_back(graphXValue,
                                        scale.yOfHr(fitted.hrIntercept + fitted.hrSlope * x));
        if (fitted.lactateShown && !ended)
            lactate.pieceStarts.emplace_back(graphXValue, scale.yOfLactate(currentLactate));
    };
    forEachVisibleSample(fitted.firstX, fitted.lastX, CurvePieceWidth, scale.xOffset,
                         scale.xDivisor, sample);
    items.curves.push_back(std::move(hrLine));
    if (fitted.lactateShown)
        items.curves.push_back(std::move(lactate));
    return !ended;
}

} // namespace kavren
