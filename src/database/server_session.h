// One operation's use of a connection to a database server. Connections are kept open between
// operations, one per thread and address, so that an operation does not pay for a new login; a
// kept connection that no longer answers is replaced, and one lost during the operation is
// dropped at its end. Failures become messages naming the server and giving its own reason.
#pragma once

#include "database/server_address.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

class QSqlError;

namespace kavren {

// The key column that the server adds to the thirteen columns, so that erasing and loading hit
// exactly the listed row.
inline const QString ServerKeyColumn = QStringLiteral("rowkey");

class ServerSession {
public:
    explicit ServerSession(const QString &address);
    ~ServerSession();
    ServerSession(const ServerSession &) = delete;
    ServerSession &operator=(const ServerSession &) = delete;

    // Connected; otherwise problem() says why (address refused, driver missing, server
    // unreachable, login refused, unknown database).
    bool isOpen() const { return m_problem.isEmpty(); }
    const QString &problem() const { return m_problem; }
    QSqlDatabase &database() { return m_database; }
    // "host/dbname", as captions and messages show the database.
    QString shownName() const { return m_address.shownName(); }

    // The message for a failed statement: a lost connection is said to be lost (and dropped), a
    // table of the wrong layout is named as such, anything else gives the server's words.
    QString failure(const QSqlError &error);

    // Why mytable cannot serve: missing, or lacking one of our columns. *tableMissing tells the
    // first from the second.
    std::optional<QString> layoutProblem(bool *tableMissing = nullptr);

private:
    void forget();

    ServerAddress m_address;
    QString m_key;
    QString m_problem;
    QSqlDatabase m_database;
    bool m_broken = false; // the connection was lost: dropped at the end of the operation
};

// The server's own words of an error, on one line.
QString serverReason(const QSqlError &error);

// Closes the connections this thread keeps to servers.
void closeServerConnections();

} // namespace kavren
