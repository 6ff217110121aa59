// The store behind a database server address: the table mytable in a PostgreSQL database, reached
// through Qt's QPSQL driver with every value bound. It offers the same operations as a database
// file (create the table, list a column's values, search, append, erase) with the same results, so
// several desktops can share one history of their horses. Messages name the server and give its
// own reason.
#pragma once

#include "database/database_file.h"
#include "database/saving.h"
#include "database/search.h"
#include "database/server_address.h"
#include "database/server_session.h"

#include <QString>

#include <optional>

namespace kavren {

// Create on an address: makes mytable with its indexes when the database lacks it. A mytable of
// our layout is left as it is (AlreadyExists, like an existing file); one of another layout is
// refused. The database path of the result is the address as typed, without blanks around it.
CreateResult createServerDatabase(const QString &address);

// Why the database at the address cannot serve (address refused, server unreachable, login
// refused, no mytable or one of another layout), or nothing when it can.
std::optional<QString> problemWithServerDatabase(const QString &address);

ValuesResult serverCriterionValues(const QString &address, const QString &searchField);
SearchResult serverSearchTests(const QString &address, const QString &searchField,
                               const QString &value);
// The result list's tests: only name, date and key of each, found by the value's UTF-8 text.
FoundTests serverFindTests(const QString &address, const QString &searchField,
                           const QByteArray &storedValue);
// The one row of a clicked entry, read by its key.
LoadedRow serverReadListedRow(const QString &address, qint64 rowId);
std::optional<QString> serverAppendRow(const QString &address, const StoredRow &row);
EraseResult serverEraseTests(const QString &address, const std::vector<ListedTest> &selected);

// Every test of the database in the order saved, with all thirteen columns, for copying.
struct AllRowsResult {
    std::vector<StoredRow> rows;
    QString error;
};
AllRowsResult serverAllRows(const QString &address);

// How many tests the database holds, or the reason it cannot say in *error.
std::optional<qint64> serverTestCount(const QString &address, QString *error);

// Appends the rows in one transaction: all of them or none.
std::optional<QString> serverAppendRows(const QString &address, const std::vector<StoredRow> &rows);

} // namespace kavren
