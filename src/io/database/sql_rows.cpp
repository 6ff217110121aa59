#include "io/database/sql_rows.h"

#include "io/database/database_store.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <array>

namespace kavren {

namespace {

// The fields of a StoredRow in the order of TableColumns.
std::array<QString StoredRow::*, 13> storedFields() {
    return {&StoredRow::name,        &StoredRow::moment,   &StoredRow::breed,
            &StoredRow::age,         &StoredRow::sex,      &StoredRow::discipline,
            &StoredRow::pictureName, &StoredRow::maxHr,    &StoredRow::stable,
            &StoredRow::trainer,     &StoredRow::examDate, &StoredRow::stepData,
            &StoredRow::comments};
}

} // namespace

TestRow testRowFrom(const QSqlQuery &query) {
    static constexpr QString TestRow::*fields[] = {
        &TestRow::name,     &TestRow::testDate,   &TestRow::breed,       &TestRow::age,
        &TestRow::sex,      &TestRow::discipline, &TestRow::pictureName, &TestRow::stepData,
        &TestRow::comments, &TestRow::maxHr,      &TestRow::stable,      &TestRow::trainer};
    TestRow row;
    row.rowId = query.value(0).toLongLong();
    for (int i = 0; i < 12; ++i)
        row.*fields[i] = query.value(i + 1).toString();
    return row;
}

ListedTest listedTestFrom(const QSqlQuery &query) {
    return {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
}

StoredRow storedRowFrom(const QSqlQuery &query) {
    StoredRow row;
    int column = 0;
    for (QString StoredRow::*field : storedFields())
        row.*field = query.value(column++).toString();
    return row;
}

QString insertRowSql(const QString &table, const std::function<QString(const QString &)> &quote) {
    QStringList columns;
    QStringList marks;
    for (const QString &column : TableColumns) {
        columns << quote(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

void bindRow(QSqlQuery &query, const StoredRow &row, EmptyMoment emptyMoment) {
    for (QString StoredRow::*field : storedFields()) {
        if (field == &StoredRow::moment && row.moment.isEmpty() && emptyMoment == EmptyMoment::Null)
            query.addBindValue(QVariant(QMetaType::fromType<QString>()));
        else
            query.addBindValue(boundText(row.*field)); // no column of a saved row is missing
    }
}

QSqlError inTransaction(QSqlDatabase &database, const std::function<QSqlError()> &work) {
    if (!database.transaction())
        return database.lastError();
    QSqlError error = work();
    if (!error.isValid() && database.commit())
        return {};
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return error;
}

QString unknownFieldMessage(const QString &searchField) {
    return QCoreApplication::translate("Database", "There is no search criterion \"%1\".")
        .arg(searchField);
}

QString testGoneMessage(const QString &shownDatabase) {
    return QCoreApplication::translate("Database", "The test is no longer in the database \"%1\".")
        .arg(shownDatabase);
}

} // namespace kavren
