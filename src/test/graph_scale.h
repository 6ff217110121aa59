// How test values map onto the graph: X = XOffset + x / XDivisor, Y = L · LactateScale for a
// lactate, Y = (h − HrBase) · HrScale for a heart rate.
#pragma once

namespace kavren {

struct GraphScale {
    double xOffset = 0;  // 0 for a speed unit, 4 in a recovery test
    double xDivisor = 1; // 1 for a speed unit, 3 in a recovery test
    float lactateScale = 1;
    float hrScale = 1;
    float hrBase = 0;
    float lactateAxisMax = 12;
    float hrAxisMax = 0;
};

} // namespace kavren
