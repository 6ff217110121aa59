#include "io/lactate_levels.h"

#include "domain/exercise/numeric_text.h"
#include "io/preferences_file.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

const QString Group = QStringLiteral("Levels");
const QString Key = QStringLiteral("Extra");

} // namespace

LactateLevels parseLactateLevels(const QString &text) {
    LactateLevels result;
    static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        const auto level = readStrictNumber(withDecimalPoints(part));
        const bool usable =
            level && std::isfinite(*level) && *level > 0 && *level <= MaxLactateLevel;
        if (!usable) {
            result.rejected << part;
            continue;
        }
        if (std::find(result.levels.begin(), result.levels.end(), *level) != result.levels.end())
            continue;
        if (int(result.levels.size()) == MaxExtraLevels) {
            result.rejected << part;
            continue;
        }
        result.levels.push_back(*level);
    }
    std::sort(result.levels.begin(), result.levels.end());
    return result;
}

QString lactateLevelsText(const std::vector<double> &levels) {
    QStringList parts;
    for (const double level : levels)
        parts << writeNumber(level);
    return parts.join(u' ');
}

std::vector<double> readLactateLevels(const QString &dataFolder) {
    QSettings settings(preferencesPath(dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    return parseLactateLevels(settings.value(Key).toString()).levels;
}

bool writeLactateLevels(const QString &dataFolder, const std::vector<double> &levels) {
    QSettings settings(preferencesPath(dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    settings.setValue(Key, lactateLevelsText(levels));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace kavren
