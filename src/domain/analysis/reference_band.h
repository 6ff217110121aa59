// Where a horse stands among the clinic's horses: the 10th, 50th and 90th percentile of one index
// over the tests of a discipline. A percentile is taken between the closest ranks of the sorted
// values, at position p·(n − 1) counted from 0, as a database server's percentile_cont takes it,
// so a band computed by the server and one computed from a file agree.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

namespace kavren {

// The indices a history follows over time: speeds in m/s, heart rates in b/min.
enum class HistoryIndex { V200, VLa2, VLa4, Hr2, Hr4 };
inline constexpr HistoryIndex HistoryIndices[] = {HistoryIndex::V200, HistoryIndex::VLa2,
                                                  HistoryIndex::VLa4, HistoryIndex::Hr2,
                                                  HistoryIndex::Hr4};

// "V200", "VLa2", "VLa4", "Hr2", "Hr4".
QString historyIndexName(HistoryIndex index);
// True for V200, VLa2 and VLa4.
bool isSpeedIndex(HistoryIndex index);

// Fewer tests than this give no band.
inline constexpr int MinimumBandTests = 20;

// The p-th percentile (0 ≤ p ≤ 1) of values sorted ascending, by linear interpolation between
// the closest ranks; nothing for no values or p outside 0…1.
std::optional<double> percentileOfSorted(std::span<const double> sorted, double p);

// Where the p-th percentile of count sorted values lies: between the value of rank `below`
// (counted from 0) and the next, `fraction` of the way; a database reads just those two values.
// Nothing for no values or p outside 0…1.
struct PercentilePosition {
    qint64 below = 0;
    double fraction = 0;
};
std::optional<PercentilePosition> percentilePosition(qint64 count, double p);
// The value fraction of the way from `low` to `high`, as a percentile takes it.
double betweenRanks(double low, double high, double fraction);

struct ReferenceBand {
    qint64 testCount = 0; // tests of the discipline (and breed) with a value of the index
    std::optional<double> p10, median, p90;

    bool shown() const { return testCount >= MinimumBandTests && p10 && median && p90; }
};

// The band of these values (in any order); the percentiles are left empty below
// MinimumBandTests values.
ReferenceBand referenceBandOf(std::vector<double> values);

} // namespace kavren
