// The extra lactate levels at which the user wants the speed and heart rate (VLaX, HrX) besides
// VLa2 and VLa4: kept in the preferences file of the data folder, group "Levels", key "Extra", as
// the numbers separated by blanks ("1.5 3").
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kavren {

// At most this many extra levels; each above 0 and at most MaxLactateLevel mmol/l.
constexpr int MaxExtraLevels = 4;
constexpr double MaxLactateLevel = 30;

struct LactateLevels {
    std::vector<double> levels; // ascending, each once
    QStringList rejected;       // the parts of the text that are no level (or one too many)
};

// Reads levels typed or stored as numbers separated by blanks or ";" (a "," is a decimal point),
// each by the numeric reading rule.
LactateLevels parseLactateLevels(const QString &text);
// The levels as the file and the preferences page write them.
QString lactateLevelsText(const std::vector<double> &levels);

// The levels kept for a data folder; none when the file or the key is missing.
std::vector<double> readLactateLevels(const QString &dataFolder);
// Keeps the levels; false when the file could not be written.
bool writeLactateLevels(const QString &dataFolder, const std::vector<double> &levels);

} // namespace kavren
