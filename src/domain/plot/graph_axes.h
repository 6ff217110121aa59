// The axes of the screen graph as plain values: the lactate and heart-rate ranges a deciding value
// chooses, the tick marks and every label with its place on the canvas. The calculation run
// chooses them once and hands them on; drawing only puts them on a surface.
#pragma once

#include "domain/exercise/graph_scale.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

namespace kavren {

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

// x of the tick marks on the x axis.
std::vector<double> tickXs(bool recovery);
// The x labels: metres per minute under each whole m/s, or minutes 2…32 in a recovery test.
std::vector<FrameText> xLabels(bool recovery);
std::vector<FrameText> lactateLabels(const LactateRange &range);
std::vector<FrameText> hrLabels(const HrRange &range);

// Everything the axes of one frame show, chosen together.
struct GraphAxes {
    bool recovery = false;
    LactateRange lactate;
    HrRange hr;
    std::vector<double> ticks;            // x of the tick marks
    std::vector<FrameText> xLabels;       // speed or time labels under the x axis
    std::vector<FrameText> lactateLabels; // right of the plotting area
    std::vector<FrameText> hrLabels;      // left of the plotting area

    // Stores the chosen ranges in a scale, whose mapping then matches the labels.
    void applyTo(GraphScale &scale) const { applyRanges(scale, lactate, hr); }
};

// The axes for a deciding lactate m, heart rate h and the value of puls1.
GraphAxes chooseGraphAxes(bool recovery, double m, double h, double firstHr);

// What decides the ranges of a single-test frame.
struct AxisChoiceInput {
    bool recovery = false;
    double lastLactate = 0; // lactate of the last used step
    double lastHr = 0;      // heart rate of the last used step
    double firstHr = 0;     // value of puls1 (an empty or non-numeric puls1 counts as 0)
    // An imported recording or the first run after the remote link connected: the heart-rate
    // axis is chosen as for a heart rate of 240.
    bool forceFullHrAxis = false;
};

// The axes a single-test frame gets for the input; a recovery test keeps the lactate axis top
// that the scale holds.
GraphAxes chooseSingleTestAxes(const GraphScale &scale, const AxisChoiceInput &input);
// The axes of the common-scale frame: chosen from the axis tops that the scale holds
// (LactateAxisMax from the largest kept lactate, HrAxisMax left by the run); firstHr is the value
// of puls1, which picks the 120 or the 60 base of the 240 axis.
GraphAxes chooseCommonScaleAxes(const GraphScale &scale, bool recovery, double firstHr);

} // namespace kavren
