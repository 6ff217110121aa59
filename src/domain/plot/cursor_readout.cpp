// The look-up of the cursor readout over the stored point positions of the kept tests.
#include "domain/plot/cursor_readout.h"

#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

// A pointer tenth as a whole number the stored points can equal; far outside the graph none can.
std::optional<int> tenth(double value) {
    if (!std::isfinite(value) || std::abs(value) > 1e6)
        return std::nullopt;
    return int(value);
}

bool seriesMatches(const PointTable &table, int slot, PointSeries series, int column, int row) {
    for (int i = 0; i < PointTable::Points; ++i) {
        const TablePoint &point = table.at(slot, series, i);
        if (point.column == column && point.row == row)
            return true;
    }
    return false;
}

} // namespace

std::optional<int> readoutSlot(const PointTable &table, double x, double y) {
    const auto roundedX = tenth(roundHalfEven(x * 10)), roundedY = tenth(roundHalfEven(y * 10));
    const auto flooredX = tenth(std::floor(x * 10)), flooredY = tenth(std::floor(y * 10));
    for (int slot = 0; slot < ReadoutSlots; ++slot) {
        const auto column = slot <= 1 ? roundedX : flooredX;
        const auto row = slot <= 1 ? roundedY : flooredY;
        if (!column || !row)
            continue;
        for (const PointSeries series : {PointSeries::HeartRate, PointSeries::Lactate})
            if (seriesMatches(table, slot, series, *column, *row))
                return slot;
    }
    return std::nullopt;
}

QString readoutCaption(int slot) {
    return QStringLiteral("    ") + QString::number(slot + 1);
}

} // namespace kavren
