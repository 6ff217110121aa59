// Every saved test of one horse, oldest first, with its indices fitted from the stored steps as a
// calculation fits them, and the clinic's reference band of an index over the tests of a
// discipline. A database keeps each test's indices in a table of its own beside mytable, written
// with the test and erased with it, so that the band is read from the database in one query
// instead of fitting every test it holds.
#pragma once

#include "domain/analysis/fit_quality.h"
#include "domain/analysis/index_intervals.h"
#include "domain/analysis/reference_band.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace kavren {

class Store;

// A horse as the history finds it: by name, and by breed and stable where two horses share the
// name. An empty breed or stable matches any.
struct HorseKey {
    QString name;
    QString breed;
    QString stable;
};

// One saved test of the horse.
struct HistoryEntry {
    qint64 rowId = 0;    // the test's own row, for loading it
    QString testDate;    // Datum as stored, "yyyy-mm-dd hh:mm:ss"
    QDateTime when;      // the same, read; invalid when the stored text is not a date
    QString discipline;  // Disiplin as stored
    int stepCount = 0;   // 3…6, or 0 when the stored steps cannot be read
    bool hrOnly = false; // a heart-rate-only test has no lactate indices
    bool recovery = false;
    TestIntervals intervals; // V200, VLa2, VLa4, Hr2, Hr4 with their 95 % intervals
    FitQuality quality;

    // The index with its interval (speeds in m/s, heart rates in b/min).
    const IndexEstimate &estimate(HistoryIndex index) const;
};

struct HorseHistory {
    std::vector<HistoryEntry> entries; // oldest first; tests without a readable date last
    // The horses of this name told apart by breed and stable, when the name is shared; empty
    // when one horse has it.
    std::vector<HorseKey> horsesOfName;
    QString error; // why the database could not be read; empty on success
};

HorseHistory horseHistory(Store &store, const HorseKey &horse);

struct BandRequest {
    QString discipline; // Disiplin as stored
    HistoryIndex index = HistoryIndex::VLa4;
    std::optional<QString> breed; // only tests of this breed, when given
};

struct BandResult {
    ReferenceBand band;
    QString error;
};

// Computed by the database: a file by ordered reads of the index table, a server by its own
// percentile function.
BandResult referenceBand(Store &store, const BandRequest &request);

// Tests saved without indices (by an older version, or by another program) get them, at most
// maxTests per call, so that a large database is brought up to date in pieces that never hold the
// window for long. Returns how many tests still lack them (0 when done), or nothing on failure.
struct IndexFillResult {
    std::optional<qint64> remaining;
    QString error;
};
IndexFillResult fillMissingIndices(Store &store, int maxTests);

} // namespace kavren
