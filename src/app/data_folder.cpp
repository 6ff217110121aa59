#include "app/data_folder.h"

#include "io/language_preference.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kavren {
namespace {

const QString SettingsName = QStringLiteral("def4.txt");
const QString DefaultDatabaseFile = QStringLiteral("Start.mdb");
const QString BuiltInSettings = QStringLiteral(":/kavren/def4.txt");

bool folderIsWritable(const QString &folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kavren-write-check-XXXXXX")));
    return probe.open();
}

// Copies a file only where the target does not exist yet; true when it was copied.
bool copyIfAbsent(const QString &from, const QString &to) {
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return false;
    if (!QFile::copy(from, to))
        return false;
    // A copy of the built-in resource comes out read-only; the user's settings must be writable.
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    return true;
}

} // namespace

std::optional<StartOptions> parseStartOptions(const QStringList &arguments, QString &error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lactate and heart-rate analysis of exercise tests on horses."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dataFolder(
        QStringLiteral("data-folder"),
        QStringLiteral("Keep the settings and the default database in <folder> instead of "
                       "~/.local/share/kavren."),
        QStringLiteral("folder"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The language of the window for this run: \"%1\" (the texts as the "
                       "program writes them), %2; without it, the one chosen in the preferences.")
            .arg(QLatin1String(OriginalLanguage),
                 languageCodes().mid(1).join(QStringLiteral(", "))),
        QStringLiteral("language"));
    parser.addOption(dataFolder);
    parser.addOption(language);
    if (!parser.parse(arguments)) {
        error = parser.errorText() + QStringLiteral(" (kavren --help lists the options)");
        return std::nullopt;
    }
    StartOptions options;
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll || parser.isSet(version)) {
        options.terminalAnswer =
            parser.isSet(help) || helpAll
                ? parser.helpText()
                : QStringLiteral("%1 %2\n").arg(QString::fromLatin1(ApplicationName),
                                                QCoreApplication::applicationVersion());
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument %1 (kavren --help lists the options)")
                    .arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }
    if (parser.isSet(dataFolder)) {
        options.dataFolder = parser.value(dataFolder);
        if (options.dataFolder.isEmpty()) {
            error = QStringLiteral("--data-folder needs the name of a folder");
            return std::nullopt;
        }
    }
    if (parser.isSet(language)) {
        options.language = parser.value(language);
        if (!isLanguageCode(options.language)) {
            error = QStringLiteral("the language %1 is not available (%2)")
                        .arg(options.language, languageCodes().join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return options;
}

QString defaultDataFolder() {
    QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QCoreApplication::setOrganizationName(QString());
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString shippedSettingsFile(const QString &executableFolder) {
    const QString installed =
        QDir(executableFolder).filePath(QStringLiteral("../share/kavren/") + SettingsName);
    if (QFileInfo(installed).isFile())
        return QDir::cleanPath(installed);
    return BuiltInSettings;
}

QStringList olderProgramFolders(const QString &executableFolder) {
    return {QDir::cleanPath(executableFolder),
            QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral("../src")))};
}

PreparedFolder prepareDataFolder(const QString &folder, const QString &shippedSettings,
                                 const QStringList &olderFolders) {
    PreparedFolder result;
    const QDir dir(folder);
    const bool isNew = !QFileInfo::exists(folder);
    if (isNew && !QDir().mkpath(folder)) {
        result.error = QStringLiteral("the data folder %1 cannot be created").arg(folder);
        return result;
    }
    if (!QFileInfo(folder).isDir()) {
        result.error = QStringLiteral("the data folder %1 is not a folder").arg(folder);
        return result;
    }
    if (!folderIsWritable(folder)) {
        result.error = QStringLiteral("the data folder %1 cannot be written").arg(folder);
        return result;
    }
    for (const QString &older : olderFolders) {
        if (!isNew || older.isEmpty() || QDir(older).canonicalPath() == dir.canonicalPath())
            continue;
        for (const QString &name : {SettingsName, DefaultDatabaseFile}) {
            if (copyIfAbsent(QDir(older).filePath(name), dir.filePath(name)))
                result.notes << QStringLiteral("copied %1 of an older installation from %2 into "
                                               "the data folder %3")
                                    .arg(name, older, folder);
        }
    }
    if (!QFileInfo::exists(dir.filePath(SettingsName)) &&
        !copyIfAbsent(shippedSettings, dir.filePath(SettingsName))) {
        result.error =
            QStringLiteral("the default settings could not be copied into %1").arg(folder);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace kavren
