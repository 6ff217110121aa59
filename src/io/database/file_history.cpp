// A database file's side of a horse's history: the horse's rows through the index on Namn, the
// band of an index by ordered reads of the index table, and the filling of that table for tests
// saved without it.
#include "io/database/file_store.h"

#include "io/database/index_table.h"
#include "io/database/sql_rows.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace kavren {

namespace {

// A name stored as text matches the bound text; one stored as bytes by another program matches
// its UTF-8 bytes.
QString whereName() {
    return QStringLiteral(" FROM %1 WHERE (%2 = ? OR %2 = ?)")
        .arg(quotedName(TableName), quotedName(NameColumn));
}

void bindName(QSqlQuery &query, const QString &name) {
    query.addBindValue(boundText(name));
    query.addBindValue(boundText(name).toUtf8());
}

// The text of a column that another program may have stored as bytes.
QString asText(const QString &column) {
    return QStringLiteral("COALESCE(CAST(%1 AS TEXT), '')").arg(quotedName(column));
}

bool hasIndexTable(QSqlDatabase &database) {
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                 "name = ?"));
    query.addBindValue(IndexTableName);
    return query.exec() && query.next() && query.value(0).toLongLong() > 0;
}

// "WHERE Disiplin = ? [AND Ras = ?] AND <index> IS NOT NULL" on the index table, with its values.
struct BandFilter {
    QString sql;
    QVariantList values;
};

BandFilter bandFilter(const BandRequest &request) {
    const QString column = quotedName(indexColumnOf(request.index));
    BandFilter filter{QStringLiteral(" FROM %1 WHERE %2 = ?")
                          .arg(quotedName(IndexTableName), quotedName(DisciplineColumn)),
                      {boundText(request.discipline)}};
    if (request.breed) {
        filter.sql += QStringLiteral(" AND %1 = ?").arg(quotedName(BreedColumn));
        filter.values << boundText(*request.breed);
    }
    filter.sql += QStringLiteral(" AND %1 IS NOT NULL").arg(column);
    return filter;
}

QString missingIndexRows() {
    return QStringLiteral(" FROM %1 AS m WHERE NOT EXISTS (SELECT 1 FROM %2 AS t WHERE t.%3 = "
                          "m.rowid)")
        .arg(quotedName(TableName), quotedName(IndexTableName), quotedName(IndexTestColumn));
}

} // namespace

HorseRowsResult FileStore::rowsOfHorse(const HorseKey &horse) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {{}, {}, *problem};
    HorseRowsResult result;
    {
        QStringList columns{QStringLiteral("rowid")};
        for (const QString &column : RowColumns)
            columns << quotedName(column);
        QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + whereName();
        for (const QString *column : {&BreedColumn, &StableColumn})
            if (!(column == &BreedColumn ? horse.breed : horse.stable).isEmpty())
                sql += QStringLiteral(" AND %1 = ?").arg(quotedName(*column));
        QSqlQuery query(store.database());
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            return {{}, {}, failureMessage(m_path, query.lastError())};
        bindName(query, horse.name);
        if (!horse.breed.isEmpty())
            query.addBindValue(horse.breed);
        if (!horse.stable.isEmpty())
            query.addBindValue(horse.stable);
        if (!query.exec())
            return {{}, {}, failureMessage(m_path, query.lastError())};
        while (query.next())
            result.rows.push_back(testRowFrom(query));
        if (query.lastError().isValid())
            return {{}, {}, failureMessage(m_path, query.lastError())};
    }
    QSqlQuery horses(store.database());
    horses.setForwardOnly(true);
    if (!horses.prepare(QStringLiteral("SELECT DISTINCT %1, %2")
                            .arg(asText(BreedColumn), asText(StableColumn)) +
                        whereName() + QStringLiteral(" ORDER BY 1, 2")))
        return {{}, {}, failureMessage(m_path, horses.lastError())};
    bindName(horses, horse.name);
    if (!horses.exec())
        return {{}, {}, failureMessage(m_path, horses.lastError())};
    while (horses.next())
        result.horsesOfName.push_back(
            {horse.name, horses.value(0).toString(), horses.value(1).toString()});
    return result;
}

BandResult FileStore::indexBand(const BandRequest &request) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {{}, *problem};
    // A file whose tests were never given their indices has no band yet.
    if (!hasIndexTable(store.database()))
        return {};
    const BandFilter filter = bandFilter(request);
    const QString column = quotedName(indexColumnOf(request.index));
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const auto run = [&](const QString &sql, const QVariantList &extra) {
        if (!query.prepare(sql))
            return false;
        for (const QVariant &value : filter.values + extra)
            query.addBindValue(value);
        return query.exec();
    };
    if (!run(QStringLiteral("SELECT count(*)") + filter.sql, {}) || !query.next())
        return {{}, failureMessage(m_path, query.lastError())};
    BandResult result;
    result.band.testCount = query.value(0).toLongLong();
    if (result.band.testCount < MinimumBandTests)
        return result;
    // Each percentile reads the two values of its closest ranks along the index.
    const QString ranks = QStringLiteral("SELECT %1").arg(column) + filter.sql +
                          QStringLiteral(" ORDER BY %1 LIMIT 2 OFFSET ?").arg(column);
    for (const auto &[p, into] :
         {std::pair{0.1, &result.band.p10}, std::pair{0.5, &result.band.median},
          std::pair{0.9, &result.band.p90}}) {
        const auto at = percentilePosition(result.band.testCount, p);
        if (!at || !run(ranks, {at->below}) || !query.next())
            return {{}, failureMessage(m_path, query.lastError())};
        const double low = query.value(0).toDouble();
        const double high = query.next() ? query.value(0).toDouble() : low;
        *into = betweenRanks(low, high, at->fraction);
    }
    return result;
}

IndexFillResult FileStore::fillIndices(int maxTests) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Writing, m_access))
        return {std::nullopt, *problem};
    if (store.isReadOnly())
        return {std::nullopt, QCoreApplication::translate(
                                  "Database", "The database file \"%1\" is read-only, so its "
                                              "tests cannot be given their indices.")
                                  .arg(shownName())};
    qint64 remaining = 0;
    const QSqlError error = inTransaction(store.database(), [&] {
        if (const QSqlError missing = ensureIndexTable(store.database(), fileDialect());
            missing.isValid())
            return missing;
        QSqlQuery query(store.database());
        query.setForwardOnly(true);
        const auto count = [&query](const QString &table) -> std::optional<qint64> {
            if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(table))) ||
                !query.next())
                return std::nullopt;
            return query.value(0).toLongLong();
        };
        const auto tests = count(TableName);
        const auto indexed = count(IndexTableName);
        if (!tests || !indexed)
            return query.lastError();
        // Every index row belongs to a test, so as many rows as tests means none is missing; the
        // costly search for the missing ones is made only when the counts differ.
        if (*tests == *indexed || maxTests <= 0) {
            remaining = std::max<qint64>(*tests - *indexed, 0);
            return QSqlError();
        }
        // The tests saved after the last one with indices (all of an older file's, another
        // program's latest) are found along the row ids at once; a search through the rest, only
        // the row ids along the narrowest index of mytable, finds those in between when these are
        // too few. A piece therefore costs the tests it fills, not a search through every test.
        const QString lastIndexed =
            QStringLiteral("(SELECT coalesce(max(%1), 0) FROM %2)")
                .arg(quotedName(IndexTestColumn), quotedName(IndexTableName));
        std::vector<qint64> missing;
        const auto collect = [&query, &missing](const QString &sql, qint64 limit) {
            if (!query.prepare(sql))
                return false;
            query.addBindValue(limit);
            if (!query.exec())
                return false;
            while (query.next())
                missing.push_back(query.value(0).toLongLong());
            return true;
        };
        if (!collect(QStringLiteral("SELECT rowid FROM %1 WHERE rowid > %2 ORDER BY rowid LIMIT ?")
                         .arg(quotedName(TableName), lastIndexed),
                     maxTests))
            return query.lastError();
        bool searchedAll = false;
        if (const qint64 wanted = maxTests - qint64(missing.size()); wanted > 0) {
            const qsizetype before = qsizetype(missing.size());
            if (!collect(QStringLiteral("SELECT m.rowid") + missingIndexRows() +
                             QStringLiteral(" AND m.rowid <= %1 LIMIT ?").arg(lastIndexed),
                         wanted))
                return query.lastError();
            searchedAll = qsizetype(missing.size()) - before < wanted;
        }
        QSqlQuery read(store.database());
        read.setForwardOnly(true);
        QSqlQuery insert(store.database());
        if (!read.prepare(QStringLiteral("SELECT %1, %2, %3 FROM %4 WHERE rowid = ?")
                              .arg(asText(DisciplineColumn), asText(BreedColumn),
                                   asText(QStringLiteral("Data")), quotedName(TableName))) ||
            !insert.prepare(insertIndexRowSql(fileDialect(), QStringLiteral("OR IGNORE"))))
            return read.lastError().isValid() ? read.lastError() : insert.lastError();
        for (const qint64 rowId : missing) {
            read.addBindValue(rowId);
            if (!read.exec() || !read.next())
                return read.lastError();
            const QString discipline = read.value(0).toString();
            const QString breed = read.value(1).toString();
            const QString stepData = read.value(2).toString();
            read.finish();
            if (const QSqlError failed = writeIndexRow(insert, rowId, discipline, breed, stepData);
                failed.isValid())
                return failed;
        }
        if (searchedAll) {
            // The search went through every test: none is left. Index rows of tests that another
            // program erased are dropped, so that the counts agree again.
            if (*indexed + qint64(missing.size()) != *tests &&
                !query.exec(QStringLiteral("DELETE FROM %1 WHERE NOT EXISTS (SELECT 1 FROM %2 "
                                           "WHERE rowid = %3)")
                                .arg(quotedName(IndexTableName), quotedName(TableName),
                                     quotedName(IndexTestColumn))))
                return query.lastError();
            remaining = 0;
        } else {
            // Index rows of erased tests would make this too small: more may follow.
            remaining = std::max<qint64>(*tests - *indexed - qint64(missing.size()), 1);
        }
        return QSqlError();
    });
    if (error.isValid())
        return {std::nullopt, failureMessage(m_path, error)};
    return {remaining, {}};
}

} // namespace kavren
