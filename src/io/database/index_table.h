// The index table beside mytable: one row per test, keyed by the test's row, with its discipline,
// its breed and its five indices, written with the test and erased with it. mytable itself keeps
// the layout other programs read; this table lets a database order the tests of a discipline by
// an index without fitting a single one of them.
#pragma once

#include "domain/analysis/reference_band.h"
#include "io/database/test_summary.h"

#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

namespace kavren {

inline const QString IndexTableName = QStringLiteral("testindices");
// The columns of mytable that the index table copies and a horse's history selects by.
inline const QString NameColumn = QStringLiteral("Namn");
inline const QString BreedColumn = QStringLiteral("Ras");
inline const QString StableColumn = QStringLiteral("Stall");
inline const QString DisciplineColumn = QStringLiteral("Disiplin");
// The key: the rowid of the test in a file, its row key on a server.
inline const QString IndexTestColumn = QStringLiteral("test");

// The column of an index, from this fixed table only: "v200", "vla2", "vla4", "hr2", "hr4".
QString indexColumnOf(HistoryIndex index);

// The index on (Disiplin, index) or (Disiplin, Ras, index).
QString indexNameOf(HistoryIndex index, bool byBreed);
// The index made last with the table: a database that has it has the whole table.
QString lastIndexOfIndexTable();

// How the SQL of one kind of database names things and types.
struct IndexTableDialect {
    std::function<QString(const QString &)> quote; // a column or table name
    QString keyColumnType;                         // with the constraints of the key column
    QString textType;
    QString realType;
};
const IndexTableDialect &fileDialect();

// The table and its indexes, each created only where missing.
QStringList createIndexTableSql(const IndexTableDialect &dialect);
// Runs those statements on the open database (inside the caller's transaction, if any).
QSqlError ensureIndexTable(QSqlDatabase &database, const IndexTableDialect &dialect);

// "INSERT <verb> INTO testindices (key, Disiplin, Ras, the five) VALUES (?, …) <tail>"; the verb
// and tail say what a row already there for the key becomes.
QString insertIndexRowSql(const IndexTableDialect &dialect, const QString &verb = {},
                          const QString &tail = {});
void bindIndexRow(QSqlQuery &insert, const QVariant &test, const QString &discipline,
                  const QString &breed, const StoredIndices &indices);
// Fits the stored steps and writes the index row of the test with the prepared insert.
QSqlError writeIndexRow(QSqlQuery &insert, const QVariant &test, const QString &discipline,
                        const QString &breed, const QString &stepData);

} // namespace kavren
