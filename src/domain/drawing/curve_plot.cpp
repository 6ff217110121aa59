// Drawing of what a calculation run laid out: the frame, measured points and curves, and the
// threshold cross, with the screen style values converted at the moment of drawing.
#include "domain/drawing/curve_plot.h"

#include "domain/drawing/axis_frame.h"

#include <algorithm>
#include <cstddef>

namespace kavren {

namespace {

constexpr int FileHrLineWidth = 2;

std::optional<QColor> curveColour(const StyleSettings &styles, CurveColour colour) {
    switch (colour) {
    case CurveColour::Lactate:
        return stylePaletteColour(styles.lactateColour);
    case CurveColour::HeartRate:
    case CurveColour::HeartRateOfFile:
        return stylePaletteColour(styles.hrColour);
    case CurveColour::LactateOthers:
        return stylePaletteColour(styles.lactateColourOthers);
    case CurveColour::HeartRateOthers:
        return stylePaletteColour(styles.hrColourOthers);
    }
    return std::nullopt;
}

// Sets the fill of a mark and gives its radius and outline colour.
void drawMark(DrawingSurface &surface, const StyleSettings &styles, const PlotMark &mark) {
    double radius = styleSize(styles.circleSize);
    std::optional<QColor> outline;
    switch (mark.style) {
    case MarkStyle::LactatePoint:
        surface.setFillPattern(FillPattern::Transparent);
        outline = stylePaletteColour(styles.lactateColour);
        break;
    case MarkStyle::HrPoint:
        surface.setFillPattern(FillPattern::Transparent);
        outline = stylePaletteColour(styles.hrColour);
        break;
    case MarkStyle::KeptLactatePoint:
        surface.setFillPattern(styleFillPattern(styles.printMarkFillStyle));
        surface.setFillColour(styleRawColour(styles.printLactateMarkFill));
        outline = stylePaletteColour(styles.lactateColour);
        break;
    case MarkStyle::KeptHrPoint:
        surface.setFillPattern(styleFillPattern(styles.printMarkFillStyle));
        surface.setFillColour(styleRawColour(styles.printHrMarkFill));
        outline = stylePaletteColour(styles.hrColour);
        break;
    case MarkStyle::KeptExtraLactateMark:
        surface.setFillPattern(styleFillPattern(styles.printMarkFillStyle));
        radius = styleSize(styles.printMarkSize);
        outline = stylePaletteColour(styles.printLactateMarkColour);
        break;
    }
    surface.circle(mark.centre, radius, surface.visibleColour(outline));
}

void drawCurve(DrawingSurface &surface, const StyleSettings &styles, const PlotCurve &curve) {
    surface.setLineWidth(curve.colour == CurveColour::HeartRateOfFile
                             ? std::optional<int>(FileHrLineWidth)
                             : styleWidth(styles.curveWidth));
    const std::optional<QColor> colour = surface.visibleColour(curveColour(styles, curve.colour));
    for (const QPointF &start : curve.pieceStarts)
        surface.line(start, QPointF(start.x() + curve.pieceWidth, start.y()), colour);
}

// The marks [markBegin, markEnd) with the line width in force, then the curves
// [curveBegin, curveEnd), each at curveWidth, which stays in force for whatever follows.
void drawGroup(DrawingSurface &surface, const StyleSettings &styles, const PlotItems &items,
               std::size_t markBegin, std::size_t markEnd, std::size_t curveBegin,
               std::size_t curveEnd) {
    markEnd = std::min(markEnd, items.marks.size());
    curveEnd = std::min(curveEnd, items.curves.size());
    for (std::size_t i = markBegin; i < markEnd; ++i)
        drawMark(surface, styles, items.marks[i]);
    for (std::size_t i = curveBegin; i < curveEnd; ++i)
        drawCurve(surface, styles, items.curves[i]);
}

} // namespace

void drawCalculationRun(DrawingSurface &surface, const StyleSettings &styles,
                        const CalculationResult &result) {
    if (result.endedByFreezeGuard)
        return;
    surface.setScale(GraphCanvasScale);
    if (result.clearGraph)
        surface.clear();
    surface.setLineWidth(styleWidth(styles.helpLineWidth));
    drawAxisFrame(surface, styles, result.frameAxes);
    drawCurvePlot(surface, styles, result.plot);
    if (!result.commonRedraw)
        return;
    surface.clear();
    if (!result.commonFrame)
        return;
    surface.setLineWidth(styleWidth(styles.helpLineWidth));
    drawCommonScaleFrame(surface, styles, result.commonAxes);
    drawCurvePlot(surface, styles, result.commonPlot);
}

void drawCurvePlot(DrawingSurface &surface, const StyleSettings &styles, const PlotItems &items) {
    const ClipScope clip(surface, GraphPlottingArea);
    std::size_t markBegin = 0;
    std::size_t curveBegin = 0;
    for (const PlotSlotEnd &end : items.slotEnds) {
        drawGroup(surface, styles, items, markBegin, end.marks, curveBegin, end.curves);
        markBegin = std::max(markBegin, end.marks);
        curveBegin = std::max(curveBegin, end.curves);
    }
    drawGroup(surface, styles, items, markBegin, items.marks.size(), curveBegin,
              items.curves.size());
}

void drawThresholdCross(DrawingSurface &surface, const StyleSettings &styles,
                        const ThresholdCross &cross) {
    const ClipScope clip(surface, GraphPlottingArea);
    const std::optional<QColor> colour =
        surface.visibleColour(stylePaletteColour(styles.thresholdColour));
    for (const QLineF &line : cross.lines)
        surface.line(line.p1(), line.p2(), colour);
}

} // namespace kavren
