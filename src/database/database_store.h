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

enum class Access { ReadOnly, ReadWrite };

// One open of a database file. Queries made on database() must be destroyed before this object,
// which closes the file and removes its connection.
class ScopedDatabase {
public:
    ScopedDatabase(const QString &path, Access access);
    ~ScopedDatabase();
    ScopedDatabase(const ScopedDatabase &) = delete;
    ScopedDatabase &operator=(const ScopedDatabase &) = delete;

    bool isOpen() const { return m_database.isOpen(); }
    QSqlDatabase &database() { return m_database; }
    QString errorText() const;

private:
    QString m_connectionName;
    QSqlDatabase m_database;
};

// The path as the user reads it in a message.
QString shownPath(const QString &path);

// Why the file cannot serve as a database of ours (missing, a folder, not SQLite, damaged, locked,
// without mytable or one of its columns), or nothing when it can. Reads the file only.
std::optional<QString> problemWithDatabase(const QString &path);

// The message for an operation on the file that failed with this engine error: the diagnosis of
// the file when it has a problem, otherwise the engine's own words.
QString failureMessage(const QString &path, const QSqlError &error);

// Makes sure the file is there before an operation: the default "Start.mdb" is created with the
// empty table on first use; any other missing file is a problem.
std::optional<QString> ensureDatabaseFile(const QString &path);

// Creates a new database file holding the empty table and its indexes. On failure nothing is left
// behind and the reason is returned.
std::optional<QString> createEmptyDatabase(const QString &path);

// Adds the search indexes that a file made by an older version lacks. The table itself is not
// touched; a file that cannot be written (read-only, locked) is used as it is.
void addMissingIndexes(const QString &path);

// A text to bind as a value: the empty text stays an empty text, where a null QString would be
// bound as NULL.
QString boundText(const QString &text);

// A column or table name between back quotes, for SQL text. Only the fixed names go this way;
// values are always bound.
QString quotedName(const QString &name);

} // namespace kavren
