#include "io/database/database_store.h"

#include "io/database/database_location.h"
#include "io/database/index_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>

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

// The file as an SQLite URI whose mode says whether it may be written and whether a missing file
// is created; a plain file name would always be created when missing. The path goes in with an
// empty authority ("file:///C:/x", "file:////server/share/x"), its "?", "#", "%" and other
// characters escaped.
QString uriOf(const QString &path, Access access) {
    const char *mode = access == Access::ReadOnly ? "ro" : access == Access::Create ? "rwc" : "rw";
    QString absolute = QFileInfo(path).absoluteFilePath();
    if (!absolute.startsWith(u'/'))
        absolute.prepend(u'/');
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(absolute, QByteArrayLiteral("/:"))) +
           QStringLiteral("?mode=") + QLatin1String(mode);
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
        return QCoreApplication::translate("Database",
                                           "The file \"%1\" is not a database of this program.")
            .arg(where);
    case SqliteCorrupt:
        return QCoreApplication::translate("Database", "The database file \"%1\" is damaged.")
            .arg(where);
    case SqliteBusy:
    case SqliteLocked:
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" is locked by another program.")
            .arg(where);
    default:
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" cannot be read: %2")
            .arg(where, error.text());
    }
}

QString noTableMessage(const QString &path) {
    return QCoreApplication::translate(
               "Database", "The file \"%1\" holds no table mytable, so it is not a database of "
                           "this program.")
        .arg(shownPath(path));
}

// The empty table and its indexes, in one transaction on an open file.
std::optional<QString> createTable(QSqlDatabase &database) {
    if (!database.transaction())
        return database.lastError().text();
    QString failure;
    {
        QSqlQuery query(database);
        bool ok = query.exec(createTableSql());
        for (const QString &column : SearchColumns)
            ok = ok && query.exec(createIndexSql(column));
        if (!ok)
            failure = query.lastError().text();
        else if (const QSqlError error = ensureIndexTable(database, fileDialect()); error.isValid())
            failure = error.text();
    }
    if (failure.isEmpty() && database.commit())
        return std::nullopt;
    if (failure.isEmpty())
        failure = database.lastError().text();
    database.rollback();
    return failure;
}

// Whether the file holds no table at all (a file that was never given its table); nothing when it
// cannot be read.
std::optional<bool> holdsNoTable(QSqlDatabase &database, QSqlError *error) {
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'")) ||
        !query.next()) {
        *error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toLongLong() == 0;
}

// Which columns mytable has, in order; empty when the file has no such table. This is the first
// read of an operation, so it is also where SQLite rolls back a hot journal.
std::optional<QStringList> columnsOfTable(QSqlDatabase &database, QSqlError *error) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(TableName)))) {
        *error = query.lastError();
        return std::nullopt;
    }
    QStringList columns;
    while (query.next())
        columns << query.value(1).toString();
    return columns;
}

std::optional<QString> problemWithColumns(const QString &path, const QStringList &columns) {
    QStringList missing;
    for (const QString &column : TableColumns)
        if (!columns.contains(column, Qt::CaseInsensitive))
            missing << column;
    if (!missing.isEmpty())
        return QCoreApplication::translate(
                   "Database", "The table mytable in \"%1\" lacks the column %2, so it is not a "
                               "database of this program.")
            .arg(shownPath(path), missing.join(QStringLiteral(", ")));
    bool inOrder = columns.size() == TableColumns.size();
    for (qsizetype i = 0; inOrder && i < columns.size(); ++i)
        inOrder = columns[i].compare(TableColumns[i], Qt::CaseInsensitive) == 0;
    if (!inOrder)
        return QCoreApplication::translate(
                   "Database", "The table mytable in \"%1\" does not hold exactly the columns %2 "
                               "in this order, so it is not a database of this program.")
            .arg(shownPath(path), TableColumns.join(QStringLiteral(", ")));
    return std::nullopt;
}

// The layout check every operation makes before it reads or writes. A file without any table
// gets the empty table when the open may write.
std::optional<QString> checkLayout(ScopedDatabase &store, const QString &path, bool mayCreate) {
    QSqlError error;
    const auto columns = columnsOfTable(store.database(), &error);
    if (!columns)
        return messageForReadError(path, error);
    if (!columns->isEmpty())
        return problemWithColumns(path, *columns);
    const auto empty = holdsNoTable(store.database(), &error);
    if (!empty)
        return messageForReadError(path, error);
    if (!*empty || !mayCreate || store.isReadOnly())
        return noTableMessage(path);
    if (const auto failure = createTable(store.database()))
        return QCoreApplication::translate("Database",
                                           "The table mytable could not be added to \"%1\": %2")
            .arg(shownPath(path), *failure);
    return std::nullopt;
}

qint64 pragmaValue(QSqlDatabase &database, const QString &pragma) {
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA ") + pragma) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

QString temporaryPathBeside(const QString &path) {
    const QFileInfo target(path);
    return target.dir().filePath(
        QStringLiteral(".%1.%2.new")
            .arg(target.fileName())
            .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
}

void removeWithJournal(const QString &path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Whether the name is that of a temporary file made while creating the database of that name:
// "." + its name + "." + sixteen hexadecimal digits + ".new", perhaps with "-journal".
bool isTemporaryNameOf(const QString &candidate, const QString &fileName) {
    QStringView rest(candidate);
    if (rest.endsWith(QLatin1String("-journal")))
        rest.chop(8);
    const QString prefix = u'.' + fileName + u'.';
    if (!rest.startsWith(prefix) || !rest.endsWith(QLatin1String(".new")))
        return false;
    const QStringView digits = rest.sliced(prefix.size(), rest.size() - prefix.size() - 4);
    return digits.size() == 16 && std::all_of(digits.begin(), digits.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

// An empty file (0 bytes) becomes a database the way a new one does: the table is made in a
// temporary file that then takes the empty file's place, so a crash never leaves it half written.
std::optional<QString> replaceEmptyFile(const QString &path) {
    const QString temporary = temporaryPathBeside(path);
    std::optional<QString> failure;
    {
        ScopedDatabase store(temporary, Access::Create);
        failure = store.isOpen() ? createTable(store.database()) : store.errorText();
    }
    if (!failure && QFileInfo(path).size() != 0)
        failure = QCoreApplication::translate("Database",
                                              "the file was written by another program meanwhile");
    if (!failure) {
        std::error_code error;
        std::filesystem::rename(QFileInfo(temporary).filesystemAbsoluteFilePath(),
                                QFileInfo(path).filesystemAbsoluteFilePath(), error);
        if (error)
            failure = QString::fromLocal8Bit(error.message());
    }
    removeWithJournal(temporary);
    if (!failure)
        return std::nullopt;
    return QCoreApplication::translate("Database",
                                       "The empty file \"%1\" could not be made a database: %2")
        .arg(shownPath(path), *failure);
}

// Opens the file for the operation; an empty file that may be written is first made a database
// through a temporary file. Its first read also rolls back what a crash left in a journal, so a
// file is only taken as empty once that is done.
bool openReplacingEmptyFile(ScopedDatabase &store, const QString &path, Access access,
                            std::optional<QString> &failure) {
    if (!store.open(path, access))
        return false;
    if (store.isReadOnly() || QFileInfo(path).size() != 0)
        return true;
    QSqlError error;
    const auto noTable = holdsNoTable(store.database(), &error);
    if (!noTable || !*noTable || QFileInfo(path).size() != 0)
        return true;
    store.close();
    failure = replaceEmptyFile(path);
    return failure || store.open(path, access);
}

} // namespace

ScopedDatabase::ScopedDatabase(const QString &path, Access access) {
    open(path, access);
}

ScopedDatabase::~ScopedDatabase() {
    release();
}

void ScopedDatabase::release() {
    if (m_connectionName.isEmpty())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

void ScopedDatabase::close() {
    release();
}

bool ScopedDatabase::open(const QString &path, Access access) {
    release();
    if (access == Access::Reading)
        access = QFileInfo(path).isWritable() ? Access::ReadWrite : Access::ReadOnly;
    m_readOnly = access == Access::ReadOnly;
    m_connectionName = nextConnectionName();
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_database.setDatabaseName(uriOf(path, access));
    m_database.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(BusyTimeoutMs));
    return m_database.open();
}

QString ScopedDatabase::errorText() const {
    return m_database.lastError().text();
}

// A file cut short (by a copy that did not finish, a full disk) still reads up to its cut, and
// SQLite does not notice a cut inside the last page; writing into it garbles rows. Its size must
// be whole pages and at least what the header counts.
bool isCutShort(QSqlDatabase &database, const QString &path) {
    const qint64 pageCount = pragmaValue(database, QStringLiteral("page_count"));
    const qint64 pageSize = pragmaValue(database, QStringLiteral("page_size"));
    const qint64 size = QFileInfo(path).size();
    return !(pageCount >= 0 && pageSize > 0 && size % pageSize == 0 &&
             size >= pageCount * pageSize);
}

std::optional<QString> problemWithCompleteness(QSqlDatabase &database, const QString &path) {
    if (!isCutShort(database, path))
        return std::nullopt;
    return QCoreApplication::translate(
               "Database", "The database file \"%1\" is damaged (it is shorter than it should be), "
                           "so nothing is written to it.")
        .arg(shownPath(path));
}

std::optional<QString> damageToRead(QSqlDatabase &database, const QString &path) {
    if (!isCutShort(database, path))
        return std::nullopt;
    return QCoreApplication::translate(
               "Database", "The database file \"%1\" is damaged (it is shorter than it should be): "
                           "only the tests that could be read are shown.")
        .arg(shownPath(path));
}

QString shownPath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

QString boundText(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString quotedName(const QString &name) {
    // Grave accents: SQLite takes a double-quoted name that matches no column for a text value.
    return u'`' + QString(name).replace(u'`', QStringLiteral("``")) + u'`';
}

std::optional<QString> openForOperation(ScopedDatabase &store, const QString &path, Purpose purpose,
                                        FileAccess access) {
    if (const auto missing = ensureDatabaseFile(path))
        return missing;
    const Access opening = access == FileAccess::ReadOnly ? Access::ReadOnly
                           : purpose == Purpose::Writing  ? Access::ReadWrite
                                                          : Access::Reading;
    if (purpose == Purpose::Writing && access != FileAccess::ReadOnly)
        removeLeftoversOfCreating(path);
    std::optional<QString> failure;
    if (!openReplacingEmptyFile(store, path, opening, failure))
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" cannot be opened: %2")
            .arg(shownPath(path), store.errorText());
    if (failure)
        return failure;
    if (const auto problem = checkLayout(store, path, true))
        return problem;
    if (purpose == Purpose::Writing)
        return problemWithCompleteness(store.database(), path);
    return std::nullopt;
}

std::optional<QString> problemWithDatabase(const QString &path) {
    if (path.trimmed().isEmpty())
        return QCoreApplication::translate("Database", "No database file is chosen.");
    const QFileInfo file(path);
    if (!file.exists())
        return QCoreApplication::translate("Database", "The database file \"%1\" does not exist.")
            .arg(shownPath(path));
    if (file.isDir())
        return QCoreApplication::translate("Database", "\"%1\" is a folder, not a database file.")
            .arg(shownPath(path));
    if (!file.isReadable())
        return QCoreApplication::translate("Database", "The database file \"%1\" cannot be read.")
            .arg(shownPath(path));
    ScopedDatabase store(path, Access::Reading);
    if (!store.isOpen())
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" cannot be opened: %2")
            .arg(shownPath(path), store.errorText());
    return checkLayout(store, path, false);
}

QString failureMessage(const QString &path, const QSqlError &error) {
    if (const auto problem = problemWithDatabase(path))
        return *problem;
    const QString where = shownPath(path);
    switch (resultCodeOf(error)) {
    case SqliteReadOnly:
        return QCoreApplication::translate("Database", "The database file \"%1\" is read-only.")
            .arg(where);
    case SqliteBusy:
    case SqliteLocked:
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" is locked by another program.")
            .arg(where);
    case SqliteFull:
        return QCoreApplication::translate("Database", "The disk that holds \"%1\" is full.")
            .arg(where);
    case SqliteCorrupt:
        return QCoreApplication::translate("Database", "The database file \"%1\" is damaged: %2")
            .arg(where, error.text());
    default:
        return QCoreApplication::translate("Database",
                                           "The database file \"%1\" could not be used: %2")
            .arg(where, error.text());
    }
}

std::optional<QString> ensureDatabaseFile(const QString &path) {
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable())
        return std::nullopt;
    if (!file.exists() && !path.trimmed().isEmpty() &&
        splitAtLastSeparator(path).fileName == DefaultDatabaseName)
        return createEmptyDatabase(path);
    return problemWithDatabase(path);
}

std::optional<QString> createEmptyDatabase(const QString &path) {
    if (QFileInfo::exists(path))
        return QCoreApplication::translate("Database", "The file \"%1\" already exists.")
            .arg(shownPath(path));
    const QString temporary = temporaryPathBeside(path);
    std::optional<QString> failure;
    {
        ScopedDatabase store(temporary, Access::Create);
        failure = store.isOpen() ? createTable(store.database()) : store.errorText();
    }
    // The rename never replaces a file that appeared meanwhile.
    if (!failure && !QFile::rename(temporary, path))
        failure = QFileInfo::exists(path)
                      ? QCoreApplication::translate("Database", "the file already exists")
                      : QCoreApplication::translate("Database", "the file could not be named");
    removeWithJournal(temporary);
    if (!failure) {
        // With the database in place no other creation of it can succeed: what earlier ones left
        // behind goes.
        removeLeftoversOfCreating(path);
        return std::nullopt;
    }
    return QCoreApplication::translate("Database", "The database \"%1\" could not be created: %2")
        .arg(shownPath(path), *failure);
}

void removeLeftoversOfCreating(const QString &path) {
    const QFileInfo target(path);
    const QString fileName = target.fileName();
    const QDir folder = target.dir();
    const QStringList candidates =
        folder.entryList(QStringList{u'.' + fileName + QStringLiteral(".*.new*")},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &candidate : candidates)
        if (isTemporaryNameOf(candidate, fileName))
            QFile::remove(folder.filePath(candidate));
}

void addMissingIndexes(ScopedDatabase &store) {
    if (!store.isOpen() || store.isReadOnly())
        return;
    QSqlDatabase &database = store.database();
    QStringList existing;
    {
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")))
            return;
        while (query.next())
            existing << query.value(0).toString();
    }
    QStringList missing;
    for (const QString &column : SearchColumns)
        if (!existing.contains(indexNameOf(column), Qt::CaseInsensitive))
            missing << column;
    // The index table's last index stands for the whole of it.
    const bool indexTableMissing = !existing.contains(lastIndexOfIndexTable(), Qt::CaseInsensitive);
    if ((missing.isEmpty() && !indexTableMissing) || !database.transaction())
        return;
    bool ok = true;
    {
        QSqlQuery query(database);
        for (const QString &column : missing)
            ok = ok && query.exec(createIndexSql(column));
    }
    ok = ok && (!indexTableMissing || !ensureIndexTable(database, fileDialect()).isValid());
    if (!ok || !database.commit())
        database.rollback();
}

} // namespace kavren
