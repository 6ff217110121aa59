// The store behind a database server address: the table mytable in a PostgreSQL database, reached
// through Qt's QPSQL driver with every value bound. It gives the same results as a database file
// for the same calls, so several desktops can share one history of their horses. Messages name
// the server and give its own reason.
#pragma once

#include "io/database/index_table.h"
#include "io/database/server_address.h"
#include "io/database/server_session.h"
#include "io/database/store.h"

namespace kavren {

// A column name between double quotes, as the server takes names with capitals and Swedish
// letters. Only the fixed names go this way; values are always bound.
QString serverColumnName(const QString &name);
// A column as it is read: the moment as text in the same form a file gives it.
QString serverReadColumn(const QString &name);

// The index table beside mytable on a server, each row tied to its test so that erasing a test
// erases its indices.
const IndexTableDialect &serverDialect();
// Gives the database the index table where it lacks it; the message when it cannot.
std::optional<QString> ensureServerIndexTable(ServerSession &session);
// Whether the login may write the index table: a save never fails for want of it, the test then
// gets its index row when a login that may fills the table.
bool mayWriteIndices(ServerSession &session);

class ServerStore : public Store {
public:
    explicit ServerStore(const QString &address);

    QString shownName() const override;
    // Makes mytable with its indexes when the database lacks it; a mytable of our layout is left
    // as it is (AlreadyExists, like an existing file), one of another layout is refused. The
    // database path of the result is the address without blanks around it.
    CreateResult create() override;
    std::optional<QString> prepareForUse() override;
    std::optional<QString> layoutProblem() override;
    LoadedRow readRow(qint64 rowId) override;
    std::optional<QString> appendRows(const std::vector<StoredRow> &rows) override;
    // Stores the row under its key at most once. When the connection is lost, or the commit
    // fails, a new connection asks whether the key is stored before the outcome is given; without
    // an answer it is Unknown.
    SaveResult saveRow(const StoredRow &row, const QUuid &key) override;
    AllRowsResult allRows() override;
    CountResult testCount() override;
    HorseRowsResult rowsOfHorse(const HorseKey &horse) override;
    BandResult indexBand(const BandRequest &request) override;
    IndexFillResult fillIndices(int maxTests) override;

protected:
    ValuesResult listValues(const QString &searchField) override;
    SearchResult searchRows(const QString &searchField, const QByteArray &storedValue) override;
    // A server answers the whole search at once; the reader hands it on in pages.
    std::unique_ptr<TestReader> readTests(const QString &searchField,
                                          const QByteArray &storedValue) override;
    EraseResult eraseRows(const std::vector<ListedTest> &selected) override;

private:
    QString m_address;
};

} // namespace kavren
