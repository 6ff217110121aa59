#include "io/database/server_session.h"

#include "io/database/database_store.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <map>

namespace kavren {

namespace {

const QString DriverName = QStringLiteral("QPSQL");

// The server's own words, on one line.
QString reasonText(const QSqlError &error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.replace(space, QStringLiteral(" "));
}

QString quotedOption(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + value + u'\'';
}

QString connectOptions(const ServerAddress &address) {
    // A server that vanishes from the network without closing the connection is given up after
    // some seconds, instead of leaving a statement waiting for it without end.
    QStringList options{QStringLiteral("connect_timeout=%1").arg(ServerConnectTimeoutSeconds),
                        QStringLiteral("application_name=kavren"),
                        QStringLiteral("keepalives_idle=5"),
                        QStringLiteral("keepalives_interval=2"),
                        QStringLiteral("keepalives_count=3"),
                        QStringLiteral("tcp_user_timeout=15000")};
    for (const auto &[key, value] : address.options)
        options << key + u'=' + quotedOption(value);
    return options.join(u';');
}

// Connections kept open between operations, one per thread and address.
QMutex poolMutex;
std::map<QString, QString> pool; // key -> connection name

QString poolKey(const ServerAddress &address) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(quintptr(QThread::currentThreadId()))
        .arg(address.host)
        .arg(address.port)
        .arg(address.database, address.user, connectOptions(address));
}

void dropConnection(const QString &name) {
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QString nextConnectionName() {
    static std::atomic<int> counter = 0;
    return QStringLiteral("kavren-server-%1").arg(++counter);
}

// Why a connection could not be opened, in words, by what the server or libpq said.
QString openFailure(const ServerAddress &address, const QString &reason) {
    const QString shown = address.shownName();
    QString words;
    if (reason.contains(QLatin1String("database \"")) &&
        reason.contains(QLatin1String("does not exist")))
        words = QCoreApplication::translate("Database", "The server %1 has no database \"%2\".")
                    .arg(shown, address.database);
    else if (reason.contains(QLatin1String("authentication"), Qt::CaseInsensitive) ||
             reason.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
             reason.contains(QLatin1String("role \"")))
        words =
            QCoreApplication::translate("Database", "The server %1 refused the login.").arg(shown);
    else
        words =
            QCoreApplication::translate("Database", "The server %1 cannot be reached.").arg(shown);
    return withServerWords(words, reason);
}

} // namespace

QString withServerWords(const QString &words, const QString &serverText) {
    if (serverText.isEmpty())
        return words;
    return words + ServerWordsMarker + serverText;
}

ServerSession::ServerSession(const QString &text) {
    const ServerAddressResult parsed = parseServerAddress(text);
    if (!parsed.address) {
        m_problem = parsed.error;
        return;
    }
    m_address = *parsed.address;
    if (!QSqlDatabase::isDriverAvailable(DriverName)) {
        m_problem = QCoreApplication::translate(
                        "Database", "The database \"%1\" is on a PostgreSQL server, and the "
                                    "PostgreSQL driver of Qt is not installed (Debian package "
                                    "libqt6sql6-psql).")
                        .arg(m_address.shownName());
        return;
    }
    // The key holds this thread's id, so no other thread uses the entry; the lock guards only the
    // pool itself and is never held while the server is asked something, as a server that does
    // not answer would hold every other thread's work with it.
    m_key = poolKey(m_address);
    QString keptName;
    {
        const QMutexLocker lock(&poolMutex);
        if (const auto kept = pool.find(m_key); kept != pool.end())
            keptName = kept->second;
    }
    if (!keptName.isEmpty()) {
        m_database = QSqlDatabase::database(keptName, false);
        if (m_database.isOpen() && QSqlQuery(m_database).exec(QStringLiteral("SELECT 1")))
            return;
        m_database = QSqlDatabase();
        {
            const QMutexLocker lock(&poolMutex);
            pool.erase(m_key);
        }
        dropConnection(keptName);
    }
    const QString name = nextConnectionName();
    m_database = QSqlDatabase::addDatabase(DriverName, name);
    m_database.setHostName(m_address.host);
    if (m_address.port != -1)
        m_database.setPort(m_address.port);
    m_database.setDatabaseName(m_address.database);
    m_database.setUserName(m_address.user);
    m_database.setConnectOptions(connectOptions(m_address));
    if (!m_database.open()) {
        m_problem = openFailure(m_address, reasonText(m_database.lastError()));
        m_database = QSqlDatabase();
        dropConnection(name);
        return;
    }
    const QMutexLocker lock(&poolMutex);
    pool[m_key] = name;
}

ServerSession::~ServerSession() {
    if (m_broken)
        forget();
}

QString ServerSession::failure(const QSqlError &error, const QString &during) {
    const QString reason = reasonText(error);
    if (!m_database.isOpen() || !QSqlQuery(m_database).exec(QStringLiteral("SELECT 1"))) {
        m_broken = true;
        return withServerWords(
            QCoreApplication::translate("Database", "The server %1 ended the connection %2.")
                .arg(shownName(), during),
            reason);
    }
    if (const auto layout = layoutProblem())
        return *layout;
    return withServerWords(
        QCoreApplication::translate("Database", "The server %1 reported a failure %2.")
            .arg(shownName(), during),
        reason);
}

void ServerSession::drop() {
    m_broken = true;
    forget();
    m_database = QSqlDatabase();
}

qint64 ServerSession::backendProcess() {
    QSqlQuery query(m_database);
    if (!query.exec(QStringLiteral("SELECT pg_backend_pid()")) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

std::optional<QString> ServerSession::layoutProblem(bool *tableMissing) {
    QSqlQuery query(m_database);
    const bool prepared =
        query.prepare(QStringLiteral("SELECT column_name FROM information_schema.columns "
                                     "WHERE table_schema = current_schema() AND table_name = ?"));
    query.addBindValue(TableName);
    if (!prepared || !query.exec())
        return withServerWords(
            QCoreApplication::translate("Database",
                                        "The server %1 could not say which columns mytable has.")
                .arg(shownName()),
            reasonText(query.lastError()));
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    if (tableMissing)
        *tableMissing = present.isEmpty();
    if (present.isEmpty())
        return QCoreApplication::translate(
                   "Database", "The database \"%1\" holds no table mytable; create it with "
                               "Database > Create.")
            .arg(shownName());
    QStringList missing;
    for (const QString &column : TableColumns + QStringList{ServerKeyColumn})
        if (!present.contains(column, Qt::CaseInsensitive))
            missing << column;
    if (!missing.isEmpty())
        return QCoreApplication::translate(
                   "Database", "The table mytable in \"%1\" lacks the column %2, so it is not "
                               "a table of this program.")
            .arg(shownName(), missing.join(QStringLiteral(", ")));
    return std::nullopt;
}

void ServerSession::forget() {
    QMutexLocker lock(&poolMutex);
    const auto kept = pool.find(m_key);
    if (kept == pool.end())
        return;
    const QString name = kept->second;
    pool.erase(kept);
    m_database = QSqlDatabase();
    dropConnection(name);
}

QString serverReason(const QSqlError &error) {
    return reasonText(error);
}

void closeServerConnections() {
    QMutexLocker lock(&poolMutex);
    const QString thread = QString::number(quintptr(QThread::currentThreadId())) + u'|';
    for (auto kept = pool.begin(); kept != pool.end();) {
        if (kept->first.startsWith(thread)) {
            QSqlDatabase::database(kept->second, false).close();
            QSqlDatabase::removeDatabase(kept->second);
            kept = pool.erase(kept);
        } else {
            ++kept;
        }
    }
}

} // namespace kavren
