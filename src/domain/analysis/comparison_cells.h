// The value cells of the comparison table below the graph and the stored index lists behind them:
// one row per test of a comparison, written by the index run after every calculation.
#pragma once

#include "domain/analysis/index_intervals.h"

#include <QString>

#include <array>

namespace kavren {

struct ComparisonCells {
    static constexpr int Rows = 6;     // cell elements 0…5: row r shows test r + 1
    static constexpr int ListSize = 7; // stored index lists, elements 0…6
    static constexpr int MatrixRows = 9;
    static constexpr int MatrixColumns = 8;
    static constexpr int HrInterceptColumn = 6;
    static constexpr int HrSlopeColumn = 7;

    // Speed layout: date, V200, VLa2, VLa4, Hr2, Hr4. Recovery layout: date, La(0), La(5),
    // La(10), La(20), Hr(0), Hr(5), Hr(10), Hr(20).
    std::array<QString, Rows> datex, labelx, vla2, vla4, hr2x, hr4x, hr5, hr10, hr20;

    // V200, VLa2 and VLa4 of each compared test in m/s, at full single precision.
    std::array<float, ListSize> comparedV200{}, comparedVla2{}, comparedVla4{};
    // Whether each compared test was heart-rate-only (no VLa2, VLa4, Hr2 or Hr4 of its own).
    std::array<bool, ListSize> comparedHrOnly{};

    // The tool tips of the speed layout's value cells V200, VLa2, VLa4, Hr2 and Hr4: the index
    // with its 95 % interval (VLa4 and Hr4 also list the extra lactate levels).
    std::array<QString, Rows> v200Tip, vla2Tip, vla4Tip, hr2Tip, hr4Tip;
    // The indices of each compared test with their intervals, elements 0…6 like the stored lists.
    std::array<TestIntervals, ListSize> comparedIntervals{};

    // Per-test values; the index run writes the heart-rate line of row ComparedCount.
    std::array<std::array<double, MatrixColumns>, MatrixRows> matrix{};
};

} // namespace kavren
