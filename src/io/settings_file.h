// The settings file "def4.txt" beside the program: 28 lines holding the drawing styles, the
// current database's path, the folder of the last heart-rate file import and the speed-axis colour.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace kavren {

inline const QString SettingsFileName = QStringLiteral("def4.txt");

// One line of the file: which control it goes to and whether it is written as a number.
struct SettingsLine {
    const char *control; // style field name, or "" for the database and import-folder lines
    bool numberLine;     // written as a number with a blank before and after it
    bool decimalPoint;   // every "," of the text is written as "."
};

constexpr int StyleLineCount = 25;
constexpr int SettingsLineCount = 28;
// Lines 1 to 25, in file order.
extern const std::array<SettingsLine, StyleLineCount> StyleLines;

// What a settings file holds; a value that could not be read is empty, so the control keeps its
// design default.
struct SettingsValues {
    std::array<std::optional<QString>, StyleLineCount> styles; // the control texts of lines 1–25
    std::optional<QString> databasePath;                       // line 26
    std::optional<QString> importFolder;                       // line 27
    std::optional<int> tempoAxisColour;                        // line 28
};

// Reads the contents of a settings file. Missing lines, lines that do not fit their control
// (binary junk, a number line without a number, an overlong line) are left empty.
SettingsValues parseSettings(const QByteArray &contents);

// The file's contents: 28 lines ended by CR LF. Style texts are the controls' texts as they stand.
QByteArray formatSettings(const std::array<QString, StyleLineCount> &styleTexts,
                          const QString &databasePath, const QString &importFolder,
                          int tempoAxisColour);

// Writes the file through a temporary file in the same folder that replaces the old one only once
// it is complete, so that a failure never leaves a truncated settings file. False on failure.
bool writeSettingsFile(const QString &path, const QByteArray &contents);

} // namespace kavren
