// The store behind a database file: an SQLite file holding the table mytable. A file is opened for
// one operation under a connection name of its own and released at the end of it, so another
// program may change the file in between. Engine errors become messages that name the file and
// say what is wrong.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

class QSqlError;

namespace kavren {

// Every access names the table "mytable"; it is created as "MyTable" and SQLite matches table
// names without regard to letter case.
inline const QString TableName = QStringLiteral("mytable");
inline const QString CreatedTableName = QStringLiteral("MyTable");

// The thirteen columns in creation order; their names and order are what other copies of the
// program and older files rely on.
inline const QStringList TableColumns = {
    QStringLiteral("Namn"),        QStringLiteral("Datum"),   QStringLiteral("Ras"),
    QStringLiteral("Ålder"),       QStringLiteral("Kön"),     QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),      QStringLiteral("Maxpuls"), QStringLiteral("Stall"),
    QStringLiteral("Coach"),       QStringLiteral("ExDatum"), QStringLiteral("Data"),
    QStringLiteral("Kommentarer"),
};

// The columns that the search criteria list and match; each gets an index for speed.
inline const QStringList SearchColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Ras"),   QStringLiteral("Ålder"),
    QStringLiteral("Kön"),     QStringLiteral("Stall"), QStringLiteral("Coach"),
    QStringLiteral("ExDatum"),
};

// How an operation opens the file. Reading opens it read-write whenever the user may write it, so
// that SQLite can roll back what a save cut short by a crash left behind (a hot journal); only a
// file the user cannot write is opened read-only. No access ever creates a missing file except
// Create, which serves a new file under a temporary name.
enum class Access { ReadOnly, Reading, ReadWrite, Create };

// How a store opens its file: read-only opens it so whatever the file's permissions, as a file on
// a medium that cannot be written behaves; otherwise the user's permissions decide.
enum class FileAccess { AsPermitted, ReadOnly };

// What the operation will do with the file: writing needs a complete file besides our table.
enum class Purpose { Reading, Writing };

// One open of a database file. Queries made on database() must be destroyed before this object,
// which closes the file and removes its connection.
class ScopedDatabase {
public:
    ScopedDatabase() = default;
    ScopedDatabase(const QString &path, Access access);
    ~ScopedDatabase();
    ScopedDatabase(const ScopedDatabase &) = delete;
    ScopedDatabase &operator=(const ScopedDatabase &) = delete;

    bool open(const QString &path, Access access);
    // Closes the file; queries made on database() must be gone.
    void close();
    bool isOpen() const { return m_database.isOpen(); }
    // Opened read-only: nothing may be written through this connection.
    bool isReadOnly() const { return m_readOnly; }
    QSqlDatabase &database() { return m_database; }
    QString errorText() const;

private:
    void release();

    QString m_connectionName;
    QSqlDatabase m_database;
    bool m_readOnly = false;
};

// The path as the user reads it in a message.
QString shownPath(const QString &path);

// Makes the file ready for an operation and opens it: the default "Start.mdb" is created on first
// use, a valid SQLite file without any table gets our empty table, and the table's layout is
// checked (the thirteen columns in order) before anything is read. For writing, the file must
// also be complete: a file shorter than its own header says is damaged and never written. The
// message names the file and says what is wrong; nothing is written to a file that has a problem.
// An empty file (0 bytes) is made a database through a temporary file that takes its place, never
// written in place. Opening for writing also removes what interrupted creations of the database
// left behind.
std::optional<QString> openForOperation(ScopedDatabase &store, const QString &path, Purpose purpose,
                                        FileAccess access = FileAccess::AsPermitted);

// Why writing into the open file would harm it: a file shorter than its own header says (cut by a
// copy that did not finish or a full disk) reads up to the cut, but a write garbles its rows.
std::optional<QString> problemWithCompleteness(QSqlDatabase &database, const QString &path);

// Whether the open file is shorter than its header says or not whole pages long.
bool isCutShort(QSqlDatabase &database, const QString &path);

// For a read of the open file: the message saying that the file was cut short and that only
// what could be read is shown, or nothing when the file is whole.
std::optional<QString> damageToRead(QSqlDatabase &database, const QString &path);

// Why the file cannot serve as a database of ours (missing, a folder, not SQLite, damaged, locked,
// without mytable or with other columns), or nothing when it can. Changes nothing of the file.
std::optional<QString> problemWithDatabase(const QString &path);

// The message for an operation on the file that failed with this engine error: the diagnosis of
// the file when it has a problem, otherwise the engine's own words.
QString failureMessage(const QString &path, const QSqlError &error);

// Makes sure the file is there before an operation: the default "Start.mdb" is created with the
// empty table on first use; any other missing file is a problem.
std::optional<QString> ensureDatabaseFile(const QString &path);

// Creates a new database file holding the empty table and its indexes. The file is built under a
// temporary name in the same folder and appears under its own name only complete, so a crash
// never leaves a file without the table. On failure nothing is left behind and the reason is
// returned.
std::optional<QString> createEmptyDatabase(const QString &path);

// Removes the temporary files that a creation of this database cut short by a crash left in its
// folder (".Start.mdb.<16 hex digits>.new" and its journal); other files are left alone.
void removeLeftoversOfCreating(const QString &path);

// Adds the search indexes and the index table that a file made by an older version lacks (the
// index table then still has to be filled), on an open checked for writing. mytable itself is not
// touched; a read-only open is left as it is.
void addMissingIndexes(ScopedDatabase &store);

// A text to bind as a value: the empty text stays an empty text, where a null QString would be
// bound as NULL.
QString boundText(const QString &text);

// A column or table name quoted as an identifier for SQL text. Quoted this way a name that the
// table lacks is an error, never taken for a text value. Only the fixed names go this way; values
// are always bound.
QString quotedName(const QString &name);

} // namespace kavren
