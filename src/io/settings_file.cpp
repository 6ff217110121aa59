#include "io/settings_file.h"

#include "domain/exercise/numeric_text.h"

#include <QList>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>

namespace kavren {

const std::array<SettingsLine, StyleLineCount> StyleLines = {{
    {"Text40", true, false},  {"Text26", false, false}, {"Text27", false, true},
    {"Text28", false, true},  {"Text38", true, false},  {"Text29", false, false},
    {"Text34", true, false},  {"Text30", false, false}, {"Text31", true, false},
    {"Text37", true, false},  {"Text35", true, false},  {"Text36", true, false},
    {"Text32", true, false},  {"Text39", true, false},  {"Text33", true, false},
    {"Text22", false, false}, {"Text23", false, true},  {"Text24", false, false},
    {"Text25", false, false}, {"Text41", true, false},  {"Text42", true, false},
    {"Text44", true, false},  {"Text45", true, false},  {"Text43", true, false},
    {"Text46", true, false},
}};

namespace {

// Longer lines are not settings of ours: a path of the platform stays well below this.
constexpr qsizetype MaxLineLength = 4096;

// Settings files written on Windows are in the Latin-1 code page; ours are UTF-8.
QString decodeLine(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

bool hasControlCharacters(const QString &text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 && c != u'\t')
            return true;
    return false;
}

QList<QByteArray> splitLines(const QByteArray &contents) {
    QList<QByteArray> lines = contents.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// A text line: the text, blanks around it removed.
std::optional<QString> readTextLine(const QByteArray &bytes) {
    if (bytes.size() > MaxLineLength)
        return std::nullopt;
    const QString text = decodeLine(bytes).trimmed();
    if (hasControlCharacters(text))
        return std::nullopt;
    return text;
}

// A number line: the number it begins with, or empty when it holds none.
std::optional<double> readNumberLine(const QByteArray &bytes) {
    const auto text = readTextLine(bytes);
    if (!text || !beginsWithNumber(*text))
        return std::nullopt;
    const double value = readNumber(*text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// A text line that holds a number comes back in the number-writing form (".07" as "0.07"); any
// other text stays as written. Lines 3, 4 and 17 have every "," taken as "." first, so that
// "0,050" and the "0.050" that the next exit writes both come back as "0.05".
QString textLineValue(const QString &text, const SettingsLine &line) {
    const QString value = line.decimalPoint ? withDecimalPoints(text) : text;
    if (const auto number = readStrictNumber(value))
        return writeNumber(*number);
    return value;
}

QByteArray numberLine(double value) {
    return ' ' + writeNumber(value).toUtf8() + ' ';
}

} // namespace

SettingsValues parseSettings(const QByteArray &contents) {
    const QList<QByteArray> lines = splitLines(contents);
    const auto line = [&lines](int number) -> const QByteArray * {
        return number <= lines.size() ? &lines[number - 1] : nullptr;
    };
    SettingsValues values;
    for (int i = 0; i < StyleLineCount; ++i) {
        const QByteArray *bytes = line(i + 1);
        if (!bytes)
            break;
        if (StyleLines[std::size_t(i)].numberLine) {
            if (const auto number = readNumberLine(*bytes))
                values.styles[std::size_t(i)] = writeNumber(*number);
        } else if (auto text = readTextLine(*bytes)) {
            values.styles[std::size_t(i)] = textLineValue(*text, StyleLines[std::size_t(i)]);
        }
    }
    if (const QByteArray *bytes = line(26))
        values.databasePath = readTextLine(*bytes);
    if (const QByteArray *bytes = line(27))
        values.importFolder = readTextLine(*bytes);
    if (const QByteArray *bytes = line(28))
        if (const auto number = readNumberLine(*bytes))
            if (const auto colour = toInteger16(*number))
                values.tempoAxisColour = *colour;
    return values;
}

QByteArray formatSettings(const std::array<QString, StyleLineCount> &styleTexts,
                          const QString &databasePath, const QString &importFolder,
                          int tempoAxisColour) {
    QByteArray contents;
    for (int i = 0; i < StyleLineCount; ++i) {
        const SettingsLine &line = StyleLines[std::size_t(i)];
        const QString &text = styleTexts[std::size_t(i)];
        if (line.numberLine) {
            const double value = readNumber(text);
            contents += numberLine(std::isfinite(value) ? value : 0.0);
        } else {
            contents += (line.decimalPoint ? withDecimalPoints(text) : text).toUtf8();
        }
        contents += "\r\n";
    }
    contents += databasePath.toUtf8() + "\r\n";
    contents += importFolder.toUtf8() + "\r\n";
    contents += numberLine(tempoAxisColour) + "\r\n";
    return contents;
}

bool writeSettingsFile(const QString &path, const QByteArray &contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kavren
