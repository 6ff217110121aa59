// Range choice and drawing of the graph's axis frame, single-test and common-scale variants.
#include "graph/axis_frame.h"

#include "exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

std::optional<QColor> black() {
    return colourOfPaletteNumber(0);
}

// Which of the two frames is drawn; they differ only in colours and in the pen of the titles.
enum class Variant { SingleTest, CommonScale };

void printAt(DrawingSurface &surface, const FrameText &label) {
    surface.moveTo(label.at);
    surface.printText(label.text);
}

// Steps 1 to 9 of the frame.
void drawLines(DrawingSurface &surface, const StyleSettings &styles, bool recovery, Variant variant) {
    const bool common = variant == Variant::CommonScale;
    const auto hrColour = [&] { return stylePaletteColour(styles.hrColour); };
    const auto lactateColour = [&] { return stylePaletteColour(styles.lactateColour); };
    const auto speedColour = [&] { return stylePaletteColour(styles.speedAxisColour); };
    // The titles' pen is placed with a dot in the background colour (green in the common frame).
    const auto penColour = [&] {
        return common ? colourOfPaletteNumber(2) : stylePaletteColour(styles.backgroundColour);
    };

    surface.line({4, 0}, {4, 12}, hrColour());
    surface.point({4, 12.8}, penColour());
    surface.setFontSize(8);
    if (!common)
        surface.setTextColour(hrColour());
    surface.printText(QStringLiteral("b/min"));
    surface.point({14, 12.8}, penColour());
    if (!common)
        surface.setTextColour(lactateColour());
    surface.printText(QStringLiteral("mmol/l"));
    surface.line({4, 0}, {15, 0}, common ? black() : speedColour());
    surface.line({15, 0}, {15, 12}, common ? hrColour() : lactateColour());

    surface.setFontSize(10);
    surface.setBold(false);
    const QColor before = surface.textColour();
    surface.setTextColour(speedColour());
    surface.moveTo({8, -2});
    surface.printText(recovery ? QStringLiteral("Time (minutes)") : QStringLiteral("Speed (meter/minute)"));
    if (!common)
        surface.setTextColour(before);

    const std::vector<double> xs = gridXs();
    for (int row = 1; row <= 12; ++row)
        for (double x : xs)
            surface.point({x, double(row)}, black());

    // The tick colour is the tempo-axis number used as a raw colour: 0–15 are all near black.
    std::optional<QColor> tickColour;
    if (common && !recovery)
        tickColour = black();
    else
        tickColour = styleRawColour(styles.speedAxisColour);
    for (double x : tickXs(recovery))
        surface.line({x, 0}, {x, 0.2}, tickColour);

    surface.setTextColour(speedColour());
    for (const FrameText &label : xLabels(recovery))
        printAt(surface, label);
}

// Steps 10 and 11: the ranges and their labels.
void drawRanges(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                const LactateRange &lactate, const HrRange &hr, bool recovery, Variant variant) {
    const bool common = variant == Variant::CommonScale;
    applyRanges(scale, lactate, hr);
    if (!common)
        surface.setTextColour(stylePaletteColour(styles.lactateColour));
    for (const FrameText &label : lactateLabels(lactate))
        printAt(surface, label);
    if (!common || recovery)
        surface.setTextColour(stylePaletteColour(styles.hrColour));
    for (const FrameText &label : hrLabels(hr))
        printAt(surface, label);
}

} // namespace

LactateRange chooseLactateRange(double m) {
    LactateRange range;
    int step = 2;
    if (m > 12) {
        range.axisMax = 24;
        range.scale = 0.5f;
    } else if (m > 8) {
        range.axisMax = 12;
        range.scale = 1.0f;
    } else if (m > 6) {
        range.axisMax = 8;
        range.scale = 1.5f;
    } else {
        range.axisMax = 6;
        range.scale = 2.0f;
        step = 1;
    }
    for (int v = step; v <= int(range.axisMax); v += step)
        range.labels.push_back(v);
    return range;
}

HrRange chooseHrRange(double h, double firstHr, bool recovery) {
    HrRange range;
    int first = 0;
    int step = 15;
    int firstRow = 0;
    if (recovery || (h > 185 && firstHr <= 119)) {
        range.axisMax = 240;
        range.base = 60;
        range.scale = 1.0f / 15;
        first = 60;
    } else if (h > 185) {
        range.axisMax = 240;
        range.base = 120;
        range.scale = 0.1f;
        first = 120;
        step = 10;
    } else if (h > 135) {
        range.axisMax = 185;
        range.base = 65;
        range.scale = 0.1f;
        first = 75;
        step = 10;
        firstRow = 1;
        range.labelRise = 0.5;
    } else {
        range.axisMax = 135;
        range.base = 75;
        range.scale = 0.2f;
        first = 75;
        step = 5;
        range.labelRise = 0.5;
    }
    for (int row = firstRow; row <= 12; ++row)
        range.labels.push_back({first + (row - firstRow) * step, row});
    return range;
}

void applyRanges(GraphScale &scale, const LactateRange &lactate, const HrRange &hr) {
    scale.lactateAxisMax = lactate.axisMax;
    scale.lactateScale = lactate.scale;
    scale.hrAxisMax = hr.axisMax;
    scale.hrBase = hr.base;
    scale.hrScale = hr.scale;
}

QString printedNumber(double value) {
    return writeSignedBlank(value) + QLatin1Char(' ');
}

std::vector<double> gridXs() {
    std::vector<double> xs;
    for (double x = 4; x <= 15; x += 0.1)
        xs.push_back(x);
    return xs;
}

std::vector<double> tickXs(bool recovery) {
    std::vector<double> xs;
    if (!recovery) {
        for (int k = 5; k <= 14; ++k)
            xs.push_back(k);
        return xs;
    }
    for (int k = 4; k <= 14; ++k) {
        xs.push_back(k);
        xs.push_back(k + 1.0 / 3);
        xs.push_back(k + 2.0 / 3);
    }
    return xs;
}

std::vector<FrameText> xLabels(bool recovery) {
    std::vector<FrameText> labels;
    if (!recovery) {
        for (int k = 5; k <= 15; ++k)
            labels.push_back({printedNumber(60 * k), QPointF(k - 0.15, -0.5)});
        return labels;
    }
    for (int j = 1; j <= 16; ++j)
        labels.push_back({printedNumber(2 * j), QPointF(4 + 2.0 * j / 3 - 0.15, -0.5)});
    return labels;
}

std::vector<FrameText> lactateLabels(const LactateRange &range) {
    std::vector<FrameText> labels;
    for (int v : range.labels)
        labels.push_back({printedNumber(v), QPointF(15.2, double(float(v) * range.scale) + 0.3)});
    return labels;
}

std::vector<FrameText> hrLabels(const HrRange &range) {
    std::vector<FrameText> labels;
    for (const HrLabel &label : range.labels)
        labels.push_back({printedNumber(label.value), QPointF(3.2, label.row + range.labelRise)});
    return labels;
}

void drawAxisFrameLines(DrawingSurface &surface, const StyleSettings &styles, bool recovery) {
    drawLines(surface, styles, recovery, Variant::SingleTest);
}

void drawAxisRanges(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                    const AxisChoiceInput &input) {
    const double m = input.recovery ? double(scale.lactateAxisMax) : input.lastLactate;
    const double h = input.forceFullHrAxis ? 240.0 : input.lastHr;
    drawRanges(surface, styles, scale, chooseLactateRange(m), chooseHrRange(h, input.firstHr, input.recovery),
               input.recovery, Variant::SingleTest);
    surface.setLineWidth(styleWidth(styles.circleWidth));
}

void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                   const AxisChoiceInput &input) {
    drawAxisFrameLines(surface, styles, input.recovery);
    drawAxisRanges(surface, styles, scale, input);
}

void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                          bool recovery, double firstHr) {
    drawLines(surface, styles, recovery, Variant::CommonScale);
    drawRanges(surface, styles, scale, chooseLactateRange(scale.lactateAxisMax),
               chooseHrRange(scale.hrAxisMax, firstHr, recovery), recovery, Variant::CommonScale);
    // As in the single-test frame: the first kept curve's points follow in circleWidth.
    surface.setLineWidth(styleWidth(styles.circleWidth));
}

} // namespace kavren
