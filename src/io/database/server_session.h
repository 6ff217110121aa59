// One operation's use of a connection to a database server. Connections are kept open between
// operations, one per thread and address, so that an operation does not pay for a new login; a
// kept connection that no longer answers is replaced, and one lost during the operation is
// dropped at its end. Failures become messages naming the server and giving its own reason.
#pragma once

#include "io/database/server_address.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class QSqlError;

namespace kavren {

// The key column that the server adds to the thirteen columns, so that erasing and loading hit
// exactly the listed row.
inline const QString ServerKeyColumn = QStringLiteral("rowkey");
// The key that the program gives each save, unique in the table: a save sent again after a lost
// answer finds its row there instead of storing it twice. Tables of earlier versions get the
// column and its unique index when the program first writes to them.
inline const QString SaveKeyColumn = QStringLiteral("savekey");
inline const QString SaveKeyIndex = QStringLiteral("mytable_by_savekey");

// A message in the program's own words, followed by the server's own text: message boxes show the
// words and keep the server's text in their details.
inline const QString ServerWordsMarker = QStringLiteral("\n\nThe server's own words: ");
QString withServerWords(const QString &words, const QString &serverText);

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

    // The message for a failed statement of the work described by `during` ("while the test was
    // being saved"): a lost connection is said to be ended (and dropped), a table of the wrong
    // layout is named as such; the server's own text follows the words.
    QString failure(const QSqlError &error, const QString &during = QCoreApplication::translate(
                                                "Database", "while the database was being read"));
    // The connection was lost (found by failure()); it is dropped at the end of the operation.
    bool isBroken() const { return m_broken; }
    // Drops the connection now, so that the next session opens a new one.
    void drop();
    // The server's process that serves this connection, or -1 when it cannot be asked.
    qint64 backendProcess();

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
