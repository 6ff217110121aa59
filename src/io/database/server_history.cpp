// A database server's side of a horse's history: the horse's rows, the band of an index by the
// server's own percentile function over the index table, and the filling of that table for tests
// stored without it.
#include "io/database/server_store.h"

#include "io/database/database_store.h"
#include "io/database/index_table.h"
#include "io/database/sql_rows.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace kavren {

namespace {

QString readingHistory() {
    return QCoreApplication::translate("Database", "while the history of the horse was being read");
}
QString computingBand() {
    return QCoreApplication::translate("Database", "while the reference band was being computed");
}
QString fillingIndices() {
    return QCoreApplication::translate("Database",
                                       "while the indices of the tests were being stored");
}

QString asText(const QString &column) {
    return QStringLiteral("COALESCE(%1, '')").arg(serverColumnName(column));
}

QString missingIndexRows() {
    return QStringLiteral(" FROM %1 AS m WHERE NOT EXISTS (SELECT 1 FROM %2 AS t WHERE t.%3 = "
                          "m.%4)")
        .arg(TableName, IndexTableName, serverColumnName(IndexTestColumn), ServerKeyColumn);
}

} // namespace

const IndexTableDialect &serverDialect() {
    static const IndexTableDialect dialect{
        serverColumnName,
        QStringLiteral("bigint PRIMARY KEY REFERENCES %1 (%2) ON DELETE CASCADE")
            .arg(TableName, ServerKeyColumn),
        QStringLiteral("text COLLATE \"C\""), QStringLiteral("double precision")};
    return dialect;
}

std::optional<QString> ensureServerIndexTable(ServerSession &session) {
    // Asked first, so that a database that has the table takes no lock for it.
    QSqlQuery query(session.database());
    const bool prepared = query.prepare(QStringLiteral("SELECT to_regclass(?) IS NOT NULL"));
    query.addBindValue(lastIndexOfIndexTable());
    if (!prepared || !query.exec() || !query.next())
        return session.failure(query.lastError(), fillingIndices());
    if (query.value(0).toBool())
        return std::nullopt;
    const QSqlError error = inTransaction(
        session.database(), [&] { return ensureIndexTable(session.database(), serverDialect()); });
    if (!error.isValid())
        return std::nullopt;
    return session.failure(error, QStringLiteral("while the table of the tests' indices was "
                                                 "being made"));
}

bool mayWriteIndices(ServerSession &session) {
    if (ensureServerIndexTable(session))
        return false;
    QSqlQuery query(session.database());
    const bool prepared = query.prepare(QStringLiteral("SELECT has_table_privilege(?, 'INSERT')"));
    query.addBindValue(IndexTableName);
    return prepared && query.exec() && query.next() && query.value(0).toBool();
}

HorseRowsResult ServerStore::rowsOfHorse(const HorseKey &horse) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, {}, session.problem()};
    HorseRowsResult result;
    {
        QStringList columns{ServerKeyColumn};
        for (const QString &column : RowColumns)
            columns << serverReadColumn(column);
        QString sql =
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                .arg(columns.join(QStringLiteral(", ")), TableName, serverColumnName(NameColumn));
        if (!horse.breed.isEmpty())
            sql += QStringLiteral(" AND %1 = ?").arg(serverColumnName(BreedColumn));
        if (!horse.stable.isEmpty())
            sql += QStringLiteral(" AND %1 = ?").arg(serverColumnName(StableColumn));
        QSqlQuery query(session.database());
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            return {{}, {}, session.failure(query.lastError(), readingHistory())};
        query.addBindValue(boundText(horse.name));
        if (!horse.breed.isEmpty())
            query.addBindValue(horse.breed);
        if (!horse.stable.isEmpty())
            query.addBindValue(horse.stable);
        if (!query.exec())
            return {{}, {}, session.failure(query.lastError(), readingHistory())};
        while (query.next())
            result.rows.push_back(testRowFrom(query));
    }
    QSqlQuery horses(session.database());
    horses.setForwardOnly(true);
    if (!horses.prepare(QStringLiteral("SELECT DISTINCT %1, %2 FROM %3 WHERE %4 = ? ORDER BY 1, 2")
                            .arg(asText(BreedColumn), asText(StableColumn), TableName,
                                 serverColumnName(NameColumn))))
        return {{}, {}, session.failure(horses.lastError(), readingHistory())};
    horses.addBindValue(boundText(horse.name));
    if (!horses.exec())
        return {{}, {}, session.failure(horses.lastError(), readingHistory())};
    while (horses.next())
        result.horsesOfName.push_back(
            {horse.name, horses.value(0).toString(), horses.value(1).toString()});
    return result;
}

BandResult ServerStore::indexBand(const BandRequest &request) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {{}, session.problem()};
    if (const auto problem = ensureServerIndexTable(session))
        return {{}, *problem};
    const QString column = serverColumnName(indexColumnOf(request.index));
    // percentile_cont interpolates between the closest ranks at p·(n − 1), as a file's band does.
    QString sql = QStringLiteral("SELECT n, p[1], p[2], p[3] FROM (SELECT count(*) AS n, "
                                 "percentile_cont(ARRAY[0.1, 0.5, 0.9]) WITHIN GROUP (ORDER BY "
                                 "%1) AS p FROM %2 WHERE %3 = ?")
                      .arg(column, IndexTableName, serverColumnName(DisciplineColumn));
    if (request.breed)
        sql += QStringLiteral(" AND %1 = ?").arg(serverColumnName(BreedColumn));
    sql += QStringLiteral(" AND %1 IS NOT NULL) AS band").arg(column);
    QSqlQuery query(session.database());
    if (!query.prepare(sql))
        return {{}, session.failure(query.lastError(), computingBand())};
    query.addBindValue(boundText(request.discipline));
    if (request.breed)
        query.addBindValue(boundText(*request.breed));
    if (!query.exec() || !query.next())
        return {{}, session.failure(query.lastError(), computingBand())};
    BandResult result;
    result.band.testCount = query.value(0).toLongLong();
    if (result.band.testCount < MinimumBandTests)
        return result;
    const auto percentile = [&query](int at) -> std::optional<double> {
        if (query.isNull(at))
            return std::nullopt;
        return query.value(at).toDouble();
    };
    result.band.p10 = percentile(1);
    result.band.median = percentile(2);
    result.band.p90 = percentile(3);
    return result;
}

IndexFillResult ServerStore::fillIndices(int maxTests) {
    ServerSession session(m_address);
    if (!session.isOpen())
        return {std::nullopt, session.problem()};
    if (const auto problem = ensureServerIndexTable(session))
        return {std::nullopt, *problem};
    qint64 remaining = 0;
    const QSqlError error = inTransaction(session.database(), [&] {
        QSqlQuery query(session.database());
        query.setForwardOnly(true);
        if (!query.prepare(QStringLiteral("SELECT m.%1, %2, %3, %4")
                               .arg(ServerKeyColumn, asText(DisciplineColumn), asText(BreedColumn),
                                    asText(QStringLiteral("Data"))) +
                           missingIndexRows() +
                           QStringLiteral(" ORDER BY m.%1 LIMIT ?").arg(ServerKeyColumn)))
            return query.lastError();
        query.addBindValue(std::max(maxTests, 0));
        if (!query.exec())
            return query.lastError();
        struct Missing {
            qint64 key;
            QString discipline, breed, stepData;
        };
        std::vector<Missing> missing;
        while (query.next())
            missing.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                               query.value(2).toString(), query.value(3).toString()});
        // Another desktop filling the same tests meanwhile leaves its rows as they are.
        QSqlQuery insert(session.database());
        if (!insert.prepare(
                insertIndexRowSql(serverDialect(), {}, QStringLiteral("ON CONFLICT DO NOTHING"))))
            return insert.lastError();
        for (const Missing &test : missing)
            if (const QSqlError failed =
                    writeIndexRow(insert, test.key, test.discipline, test.breed, test.stepData);
                failed.isValid())
                return failed;
        if (!query.exec(QStringLiteral("SELECT count(*)") + missingIndexRows()) || !query.next())
            return query.lastError();
        remaining = query.value(0).toLongLong();
        return QSqlError();
    });
    if (error.isValid())
        return {std::nullopt, session.failure(error, fillingIndices())};
    return {remaining, {}};
}

} // namespace kavren
