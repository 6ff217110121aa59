// The cursor readout of kept curves: which kept curve a pointer position on the graph rests on,
// found from the stored positions of the first three measured points of every kept test.
#pragma once

#include "domain/plot/point_table.h"

#include <QString>

#include <optional>

namespace kavren {

// Slots 0…5 are looked at, heart-rate series before lactate series, slot by slot; slot 6 never.
inline constexpr int ReadoutSlots = 6;

// The slot whose point the pointer (x, y in graph units) rests on: for slots 0 and 1 the pointer's
// tenths are rounded half to even, for slots 2…5 rounded down; both column and row must equal a
// stored point. Empty when no point matches.
std::optional<int> readoutSlot(const PointTable &table, double x, double y);

// The readout caption of a slot: four blanks and the number of the kept curve ("    1" for slot 0).
QString readoutCaption(int slot);

} // namespace kavren
