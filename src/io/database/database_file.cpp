#include "io/database/database_file.h"

#include "io/database/database_location.h"
#include "io/database/database_store.h"
#include "io/database/server_address.h"
#include "io/database/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kavren {

namespace {

// The typed path in the form the file system takes: "\" and "/" are both folder separators.
QString fileSystemPath(QString typed) {
    return typed.replace(u'\\', u'/');
}

bool hasDrivePart(const QString &typed) {
    return typed.startsWith(u'/') || typed.contains(u':');
}

bool hasSeparator(const QString &typed) {
    return typed.contains(u'\\') || typed.contains(u'/');
}

} // namespace

CreateResult createDatabase(const QString &typedPath) {
    if (isServerAddress(typedPath))
        return openStore(typedPath)->create();
    if (!hasDrivePart(typedPath))
        return {CreateOutcome::WrongSyntax,
                {},
                QCoreApplication::translate("Database", WrongSyntaxNoDriveMessage)};
    if (!hasSeparator(typedPath))
        return {CreateOutcome::WrongSyntax,
                {},
                QCoreApplication::translate("Database", WrongSyntaxNoFolderMessage)};

    const QString folder = fileSystemPath(splitAtLastSeparator(typedPath).folder);
    const QString path = fileSystemPath(typedPath) + DatabaseExtension;
    const std::unique_ptr<Store> store = openStore(path);
    if (QFileInfo::exists(path))
        return store->create(); // already there, or a folder of that name

    // One level only: a missing parent folder is not made.
    const bool folderMade = !QFileInfo(folder).isDir() && QDir().mkdir(folder);
    if (!QFileInfo(folder).isDir())
        return {CreateOutcome::Failed,
                {},
                QCoreApplication::translate(
                    "Database", "The folder \"%1\" could not be created, so the database \"%2\" "
                                "was not created.")
                    .arg(shownPath(folder), shownPath(path))};

    const CreateResult created = store->create();
    if (created.outcome == CreateOutcome::Failed && folderMade)
        QDir().rmdir(folder);
    return created;
}

std::optional<QString> checkChosenDatabase(const QString &path) {
    return openStore(path)->prepareForUse();
}

QString databasePathOf(const QString &folder, const QString &fileName) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + fileName;
    return folder + u'/' + fileName;
}

CurrentDatabase databaseChosenInList(const QString &folder, const QString &fileName) {
    CurrentDatabase chosen;
    chosen.databasePath = databasePathOf(folder, fileName);
    chosen.databaseFolder = splitAtLastSeparator(chosen.databasePath).folder;
    chosen.selectedDatabaseName = fileName;
    return chosen;
}

QString createBoxTextOfPath(const QString &databasePath) {
    return databasePath.left(databasePath.size() - 4);
}

bool isProtectedFile(const QString &fileName) {
    return fileName.compare(ProtectedLogoName, Qt::CaseInsensitive) == 0;
}

EraseFileResult eraseListedFile(const QString &folder, const QString &fileName,
                                const QString &pattern) {
    if (fileName.isEmpty() || isProtectedFile(fileName))
        return {EraseFileOutcome::Refused, {}};
    const QString path = databasePathOf(folder, fileName);
    QFile file(path);
    if (!file.remove())
        return {EraseFileOutcome::Failed,
                QCoreApplication::translate("Database", "The file \"%1\" could not be erased: %2")
                    .arg(shownPath(path), file.errorString())};

    const QDir dir(folder);
    const bool matchingLeft =
        !dir.entryList(QStringList{pattern}, QDir::Files | QDir::Hidden | QDir::System).isEmpty();
    // rmdir removes only an empty folder, which is the whole of the folder rule.
    if (!matchingLeft && QDir().rmdir(dir.absolutePath()))
        return {EraseFileOutcome::ErasedFolderRemoved, {}};
    return {EraseFileOutcome::Erased, {}};
}

} // namespace kavren
