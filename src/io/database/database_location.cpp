#include "io/database/database_location.h"

#include "io/database/server_address.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kavren {

PathParts splitAtLastSeparator(const QString &path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (cut < 0)
        return {QString(), path};
    return {path.left(cut + 1), path.mid(cut + 1)};
}

CurrentDatabase databaseFromSettingsLine(const QString &line, const QString &programFolder) {
    // An address with a password typed into the settings is kept exactly as written, so that the
    // line goes back unchanged at exit; it is never used, and shown only without its password.
    if (isServerAddress(line))
        return serverDatabase(hasPassword(line) ? line : line.trimmed(), programFolder);
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
    if (isServerAddress(line))
        return withoutPassword(line.trimmed());
    const qsizetype point = line.indexOf(u'.');
    return point < 0 ? QString() : line.left(point);
}

QString suggestedNewDatabase(const QString &boxText, const QString &dataFolder) {
    const QString text = boxText.trimmed();
    if (isServerAddress(text))
        return text;
    const bool onDriveLetter = text.size() >= 2 && text[0].isLetter() && text[1] == u':';
    const PathParts parts = splitAtLastSeparator(text);
    if (!parts.folder.isEmpty() && !onDriveLetter)
        return text;
    // The default database is there already; a new one gets a name of its own.
    const bool defaultName =
        parts.fileName.isEmpty() || parts.fileName + QStringLiteral(".mdb") == DefaultDatabaseName;
    const QString name = defaultName ? QStringLiteral("Horses") : parts.fileName;
    const QString base = QDir(dataFolder).filePath(name);
    QString suggestion = base;
    for (int number = 2; QFileInfo::exists(suggestion + QStringLiteral(".mdb")); ++number)
        suggestion = base + QString::number(number);
    return suggestion;
}

CurrentDatabase serverDatabase(const QString &address, const QString &programFolder) {
    CurrentDatabase database;
    database.databasePath = address;
    database.databaseFolder = programFolder;
    database.selectedDatabaseName = shownServerName(address);
    return database;
}

QString shownDatabaseName(const CurrentDatabase &database) {
    if (isServerAddress(database.databasePath))
        return shownServerName(database.databasePath);
    return splitAtLastSeparator(database.databasePath).fileName;
}

} // namespace kavren
