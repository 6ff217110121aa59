// The indices of the last calculation: speeds at a heart rate of 200 and at lactates of 4 and 2
// mmol/l, and the heart rates at those lactates.
#pragma once

#include <cstdint>

namespace kavren {

struct ThresholdResults {
    float v200 = 0;
    float vla4 = 0;
    float vla2 = 0;
    std::int16_t hr4 = 0;
    std::int16_t hr2 = 0;
};

} // namespace kavren
