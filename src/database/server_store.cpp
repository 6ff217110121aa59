#include "database/server_store.h"

#include "database/database_store.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <map>

namespace kavren {

namespace {

const QString DriverName = QStringLiteral("QPSQL");
const QString DatumText = QStringLiteral("to_char(\"Datum\", 'YYYY-MM-DD HH24:MI:SS')");

// Text columns compare and sort by code point, as in a database file, whatever the server's
// locale; the indexes then serve both the equality search and the ordered value lists.
QString createTableSql() {
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << quotedName(column) + (column == QLatin1String("Datum")
                                             ? QStringLiteral(" timestamp(0)")
                                             : QStringLiteral(" text COLLATE \"C\""));
    columns << ServerKeyColumn + QStringLiteral(" bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
        .arg(TableName, columns.join(QStringLiteral(", ")));
}

QString createIndexSql(const QString &column) {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(QStringLiteral("mytable_by_") + column.toLower(), TableName, quotedName(column));
}

// The server's own words, on one line.
QString reasonOf(const QSqlError &error) {
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

QString nextConnectionName() {
    static int counter = 0;
    return QStringLiteral("kavren-server-%1").arg(++counter);
}

// One operation's use of a server connection: a kept one that still answers, or a new one.
class ServerSession {
public:
    explicit ServerSession(const QString &text) {
        const ServerAddressResult parsed = parseServerAddress(text);
        if (!parsed.address) {
            m_problem = parsed.error;
            return;
        }
        m_address = *parsed.address;
        if (!QSqlDatabase::isDriverAvailable(DriverName)) {
            m_problem = QStringLiteral("The database \"%1\" is on a PostgreSQL server, and the "
                                       "PostgreSQL driver of Qt is not installed (Debian package "
                                       "libqt6sql6-psql).")
                            .arg(m_address.shownName());
            return;
        }
        m_key = poolKey(m_address);
        QMutexLocker lock(&poolMutex);
        if (const auto kept = pool.find(m_key); kept != pool.end()) {
            m_database = QSqlDatabase::database(kept->second, false);
            if (m_database.isOpen() && QSqlQuery(m_database).exec(QStringLiteral("SELECT 1")))
                return;
            m_database = QSqlDatabase();
            dropConnection(kept->second);
            pool.erase(kept);
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
            m_problem = QStringLiteral("The database server for \"%1\" cannot be used: %2")
                            .arg(m_address.shownName(), reasonOf(m_database.lastError()));
            m_database = QSqlDatabase();
            dropConnection(name);
            return;
        }
        pool[m_key] = name;
    }

    ~ServerSession() {
        if (m_broken)
            forget();
    }
    ServerSession(const ServerSession &) = delete;
    ServerSession &operator=(const ServerSession &) = delete;

    bool isOpen() const { return m_problem.isEmpty(); }
    const QString &problem() const { return m_problem; }
    QSqlDatabase &database() { return m_database; }
    QString shownName() const { return m_address.shownName(); }

    // The message for a failed statement: a lost connection is dropped so that the next
    // operation connects afresh, and a table of the wrong layout is named as such.
    QString failure(const QSqlError &error) {
        const QString reason = reasonOf(error);
        if (!m_database.isOpen() || !QSqlQuery(m_database).exec(QStringLiteral("SELECT 1"))) {
            m_broken = true;
            return QStringLiteral("The connection to the database server for \"%1\" was lost: %2")
                .arg(shownName(), reason);
        }
        if (const auto layout = layoutProblem())
            return *layout;
        return QStringLiteral("The database server for \"%1\" reported a failure: %2")
            .arg(shownName(), reason);
    }

    // Why mytable cannot serve: missing, or lacking one of our columns.
    std::optional<QString> layoutProblem(bool *tableMissing = nullptr) {
        QSqlQuery query(m_database);
        const bool prepared =
            query.prepare(QStringLiteral("SELECT column_name FROM information_schema.columns "
                                         "WHERE table_schema = current_schema() AND table_name = ?"));
        query.addBindValue(TableName);
        if (!prepared || !query.exec())
            return QStringLiteral("The database server for \"%1\" reported a failure: %2")
                .arg(shownName(), reasonOf(query.lastError()));
        QStringList present;
        while (query.next())
            present << query.value(0).toString();
        if (tableMissing)
            *tableMissing = present.isEmpty();
        if (present.isEmpty())
            return QStringLiteral("The database \"%1\" holds no table mytable; create it with "
                                  "Database > Create.")
                .arg(shownName());
        QStringList missing;
        for (const QString &column : TableColumns + QStringList{ServerKeyColumn})
            if (!present.contains(column, Qt::CaseInsensitive))
                missing << column;
        if (!missing.isEmpty())
            return QStringLiteral("The table mytable in \"%1\" lacks the column %2, so it is not "
                                  "a table of this program.")
                .arg(shownName(), missing.join(QStringLiteral(", ")));
        return std::nullopt;
    }

private:
    static void dropConnection(const QString &name) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }

    void forget() {
        QMutexLocker lock(&poolMutex);
        const auto kept = pool.find(m_key);
        if (kept == pool.end())
            return;
        const QString name = kept->second;
        pool.erase(kept);
        m_database = QSqlDatabase();
        dropConnection(name);
    }

    ServerAddress m_address;
    QString m_key;
    QString m_problem;
    QSqlDatabase m_database;
    bool m_broken = false; // the connection was lost: dropped at the end of the operation
};

const QStringList RowColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Datum"), QStringLiteral("Ras"),
    QStringLiteral("Ålder"),   QStringLiteral("Kön"),   QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),  QStringLiteral("Data"),  QStringLiteral("Kommentarer"),
    QStringLiteral("Maxpuls"), QStringLiteral("Stall"), QStringLiteral("Coach"),
};

QString selectRowsSql(const QString &searchField) {
    QStringList columns{ServerKeyColumn};
    for (const QString &column : RowColumns)
        columns << (column == QLatin1String("Datum") ? DatumText : quotedName(column));
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
        .arg(columns.join(QStringLiteral(", ")), TableName, quotedName(searchField));
}

TestRow rowFrom(const QSqlQuery &query) {
    TestRow row;
    row.rowId = query.value(0).toLongLong();
    QString *fields[] = {&row.name,     &row.testDate,   &row.breed,       &row.age,
                         &row.sex,      &row.discipline, &row.pictureName, &row.stepData,
                         &row.comments, &row.maxHr,      &row.stable,      &row.trainer};
    for (int i = 0; i < 12; ++i)
        *fields[i] = query.value(i + 1).toString();
    return row;
}

// The values of a row in the order of TableColumns; a missing moment is stored as NULL.
std::vector<QVariant> valuesOf(const StoredRow &row) {
    const QString texts[] = {row.name,     row.moment,   row.breed,    row.age,
                             row.sex,      row.discipline, row.pictureName, row.maxHr,
                             row.stable,   row.trainer,  row.examDate, row.stepData,
                             row.comments};
    std::vector<QVariant> values;
    for (const QString &text : texts)
        values.emplace_back(boundText(text));
    if (row.moment.isEmpty())
        values[1] = QVariant(QMetaType::fromType<QString>());
    return values;
}

StoredRow storedRowFrom(const QSqlQuery &query) {
    StoredRow row;
    QString *fields[] = {&row.name,     &row.moment,   &row.breed,    &row.age,
                         &row.sex,      &row.discipline, &row.pictureName, &row.maxHr,
                         &row.stable,   &row.trainer,  &row.examDate, &row.stepData,
                         &row.comments};
    for (int i = 0; i < 13; ++i)
        *fields[i] = query.value(i).toString();
    return row;
}

QString unknownFieldMessage(const QString &searchField) {
    return QStringLiteral("There is no search criterion \"%1\".").arg(searchField);
}

} // namespace

CreateResult createServerDatabase(const QString &address) {
    const QString path = address.trimmed();
    ServerSession session(path);
    if (!session.isOpen())
        return {CreateOutcome::Failed, {}, session.problem()};
    bool tableMissing = false;
    const auto layout = session.layoutProblem(&tableMissing);
    if (!layout)
        return {CreateOutcome::AlreadyExists, path, {}};
    if (!tableMissing)
        return {CreateOutcome::Failed, {}, *layout};
    QSqlDatabase &database = session.database();
    QSqlError error;
    if (!database.transaction())
        return {CreateOutcome::Failed, {}, session.failure(database.lastError())};
    {
        QSqlQuery query(database);
        bool ok = query.exec(createTableSql());
        for (const QString &column : SearchColumns)
            ok = ok && query.exec(createIndexSql(column));
        if (!ok)
            error = query.lastError();
    }
    if (!error.isValid() && database.commit())
        return {CreateOutcome::Created, path, {}};
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return {CreateOutcome::Failed, {},
            QStringLiteral("The table mytable could not be created in \"%1\": %2")
                .arg(session.shownName(), reasonOf(error))};
}

std::optional<QString> problemWithServerDatabase(const QString &address) {
    ServerSession session(address);
    if (!session.isOpen())
        return session.problem();
    return session.layoutProblem();
}

ValuesResult serverCriterionValues(const QString &address, const QString &searchField) {
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    ServerSession session(address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY 1")
                        .arg(quotedName(searchField), TableName)))
        return {{}, session.failure(query.lastError())};
    ValuesResult result;
    while (query.next())
        if (!query.isNull(0))
            result.values << query.value(0).toString();
    if (!result.values.isEmpty() && result.values.last().isEmpty())
        result.values.clear();
    return result;
}

SearchResult serverSearchTests(const QString &address, const QString &searchField,
                               const QString &value) {
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    ServerSession session(address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.prepare(selectRowsSql(searchField)))
        return {{}, session.failure(query.lastError())};
    query.addBindValue(boundText(value));
    if (!query.exec())
        return {{}, session.failure(query.lastError())};
    SearchResult result;
    while (query.next())
        result.rows.push_back(rowFrom(query));
    sortLikeResultList(result.rows);
    return result;
}

std::optional<QString> serverAppendRow(const QString &address, const StoredRow &row) {
    return serverAppendRows(address, {row});
}

std::optional<QString> serverAppendRows(const QString &address, const std::vector<StoredRow> &rows) {
    ServerSession session(address);
    if (!session.isOpen())
        return session.problem();
    QSqlDatabase &database = session.database();
    if (!database.transaction())
        return session.failure(database.lastError());
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << quotedName(column);
    QSqlError error;
    {
        QSqlQuery query(database);
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                               .arg(TableName, columns.join(QStringLiteral(", ")),
                                    QStringLiteral(", ?").repeated(int(TableColumns.size()) - 1))))
            error = query.lastError();
        for (std::size_t i = 0; i < rows.size() && !error.isValid(); ++i) {
            for (const QVariant &value : valuesOf(rows[i]))
                query.addBindValue(value);
            if (!query.exec())
                error = query.lastError();
        }
    }
    // Stored whole or not at all.
    if (!error.isValid() && database.commit())
        return std::nullopt;
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return session.failure(error);
}

AllRowsResult serverAllRows(const QString &address) {
    ServerSession session(address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << (column == QLatin1String("Datum") ? DatumText : quotedName(column));
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                        .arg(columns.join(QStringLiteral(", ")), TableName, ServerKeyColumn)))
        return {{}, session.failure(query.lastError())};
    AllRowsResult result;
    while (query.next())
        result.rows.push_back(storedRowFrom(query));
    return result;
}

std::optional<qint64> serverTestCount(const QString &address, QString *error) {
    ServerSession session(address);
    if (!session.isOpen()) {
        *error = session.problem();
        return std::nullopt;
    }
    QSqlQuery query(session.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(TableName)) || !query.next()) {
        *error = session.failure(query.lastError());
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

EraseResult serverEraseTests(const QString &address, const std::vector<TestRow> &selected) {
    if (selected.empty())
        return {};
    ServerSession session(address);
    if (!session.isOpen())
        return {0, session.problem()};
    QSqlDatabase &database = session.database();
    if (!database.transaction())
        return {0, session.failure(database.lastError())};
    EraseResult result;
    QSqlError error;
    {
        QSqlQuery query(database);
        if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND "
                                          "COALESCE(\"Namn\", '') = ? AND COALESCE(%3, '') = ?")
                               .arg(TableName, ServerKeyColumn, DatumText)))
            error = query.lastError();
        for (const TestRow &row : selected) {
            if (error.isValid())
                break;
            query.addBindValue(row.rowId);
            query.addBindValue(boundText(row.name));
            query.addBindValue(boundText(row.testDate));
            if (!query.exec()) {
                error = query.lastError();
                break;
            }
            result.erased += query.numRowsAffected();
        }
    }
    if (!error.isValid() && database.commit()) {
        if (result.erased < int(selected.size()))
            result.error = QStringLiteral("%1 of the %2 selected tests were no longer in the "
                                          "database \"%3\".")
                               .arg(int(selected.size()) - result.erased)
                               .arg(selected.size())
                               .arg(session.shownName());
        return result;
    }
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return {0, session.failure(error)};
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
