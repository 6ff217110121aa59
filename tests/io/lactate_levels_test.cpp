// The extra lactate levels: what typing gives, and that they are kept in the preferences file
// beside "def4.txt" without touching it.
#include "io/lactate_levels.h"
#include "io/preferences_file.h"
#include "support/program_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kavren {
namespace {

TEST(LactateLevels, TypedLevelsAreReadByTheNumericRule) {
    struct Case {
        const char *typed;
        std::vector<double> levels;
        QStringList rejected;
    };
    const Case cases[] = {
        {"3 1.5", {1.5, 3}, {}},
        {"1,5;  2.5 1.5", {1.5, 2.5}, {}},                  // a comma is a decimal point
        {"0 -1 31 abc 30", {30}, {"0", "-1", "31", "abc"}}, // above 0, at most 30
        {"1 2 3 4 5", {1, 2, 3, 4}, {"5"}},                 // four levels at most
        {"", {}, {}},
    };
    for (const Case &c : cases) {
        const LactateLevels read = parseLactateLevels(QString::fromUtf8(c.typed));
        EXPECT_EQ(read.levels, c.levels) << c.typed;
        EXPECT_EQ(read.rejected, c.rejected) << c.typed;
    }
}

TEST(LactateLevels, KeptBesideTheSettingsFile) {
    const testing::ProgramFolder folder;
    const QByteArray settings = folder.settings();
    EXPECT_TRUE(readLactateLevels(folder.path()).empty());
    ASSERT_TRUE(writeLactateLevels(folder.path(), {1.5, 3}));
    EXPECT_EQ(readLactateLevels(folder.path()), (std::vector<double>{1.5, 3}));
    EXPECT_EQ(folder.settings(), settings);
    QFile file(preferencesPath(folder.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Levels]\nExtra=1.5 3"));
}

} // namespace
} // namespace kavren
