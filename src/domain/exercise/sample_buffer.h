// The timed speed and heart-rate samples of a heart-rate file or of the live link: two tables of
// rows, the index of the last row written and the highest speed seen. The tables start with the
// 2001 rows a recording usually needs and grow when a longer one arrives (an hour at one sample a
// second has 3,600), so no sample is ever dropped.
#pragma once

#include <array>
#include <cstddef>
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
    int sampleCount = 0;
    float maxSpeed = 0; // m/s

    // Writes row i of both tables, growing them when i lies beyond their end; a negative i is
    // ignored.
    void setRow(int i, float speedMps, float heartRate) {
        if (i < 0)
            return;
        const auto row = std::size_t(i);
        if (row >= hrSpeedTable.size()) {
            hrSpeedTable.resize(row + 1);
            speedHrTable.resize(row + 1);
        }
        hrSpeedTable[row] = {heartRate, speedMps};
        speedHrTable[row] = {speedMps, heartRate};
    }
    // Number of rows the tables hold.
    int rows() const { return int(hrSpeedTable.size()); }
};

} // namespace kavren
