// The report page's graph: frame, help lines, ticks and labels of both axes, then for every kept
// curve its points, heart-rate line and lactate curve, and for the test on screen the threshold
// cross-lines.
#include "domain/report/report_graph.h"

#include "domain/plot/graph_axes.h"
#include "domain/exercise/exercise_step.h"
#include "domain/exercise/numeric_text.h"
#include "domain/drawing/axis_frame.h"
#include "domain/drawing/palette.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// Curves are drawn as short level pieces this wide, in the test's own x units.
constexpr double PieceWidth = 0.01;

std::optional<QColor> black() {
    return colourOfPaletteNumber(0);
}

// Axis labels are placed by a line of no length, which moves the pen without a colour of its own.
void labelAt(DrawingSurface &surface, const ReportAxisLabel &label) {
    surface.line(label.at, label.at);
    surface.printText(label.text);
}

// The points, curves and cross-lines stand out from the white paper (legibleOn).
std::optional<QColor> onPaper(std::optional<QColor> colour) {
    if (!colour)
        return colour;
    return legibleOn(*colour, QColor(255, 255, 255));
}

void textAt(DrawingSurface &surface, double x, double y, const QString &text) {
    surface.point({x, y}, colourOfPaletteNumber(15));
    surface.printText(text);
}

// Calls piece(t) for t = first, first + 0.01, … (repeated addition) while t ≤ last, leaving out
// the pieces that would fall beyond the page on either side so that absurd values cannot stall.
template <typename Piece>
void forEachPiece(double first, double last, const GraphScale &scale, Piece &&piece) {
    if (!std::isfinite(first) || !std::isfinite(last) || scale.xDivisor == 0)
        return;
    double low = (GraphPageScale.left - PieceWidth - scale.xOffset) * scale.xDivisor;
    double high = (GraphPageScale.right - scale.xOffset) * scale.xDivisor;
    if (low > high)
        std::swap(low, high);
    double t = first;
    if (t < low)
        t = first + std::ceil((low - first) / PieceWidth) * PieceWidth;
    const auto maxPieces = static_cast<long long>((high - low) / PieceWidth) + 2;
    for (long long count = 0; t <= last && t <= high && count < maxPieces; ++count, t += PieceWidth)
        piece(t, scale.xOf(t));
}

void drawFrame(DrawingSurface &surface, const ReportInputs &in, double fontSize) {
    const StyleSettings &styles = in.styles;
    surface.setTextColour(black());
    surface.setBold(false);
    surface.setFontSize(fontSize);
    surface.setLineWidth(4);
    surface.line({4, 0}, {4, 12}, stylePaletteColour(styles.printHrColour));
    textAt(surface, 4, 13, QCoreApplication::translate("ReportPage", "b/min"));
    textAt(surface, 14, 13, QCoreApplication::translate("ReportPage", "mmol/l"));
    surface.line({4, 0}, {15, 0}, black());
    surface.line({15, 0}, {15, 12}, stylePaletteColour(styles.printLactateColour));
    surface.setBold(true);
    textAt(surface, 9, -2,
           in.recovery ? QCoreApplication::translate("ReportPage", "Time(minutes)")
                       : QCoreApplication::translate("ReportPage", "Speed(meter/minute)"));
    surface.setBold(false);

    surface.setLineWidth(1);
    surface.setLineStyle(LineStyle::Dotted);
    const auto helpColour = stylePaletteColour(styles.printHelpLineColour);
    for (int j = 1; j <= 12; ++j)
        surface.line({4, double(j)}, {15, double(j)}, helpColour);
    surface.setLineStyle(LineStyle::Solid);

    if (!in.recovery) {
        for (int i = 4; i <= 14; ++i)
            surface.line({double(i), -0.1}, {double(i), 0.2}, black());
        return;
    }
    const auto tickColour = styleRawColour(styles.speedAxisColour);
    for (int i = 4; i <= 14; ++i)
        for (const double x : {double(i), i + 1.0 / 3, i + 2.0 / 3})
            surface.line({x, 0}, {x, 0.2}, tickColour);
}

void drawLabels(DrawingSurface &surface, const ReportInputs &in, const GraphScale &scale) {
    for (const ReportAxisLabel &label : reportLactateLabels(scale))
        labelAt(surface, label);
    for (const ReportAxisLabel &label : reportHrLabels(scale, in.recovery))
        labelAt(surface, label);
    if (in.recovery)
        surface.setTextColour(stylePaletteColour(in.styles.speedAxisColour));
    for (const ReportAxisLabel &label : reportXLabels(in.recovery))
        labelAt(surface, label);
}

// A kept test's points in a look of their own: lactate as dots filled in its colour, heart rate
// as crosses of the same size.
void drawDistinctPoints(DrawingSurface &surface, const StyleSettings &styles,
                        const FrozenCurve &curve, const GraphScale &scale,
                        std::optional<QColor> lactate, std::optional<QColor> hr) {
    const double radius = std::max(styleSize(styles.printMarkSize), 0.06);
    surface.setFillPattern(FillPattern::Solid);
    const std::size_t n = std::size_t(curve.stepCount);
    if (curve.lactate[0] != kHeartRateOnlyLactate) {
        surface.setFillColour(lactate);
        for (std::size_t i = 0; i < n; ++i)
            surface.circle({scale.xOf(curve.x[i]), scale.yOfLactate(curve.lactate[i])}, radius,
                           lactate);
    }
    // The crosses are as high as wide on paper: the graph's y units are shorter than its x units.
    const double dy = radius * surface.map().xLengthToDevice(1) / surface.map().yLengthToDevice(1);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF c(scale.xOf(curve.x[i]), scale.yOfHr(curve.hr[i]));
        surface.line({c.x() - radius, c.y() - dy}, {c.x() + radius, c.y() + dy}, hr);
        surface.line({c.x() - radius, c.y() + dy}, {c.x() + radius, c.y() - dy}, hr);
    }
}

void drawPoints(DrawingSurface &surface, const StyleSettings &styles, const FrozenCurve &curve,
                const GraphScale &scale, const ReportGraphLook &look, std::size_t slot) {
    const int n = curve.stepCount;
    if (n < 3 || n > StepRows)
        return;
    if (look.distinctMarks) {
        drawDistinctPoints(surface, styles, curve, scale, look.lactateColours[slot],
                           look.hrColours[slot]);
        return;
    }
    const double radius = styleSize(styles.printMarkSize);
    surface.setFillPattern(styleFillPattern(styles.printMarkFillStyle));
    if (curve.lactate[0] != kHeartRateOnlyLactate) {
        surface.setFillColour(styleRawColour(styles.printLactateMarkFill));
        const auto outline = onPaper(stylePaletteColour(styles.printLactateMarkColour));
        for (std::size_t i = 0; i < std::size_t(n); ++i)
            surface.circle({scale.xOf(curve.x[i]), scale.yOfLactate(curve.lactate[i])}, radius,
                           outline);
    }
    surface.setFillColour(styleRawColour(styles.printHrMarkFill));
    const auto outline = onPaper(stylePaletteColour(styles.printHrMarkColour));
    for (std::size_t i = 0; i < std::size_t(n); ++i)
        surface.circle({scale.xOf(curve.x[i]), scale.yOfHr(curve.hr[i])}, radius, outline);
}

void drawCurves(DrawingSurface &surface, const ReportInputs &in, const FrozenCurve &curve,
                const GraphScale &scale, const ReportGraphLook &look, std::size_t slot) {
    const StyleSettings &styles = in.styles;
    surface.setLineWidth(styleWidth(styles.printHrWidth));
    const auto hrColour = look.hrColours[slot] ? look.hrColours[slot]
                                               : onPaper(stylePaletteColour(styles.printHrColour));
    const double c = curve.fit.hrIntercept, d = curve.fit.hrSlope;
    forEachPiece(curve.firstX, curve.lastX, scale, [&](double t, double x) {
        const double y = scale.yOfHr(c + d * t);
        surface.line({x, y}, {x + PieceWidth, y}, hrColour);
    });
    if (readNumber(in.lactate[0]) == 0.1)
        return;
    surface.setLineWidth(styleWidth(styles.printLactateWidth));
    const auto lactateColour = look.lactateColours[slot]
                                   ? look.lactateColours[slot]
                                   : onPaper(stylePaletteColour(styles.printLactateColour));
    const double a = curve.fit.lactateIntercept, b = curve.fit.lactateSlope;
    forEachPiece(curve.firstX, curve.lastX, scale, [&](double t, double x) {
        const auto lactate = toSingle(std::exp(a + b * t));
        if (!lactate)
            return; // beyond single precision: this piece is skipped
        const double y = scale.yOfLactate(*lactate);
        surface.line({x, y}, {x + PieceWidth, y}, lactateColour);
    });
}

void drawCrossLines(DrawingSurface &surface, const ReportInputs &in, const GraphScale &scale) {
    // Without a threshold speed there is no threshold to mark: lines "at speed 0" would run from
    // the lactate axis across the graph and off the left edge of the page.
    if (in.thresholdSpeed.trimmed().isEmpty())
        return;
    surface.setLineWidth(styleWidth(in.styles.printLactateLineWidth));
    const auto colour = onPaper(stylePaletteColour(in.styles.printLactateLineColour));
    const double v = readNumber(in.thresholdSpeed);
    const double a = in.fit.lactateIntercept, b = in.fit.lactateSlope;
    const double c = in.fit.hrIntercept, d = in.fit.hrSlope;
    const auto lactate = toSingle(scale.yOfLactate(std::exp(b * v + a)));
    // The heart-rate level is rounded down to whole b/min above the base before the scale.
    const double yH = std::floor(d * v + c - scale.hrBase) * scale.hrScale;
    if (lactate) {
        const double yL = *lactate;
        surface.line({15, yL}, {v, yL}, colour);
        surface.line({v, 0}, {v, yL}, colour);
    }
    surface.line({v, 0}, {v, yH}, colour);
    surface.line({v, yH}, {4, yH}, colour);
}

} // namespace

GraphScale reportAxisScale(const GraphScale &screen, bool recovery) {
    GraphScale scale = screen;
    const LactateRange lactate = chooseLactateRange(screen.lactateAxisMax);
    scale.lactateAxisMax = lactate.axisMax;
    scale.lactateScale = lactate.scale;
    if (recovery) {
        scale.hrAxisMax = 240;
        scale.hrBase = 60;
        scale.hrScale = 12.0f / 180;
    } else if (screen.hrAxisMax > 185) {
        scale.hrAxisMax = 240;
        scale.hrScale = screen.hrBase == 60 ? 1.0f / 15 : 0.1f;
    } else if (screen.hrAxisMax > 135) {
        scale.hrAxisMax = 185;
        scale.hrScale = 0.1f;
    } else {
        scale.hrAxisMax = 135;
        scale.hrScale = 0.2f;
    }
    return scale;
}

std::vector<ReportAxisLabel> reportLactateLabels(const GraphScale &scale) {
    std::vector<ReportAxisLabel> labels;
    for (int v : chooseLactateRange(scale.lactateAxisMax).labels)
        labels.push_back(
            {printedNumber(v), QPointF(15.2, double(float(v) * scale.lactateScale) + 0.5)});
    return labels;
}

std::vector<ReportAxisLabel> reportHrLabels(const GraphScale &scale, bool recovery) {
    int first = 60, step = 15, firstRow = 0;
    double rise = 0.3;
    if (!recovery && scale.hrAxisMax > 185 && scale.hrBase != 60) {
        first = 120;
        step = 10;
    } else if (!recovery && scale.hrAxisMax <= 185 && scale.hrAxisMax > 135) {
        first = 75;
        step = 10;
        firstRow = 1;
        rise = 0.5;
    } else if (!recovery && scale.hrAxisMax <= 135) {
        first = 75;
        step = 5;
        rise = 0.5;
    }
    std::vector<ReportAxisLabel> labels;
    for (int row = firstRow; row <= 12; ++row)
        labels.push_back(
            {printedNumber(first + (row - firstRow) * step), QPointF(3.2, row + rise)});
    return labels;
}

std::vector<ReportAxisLabel> reportXLabels(bool recovery) {
    std::vector<ReportAxisLabel> labels;
    if (!recovery) {
        for (int k = 5; k <= 15; ++k)
            labels.push_back({printedNumber(60 * k), QPointF(k - 0.1, -0.5)});
        return labels;
    }
    double offset = 0;
    for (int j = 1; j <= 16; ++j) {
        offset += 2.0 / 3;
        if (offset > 11)
            break;
        labels.push_back({printedNumber(2 * j), QPointF(4 + offset - 0.15, -0.5)});
    }
    return labels;
}

GraphScale drawReportGraph(DrawingSurface &surface, const ReportInputs &in,
                           const ReportGraphLook &look) {
    surface.setScale(look.pageScale);
    drawFrame(surface, in, look.fontSize);
    const GraphScale scale = reportAxisScale(in.scale, in.recovery);
    drawLabels(surface, in, scale);

    surface.setLineWidth(styleWidth(in.styles.printMarkWidth));
    // Points and lines beyond the axis ranges stop at the axes instead of covering the labels.
    const ClipScope clip(surface, GraphPlottingArea);
    const int last = std::min(in.curveSlot, FrozenCurves::LastSlot);
    for (int slot = 1; slot <= last; ++slot) {
        const FrozenCurve &curve = in.curves.curves[std::size_t(slot)];
        drawPoints(surface, in.styles, curve, scale, look, std::size_t(slot));
        drawCurves(surface, in, curve, scale, look, std::size_t(slot));
    }
    if (!in.freezeChecked)
        drawCrossLines(surface, in, scale);
    return scale;
}

} // namespace kavren
