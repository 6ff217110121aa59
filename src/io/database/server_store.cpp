#include "io/database/server_store.h"

#include "io/database/database_store.h"
#include "io/database/index_table.h"
#include "io/database/server_session.h"
#include "io/database/sql_rows.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QElapsedTimer>
#include <QThread>

namespace kavren {

namespace {

QString listingValues() {
    return QCoreApplication::translate("Database",
                                       "while the values of the search criterion were being read");
}

QString searchingTests() {
    return QCoreApplication::translate("Database", "while the tests were being searched");
}

QString loadingTest() {
    return QCoreApplication::translate("Database", "while the test was being loaded");
}

const QString DatumText = QStringLiteral("to_char(\"Datum\", 'YYYY-MM-DD HH24:MI:SS')");

} // namespace

QString serverColumnName(const QString &name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString serverReadColumn(const QString &name) {
    return name == QLatin1String("Datum") ? DatumText : serverColumnName(name);
}

namespace {

// Text columns compare and sort by code point, as in a database file, whatever the server's
// locale; the indexes then serve both the equality search and the ordered value lists.
QString createTableSql() {
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << serverColumnName(column) + (column == QLatin1String("Datum")
                                                   ? QStringLiteral(" timestamp(0)")
                                                   : QStringLiteral(" text COLLATE \"C\""));
    columns << ServerKeyColumn + QStringLiteral(" bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY");
    columns << SaveKeyColumn + QStringLiteral(" uuid");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
        .arg(TableName, columns.join(QStringLiteral(", ")));
}

QString createIndexSql(const QString &column) {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(QStringLiteral("mytable_by_") + column.toLower(), TableName, serverColumnName(column));
}

QString createSaveKeyIndexSql() {
    return QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(SaveKeyIndex, TableName, SaveKeyColumn);
}

QString savingTest() {
    return QCoreApplication::translate("Database", "while the test was being saved");
}

// Gives a table made by an earlier version the save key column and its unique index; nothing
// when the table has them, else why they could not be added.
std::optional<QString> addSaveKey(ServerSession &session) {
    QSqlQuery query(session.database());
    const bool prepared = query.prepare(
        QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = current_schema() AND "
                       "tablename = ? AND indexname = ?"));
    query.addBindValue(TableName);
    query.addBindValue(SaveKeyIndex);
    if (!prepared || !query.exec() || !query.next())
        return session.failure(query.lastError(), savingTest());
    if (query.value(0).toLongLong() > 0)
        return std::nullopt;
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery change(session.database());
        if (!change.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN IF NOT EXISTS %2 uuid")
                             .arg(TableName, SaveKeyColumn)) ||
            !change.exec(createSaveKeyIndexSql()))
            return change.lastError();
        return QSqlError();
    });
    if (!error.isValid())
        return std::nullopt;
    return session.failure(error, QCoreApplication::translate(
                                      "Database", "while the table mytable was being given the "
                                                  "column %1 for saving")
                                      .arg(SaveKeyColumn));
}

// The insert of a saved row that stores nothing when a row of its key is there already.
QString insertKeyedRowSql() {
    QStringList columns;
    QStringList marks;
    for (const QString &column : TableColumns + QStringList{SaveKeyColumn}) {
        columns << serverColumnName(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (%4) DO NOTHING")
        .arg(TableName, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")),
             SaveKeyColumn);
}

// The key of each inserted row, for its index row.
const QString ReturningKey = QStringLiteral(" RETURNING ") + ServerKeyColumn;

QSqlError writeIndexRowOnServer(QSqlDatabase &database, const QVariant &key, const StoredRow &row) {
    QSqlQuery indices(database);
    if (!indices.prepare(insertIndexRowSql(serverDialect())))
        return indices.lastError();
    return writeIndexRow(indices, key, row.discipline, row.breed, row.stepData);
}

// The longest wait for the server process of a lost save to end, in milliseconds.
constexpr int LostSaveEndMs = 10000;

QString selectRowsSql(const QString &searchField) {
    QStringList columns{ServerKeyColumn};
    for (const QString &column : RowColumns)
        columns << serverReadColumn(column);
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
        .arg(columns.join(QStringLiteral(", ")), TableName, serverColumnName(searchField));
}

} // namespace

ServerStore::ServerStore(const QString &address) : m_address(address) {}

QString ServerStore::shownName() const {
    return shownServerName(m_address);
}

CreateResult ServerStore::create() {
    const QString path = m_address.trimmed();
    ServerSession session(path);
    if (!session.isOpen())
        return {CreateOutcome::Failed, {}, session.problem()};
    bool tableMissing = false;
    const auto layout = session.layoutProblem(&tableMissing);
    if (!layout)
        return {CreateOutcome::AlreadyExists, path, {}};
    if (!tableMissing)
        return {CreateOutcome::Failed, {}, *layout};
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery query(session.database());
        if (!query.exec(createTableSql()))
            return query.lastError();
        for (const QString &column : SearchColumns)
            if (!query.exec(createIndexSql(column)))
                return query.lastError();
        if (!query.exec(createSaveKeyIndexSql()))
            return query.lastError();
        return ensureIndexTable(session.database(), serverDialect());
    });
    if (!error.isValid())
        return {CreateOutcome::Created, path, {}};
    return {CreateOutcome::Failed,
            {},
            withServerWords(QCoreApplication::translate(
                                "Database", "The server %1 could not create the table mytable.")
                                .arg(session.shownName()),
                            serverReason(error))};
}

std::optional<QString> ServerStore::prepareForUse() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return session.problem();
    if (const auto problem = session.layoutProblem())
        return problem;
    // Without the right to make the index table the database still serves; only the history's
    // band waits for it.
    ensureServerIndexTable(session);
    return std::nullopt;
}

std::optional<QString> ServerStore::layoutProblem() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return session.problem();
    return session.layoutProblem();
}

ValuesResult ServerStore::listValues(const QString &searchField) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, {}, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY 1")
                        .arg(serverColumnName(searchField), TableName)))
        return {{}, {}, session.failure(query.lastError(), listingValues())};
    ValuesResult result;
    while (query.next())
        if (!query.isNull(0))
            result.values << query.value(0).toString();
    if (!result.values.isEmpty() && result.values.last().isEmpty())
        result.values.clear();
    // The server keeps every text in its own encoding: a value is searched by its UTF-8 text.
    for (const QString &value : result.values)
        result.storedValues << value.toUtf8();
    return result;
}

SearchResult ServerStore::searchRows(const QString &searchField, const QByteArray &storedValue) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.prepare(selectRowsSql(searchField)))
        return {{}, session.failure(query.lastError(), searchingTests())};
    query.addBindValue(boundText(QString::fromUtf8(storedValue)));
    if (!query.exec())
        return {{}, session.failure(query.lastError(), searchingTests())};
    SearchResult result;
    while (query.next())
        result.rows.push_back(testRowFrom(query));
    return result;
}

std::unique_ptr<TestReader> ServerStore::readTests(const QString &searchField,
                                                   const QByteArray &storedValue) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return failedReader(session.problem());
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT %1, \"Namn\", %2 FROM %3 WHERE %4 = ?")
                .arg(ServerKeyColumn, DatumText, TableName, serverColumnName(searchField))))
        return failedReader(session.failure(query.lastError(), searchingTests()));
    query.addBindValue(boundText(QString::fromUtf8(storedValue)));
    if (!query.exec())
        return failedReader(session.failure(query.lastError(), searchingTests()));
    std::vector<ListedTest> tests;
    while (query.next())
        tests.push_back(listedTestFrom(query));
    return readerOf(std::move(tests));
}

LoadedRow ServerStore::readRow(qint64 rowId) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {std::nullopt, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.prepare(selectRowsSql(ServerKeyColumn)))
        return {std::nullopt, session.failure(query.lastError(), loadingTest())};
    query.addBindValue(rowId);
    if (!query.exec())
        return {std::nullopt, session.failure(query.lastError(), loadingTest())};
    if (!query.next())
        return {std::nullopt, testGoneMessage(session.shownName())};
    return {testRowFrom(query), {}};
}

std::optional<QString> ServerStore::appendRows(const std::vector<StoredRow> &rows) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return session.problem();
    if (const auto problem = addSaveKey(session))
        return problem;
    const bool withIndices = mayWriteIndices(session);
    // Stored whole or not at all, each test with its index row.
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery insert(session.database());
        QSqlQuery indices(session.database());
        if (!insert.prepare(insertRowSql(TableName, serverColumnName) + ReturningKey))
            return insert.lastError();
        if (withIndices && !indices.prepare(insertIndexRowSql(serverDialect())))
            return indices.lastError();
        for (const StoredRow &row : rows) {
            bindRow(insert, row, EmptyMoment::Null);
            if (!insert.exec())
                return insert.lastError();
            if (withIndices && insert.next())
                if (const QSqlError failed = writeIndexRow(indices, insert.value(0), row.discipline,
                                                           row.breed, row.stepData);
                    failed.isValid())
                    return failed;
        }
        return QSqlError();
    });
    if (!error.isValid())
        return std::nullopt;
    return session.failure(
        error, QCoreApplication::translate("Database", "while the tests were being stored"));
}

SaveResult ServerStore::saveRow(const StoredRow &row, const QUuid &key) {
    const QString keyText = key.toString(QUuid::WithoutBraces);
    qint64 process = -1;
    bool commitSent = false;
    QString failure;
    {
        ServerSession session(m_address);
        if (!session.isOpen())
            return {SaveOutcome::NotSaved, session.problem()};
        if (const auto problem = addSaveKey(session))
            return {SaveOutcome::NotSaved, *problem};
        const bool withIndices = mayWriteIndices(session);
        process = session.backendProcess();
        QSqlDatabase &database = session.database();
        QSqlError error;
        if (process < 0 || !database.transaction()) {
            error = database.lastError();
        } else {
            {
                QSqlQuery insert(database);
                if (!insert.prepare(insertKeyedRowSql() + ReturningKey)) {
                    error = insert.lastError();
                } else {
                    bindRow(insert, row, EmptyMoment::Null);
                    insert.addBindValue(keyText);
                    if (!insert.exec())
                        error = insert.lastError();
                    // A row stored before under the same key has its index row already.
                    else if (withIndices && insert.next())
                        error = writeIndexRowOnServer(database, insert.value(0), row);
                }
            }
            if (!error.isValid()) {
                // A connection found lost meanwhile sends no commit.
                commitSent = database.isOpen();
                if (database.commit())
                    return {SaveOutcome::Saved, {}};
                error = database.lastError();
            } else {
                database.rollback();
            }
        }
        failure = session.failure(error, savingTest());
        // Only a commit stores the row: a connection that still answers after a failure before
        // it has rolled the work back.
        if (!commitSent && !session.isBroken())
            return {SaveOutcome::NotSaved, failure};
        session.drop();
    }
    // The commit may have been stored or not, or the save was cut off and a save of the same key
    // before it may have been stored: a new connection asks the server, once the process that
    // served the lost one has ended and its work is final either way.
    ServerSession asking(m_address);
    std::optional<bool> stored;
    if (asking.isOpen()) {
        QSqlQuery query(asking.database());
        if (process >= 0) {
            query.prepare(QStringLiteral(
                "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid = ?"));
            query.addBindValue(process);
            query.exec();
        }
        QElapsedTimer waited;
        waited.start();
        bool ended = process < 0;
        while (!ended && waited.elapsed() < LostSaveEndMs) {
            query.prepare(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE pid = ?"));
            query.addBindValue(process);
            if (!query.exec() || !query.next())
                break;
            ended = query.value(0).toLongLong() == 0;
            if (!ended)
                QThread::msleep(20);
        }
        if (ended) {
            query.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?")
                              .arg(TableName, SaveKeyColumn));
            query.addBindValue(keyText);
            if (query.exec() && query.next())
                stored = query.value(0).toLongLong() > 0;
        }
    }
    if (stored)
        return {*stored ? SaveOutcome::Saved : SaveOutcome::NotSaved,
                *stored ? QString() : failure};
    if (!commitSent)
        return {SaveOutcome::NotSaved, failure};
    return {SaveOutcome::Unknown, failure};
}

AllRowsResult ServerStore::allRows() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << serverReadColumn(column);
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                        .arg(columns.join(QStringLiteral(", ")), TableName, ServerKeyColumn)))
        return {{},
                session.failure(
                    query.lastError(),
                    QCoreApplication::translate("Database", "while the tests were being read"))};
    AllRowsResult result;
    while (query.next())
        result.rows.push_back(storedRowFrom(query));
    return result;
}

CountResult ServerStore::testCount() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {std::nullopt, session.problem()};
    QSqlQuery query(session.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(TableName)) || !query.next())
        return {std::nullopt,
                session.failure(
                    query.lastError(),
                    QCoreApplication::translate("Database", "while the tests were being counted"))};
    return {query.value(0).toLongLong(), {}};
}

EraseResult ServerStore::eraseRows(const std::vector<ListedTest> &selected) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {0, session.problem()};
    int erased = 0;
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery query(session.database());
        if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND "
                                          "COALESCE(\"Namn\", '') = ? AND COALESCE(%3, '') = ?")
                               .arg(TableName, ServerKeyColumn, DatumText)))
            return query.lastError();
        for (const ListedTest &row : selected) {
            query.addBindValue(row.rowId);
            query.addBindValue(boundText(row.name));
            query.addBindValue(boundText(row.testDate));
            if (!query.exec())
                return query.lastError();
            erased += query.numRowsAffected();
        }
        return QSqlError();
    });
    if (!error.isValid())
        return {erased, {}};
    return {0, session.failure(error, QCoreApplication::translate(
                                          "Database", "while the tests were being erased"))};
}

} // namespace kavren
