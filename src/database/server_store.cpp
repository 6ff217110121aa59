#include "database/server_store.h"

#include "database/database_store.h"
#include "database/server_session.h"
#include "database/sql_rows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace kavren {

namespace {

const QString DatumText = QStringLiteral("to_char(\"Datum\", 'YYYY-MM-DD HH24:MI:SS')");

// A column name between double quotes, as the server takes names with capitals and Swedish
// letters. Only the fixed names go this way; values are always bound.
QString columnName(const QString &name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A column as it is read: the moment as text in the same form a file gives it.
QString readColumn(const QString &name) {
    return name == QLatin1String("Datum") ? DatumText : columnName(name);
}

// Text columns compare and sort by code point, as in a database file, whatever the server's
// locale; the indexes then serve both the equality search and the ordered value lists.
QString createTableSql() {
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << columnName(column) + (column == QLatin1String("Datum")
                                             ? QStringLiteral(" timestamp(0)")
                                             : QStringLiteral(" text COLLATE \"C\""));
    columns << ServerKeyColumn + QStringLiteral(" bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
        .arg(TableName, columns.join(QStringLiteral(", ")));
}

QString createIndexSql(const QString &column) {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(QStringLiteral("mytable_by_") + column.toLower(), TableName, columnName(column));
}

QString selectRowsSql(const QString &searchField) {
    QStringList columns{ServerKeyColumn};
    for (const QString &column : RowColumns)
        columns << readColumn(column);
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
        .arg(columns.join(QStringLiteral(", ")), TableName, columnName(searchField));
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
        return QSqlError();
    });
    if (!error.isValid())
        return {CreateOutcome::Created, path, {}};
    return {CreateOutcome::Failed,
            {},
            QStringLiteral("The table mytable could not be created in \"%1\": %2")
                .arg(session.shownName(), serverReason(error))};
}

std::optional<QString> ServerStore::prepareForUse() {
    return layoutProblem();
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
                        .arg(columnName(searchField), TableName)))
        return {{}, {}, session.failure(query.lastError())};
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
        return {{}, session.failure(query.lastError())};
    query.addBindValue(boundText(QString::fromUtf8(storedValue)));
    if (!query.exec())
        return {{}, session.failure(query.lastError())};
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
    if (!query.prepare(QStringLiteral("SELECT %1, \"Namn\", %2 FROM %3 WHERE %4 = ?")
                           .arg(ServerKeyColumn, DatumText, TableName, columnName(searchField))))
        return failedReader(session.failure(query.lastError()));
    query.addBindValue(boundText(QString::fromUtf8(storedValue)));
    if (!query.exec())
        return failedReader(session.failure(query.lastError()));
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
        return {std::nullopt, session.failure(query.lastError())};
    query.addBindValue(rowId);
    if (!query.exec())
        return {std::nullopt, session.failure(query.lastError())};
    if (!query.next())
        return {std::nullopt, testGoneMessage(session.shownName())};
    return {testRowFrom(query), {}};
}

std::optional<QString> ServerStore::appendRows(const std::vector<StoredRow> &rows) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return session.problem();
    // Stored whole or not at all.
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery insert(session.database());
        if (!insert.prepare(insertRowSql(TableName, columnName)))
            return insert.lastError();
        return insertRows(insert, rows, EmptyMoment::Null);
    });
    if (!error.isValid())
        return std::nullopt;
    return session.failure(error);
}

AllRowsResult ServerStore::allRows() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << readColumn(column);
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

CountResult ServerStore::testCount() {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {std::nullopt, session.problem()};
    QSqlQuery query(session.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(TableName)) || !query.next())
        return {std::nullopt, session.failure(query.lastError())};
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
    return {0, session.failure(error)};
}

} // namespace kavren
