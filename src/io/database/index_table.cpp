#include "io/database/index_table.h"

#include "io/database/database_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace kavren {

namespace {

QVariant boundIndex(const std::optional<double> &value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

} // namespace

QString indexColumnOf(HistoryIndex index) {
    switch (index) {
    case HistoryIndex::V200:
        return QStringLiteral("v200");
    case HistoryIndex::VLa2:
        return QStringLiteral("vla2");
    case HistoryIndex::VLa4:
        return QStringLiteral("vla4");
    case HistoryIndex::Hr2:
        return QStringLiteral("hr2");
    case HistoryIndex::Hr4:
        return QStringLiteral("hr4");
    }
    return QStringLiteral("vla4");
}

QString indexNameOf(HistoryIndex index, bool byBreed) {
    return IndexTableName + (byBreed ? QStringLiteral("_by_breed_") : QStringLiteral("_by_")) +
           indexColumnOf(index);
}

QString lastIndexOfIndexTable() {
    return indexNameOf(HistoryIndices[4], true);
}

const IndexTableDialect &fileDialect() {
    // The key is the rowid of the test in mytable, whose rowid no column names, so SQLite cannot
    // hold it as a foreign key: saving and erasing keep both tables in step instead.
    static const IndexTableDialect dialect{quotedName, QStringLiteral("INTEGER PRIMARY KEY"),
                                           QStringLiteral("TEXT"), QStringLiteral("REAL")};
    return dialect;
}

QStringList createIndexTableSql(const IndexTableDialect &d) {
    QStringList columns{d.quote(IndexTestColumn) + u' ' + d.keyColumnType,
                        d.quote(DisciplineColumn) + u' ' + d.textType,
                        d.quote(BreedColumn) + u' ' + d.textType};
    for (const HistoryIndex index : HistoryIndices)
        columns << d.quote(indexColumnOf(index)) + u' ' + d.realType;
    QStringList sql{QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                        .arg(d.quote(IndexTableName), columns.join(QStringLiteral(", ")))};
    // A percentile of a discipline, or of a breed in it, is then a walk along one index.
    for (const bool byBreed : {false, true})
        for (const HistoryIndex index : HistoryIndices)
            sql << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3, %4%5)")
                       .arg(d.quote(indexNameOf(index, byBreed)), d.quote(IndexTableName),
                            d.quote(DisciplineColumn),
                            byBreed ? d.quote(BreedColumn) + QStringLiteral(", ") : QString(),
                            d.quote(indexColumnOf(index)));
    return sql;
}

QSqlError ensureIndexTable(QSqlDatabase &database, const IndexTableDialect &dialect) {
    QSqlQuery query(database);
    for (const QString &statement : createIndexTableSql(dialect))
        if (!query.exec(statement))
            return query.lastError();
    return {};
}

QString insertIndexRowSql(const IndexTableDialect &d, const QString &verb, const QString &tail) {
    QStringList columns{d.quote(IndexTestColumn), d.quote(DisciplineColumn), d.quote(BreedColumn)};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")};
    for (const HistoryIndex index : HistoryIndices) {
        columns << d.quote(indexColumnOf(index));
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT %1INTO %2 (%3) VALUES (%4)%5")
        .arg(verb.isEmpty() ? QString() : verb + u' ', d.quote(IndexTableName),
             columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")),
             tail.isEmpty() ? QString() : u' ' + tail);
}

void bindIndexRow(QSqlQuery &insert, const QVariant &test, const QString &discipline,
                  const QString &breed, const StoredIndices &indices) {
    insert.addBindValue(test);
    insert.addBindValue(boundText(discipline));
    insert.addBindValue(boundText(breed));
    for (const auto &value : {indices.v200, indices.vla2, indices.vla4, indices.hr2, indices.hr4})
        insert.addBindValue(boundIndex(value));
}

QSqlError writeIndexRow(QSqlQuery &insert, const QVariant &test, const QString &discipline,
                        const QString &breed, const QString &stepData) {
    bindIndexRow(insert, test, discipline, breed,
                 storedIndicesOf(summariseTest(discipline, stepData)));
    if (!insert.exec())
        return insert.lastError();
    return {};
}

} // namespace kavren
