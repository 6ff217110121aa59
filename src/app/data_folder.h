// Where the user's data lives: the settings file and the default database sit in one folder of the
// user's own (on Linux ~/.local/share/kavren), never beside the program, so a rebuild or an update
// of the program never touches a saved test. `--data-folder DIR` puts it elsewhere (a USB stick).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kavren {

// The application name that names the data folder.
inline constexpr char ApplicationName[] = "kavren";

struct StartOptions {
    QString dataFolder; // empty: the user's data folder
    // The window's language for this run (io/language_preference.h); empty: the one kept in the
    // preferences.
    QString language;
    // The answer to --help or --version, printed instead of starting the program.
    QString terminalAnswer;
};

// Reads the program's own command-line options (Qt's own have already been taken out). Empty
// with a message in `error` for an unknown option, a stray argument, a missing folder name or a
// language the program does not have.
std::optional<StartOptions> parseStartOptions(const QStringList &arguments, QString &error);

// The user's data folder of this platform (application name set first).
QString defaultDataFolder();

// The settings file the program ships: the installed one beside the program's share folder when
// present, otherwise the copy built into the program.
QString shippedSettingsFile(const QString &executableFolder);

struct PreparedFolder {
    bool ok = false;
    QString error;     // why the folder cannot be used
    QStringList notes; // what was copied from an older build
};

// Folders where an older build kept its settings and default database beside the program: the
// program's own folder, and src/ beside it (where the executable of a build folder used to be).
QStringList olderProgramFolders(const QString &executableFolder);

// Makes `folder` ready for the main window: creates it when missing and checks it can be written.
// A new folder first takes the settings file and the default database of an older build (the
// first of `olderFolders` that holds each; copied, never moved); then, when it still has no
// settings file, the shipped one is copied in. An existing file is never overwritten.
PreparedFolder prepareDataFolder(const QString &folder, const QString &shippedSettings,
                                 const QStringList &olderFolders);

} // namespace kavren
