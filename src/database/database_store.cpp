#include "database/database_store.h"

#include "database/database_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace kavren {

namespace {

// SQLite result codes that the messages tell apart (the low byte of an extended code).
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteFull = 13;
constexpr int SqliteNotADatabase = 26;

// Another program writing the file holds its lock only briefly; wait that long before giving up.
constexpr int BusyTimeoutMs = 1000;

QString nextConnectionName() {
    static std::atomic<unsigned long long> counter{0};
    return QStringLiteral("kavren-database-%1").arg(++counter);
}

int resultCodeOf(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString indexNameOf(const QString &column) {
    return QStringLiteral("mytable_by_") + column.toLower();
}

QString createTableSql() {
    QStringList columns;
    for (const QString &column : TableColumns)
        columns << quotedName(column) + (column == QLatin1String("Datum")
                                             ? QStringLiteral(" DATETIME")
                                             : QStringLiteral(" TEXT"));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(quotedName(CreatedTableName), columns.join(QStringLiteral(", ")));
}

QString createIndexSql(const QString &column) {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(quotedName(indexNameOf(column)), quotedName(TableName), quotedName(column));
}

// The message for an engine error met while reading the file's own layout.
QString messageForReadError(const QString &path, const QSqlError &error) {
    const QString where = shownPath(path);
    switch (resultCodeOf(error)) {
    case SqliteNotADatabase:
        return QStringLiteral("The file \"%1\" is not a database of this program.").arg(where);
    case SqliteCorrupt:
        return QStringLiteral("The database file \"%1\" is damaged.").arg(where);
    case SqliteBusy:
    case SqliteLocked:
        return QStringLiteral("The database file \"%1\" is locked by another program.").arg(where);
    default:
        return QStringLiteral("The database file \"%1\" cannot be read: %2")
            .arg(where, error.text());
    }
}

// The columns of mytable that the file lacks.
std::optional<QStringList> missingColumns(QSqlDatabase &database, QSqlError *error) {
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(TableName)))) {
        *error = query.lastError();
        return std::nullopt;
    }
    QStringList present;
    while (query.next())
        present << query.value(1).toString();
    QStringList missing;
    for (const QString &column : TableColumns)
        if (!present.contains(column, Qt::CaseInsensitive))
            missing << column;
    return missing;
}

std::optional<QString> problemWithLayout(const QString &path) {
    ScopedDatabase store(path, Access::ReadOnly);
    if (!store.isOpen())
        return QStringLiteral("The database file \"%1\" cannot be opened: %2")
            .arg(shownPath(path), store.errorText());
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                   "AND name = 'mytable' COLLATE NOCASE")))
        return messageForReadError(path, query.lastError());
    if (!query.next())
        return QStringLiteral("The file \"%1\" holds no table mytable, so it is not a database "
                              "of this program.")
            .arg(shownPath(path));
    query.finish();
    QSqlError error;
    const auto missing = missingColumns(store.database(), &error);
    if (!missing)
        return messageForReadError(path, error);
    if (!missing->isEmpty())
        return QStringLiteral("The table mytable in \"%1\" lacks the column %2.")
            .arg(shownPath(path), missing->join(QStringLiteral(", ")));
    return std::nullopt;
}

// The names of the file's indexes; nothing when the file cannot be read or holds no mytable, so
// that indexes are only ever added to a database of ours.
std::optional<QStringList> existingIndexNames(const QString &path) {
    ScopedDatabase store(path, Access::ReadOnly);
    if (!store.isOpen())
        return std::nullopt;
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT type, name FROM sqlite_master WHERE type = 'index' "
                                   "OR (type = 'table' AND name = 'mytable' COLLATE NOCASE)")))
        return std::nullopt;
    QStringList names;
    bool tableFound = false;
    while (query.next()) {
        if (query.value(0).toString() == QLatin1String("table"))
            tableFound = true;
        else
            names << query.value(1).toString();
    }
    if (!tableFound)
        return std::nullopt;
    return names;
}

void removeLeftovers(const QString &path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

ScopedDatabase::ScopedDatabase(const QString &path, Access access)
    : m_connectionName(nextConnectionName()) {
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_database.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_database.setConnectOptions(options);
    m_database.open();
}

ScopedDatabase::~ScopedDatabase() {
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString ScopedDatabase::errorText() const {
    return m_database.lastError().text();
}

QString shownPath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

QString boundText(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString quotedName(const QString &name) {
    // Back quotes, not double quotes: SQLite takes a double-quoted name that matches no column as
    // a text, so a table lacking a column would compare and list the column's name instead of
    // failing.
    return u'`' + QString(name).replace(u'`', QStringLiteral("``")) + u'`';
}

std::optional<QString> problemWithDatabase(const QString &path) {
    if (path.trimmed().isEmpty())
        return QStringLiteral("No database file is chosen.");
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("The database file \"%1\" does not exist.").arg(shownPath(path));
    if (file.isDir())
        return QStringLiteral("\"%1\" is a folder, not a database file.").arg(shownPath(path));
    if (!file.isReadable())
        return QStringLiteral("The database file \"%1\" cannot be read.").arg(shownPath(path));
    return problemWithLayout(path);
}

QString failureMessage(const QString &path, const QSqlError &error) {
    if (const auto problem = problemWithDatabase(path))
        return *problem;
    const QString where = shownPath(path);
    switch (resultCodeOf(error)) {
    case SqliteReadOnly:
        return QStringLiteral("The database file \"%1\" is read-only.").arg(where);
    case SqliteBusy:
    case SqliteLocked:
        return QStringLiteral("The database file \"%1\" is locked by another program.").arg(where);
    case SqliteFull:
        return QStringLiteral("The disk that holds \"%1\" is full.").arg(where);
    default:
        return QStringLiteral("The database file \"%1\" could not be used: %2")
            .arg(where, error.text());
    }
}

std::optional<QString> ensureDatabaseFile(const QString &path) {
    if (QFileInfo::exists(path))
        return std::nullopt;
    if (splitAtLastSeparator(path).fileName == DefaultDatabaseName)
        return createEmptyDatabase(path);
    return problemWithDatabase(path);
}

std::optional<QString> createEmptyDatabase(const QString &path) {
    if (QFileInfo::exists(path))
        return QStringLiteral("The file \"%1\" already exists.").arg(shownPath(path));
    std::optional<QString> failure;
    {
        ScopedDatabase store(path, Access::ReadWrite);
        if (!store.isOpen()) {
            failure = store.errorText();
        } else {
            QSqlDatabase &database = store.database();
            QSqlQuery query(database);
            bool ok = database.transaction() && query.exec(createTableSql());
            for (const QString &column : SearchColumns)
                ok = ok && query.exec(createIndexSql(column));
            if (!ok)
                failure = query.lastError().isValid() ? query.lastError().text()
                                                      : database.lastError().text();
            ok = ok && database.commit();
            if (!ok && !failure)
                failure = database.lastError().text();
            if (!ok)
                database.rollback();
        }
    }
    if (!failure)
        return std::nullopt;
    removeLeftovers(path);
    return QStringLiteral("The database \"%1\" could not be created: %2")
        .arg(shownPath(path), *failure);
}

void addMissingIndexes(const QString &path) {
    if (!QFileInfo(path).isWritable())
        return;
    const auto existing = existingIndexNames(path);
    if (!existing)
        return;
    QStringList missing;
    for (const QString &column : SearchColumns)
        if (!existing->contains(indexNameOf(column), Qt::CaseInsensitive))
            missing << column;
    if (missing.isEmpty())
        return;
    ScopedDatabase store(path, Access::ReadWrite);
    if (!store.isOpen() || !store.database().transaction())
        return;
    bool ok = true;
    {
        QSqlQuery query(store.database());
        for (const QString &column : missing)
            ok = ok && query.exec(createIndexSql(column));
    }
    if (!ok || !store.database().commit())
        store.database().rollback();
}

} // namespace kavren
