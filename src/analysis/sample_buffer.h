// The timed speed and heart-rate samples of a heart-rate file or of the live link: two tables of
// up to 2001 rows, the number of rows written and the highest speed seen.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kavren {

struct SampleBuffer {
    static constexpr int Rows = 2001;

    SampleBuffer() : hrSpeedTable(Rows), speedHrTable(Rows) {}

    // Row i: heart rate (b/min), speed (m/s).
    std::vector<std::array<float, 2>> hrSpeedTable;
    // Row i: speed (m/s), heart rate (b/min).
    std::vector<std::array<float, 2>> speedHrTable;
    // Rows written; after the take-over of a file, the index of the last sample.
    std::int16_t sampleCount = 0;
    float maxSpeed = 0; // m/s
};

} // namespace kavren
