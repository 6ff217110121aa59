// Drawing of the graph's axis frame, single-test and common-scale variants.
#include "domain/drawing/axis_frame.h"

#include <QCoreApplication>

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
void drawLines(DrawingSurface &surface, const StyleSettings &styles, const GraphAxes &axes,
               Variant variant) {
    const bool recovery = axes.recovery;
    const bool common = variant == Variant::CommonScale;
    // Axes, titles, grid and ticks stand out from the graph's background (visibleColour).
    const auto shown = [&](std::optional<QColor> colour) { return surface.visibleColour(colour); };
    const auto hrColour = [&] { return shown(stylePaletteColour(styles.hrColour)); };
    const auto lactateColour = [&] { return shown(stylePaletteColour(styles.lactateColour)); };
    const auto speedColour = [&] { return shown(stylePaletteColour(styles.speedAxisColour)); };
    // The titles' pen is placed with a dot in the background colour (green in the common frame),
    // meant not to be seen.
    const auto penColour = [&] {
        return common ? colourOfPaletteNumber(2) : stylePaletteColour(styles.backgroundColour);
    };

    surface.line({4, 0}, {4, 12}, hrColour());
    surface.point({4, 12.8}, penColour());
    surface.setFontSize(8);
    if (!common)
        surface.setTextColour(hrColour());
    surface.printText(QCoreApplication::translate("Graph", "b/min"));
    surface.point({14, 12.8}, penColour());
    if (!common)
        surface.setTextColour(lactateColour());
    surface.printText(QCoreApplication::translate("Graph", "mmol/l"));
    surface.line({4, 0}, {15, 0}, common ? shown(black()) : speedColour());
    surface.line({15, 0}, {15, 12}, common ? hrColour() : lactateColour());

    surface.setFontSize(10);
    surface.setBold(false);
    const QColor before = surface.textColour();
    surface.setTextColour(speedColour());
    surface.moveTo({8, -2});
    surface.printText(recovery ? QCoreApplication::translate("Graph", "Time (minutes)")
                               : QCoreApplication::translate("Graph", "Speed (meter/minute)"));
    if (!common)
        surface.setTextColour(before);

    const std::vector<double> xs = gridXs();
    for (int row = 1; row <= 12; ++row)
        for (double x : xs)
            surface.point({x, double(row)}, shown(black()));

    // The tick colour is the tempo-axis number used as a raw colour: 0–15 are all near black.
    std::optional<QColor> tickColour;
    if (common && !recovery)
        tickColour = shown(black());
    else
        tickColour = shown(styleRawColour(styles.speedAxisColour));
    for (double x : axes.ticks)
        surface.line({x, 0}, {x, 0.2}, tickColour);

    surface.setTextColour(speedColour());
    for (const FrameText &label : axes.xLabels)
        printAt(surface, label);
}

// Steps 10 and 11: the labels of both ranges, then the points that follow in circleWidth.
void drawRanges(DrawingSurface &surface, const StyleSettings &styles, const GraphAxes &axes,
                Variant variant) {
    const bool common = variant == Variant::CommonScale;
    if (!common)
        surface.setTextColour(surface.visibleColour(stylePaletteColour(styles.lactateColour)));
    for (const FrameText &label : axes.lactateLabels)
        printAt(surface, label);
    if (!common || axes.recovery)
        surface.setTextColour(surface.visibleColour(stylePaletteColour(styles.hrColour)));
    for (const FrameText &label : axes.hrLabels)
        printAt(surface, label);
    surface.setLineWidth(styleWidth(styles.circleWidth));
}

} // namespace

std::vector<double> gridXs() {
    std::vector<double> xs;
    for (double x = 4; x <= 15; x += 0.1)
        xs.push_back(x);
    return xs;
}

void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, const GraphAxes &axes) {
    drawLines(surface, styles, axes, Variant::SingleTest);
    drawRanges(surface, styles, axes, Variant::SingleTest);
}

void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles,
                          const GraphAxes &axes) {
    drawLines(surface, styles, axes, Variant::CommonScale);
    drawRanges(surface, styles, axes, Variant::CommonScale);
}

void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                   const AxisChoiceInput &input) {
    const GraphAxes axes = chooseSingleTestAxes(scale, input);
    axes.applyTo(scale);
    drawAxisFrame(surface, styles, axes);
}

void drawAxisRanges(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                    const AxisChoiceInput &input) {
    const GraphAxes axes = chooseSingleTestAxes(scale, input);
    axes.applyTo(scale);
    drawRanges(surface, styles, axes, Variant::SingleTest);
}

void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                          bool recovery, double firstHr) {
    const GraphAxes axes = chooseCommonScaleAxes(scale, recovery, firstHr);
    axes.applyTo(scale);
    drawCommonScaleFrame(surface, styles, axes);
}

} // namespace kavren
