#include "database/server_store.h"

#include "database/database_store.h"
#include "database/server_session.h"

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

const QStringList RowColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Datum"), QStringLiteral("Ras"),
    QStringLiteral("Ålder"),   QStringLiteral("Kön"),   QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),  QStringLiteral("Data"),  QStringLiteral("Kommentarer"),
    QStringLiteral("Maxpuls"), QStringLiteral("Stall"), QStringLiteral("Coach"),
};

QString selectRowsSql(const QString &searchField) {
    QStringList columns{ServerKeyColumn};
    for (const QString &column : RowColumns)
        columns << (column == QLatin1String("Datum") ? DatumText : columnName(column));
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
        .arg(columns.join(QStringLiteral(", ")), TableName, columnName(searchField));
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
    const QString texts[] = {row.name,       row.moment,      row.breed,   row.age,    row.sex,
                             row.discipline, row.pictureName, row.maxHr,   row.stable, row.trainer,
                             row.examDate,   row.stepData,    row.comments};
    std::vector<QVariant> values;
    for (const QString &text : texts)
        values.emplace_back(boundText(text));
    if (row.moment.isEmpty())
        values[1] = QVariant(QMetaType::fromType<QString>());
    return values;
}

StoredRow storedRowFrom(const QSqlQuery &query) {
    StoredRow row;
    QString *fields[] = {&row.name,       &row.moment,      &row.breed,   &row.age,    &row.sex,
                         &row.discipline, &row.pictureName, &row.maxHr,   &row.stable, &row.trainer,
                         &row.examDate,   &row.stepData,    &row.comments};
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
    return {CreateOutcome::Failed,
            {},
            QStringLiteral("The table mytable could not be created in \"%1\": %2")
                .arg(session.shownName(), serverReason(error))};
}

std::optional<QString> problemWithServerDatabase(const QString &address) {
    ServerSession session(address);
    if (!session.isOpen())
        return session.problem();
    return session.layoutProblem();
}

ValuesResult serverCriterionValues(const QString &address, const QString &searchField) {
    if (!SearchFields.contains(searchField))
        return {{}, {}, unknownFieldMessage(searchField)};
    ServerSession session(address);
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

FoundTests serverFindTests(const QString &address, const QString &searchField,
                           const QByteArray &storedValue) {
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    ServerSession session(address);
    if (!session.isOpen())
        return {{}, session.problem()};
    QSqlQuery query(session.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1, \"Namn\", %2 FROM %3 WHERE %4 = ?")
                           .arg(ServerKeyColumn, DatumText, TableName, columnName(searchField))))
        return {{}, session.failure(query.lastError())};
    query.addBindValue(boundText(QString::fromUtf8(storedValue)));
    if (!query.exec())
        return {{}, session.failure(query.lastError())};
    FoundTests found;
    while (query.next())
        found.tests.push_back(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    sortLikeResultList(found.tests);
    return found;
}

LoadedRow serverReadListedRow(const QString &address, qint64 rowId) {
    ServerSession session(address);
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
        return {std::nullopt, QStringLiteral("The test is no longer in the database \"%1\".")
                                  .arg(session.shownName())};
    return {rowFrom(query), {}};
}

std::optional<QString> serverAppendRow(const QString &address, const StoredRow &row) {
    return serverAppendRows(address, {row});
}

std::optional<QString> serverAppendRows(const QString &address,
                                        const std::vector<StoredRow> &rows) {
    ServerSession session(address);
    if (!session.isOpen())
        return session.problem();
    QSqlDatabase &database = session.database();
    if (!database.transaction())
        return session.failure(database.lastError());
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << columnName(column);
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
        columns << (column == QLatin1String("Datum") ? DatumText : columnName(column));
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

EraseResult serverEraseTests(const QString &address, const std::vector<ListedTest> &selected) {
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
        for (const ListedTest &row : selected) {
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
        result.error = notAllErasedMessage(result.erased, selected.size(), session.shownName());
        return result;
    }
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return {0, session.failure(error)};
}

} // namespace kavren
