#include "io/database/file_store.h"

#include "io/database/index_table.h"
#include "io/database/sql_rows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>

#include <optional>

namespace kavren {

namespace {

QString rowColumnsSql() {
    QStringList columns{QStringLiteral("rowid")};
    for (const QString &column : RowColumns)
        columns << quotedName(column);
    return columns.join(QStringLiteral(", "));
}

// A value stored as text matches the bound bytes taken as text; one stored as bytes (a BLOB)
// matches them as they are. Both compare byte for byte, whatever the encoding of the bytes.
QString whereStoredValue(const QString &searchField) {
    return QStringLiteral(" FROM %1 WHERE (%2 = CAST(? AS TEXT) OR %2 = ?)")
        .arg(quotedName(TableName), quotedName(searchField));
}

void bindStoredValue(QSqlQuery &query, const QByteArray &storedValue) {
    // A null QByteArray would be bound as NULL, which matches nothing.
    const QByteArray bytes = storedValue.isNull() ? QByteArray("") : storedValue;
    query.addBindValue(bytes);
    query.addBindValue(bytes);
}

// Indexes are only an aid to searching: a file that may not be written goes without them.
// Returns the damage of a file cut short, which reads must report.
std::optional<QString> addIndexesWhereWritable(ScopedDatabase &store, const QString &path) {
    auto damage = damageToRead(store.database(), path);
    if (!store.isReadOnly() && !damage)
        addMissingIndexes(store);
    return damage;
}

// In a file cut short the rows of its cut page read as zeros: a text holding a NUL character is
// such a row, never a test.
bool readAsZeros(const QString &text) {
    return text.contains(QChar(u'\0'));
}

// The same for a search: a row holding a NUL byte in any column is left out of its result.
QString noZerosInAnyColumn() {
    QStringList conditions;
    for (const QString &column : TableColumns)
        conditions << QStringLiteral("COALESCE(instr(CAST(%1 AS BLOB), x'00'), 0) = 0")
                          .arg(quotedName(column));
    return u'(' + conditions.join(QStringLiteral(" AND ")) + u')';
}

bool readAsZeros(const TestRow &row) {
    for (const QString *text :
         {&row.name, &row.testDate, &row.breed, &row.age, &row.sex, &row.discipline,
          &row.pictureName, &row.stepData, &row.comments, &row.maxHr, &row.stable, &row.trainer})
        if (readAsZeros(*text))
            return true;
    return false;
}

// Whether the row still holds the name and date it was listed with, read the way the search
// read them.
bool stillAsListed(QSqlQuery &check, const ListedTest &test) {
    check.addBindValue(test.rowId);
    if (!check.exec() || !check.next())
        return false;
    const bool same =
        check.value(0).toString() == test.name && check.value(1).toString() == test.testDate;
    check.finish();
    return same;
}

// The tests of a search, read from the file a page at a time; the file stays open until the
// last page is read or the reader is dropped.
class FileTestReader : public TestReader {
public:
    FileTestReader(const QString &path, FileAccess access, const QString &searchField,
                   const QByteArray &storedValue)
        : m_path(path), m_store(std::make_unique<ScopedDatabase>()) {
        if (const auto problem = openForOperation(*m_store, path, Purpose::Reading, access)) {
            m_error = *problem;
            m_store.reset();
            return;
        }
        m_damage = damageToRead(m_store->database(), path);
        QSqlQuery &query = m_query.emplace(m_store->database());
        query.setForwardOnly(true);
        QString sql =
            QStringLiteral("SELECT rowid, %1, %2")
                .arg(quotedName(QStringLiteral("Namn")), quotedName(QStringLiteral("Datum"))) +
            whereStoredValue(searchField);
        if (m_damage)
            sql += QStringLiteral(" AND ") + noZerosInAnyColumn();
        bool started = query.prepare(sql);
        if (started) {
            bindStoredValue(query, storedValue);
            started = query.exec();
        }
        if (!started) {
            m_error = failureMessage(path, query.lastError());
            release();
        }
    }

    bool readMore(int rows, std::vector<ListedTest> &into) override {
        if (!m_query)
            return false;
        for (int read = 0; read < rows; ++read) {
            if (!m_query->next()) {
                if (m_query->lastError().isValid())
                    m_error = failureMessage(m_path, m_query->lastError());
                release(); // done: the file is released at once
                return false;
            }
            into.push_back(listedTestFrom(*m_query));
        }
        return true;
    }
    QString error() const override {
        return m_error.isEmpty() ? m_damage.value_or(QString()) : m_error;
    }

private:
    void release() {
        m_query.reset();
        m_store.reset();
    }

    QString m_path;
    std::unique_ptr<ScopedDatabase> m_store; // declared first: closed after the query
    std::optional<QSqlQuery> m_query;
    QString m_error;
    std::optional<QString> m_damage; // the file was cut short: only what reads whole is listed
};

} // namespace

FileStore::FileStore(const QString &path, FileAccess access) : m_path(path), m_access(access) {}

QString FileStore::shownName() const {
    return shownPath(m_path);
}

CreateResult FileStore::create() {
    if (QFileInfo(m_path).isFile())
        return {CreateOutcome::AlreadyExists, m_path, {}};
    if (QFileInfo::exists(m_path))
        return {CreateOutcome::Failed,
                {},
                QCoreApplication::translate(
                    "Database", "\"%1\" is a folder, so no database can be created there.")
                    .arg(shownPath(m_path))};
    if (const auto failure = createEmptyDatabase(m_path))
        return {CreateOutcome::Failed, {}, *failure};
    return {CreateOutcome::Created, m_path, {}};
}

std::optional<QString> FileStore::prepareForUse() {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return problem;
    addIndexesWhereWritable(store, m_path);
    return std::nullopt;
}

std::optional<QString> FileStore::layoutProblem() {
    return problemWithDatabase(m_path);
}

ValuesResult FileStore::listValues(const QString &searchField) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {{}, {}, *problem};
    const auto damage = addIndexesWhereWritable(store, m_path);

    ValuesResult result;
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const QString column = quotedName(searchField);
    // Grouped by the column, so that SQLite reads the values in order from the column's index;
    // the stored bytes are one per value, as text and bytes never group together. Each value is
    // read once, as its bytes, and shown as their UTF-8 text (bytes of another encoding show with
    // replacement characters).
    const QString sql = QStringLiteral("SELECT CAST(%1 AS BLOB) FROM %2 GROUP BY %1 ORDER BY %1")
                            .arg(column, quotedName(TableName));
    if (!query.exec(sql))
        return {{}, {}, failureMessage(m_path, query.lastError())};
    while (query.next())
        if (!query.isNull(0)) {
            QByteArray stored = query.value(0).toByteArray();
            QString value = QString::fromUtf8(stored);
            if (damage && readAsZeros(value))
                continue;
            result.values << std::move(value);
            result.storedValues << std::move(stored);
        }
    if (query.lastError().isValid())
        result.error = failureMessage(m_path, query.lastError());
    else if (damage)
        result.error = *damage;
    if (!result.values.isEmpty() && result.values.last().isEmpty()) {
        result.values.clear();
        result.storedValues.clear();
    }
    return result;
}

SearchResult FileStore::searchRows(const QString &searchField, const QByteArray &storedValue) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {{}, *problem};
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT ") + rowColumnsSql() + whereStoredValue(searchField)))
        return {{}, failureMessage(m_path, query.lastError())};
    bindStoredValue(query, storedValue);
    if (!query.exec())
        return {{}, failureMessage(m_path, query.lastError())};
    const auto damage = damageToRead(store.database(), m_path);
    SearchResult result;
    while (query.next()) {
        TestRow row = testRowFrom(query);
        if (!damage || !readAsZeros(row))
            result.rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        result.error = failureMessage(m_path, query.lastError());
    else if (damage)
        result.error = *damage;
    return result;
}

std::unique_ptr<TestReader> FileStore::readTests(const QString &searchField,
                                                 const QByteArray &storedValue) {
    return std::make_unique<FileTestReader>(m_path, m_access, searchField, storedValue);
}

LoadedRow FileStore::readRow(qint64 rowId) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {std::nullopt, *problem};
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                           .arg(rowColumnsSql(), quotedName(TableName))))
        return {std::nullopt, failureMessage(m_path, query.lastError())};
    query.addBindValue(rowId);
    if (!query.exec())
        return {std::nullopt, failureMessage(m_path, query.lastError())};
    if (!query.next())
        return {std::nullopt, testGoneMessage(shownName())};
    TestRow row = testRowFrom(query);
    if (readAsZeros(row))
        if (const auto damage = damageToRead(store.database(), m_path))
            return {std::nullopt, *damage};
    return {std::move(row), {}};
}

std::optional<QString> FileStore::appendRows(const std::vector<StoredRow> &rows) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Writing, m_access))
        return problem;
    // Each test with its index row: a row id that an erased test had gets its own indices.
    const QSqlError error = inTransaction(store.database(), [&] {
        if (const QSqlError missing = ensureIndexTable(store.database(), fileDialect());
            missing.isValid())
            return missing;
        QSqlQuery insert(store.database());
        QSqlQuery indices(store.database());
        if (!insert.prepare(insertRowSql(quotedName(TableName), quotedName)))
            return insert.lastError();
        if (!indices.prepare(insertIndexRowSql(fileDialect(), QStringLiteral("OR REPLACE"))))
            return indices.lastError();
        for (const StoredRow &row : rows) {
            bindRow(insert, row, EmptyMoment::Text);
            if (!insert.exec())
                return insert.lastError();
            if (const QSqlError failed = writeIndexRow(indices, insert.lastInsertId(),
                                                       row.discipline, row.breed, row.stepData);
                failed.isValid())
                return failed;
        }
        return QSqlError();
    });
    if (!error.isValid())
        return std::nullopt;
    return failureMessage(m_path, error);
}

EraseResult FileStore::eraseRows(const std::vector<ListedTest> &selected) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Writing, m_access))
        return {0, *problem};
    int erased = 0;
    const QSqlError error = inTransaction(store.database(), [&] {
        if (const QSqlError missing = ensureIndexTable(store.database(), fileDialect());
            missing.isValid())
            return missing;
        QSqlQuery check(store.database());
        QSqlQuery erase(store.database());
        QSqlQuery eraseIndices(store.database());
        check.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE rowid = ?")
                          .arg(quotedName(QStringLiteral("Namn")),
                               quotedName(QStringLiteral("Datum")), quotedName(TableName)));
        erase.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(TableName)));
        eraseIndices.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                 .arg(quotedName(IndexTableName), quotedName(IndexTestColumn)));
        for (const ListedTest &test : selected) {
            if (!stillAsListed(check, test)) {
                if (check.lastError().isValid())
                    return check.lastError();
                continue;
            }
            erase.addBindValue(test.rowId);
            if (!erase.exec())
                return erase.lastError();
            erased += erase.numRowsAffected();
            eraseIndices.addBindValue(test.rowId);
            if (!eraseIndices.exec())
                return eraseIndices.lastError();
        }
        return QSqlError();
    });
    if (!error.isValid())
        return {erased, {}};
    return {0, failureMessage(m_path, error)};
}

AllRowsResult FileStore::allRows() {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Reading, m_access))
        return {{}, *problem};
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << QStringLiteral("COALESCE(CAST(%1 AS TEXT), '')").arg(quotedName(column));
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                        .arg(columns.join(QStringLiteral(", ")), quotedName(TableName))))
        return {{}, failureMessage(m_path, query.lastError())};
    // A copy of a file cut short would carry the rows of its cut page as tests.
    if (isCutShort(store.database(), m_path))
        return {{},
                QCoreApplication::translate(
                    "Database", "The database file \"%1\" is damaged (it is shorter than it should "
                                "be), so its tests are not copied.")
                    .arg(shownName())};
    AllRowsResult result;
    while (query.next())
        result.rows.push_back(storedRowFrom(query));
    return result;
}

CountResult FileStore::testCount() {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, m_path, Purpose::Writing, m_access))
        return {std::nullopt, *problem};
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(TableName))) ||
        !query.next())
        return {std::nullopt, failureMessage(m_path, query.lastError())};
    return {query.value(0).toLongLong(), {}};
}

} // namespace kavren
