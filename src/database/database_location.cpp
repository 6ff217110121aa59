#include "database/database_location.h"

namespace kavren {

PathParts splitAtLastSeparator(const QString &path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (cut < 0)
        return {QString(), path};
    return {path.left(cut + 1), path.mid(cut + 1)};
}

CurrentDatabase databaseFromSettingsLine(const QString &line, const QString &programFolder) {
    const PathParts parts = splitAtLastSeparator(line);
    CurrentDatabase database;
    database.selectedDatabaseName = parts.fileName;
    if (parts.fileName == DefaultDatabaseName) {
        database.databaseFolder = programFolder;
        database.databasePath = programFolder + u'/' + DefaultDatabaseName;
    } else {
        database.databaseFolder = parts.folder;
        database.databasePath = line;
    }
    return database;
}

QString createBoxTextOf(const QString &line) {
    const qsizetype point = line.indexOf(u'.');
    return point < 0 ? QString() : line.left(point);
}

} // namespace kavren
