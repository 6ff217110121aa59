// The chart of one index of a horse over time: each test a point at its date with its 95 %
// interval as a whisker, joined in date order, in front of the clinic's reference band (10th to
// 90th percentile filled, the median as a line). Everything the chart shows is computed first as
// values in the chart's own pixel space (a width × height area, y downwards), so that the screen,
// a PNG and a PDF page draw the same geometry and a click finds the test under it.
//
// Speeds are shown in the unit of the discipline; the axis always has the faster speed higher up,
// as the graph has it further right, so a pace axis (min/km, s/200 m) runs from the fastest
// (smallest) pace at the top to the slowest at the bottom.
#pragma once

#include "domain/analysis/reference_band.h"
#include "domain/drawing/drawing_surface.h"

#include <QDateTime>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace kavren {

// One test of the horse as the chart takes it.
struct HistorySample {
    qint64 rowId = 0;
    QDateTime when;                     // invalid: the test is not drawn
    std::optional<double> value;        // speeds in m/s, heart rates in b/min; none: not drawn
    std::optional<double> lower, upper; // the 95 % interval; none: unbounded, no whisker
};

struct HistoryChartInput {
    std::vector<HistorySample> samples; // one discipline's tests, oldest first
    QString indexName;                  // "VLa4", the axis title
    bool speedIndex = true;             // false: a heart rate in b/min
    QString discipline;                 // the speeds' unit (disciplineSpeedUnit)
    ReferenceBand band;                 // drawn when shown()
};

struct HistoryChartTick {
    double position = 0; // x of a date tick, y of a value tick
    QString label;
};

struct HistoryChartPoint {
    qint64 rowId = 0;
    QPointF at;
    std::optional<QLineF> whisker; // from the lower bound's y to the upper bound's y
};

struct HistoryChartBand {
    double p10Y = 0, medianY = 0, p90Y = 0;
};

struct HistoryChart {
    QSizeF size;
    QRectF plotArea;
    QString title; // "VLa4 (min/km)"
    std::vector<HistoryChartTick> dateTicks, valueTicks;
    std::vector<HistoryChartPoint> points; // in date order
    std::optional<HistoryChartBand> band;
};

// Margins of the plotting area inside the chart, in the chart's pixels.
inline constexpr double HistoryChartLeftMargin = 64;
inline constexpr double HistoryChartRightMargin = 16;
inline constexpr double HistoryChartTopMargin = 24;
inline constexpr double HistoryChartBottomMargin = 36;
// How far from a point's centre a click still hits it.
inline constexpr double HistoryChartHitRadius = 8;

// An index value in the unit the chart shows it in: speeds (m/s) in the discipline's unit, min/km
// as seconds per km; nothing for a speed that is not above 0 or a value that is not finite.
std::optional<double> historyChartValue(const HistoryChartInput &input, double value);
// True when the chart's value axis shows a pace, where a smaller value is the faster.
bool historyChartShowsPace(const HistoryChartInput &input);

HistoryChart historyChart(const HistoryChartInput &input, QSizeF size);

// The test whose point lies within HistoryChartHitRadius of a place in the chart (the nearest).
std::optional<qint64> historyChartHit(const HistoryChart &chart, QPointF at);

// Draws the chart on a surface whose user scale the function sets to the chart's pixels.
void drawHistoryChart(DrawingSurface &surface, const HistoryChart &chart);

} // namespace kavren
