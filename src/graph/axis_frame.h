// The axis frame of the graph: axis lines, unit titles, axis title, dotted grid, tick marks and
// numeric labels on the graph canvas (x 3…16, y 13…−3; plotting area x 4…15, y 0…12), and the
// choice of the lactate and heart-rate ranges. The ranges, ticks and labels are computed as plain
// values first; the drawing functions only put them on a surface.
#pragma once

#include "graph/drawing_surface.h"
#include "graph/style_settings.h"
#include "exercise/graph_scale.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

namespace kavren {

// The user scale of the screen graph `lakta`.
inline constexpr UserScale GraphCanvasScale{3, 13, 16, -3};

struct LactateRange {
    float axisMax = 6;       // mmol/l at the top (y = 12)
    float scale = 2;         // graph y units per mmol/l
    std::vector<int> labels; // label values, bottom to top
};

// The lactate axis for a deciding value m: the last step's lactate, or the axis top kept from
// before (recovery test, common-scale redraw).
LactateRange chooseLactateRange(double m);

struct HrLabel {
    int value = 0; // b/min
    int row = 0;   // graph y where the mapping puts that heart rate
};

struct HrRange {
    float axisMax = 240;
    std::int16_t base = 60;
    float scale = 1.0f / 15;
    std::vector<HrLabel> labels;
    double labelRise = 0.3; // the label's top stands this far above its row
};

// The heart-rate axis. h is the deciding heart rate (the last step's, or the axis top kept from
// the run); firstHr is the value of puls1. A recovery test always gets the 60…240 axis.
HrRange chooseHrRange(double h, double firstHr, bool recovery);

// Stores a range choice in the graph scale (XOffset and XDivisor stay as the unit set them).
void applyRanges(GraphScale &scale, const LactateRange &lactate, const HrRange &hr);

// A text whose top-left corner stands at a graph position.
struct FrameText {
    QString text;
    QPointF at;
};

// How a number is printed on the graph: one blank before it (room for the sign), one after.
QString printedNumber(double value);

// x of the grid points of one row: 4, 4.1, … by repeated addition while x ≤ 15.
std::vector<double> gridXs();
// x of the tick marks on the x axis.
std::vector<double> tickXs(bool recovery);
// The x labels: metres per minute under each whole m/s, or minutes 2…32 in a recovery test.
std::vector<FrameText> xLabels(bool recovery);
std::vector<FrameText> lactateLabels(const LactateRange &range);
std::vector<FrameText> hrLabels(const HrRange &range);

// What decides the ranges of the single-test frame.
struct AxisChoiceInput {
    bool recovery = false;
    double lastLactate = 0; // lactate of the last used step
    double lastHr = 0;      // heart rate of the last used step
    double firstHr = 0;     // value of puls1 (an empty or non-numeric puls1 counts as 0)
    // An imported recording or the first run after the remote link connected: the heart-rate
    // axis is chosen as for a heart rate of 240.
    bool forceFullHrAxis = false;
};

// Single-test frame, first piece: axis lines, unit titles, axis title, grid, ticks and x labels.
// The line width is expected to be `helpLineWidth` already.
void drawAxisFrameLines(DrawingSurface &surface, const StyleSettings &styles, bool recovery);
// Single-test frame, second piece: chooses both ranges, stores them in the scale, prints the
// lactate and heart-rate labels and sets the line width to `circleWidth`.
void drawAxisRanges(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                    const AxisChoiceInput &input);
// Both pieces one after the other.
void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                   const AxisChoiceInput &input);

// The common-scale frame of `skalor` (step 5): the ranges are chosen from the axis tops that the
// scale holds (LactateAxisMax from the largest kept lactate, HrAxisMax left by the run); firstHr
// is the value of puls1, which picks the 120 or the 60 base of the 240 axis. Like the single-test
// frame it ends by setting the line width to `circleWidth`.
void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                          bool recovery, double firstHr);

} // namespace kavren
