// A temporary program folder with a settings file, for starting the main window in tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kavren::testing {

class ProgramFolder {
public:
    // A folder holding the default settings file of a fresh installation.
    ProgramFolder();
    // A folder whose settings file holds exactly these lines (each ended by CR LF).
    explicit ProgramFolder(const QStringList &settingsLines);

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    void writeSettings(const QByteArray &contents) const;
    void removeSettings() const;
    QByteArray settings() const;
    // The settings file's lines without their line ends.
    QStringList settingsLines() const;

    static QByteArray defaultSettings();

private:
    QTemporaryDir m_dir;
};

} // namespace kavren::testing
