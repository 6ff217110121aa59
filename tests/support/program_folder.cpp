#include "support/program_folder.h"

#include <QFile>

namespace kavren::testing {

QByteArray ProgramFolder::defaultSettings() {
    QFile file(QStringLiteral(KAVREN_SOURCE_DIR "/resources/def4.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

ProgramFolder::ProgramFolder() {
    writeSettings(defaultSettings());
}

ProgramFolder::ProgramFolder(const QStringList &settingsLines) {
    QByteArray contents;
    for (const QString &line : settingsLines)
        contents += line.toUtf8() + "\r\n";
    writeSettings(contents);
}

void ProgramFolder::writeSettings(const QByteArray &contents) const {
    QFile file(filePath(QStringLiteral("def4.txt")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

void ProgramFolder::removeSettings() const {
    QFile::remove(filePath(QStringLiteral("def4.txt")));
}

QByteArray ProgramFolder::settings() const {
    QFile file(filePath(QStringLiteral("def4.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ProgramFolder::settingsLines() const {
    QStringList lines = QString::fromUtf8(settings()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace kavren::testing
