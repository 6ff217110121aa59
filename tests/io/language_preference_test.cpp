// The window's language is kept in the preferences file beside "def4.txt", never in it, and a
// value the program does not offer reads as the original texts.
#include "io/language_preference.h"
#include "io/preferences_file.h"
#include "support/program_folder.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace kavren {
namespace {

TEST(LanguagePreference, KeptInThePreferencesFileAndAnUnknownOneReadsAsOriginal) {
    const testing::ProgramFolder folder;
    const QByteArray settings = folder.settings();
    EXPECT_EQ(readLanguage(folder.path()), "original");
    ASSERT_TRUE(writeLanguage(folder.path(), QStringLiteral("sv")));
    EXPECT_EQ(readLanguage(folder.path()), "sv");
    EXPECT_EQ(folder.settings(), settings);
    QFile file(preferencesPath(folder.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Language]\nWindow=sv"));

    QSettings(preferencesPath(folder.path()), QSettings::IniFormat)
        .setValue(QStringLiteral("Language/Window"), QStringLiteral("nl"));
    EXPECT_EQ(readLanguage(folder.path()), "original");
}

} // namespace
} // namespace kavren
