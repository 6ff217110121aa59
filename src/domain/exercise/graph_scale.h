// How test values map onto the graph: X = XOffset + x / XDivisor, Y = L · LactateScale for a
// lactate, Y = (h − HrBase) · HrScale for a heart rate. The axis choice of the calculation run and
// of the common-scale redraw sets everything but XOffset and XDivisor, which the unit choice sets.
#pragma once

#include <cstdint>

namespace kavren {

// The screen graph's canvas in graph units: x runs from 3 at the left edge to 16 at the right, y
// from 13 at the top to −3 at the bottom. The plotting area inside is x 4…15, y 0…12; the rest
// holds the axis titles and labels.
struct GraphCanvas {
    static constexpr double Left = 3;
    static constexpr double Top = 13;
    static constexpr double Right = 16;
    static constexpr double Bottom = -3;
};

// The scale values are single precision (`float`) and the divisor and base 16-bit whole numbers
// because the axis choice computes them that way: a point's graph position, and so the cursor
// readout's tenths and the printed label rows, depend on that rounding. The mapping itself is done
// in double from these stored values.
struct GraphScale {
    float xOffset = 0;         // 0 for a speed unit, 4 in a recovery test
    std::int16_t xDivisor = 1; // 1 for a speed unit, 3 in a recovery test
    float lactateScale = 2;    // graph y units per mmol/l
    float lactateAxisMax = 6;  // mmol/l at the top of the lactate axis; 6 before the first choice
    std::int16_t hrBase = 0;   // heart rate at graph y = 0
    float hrScale = 1;         // graph y units per b/min
    float hrAxisMax = 0;       // b/min at the top of the heart-rate axis

    // Graph position of a test value. Every point, curve piece and cursor position is mapped
    // through these, so the operand order here is the one the stored positions depend on.
    double xOf(double x) const { return xOffset + x / xDivisor; }
    double yOfLactate(double lactate) const { return lactate * lactateScale; }
    double yOfHr(double hr) const { return (hr - hrBase) * hrScale; }
    // The cursor rows in tenths of graph y, before rounding: the value is multiplied by 10 before
    // the scale, not the graph y by 10; the two orders can differ in the last bit and so round a
    // row that lies near a half the other way.
    double lactateRowTenths(double lactate) const { return lactate * 10 * lactateScale; }
    double hrRowTenths(double hr) const { return (hr - hrBase) * 10 * hrScale; }

    // The printed page chose its own axes: the screen keeps them, with its own x mapping, which
    // belongs to the unit chosen on screen.
    void keepAxesOf(const GraphScale &printed) {
        lactateAxisMax = printed.lactateAxisMax;
        lactateScale = printed.lactateScale;
        hrAxisMax = printed.hrAxisMax;
        hrBase = printed.hrBase;
        hrScale = printed.hrScale;
    }
};

} // namespace kavren
