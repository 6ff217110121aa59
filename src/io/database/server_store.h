// The store behind a database server address: the table mytable in a PostgreSQL database, reached
// through Qt's QPSQL driver with every value bound. It gives the same results as a database file
// for the same calls, so several desktops can share one history of their horses. Messages name
// the server and give its own reason.
#pragma once

#include "io/database/server_address.h"
#include "io/database/server_session.h"
#include "io/database/store.h"

namespace kavren {

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
