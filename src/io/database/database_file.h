// The user's operations on database files: creating a new database from the path typed in the
// create box, checking a file chosen in the file list before it becomes the current database, and
// erasing a file from the shared file list.
#pragma once

#include "io/database/database_location.h"

#include <QString>

#include <optional>

namespace kavren {

inline constexpr char WrongSyntaxNoDriveMessage[] = QT_TRANSLATE_NOOP("Database", "Wrong syntax !");
inline constexpr char WrongSyntaxNoFolderMessage[] = QT_TRANSLATE_NOOP("Database", "Wrong syntax");
inline const QString DatabaseExtension = QStringLiteral(".mdb");
inline const QString DatabasePattern = QStringLiteral("*.mdb");
inline const QString PicturePattern = QStringLiteral("*.bmp");
// The program's own logo picture, which the file list never erases.
inline const QString ProtectedLogoName = QStringLiteral("Kavren_Logo.bmp");

enum class CreateOutcome {
    Created,       // the file holds the empty table; it is the new DatabasePath
    WrongSyntax,   // message holds "Wrong syntax !" or "Wrong syntax"; nothing changed
    AlreadyExists, // beep; DatabasePath nevertheless becomes the existing file
    Failed,        // message says why; nothing was left on disk
};

struct CreateResult {
    CreateOutcome outcome = CreateOutcome::Failed;
    QString databasePath; // set for Created and AlreadyExists
    QString message;      // set for WrongSyntax and Failed
};

// Create (Command4) from the text of the create box, typed without extension. A path needs its
// drive part (a ":", or a leading "/" on Linux) and a folder separator ("\" or "/" alike). The
// folder is created one level deep when missing; a folder made here is removed again when the
// database cannot be created.
CreateResult createDatabase(const QString &typedPath);

// Checks a file chosen as the current database: the default "Start.mdb" is created on first use,
// a file made by an older version gets its search indexes, and a file that is not a database of
// ours gives the message to show. Nothing is written to a file that has a problem.
std::optional<QString> checkChosenDatabase(const QString &path);

// The DatabasePath that a file of the folder list stands for, and the text the create box then
// shows (the path without its last four characters).
QString databasePathOf(const QString &folder, const QString &fileName);
QString createBoxTextOfPath(const QString &databasePath);

// The current database after a click on a database file of the folder list: its path, its
// folder with a trailing separator, and its file name (also the caption of SSFrame2).
CurrentDatabase databaseChosenInList(const QString &folder, const QString &fileName);

bool isProtectedFile(const QString &fileName);

enum class EraseFileOutcome {
    Refused,             // the protected logo picture, or no file selected
    Erased,              // other files of the pattern remain, or the folder holds other things
    ErasedFolderRemoved, // the folder was left empty and is gone: show the working folder
    Failed,              // the file could not be erased; message says why
};

struct EraseFileResult {
    EraseFileOutcome outcome = EraseFileOutcome::Failed;
    QString message;
};

// Erase (Command8), after the user confirmed: deletes the file of the folder list. When no file
// matching the list's pattern is left, the folder is removed, but only if it is then empty; a
// folder is never deleted with its contents.
EraseFileResult eraseListedFile(const QString &folder, const QString &fileName,
                                const QString &pattern);

} // namespace kavren
