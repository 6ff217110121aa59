#include "io/database/horse_history.h"

#include "io/database/loading.h"
#include "io/database/store.h"
#include "io/database/test_summary.h"

#include <algorithm>

namespace kavren {

namespace {

HistoryEntry entryOf(const TestRow &row) {
    const TestSummary test = summariseTest(row);
    HistoryEntry entry;
    entry.rowId = row.rowId;
    entry.testDate = row.testDate;
    entry.when = storedMoment(row.testDate);
    entry.discipline = row.discipline;
    entry.stepCount = test.stepCount;
    entry.hrOnly = test.hrOnly;
    entry.recovery = test.recovery;
    entry.intervals = test.intervals;
    entry.quality = test.quality;
    return entry;
}

// Oldest first; tests without a readable date after them, in the order saved.
bool earlier(const HistoryEntry &a, const HistoryEntry &b) {
    if (a.when.isValid() != b.when.isValid())
        return a.when.isValid();
    if (a.when.isValid() && a.when != b.when)
        return a.when < b.when;
    return a.rowId < b.rowId;
}

} // namespace

const IndexEstimate &HistoryEntry::estimate(HistoryIndex index) const {
    switch (index) {
    case HistoryIndex::V200:
        return intervals.v200;
    case HistoryIndex::VLa2:
        return intervals.vla2;
    case HistoryIndex::VLa4:
        return intervals.vla4;
    case HistoryIndex::Hr2:
        return intervals.hr2;
    case HistoryIndex::Hr4:
        return intervals.hr4;
    }
    return intervals.vla4;
}

HorseHistory horseHistory(Store &store, const HorseKey &horse) {
    HorseRowsResult rows = store.rowsOfHorse(horse);
    HorseHistory history;
    history.error = rows.error;
    history.entries.reserve(rows.rows.size());
    for (const TestRow &row : rows.rows)
        history.entries.push_back(entryOf(row));
    std::sort(history.entries.begin(), history.entries.end(), earlier);
    if (rows.horsesOfName.size() > 1)
        history.horsesOfName = std::move(rows.horsesOfName);
    return history;
}

BandResult referenceBand(Store &store, const BandRequest &request) {
    BandResult result = store.indexBand(request);
    // Below the least number of tests no percentile is shown, whoever computed it.
    if (result.band.testCount < MinimumBandTests)
        result.band.p10 = result.band.median = result.band.p90 = std::nullopt;
    return result;
}

IndexFillResult fillMissingIndices(Store &store, int maxTests) {
    return store.fillIndices(maxTests);
}

} // namespace kavren
