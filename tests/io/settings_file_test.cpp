#include "io/settings_file.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

// The design texts of the 25 style controls, in file order.
std::array<QString, StyleLineCount> designTexts() {
    return {"",  "4", "0.05", "1",   "4", "1", "4", "1", "4", "4",  "1",  "1", "0",
            "2", "0", "2",    ".07", "1", "1", "2", "2", "9", "12", "15", "14"};
}

QByteArray linesOf(std::initializer_list<const char *> lines) {
    QByteArray contents;
    for (const char *line : lines)
        contents += QByteArray(line) + "\r\n";
    return contents;
}

} // namespace

TEST(SettingsFile, TheShippedDefaultIsTheDesignPrinterSetWithALegibleScreenSet) {
    // Lines 16 to 25 and 28 choose the screen set: curve width 2, circles .12 wide 2, help lines 1,
    // threshold green on a white background, lactate blue, heart rate dark red, kept curves cyan
    // and magenta, speed axis black. Everything else is as the controls are designed.
    std::array<QString, StyleLineCount> shipped = designTexts();
    const char *screen[] = {"2", ".12", "2", "1", "2", "15", "9", "4", "3", "5"};
    for (std::size_t i = 0; i < std::size(screen); ++i)
        shipped[15 + i] = QString::fromLatin1(screen[i]);
    EXPECT_EQ(formatSettings(shipped, "Start.mdb", "", 0),
              kavren::testing::ProgramFolder::defaultSettings());
}

TEST(SettingsFile, NumberLinesHaveBlanksAroundAndTextLinesStandAsTyped) {
    auto texts = designTexts();
    texts[16] = "0,1";   // Text23: a comma is written as a point
    texts[1] = "abc";    // Text26 is a text line: kept as it stands
    texts[4] = "2.5 px"; // Text38 is a number line: its number only
    const QByteArray contents = formatSettings(texts, "/home/vet/Spring, \"A\".mdb", "C:\\HRM", 12);
    const QList<QByteArray> lines = contents.split('\n');
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines[0], " 0 \r");
    EXPECT_EQ(lines[1], "abc\r");
    EXPECT_EQ(lines[4], " 2.5 \r");
    EXPECT_EQ(lines[16], "0.1\r");
    EXPECT_EQ(lines[25], "/home/vet/Spring, \"A\".mdb\r");
    EXPECT_EQ(lines[26], "C:\\HRM\r");
    EXPECT_EQ(lines[27], " 12 \r");
    EXPECT_EQ(lines[28], "");
}

TEST(SettingsFile, ANumberLineThatOverflowsIsWrittenAsZero) {
    // 1E999 reads beyond the double range; a number line holds a number, so the value written is
    // 0 with its blanks, never a text that a later start would read back as infinity.
    auto texts = designTexts();
    texts[4] = "1E999";  // Text38, a number line
    texts[6] = "-1E999"; // Text34, a number line
    texts[2] = "1E999";  // Text27, a text line: kept as typed
    const QList<QByteArray> lines = formatSettings(texts, "Start.mdb", "", 7).split('\n');
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines[4], " 0 \r");
    EXPECT_EQ(lines[6], " 0 \r");
    EXPECT_EQ(lines[2], "1E999\r");
    // A file that holds 1E999 in a number line leaves that control at its design text.
    QList<QByteArray> written = formatSettings(designTexts(), "Start.mdb", "", 7).split('\n');
    written[4] = " 1E999 \r";
    const SettingsValues read = parseSettings(written.join('\n'));
    EXPECT_FALSE(read.styles[4].has_value());
    EXPECT_EQ(read.styles[6], "4");
}

TEST(SettingsFile, ReadsEveryLineOfAFullFile) {
    const SettingsValues values =
        parseSettings(formatSettings(designTexts(), "D:\\Horses\\Spring.mdb", "/data/hrm", 9));
    for (std::size_t i = 0; i < values.styles.size(); ++i)
        ASSERT_TRUE(values.styles[i].has_value()) << "line " << i + 1;
    EXPECT_EQ(*values.styles[0], "0"); // an empty Text40 comes back as 0
    EXPECT_EQ(*values.styles[2], "0.05");
    EXPECT_EQ(*values.styles[16], "0.07"); // a text line holding a number: number-writing form
    EXPECT_EQ(*values.styles[22], "12");
    EXPECT_EQ(values.databasePath, "D:\\Horses\\Spring.mdb");
    EXPECT_EQ(values.importFolder, "/data/hrm");
    EXPECT_EQ(values.tempoAxisColour, 9);
}

TEST(SettingsFile, TextLinesHoldingANumberComeBackInTheNumberWritingForm) {
    auto texts = designTexts();
    texts[1] = " 4.50 ";  // Text26: a number with trailing zero and blanks, written "4.5"
    texts[2] = "02,050";  // Text27: its comma is a point, and then a number: "2.05"
    texts[5] = "1E1";     // Text29: an exponent, written out as 10
    texts[7] = "12.5 px"; // Text30: more than a number, kept as it stands
    texts[15] = "-.5";    // Text22: sign and no leading zero, written "-0.5"
    const SettingsValues values = parseSettings(formatSettings(texts, "Start.mdb", "", 7));
    EXPECT_EQ(*values.styles[1], "4.5");
    EXPECT_EQ(*values.styles[2], "2.05");
    EXPECT_EQ(*values.styles[5], "10");
    EXPECT_EQ(*values.styles[7], "12.5 px");
    EXPECT_EQ(*values.styles[15], "-0.5");
}

TEST(SettingsFile, ShortEmptyAndDamagedFilesLeaveUnreadableValuesEmpty) {
    const SettingsValues empty = parseSettings({});
    for (const auto &style : empty.styles)
        EXPECT_FALSE(style.has_value());
    EXPECT_FALSE(empty.databasePath.has_value());
    EXPECT_FALSE(empty.tempoAxisColour.has_value());

    QByteArray tenLines;
    for (int i = 1; i <= 10; ++i)
        tenLines += " " + QByteArray::number(i) + " \r\n";
    const SettingsValues shortFile = parseSettings(tenLines);
    EXPECT_EQ(shortFile.styles[9], "10");
    EXPECT_FALSE(shortFile.styles[10].has_value());
    EXPECT_FALSE(shortFile.databasePath.has_value());

    QByteArray damaged = linesOf({"abc", "x\x01y", "0,5"});
    damaged += QByteArray(10000, 'z') + "\r\n";
    damaged += QByteArray("\xff\xfe\x00\x01", 4) + "\n";
    const SettingsValues junk = parseSettings(damaged);
    EXPECT_FALSE(junk.styles[0].has_value()); // number line without a number
    EXPECT_FALSE(junk.styles[1].has_value()); // control characters
    EXPECT_EQ(junk.styles[2], "0.5");         // comma written as a point
    EXPECT_FALSE(junk.styles[3].has_value()); // overlong line
    EXPECT_FALSE(junk.styles[4].has_value());
}

TEST(SettingsFile, LineEndsAndCodePages) {
    QByteArray unixLines;
    for (int i = 1; i <= 25; ++i)
        unixLines += " 3 \n";
    unixLines += "C:\\H\xe4st\\Start.mdb\n\n 99999 \n"; // Latin-1 ä; colour beyond 16 bits
    const SettingsValues values = parseSettings(unixLines);
    EXPECT_EQ(values.styles[24], "3");
    EXPECT_EQ(values.databasePath, QString::fromUtf8("C:\\Häst\\Start.mdb"));
    EXPECT_EQ(values.importFolder, "");
    EXPECT_FALSE(values.tempoAxisColour.has_value());

    const SettingsValues utf8 =
        parseSettings(formatSettings(designTexts(), QString::fromUtf8("/hästar/Vår.mdb"), "", 7));
    EXPECT_EQ(utf8.databasePath, QString::fromUtf8("/hästar/Vår.mdb"));
}

TEST(SettingsFile, WritingReplacesTheFileWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath("def4.txt");
    ASSERT_TRUE(writeSettingsFile(path, "first\r\n"));
    ASSERT_TRUE(writeSettingsFile(path, "second\r\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "second\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"def4.txt"});

    EXPECT_FALSE(writeSettingsFile(dir.filePath("missing-folder/def4.txt"), "x"));
}
