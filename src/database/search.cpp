#include "database/search.h"

#include "database/database_store.h"
#include "database/server_store.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace kavren {

namespace {

// The twelve columns of a TestRow after the row id, in the order TestRow holds them.
const QStringList RowColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Datum"), QStringLiteral("Ras"),
    QStringLiteral("Ålder"),   QStringLiteral("Kön"),   QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),  QStringLiteral("Data"),  QStringLiteral("Kommentarer"),
    QStringLiteral("Maxpuls"), QStringLiteral("Stall"), QStringLiteral("Coach"),
};

QString selectRowsSql(const QString &searchField) {
    QStringList columns{QStringLiteral("rowid")};
    for (const QString &column : RowColumns)
        columns << quotedName(column);
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
        .arg(columns.join(QStringLiteral(", ")), quotedName(TableName), quotedName(searchField));
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

QString unknownFieldMessage(const QString &searchField) {
    return QStringLiteral("There is no search criterion \"%1\".").arg(searchField);
}

// Opens the file for reading; the message when it cannot be used.
std::optional<QString> openForReading(const QString &databasePath, ScopedDatabase &store) {
    if (!store.isOpen())
        return problemWithDatabase(databasePath)
            .value_or(QStringLiteral("The database file \"%1\" cannot be opened: %2")
                          .arg(shownPath(databasePath), store.errorText()));
    return std::nullopt;
}

} // namespace

QString TestRow::listText() const {
    return name + u'\t' + testDate;
}

ValuesResult listCriterionValues(const QString &databasePath, const QString &searchField) {
    if (isServerAddress(databasePath))
        return serverCriterionValues(databasePath, searchField);
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    if (const auto missing = ensureDatabaseFile(databasePath))
        return {{}, *missing};
    if (QFileInfo(databasePath).isDir())
        return {{}, problemWithDatabase(databasePath).value_or(QString())};
    addMissingIndexes(databasePath);

    ValuesResult result;
    ScopedDatabase store(databasePath, Access::ReadOnly);
    if (const auto failure = openForReading(databasePath, store))
        return {{}, *failure};
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY 1")
                            .arg(quotedName(searchField), quotedName(TableName));
    if (!query.exec(sql))
        return {{}, failureMessage(databasePath, query.lastError())};
    while (query.next())
        if (!query.isNull(0))
            result.values << query.value(0).toString();
    if (query.lastError().isValid())
        result.error = failureMessage(databasePath, query.lastError());
    if (!result.values.isEmpty() && result.values.last().isEmpty())
        result.values.clear();
    return result;
}

void sortLikeResultList(std::vector<TestRow> &rows) {
    // Comparing name and then date orders the entries as their texts "name, tab, date" do, the
    // tab sorting below every printable character, without building the texts.
    std::sort(rows.begin(), rows.end(), [](const TestRow &a, const TestRow &b) {
        int order = a.name.compare(b.name, Qt::CaseInsensitive);
        if (order == 0)
            order = a.testDate.compare(b.testDate, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.rowId < b.rowId;
    });
}

SearchResult searchTests(const QString &databasePath, const QString &searchField,
                         const QString &value) {
    if (isServerAddress(databasePath))
        return serverSearchTests(databasePath, searchField, value);
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    if (const auto missing = ensureDatabaseFile(databasePath))
        return {{}, *missing};

    SearchResult result;
    ScopedDatabase store(databasePath, Access::ReadOnly);
    if (const auto failure = openForReading(databasePath, store))
        return {{}, *failure};
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.prepare(selectRowsSql(searchField)))
        return {{}, failureMessage(databasePath, query.lastError())};
    query.addBindValue(boundText(value));
    if (!query.exec())
        return {{}, failureMessage(databasePath, query.lastError())};
    while (query.next())
        result.rows.push_back(rowFrom(query));
    if (query.lastError().isValid())
        result.error = failureMessage(databasePath, query.lastError());
    sortLikeResultList(result.rows);
    return result;
}

EraseResult eraseTests(const QString &databasePath, const std::vector<TestRow> &selected) {
    if (isServerAddress(databasePath))
        return serverEraseTests(databasePath, selected);
    if (selected.empty())
        return {};
    if (const auto problem = problemWithDatabase(databasePath))
        return {0, *problem};
    ScopedDatabase store(databasePath, Access::ReadWrite);
    QSqlDatabase &database = store.database();
    if (!store.isOpen() || !database.transaction())
        return {0, failureMessage(databasePath, database.lastError())};

    EraseResult result;
    QSqlError error;
    {
        QSqlQuery query(database);
        // Compared as the search read them: a column without value as "".
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ? "
                                     "AND COALESCE(CAST(\"Namn\" AS TEXT), '') = ? "
                                     "AND COALESCE(CAST(\"Datum\" AS TEXT), '') = ?")
                          .arg(quotedName(TableName)));
        for (const TestRow &row : selected) {
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
                               .arg(shownPath(databasePath));
        return result;
    }
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return {0, failureMessage(databasePath, error)};
}

} // namespace kavren
