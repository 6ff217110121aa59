// How test values map onto the graph: X = XOffset + x / XDivisor, Y = L · LactateScale for a
// lactate, Y = (h − HrBase) · HrScale for a heart rate. The axis choice of the calculation run and
// of the common-scale redraw sets everything but XOffset and XDivisor, which the unit choice sets.
#pragma once

#include <cstdint>

namespace kavren {

// The scale values are single precision (`float`) and the divisor and base 16-bit whole numbers
// because the axis choice computes them that way: a point's graph position, and so the cursor
// readout's tenths and the printed label rows, depend on that rounding. The mapping itself is done
// in double from these stored values.
struct GraphScale {
    float xOffset = 0;          // 0 for a speed unit, 4 in a recovery test
    std::int16_t xDivisor = 1;  // 1 for a speed unit, 3 in a recovery test
    float lactateScale = 2;     // graph y units per mmol/l
    float lactateAxisMax = 6;   // mmol/l at the top of the lactate axis; 6 before the first choice
    std::int16_t hrBase = 0;    // heart rate at graph y = 0
    float hrScale = 1;          // graph y units per b/min
    float hrAxisMax = 0;        // b/min at the top of the heart-rate axis

    double xOf(double x) const { return xOffset + x / xDivisor; }
    double yOfLactate(double lactate) const { return lactate * lactateScale; }
    double yOfHr(double hr) const { return (hr - hrBase) * hrScale; }
};

} // namespace kavren
