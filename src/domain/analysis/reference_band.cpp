#include "domain/analysis/reference_band.h"

#include <algorithm>
#include <cmath>

namespace kavren {

QString historyIndexName(HistoryIndex index) {
    switch (index) {
    case HistoryIndex::V200:
        return QStringLiteral("V200");
    case HistoryIndex::VLa2:
        return QStringLiteral("VLa2");
    case HistoryIndex::VLa4:
        return QStringLiteral("VLa4");
    case HistoryIndex::Hr2:
        return QStringLiteral("Hr2");
    case HistoryIndex::Hr4:
        return QStringLiteral("Hr4");
    }
    return {};
}

bool isSpeedIndex(HistoryIndex index) {
    return index == HistoryIndex::V200 || index == HistoryIndex::VLa2 ||
           index == HistoryIndex::VLa4;
}

std::optional<PercentilePosition> percentilePosition(qint64 count, double p) {
    if (count <= 0 || !(p >= 0 && p <= 1))
        return std::nullopt;
    const double position = p * double(count - 1);
    const double below = std::floor(position);
    return PercentilePosition{qint64(below), position - below};
}

double betweenRanks(double low, double high, double fraction) {
    return low + (high - low) * fraction;
}

std::optional<double> percentileOfSorted(std::span<const double> sorted, double p) {
    const auto at = percentilePosition(qint64(sorted.size()), p);
    if (!at)
        return std::nullopt;
    const auto below = std::size_t(at->below);
    if (below + 1 >= sorted.size())
        return sorted[below];
    return betweenRanks(sorted[below], sorted[below + 1], at->fraction);
}

ReferenceBand referenceBandOf(std::vector<double> values) {
    // A value that is not a number has no place in the order; it is no test's index.
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    std::sort(values.begin(), values.end());
    ReferenceBand band;
    band.testCount = qint64(values.size());
    if (band.testCount < MinimumBandTests)
        return band;
    band.p10 = percentileOfSorted(values, 0.1);
    band.median = percentileOfSorted(values, 0.5);
    band.p90 = percentileOfSorted(values, 0.9);
    return band;
}

} // namespace kavren
