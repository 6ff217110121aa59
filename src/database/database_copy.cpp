#include "database/database_copy.h"

#include "database/database_store.h"
#include "database/server_store.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace kavren {

namespace {

AllRowsResult fileAllRows(const QString &path) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, path, Purpose::Reading))
        return {{}, *problem};
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << QStringLiteral("COALESCE(CAST(%1 AS TEXT), '')").arg(quotedName(column));
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                        .arg(columns.join(QStringLiteral(", ")), quotedName(TableName))))
        return {{}, failureMessage(path, query.lastError())};
    AllRowsResult result;
    while (query.next()) {
        StoredRow row;
        QString *fields[] = {&row.name,    &row.moment,     &row.breed,       &row.age,
                             &row.sex,     &row.discipline, &row.pictureName, &row.maxHr,
                             &row.stable,  &row.trainer,    &row.examDate,    &row.stepData,
                             &row.comments};
        for (int i = 0; i < 13; ++i)
            *fields[i] = query.value(i).toString();
        result.rows.push_back(row);
    }
    return result;
}

std::optional<qint64> fileTestCount(const QString &path, QString *error) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, path, Purpose::Writing)) {
        *error = *problem;
        return std::nullopt;
    }
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(TableName))) ||
        !query.next()) {
        *error = failureMessage(path, query.lastError());
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

std::optional<QString> fileAppendRows(const QString &path, const std::vector<StoredRow> &rows) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, path, Purpose::Writing))
        return problem;
    QSqlDatabase &database = store.database();
    if (!database.transaction())
        return failureMessage(path, database.lastError());
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << quotedName(column);
    QSqlError error;
    {
        QSqlQuery query(database);
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                               .arg(quotedName(TableName), columns.join(QStringLiteral(", ")),
                                    QStringLiteral(", ?").repeated(int(TableColumns.size()) - 1))))
            error = query.lastError();
        for (std::size_t i = 0; i < rows.size() && !error.isValid(); ++i) {
            const StoredRow &row = rows[i];
            for (const QString &value : {row.name, row.moment, row.breed, row.age, row.sex,
                                         row.discipline, row.pictureName, row.maxHr, row.stable,
                                         row.trainer, row.examDate, row.stepData, row.comments})
                query.addBindValue(boundText(value));
            if (!query.exec())
                error = query.lastError();
        }
    }
    if (!error.isValid() && database.commit())
        return std::nullopt;
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return failureMessage(path, error);
}

// Makes sure the target has mytable; the number of tests it holds, or why it cannot take any.
std::optional<qint64> preparedTarget(const QString &to, QString *error) {
    if (isServerAddress(to)) {
        const CreateResult created = createServerDatabase(to);
        if (created.outcome == CreateOutcome::Failed) {
            *error = created.message;
            return std::nullopt;
        }
        return serverTestCount(to, error);
    }
    if (!QFileInfo::exists(to)) {
        if (const auto failure = createEmptyDatabase(to)) {
            *error = *failure;
            return std::nullopt;
        }
        return 0;
    }
    return fileTestCount(to, error);
}

QString shownDatabase(const QString &database) {
    if (!isServerAddress(database))
        return shownPath(database);
    const ServerAddressResult parsed = parseServerAddress(database);
    return parsed.address ? parsed.address->shownName() : withoutPassword(database);
}

} // namespace

CopyResult copyTests(const QString &from, const QString &to, bool append) {
    const AllRowsResult source = isServerAddress(from) ? serverAllRows(from) : fileAllRows(from);
    if (!source.error.isEmpty())
        return {0, source.error};
    QString error;
    const auto held = preparedTarget(to, &error);
    if (!held)
        return {0, error};
    if (*held > 0 && !append)
        return {0, QStringLiteral("The database \"%1\" already holds %2 tests, so nothing was "
                                  "copied; give --append to add the tests to them.")
                       .arg(shownDatabase(to))
                       .arg(*held)};
    if (source.rows.empty())
        return {};
    const auto failure =
        isServerAddress(to) ? serverAppendRows(to, source.rows) : fileAppendRows(to, source.rows);
    if (failure)
        return {0, *failure + QStringLiteral(" Nothing was copied.")};
    return {qint64(source.rows.size()), {}};
}

} // namespace kavren
