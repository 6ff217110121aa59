// One database behind a path: the operations that a database file and a database server both
// offer, so that the rest of the program never asks which of the two it talks to. A store holds
// no widgets and shows no messages; every result is a value that says what happened, so an
// operation can also run away from the window's thread.
#pragma once

#include "io/database/database_file.h"
#include "io/database/horse_history.h"
#include "io/database/saving.h"
#include "io/database/search.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kavren {

// The tests of a search read a part at a time; it keeps its own hold on the database until it
// is done or destroyed.
class TestReader {
public:
    virtual ~TestReader() = default;
    // Appends up to `rows` more tests to `into`; true while more may follow.
    virtual bool readMore(int rows, std::vector<ListedTest> &into) = 0;
    // Why the reading failed or stopped early; empty while all is well.
    virtual QString error() const = 0;
};

// Every test of a database in the order saved, with all thirteen columns.
struct AllRowsResult {
    std::vector<StoredRow> rows;
    QString error;
};

struct CountResult {
    std::optional<qint64> count; // empty when the database could not say
    QString error;
};

// The stored tests of one horse and the horses that share its name.
struct HorseRowsResult {
    std::vector<TestRow> rows;          // in no particular order
    std::vector<HorseKey> horsesOfName; // every breed and stable stored with the name, in order
    QString error;
};

class Store {
public:
    virtual ~Store() = default;

    // The database as captions and messages show it (file path, or host/dbname).
    virtual QString shownName() const = 0;
    // Gives the database the empty table: Created, AlreadyExists for a table of ours, Failed
    // with the reason otherwise.
    virtual CreateResult create() = 0;
    // Readies a database chosen as the current one; the message when it cannot serve.
    virtual std::optional<QString> prepareForUse() = 0;
    // Why the database cannot serve as one of ours, changing nothing; nothing when it can.
    virtual std::optional<QString> layoutProblem() = 0;

    // The checks both kinds share come first; the search criterion must be one of SearchFields.
    ValuesResult criterionValues(const QString &searchField);
    SearchResult searchStored(const QString &searchField, const QByteArray &storedValue);
    std::unique_ptr<TestReader> findTests(const QString &searchField,
                                          const QByteArray &storedValue);
    EraseResult erase(const std::vector<ListedTest> &selected);

    virtual LoadedRow readRow(qint64 rowId) = 0;
    // Stores the rows in one transaction: all of them or none.
    virtual std::optional<QString> appendRows(const std::vector<StoredRow> &rows) = 0;
    // Stores the row of one save. A file's transaction is known to be committed or not, so the
    // key is not needed there; a server keeps it with the row.
    virtual SaveResult saveRow(const StoredRow &row, const QUuid &key);
    virtual AllRowsResult allRows() = 0;
    // How many tests the database holds, checked as the target of a copy.
    virtual CountResult testCount() = 0;

    // The rows with Namn = horse.name (and Ras, Stall where given).
    virtual HorseRowsResult rowsOfHorse(const HorseKey &horse);
    // The band of one index over the index table's tests of a discipline (and breed).
    virtual BandResult indexBand(const BandRequest &request);
    // Gives at most maxTests tests without an index row theirs; how many still lack one.
    virtual IndexFillResult fillIndices(int maxTests);

protected:
    virtual ValuesResult listValues(const QString &searchField) = 0;
    virtual SearchResult searchRows(const QString &searchField, const QByteArray &storedValue) = 0;
    virtual std::unique_ptr<TestReader> readTests(const QString &searchField,
                                                  const QByteArray &storedValue) = 0;
    virtual EraseResult eraseRows(const std::vector<ListedTest> &selected) = 0;
};

// A reader that has nothing to read but, perhaps, a failure.
std::unique_ptr<TestReader> failedReader(const QString &error);
// A reader over tests already in hand.
std::unique_ptr<TestReader> readerOf(std::vector<ListedTest> tests);

// The store for a database path: a server address opens the server's database, anything else a
// database file.
std::unique_ptr<Store> openStore(const QString &path);

// Where openStore gets its stores. Tests put a store of their own in place (one that refuses to
// write, say); an empty factory restores the usual choice. An operation already running keeps
// the store it opened. Returns the factory it replaced.
using StoreFactory = std::function<std::unique_ptr<Store>(const QString &path)>;
StoreFactory replaceStoreFactory(StoreFactory factory);
// The usual choice by the path's form, for a factory that wraps it.
std::unique_ptr<Store> openUsualStore(const QString &path);

} // namespace kavren
