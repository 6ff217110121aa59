// The throw-away database server that the test command starts: where it listens, or why there is
// none, and fresh databases on it for one test each (dropped again at the end of the test).
#pragma once

#include "io/database/server_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kavren::testing {

struct ServerPlace {
    QString socketFolder;
    int port = 0;
};

inline QString serverStateFolder() {
    const QString set = qEnvironmentVariable("KAVREN_TEST_SERVER_STATE");
#ifdef KAVREN_TEST_SERVER_STATE
    return set.isEmpty() ? QStringLiteral(KAVREN_TEST_SERVER_STATE) : set;
#else
    return set;
#endif
}

inline QStringList linesOf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The running test server, or nothing; why not goes to *reason.
inline std::optional<ServerPlace> testServer(QString *reason) {
    const QString state = serverStateFolder();
    const QStringList unavailable = linesOf(state + QStringLiteral("/unavailable"));
    if (!unavailable.isEmpty()) {
        *reason = unavailable.first();
        return std::nullopt;
    }
    const QStringList connection = linesOf(state + QStringLiteral("/connection"));
    if (connection.size() < 2) {
        *reason = QStringLiteral("no test database server is running (ctest starts one)");
        return std::nullopt;
    }
    return ServerPlace{connection[0], connection[1].toInt()};
}

// Runs work on a connection of its own to a database of the server, removed afterwards.
inline bool onServer(const ServerPlace &place, const QString &database,
                     const std::function<void(QSqlDatabase &)> &work) {
    static int counter = 0;
    const QString name = QStringLiteral("server-probe-%1").arg(++counter);
    bool opened = false;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        connection.setHostName(place.socketFolder);
        connection.setPort(place.port);
        connection.setDatabaseName(database);
        opened = connection.open();
        if (opened)
            work(connection);
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
    return opened;
}

inline void executeOnServer(const ServerPlace &place, const QString &database, const QString &sql) {
    onServer(place, database, [&](QSqlDatabase &connection) { QSqlQuery(connection).exec(sql); });
}

// A database of its own on the test server, empty (no mytable) until the test creates one.
class ServerDatabase {
public:
    explicit ServerDatabase(const ServerPlace &place) : m_place(place) {
        static int counter = 0;
        m_name = QStringLiteral("kavren_test_%1_%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(++counter);
        executeOnServer(m_place, QStringLiteral("postgres"),
                        QStringLiteral("CREATE DATABASE %1").arg(m_name));
    }
    ~ServerDatabase() {
        closeServerConnections();
        executeOnServer(m_place, QStringLiteral("postgres"),
                        QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    }
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;

    const QString &name() const { return m_name; }
    const ServerPlace &place() const { return m_place; }
    // The address of this database, reached over the server's socket; user given when not empty.
    QString address(const QString &user = {}) const {
        return QStringLiteral("postgresql://%1/%2?host=%3&port=%4")
            .arg(user.isEmpty() ? QString() : user + u'@', m_name, m_place.socketFolder)
            .arg(m_place.port);
    }
    void execute(const QString &sql) const { executeOnServer(m_place, m_name, sql); }
    // The first column of every row of the query, as texts.
    QStringList column(const QString &sql) const {
        QStringList values;
        onServer(m_place, m_name, [&](QSqlDatabase &connection) {
            QSqlQuery query(connection);
            query.exec(sql);
            while (query.next())
                values << query.value(0).toString();
        });
        return values;
    }

private:
    ServerPlace m_place;
    QString m_name;
};

} // namespace kavren::testing

// Skips the test, saying why, when no test server runs; otherwise declares place.
#define KAVREN_REQUIRE_TEST_SERVER(place)                                                          \
    QString why_no_server_;                                                                        \
    const auto place##_found = kavren::testing::testServer(&why_no_server_);                       \
    if (!place##_found)                                                                            \
        GTEST_SKIP() << "database server tests skipped: " << why_no_server_.toStdString();         \
    const kavren::testing::ServerPlace place = *place##_found
