// The user's preferences that the settings file "def4.txt" has no line for (extra lactate levels,
// the clinic's details, the language) live in one INI file beside it in the data folder, each
// feature in a group of its own, so "def4.txt" keeps its 28 lines that older builds read.
#pragma once

#include <QDir>
#include <QString>

namespace kavren {

inline const QString PreferencesFileName = QStringLiteral("preferences.ini");

// The preferences file of a data folder; open it with QSettings(path, QSettings::IniFormat).
inline QString preferencesPath(const QString &dataFolder) {
    return QDir(dataFolder).filePath(PreferencesFileName);
}

} // namespace kavren
