// What a database file and a database server do alike with rows: the order of the columns, a row
// bound to an insert, a row read back from a query, and a piece of work committed whole or rolled
// back.
#pragma once

#include "io/database/saving.h"
#include "io/database/search.h"

#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

namespace kavren {

// The twelve columns of a TestRow after its key, in the order TestRow holds them.
inline const QStringList RowColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Datum"), QStringLiteral("Ras"),
    QStringLiteral("Ålder"),   QStringLiteral("Kön"),   QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),  QStringLiteral("Data"),  QStringLiteral("Kommentarer"),
    QStringLiteral("Maxpuls"), QStringLiteral("Stall"), QStringLiteral("Coach"),
};

// Column 0 is the row's key, columns 1 to 12 are RowColumns.
TestRow testRowFrom(const QSqlQuery &query);
// Columns 0 to 2 are the key, Namn and Datum.
ListedTest listedTestFrom(const QSqlQuery &query);
// Columns 0 to 12 are TableColumns.
StoredRow storedRowFrom(const QSqlQuery &query);

// Whether a row without its moment stores it as NULL (a column of dates) or as empty text.
enum class EmptyMoment { Null, Text };

// "INSERT INTO table (the thirteen columns) VALUES (?, …)", each column name as quote gives it.
QString insertRowSql(const QString &table, const std::function<QString(const QString &)> &quote);
// Binds the thirteen values in the order of TableColumns.
void bindRow(QSqlQuery &query, const StoredRow &row, EmptyMoment emptyMoment);

// Runs the work in one transaction: committed when it returns no error, rolled back otherwise.
// The error of the work, of the begin or of the commit; an invalid error on success. Queries of
// the work must be gone when it returns.
QSqlError inTransaction(QSqlDatabase &database, const std::function<QSqlError()> &work);

QString unknownFieldMessage(const QString &searchField);
QString testGoneMessage(const QString &shownDatabase);

} // namespace kavren
