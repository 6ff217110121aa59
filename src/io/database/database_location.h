// The current database: which file saving and searching use, and the folder in which background
// pictures of saved tests are looked up.
#pragma once

#include <QString>

namespace kavren {

struct CurrentDatabase {
    QString databasePath;         // full path of the current database file
    QString databaseFolder;       // folder of the chosen database
    QString selectedDatabaseName; // file name; empty means that no database is chosen
};

// The selected name of a database chosen by bringing a test in (an import, the live link or a test
// opened from the result list) rather than by a click in the file list: a single blank, which is
// not empty, so "Save work" saves to the current database path.
inline const QString kChosenByImportOrLink = QStringLiteral(" ");

// A path text split at its last separator ("\" or "/" alike): the folder keeps the separator.
struct PathParts {
    QString folder;
    QString fileName;
};
PathParts splitAtLastSeparator(const QString &path);

// The name of the default database, which always lives beside the program.
inline const QString DefaultDatabaseName = QStringLiteral("Start.mdb");

// The current database that the settings file's database line names. A file name of exactly
// "Start.mdb" means the one in the program folder, wherever the line says it was.
CurrentDatabase databaseFromSettingsLine(const QString &line, const QString &programFolder);

// The text that the create-database box shows for a settings line: the line up to its first ".",
// or a server address whole (without a password).
QString createBoxTextOf(const QString &line);

// What the create-database box suggests when it opens, for the text it holds: a server address
// or a path in a folder of this system stays; a bare name, an empty box or a path on a drive
// letter (written on another system) becomes a file of that name in the data folder ("Horses" for
// none or for the default database), numbered on ("Horses2", ...) past a database already there.
QString suggestedNewDatabase(const QString &boxText, const QString &dataFolder);

// The current database on a server address: background pictures of its tests are looked up in
// the program folder, and its name is the address's "host/dbname".
CurrentDatabase serverDatabase(const QString &address, const QString &programFolder);

// The current database as the caption shows it: the file name, or "host/dbname" of a server.
QString shownDatabaseName(const CurrentDatabase &database);

} // namespace kavren
