// Graph positions of the first three measured points of every kept test, in tenths of a graph
// unit, so that the cursor readout can tell which kept curve the pointer rests on.
#pragma once

#include <array>
#include <cstdint>

namespace kavren {

enum class PointSeries { HeartRate = 0, Lactate = 1 };

struct TablePoint {
    std::int16_t column = 0; // floor(X · 10)
    std::int16_t row = 0;    // Y · 10, rounded half to even

    bool operator==(const TablePoint &) const = default;
};

struct PointTable {
    static constexpr int Slots = 7;  // slot of a run: ComparedCount before it (0…6)
    static constexpr int Points = 3; // steps 1…3, stored at index 0…2

    std::array<std::array<std::array<TablePoint, Points>, 2>, Slots> entries{};

    TablePoint &at(int slot, PointSeries series, int pointIndex) {
        return entries[std::size_t(slot)][std::size_t(series)][std::size_t(pointIndex)];
    }
    const TablePoint &at(int slot, PointSeries series, int pointIndex) const {
        return entries[std::size_t(slot)][std::size_t(series)][std::size_t(pointIndex)];
    }
    // Every entry of the slots first…last (both series, all points, both coordinates) set to 0.
    void clearSlots(int first, int last) {
        for (int slot = first; slot <= last && slot < Slots; ++slot)
            entries[std::size_t(slot)] = {};
    }
};

} // namespace kavren
