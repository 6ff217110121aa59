// The current database named by the settings file's database line.
#include "io/database/database_location.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;

TEST(DatabaseLocation, TheDefaultDatabaseAlwaysLivesBesideTheProgram) {
    // A line naming Start.mdb anywhere opens the one in the program folder.
    const CurrentDatabase moved = databaseFromSettingsLine("C:\\Tests\\Start.mdb", "/opt/kavren");
    EXPECT_EQ(moved.selectedDatabaseName, "Start.mdb");
    EXPECT_EQ(moved.databasePath, "/opt/kavren/Start.mdb");
    EXPECT_EQ(moved.databaseFolder, "/opt/kavren");
    // The name is compared with its case: start.mdb is another file, taken where the line says.
    const CurrentDatabase lower = databaseFromSettingsLine("C:\\Tests\\start.mdb", "/opt/kavren");
    EXPECT_EQ(lower.databasePath, "C:\\Tests\\start.mdb");
    EXPECT_EQ(lower.databaseFolder, "C:\\Tests\\");
}

TEST(DatabaseLocation, AnyOtherDatabaseIsTakenWhereTheLineSays) {
    const CurrentDatabase stable =
        databaseFromSettingsLine("C:\\Horses\\Stable1.mdb", "/opt/kavren");
    EXPECT_EQ(stable.databasePath, "C:\\Horses\\Stable1.mdb");
    EXPECT_EQ(stable.databaseFolder, "C:\\Horses\\"); // with its separator
    EXPECT_EQ(stable.selectedDatabaseName, "Stable1.mdb");
    // Forward and back slashes both separate; the last one counts.
    const PathParts mixed = splitAtLastSeparator("/home/vet\\spring/Stable 2.mdb");
    EXPECT_EQ(mixed.folder, "/home/vet\\spring/");
    EXPECT_EQ(mixed.fileName, "Stable 2.mdb");
    const PathParts bare = splitAtLastSeparator("Stable1.mdb");
    EXPECT_EQ(bare.folder, "");
    EXPECT_EQ(bare.fileName, "Stable1.mdb");
    // An empty line chooses no database.
    const CurrentDatabase none = databaseFromSettingsLine("", "/opt/kavren");
    EXPECT_TRUE(none.selectedDatabaseName.isEmpty());
    EXPECT_TRUE(none.databasePath.isEmpty());
}

TEST(DatabaseLocation, TheCreateBoxShowsTheLineUpToItsFirstPoint) {
    EXPECT_EQ(createBoxTextOf("C:\\Horses\\Stable1.mdb"), "C:\\Horses\\Stable1");
    EXPECT_EQ(createBoxTextOf("/home/vet/v1.2/Spring.mdb"), "/home/vet/v1");
    EXPECT_EQ(createBoxTextOf("C:\\Horses\\Stable1"), "");
    EXPECT_EQ(createBoxTextOf(""), "");
}

// "Create Database" suggests a file of the data folder in place of a bare name or a path on a
// drive letter, numbered past a database that is already there.
TEST(DatabaseLocation, TheCreateBoxSuggestsAFileInTheDataFolder) {
    QTemporaryDir data;
    const QString folder = data.path();
    const std::pair<QString, QString> cases[] = {
        {"", folder + "/Horses"},
        {"Start", folder + "/Horses"},
        {"Spring", folder + "/Spring"},
        {"C:\\Tests\\Stable1", folder + "/Stable1"},
        {"/media/stick/Stable1", "/media/stick/Stable1"},
        {"postgresql://vet@clinic/horses", "postgresql://vet@clinic/horses"},
    };
    for (const auto &[box, suggested] : cases)
        EXPECT_EQ(suggestedNewDatabase(box, folder), suggested) << box.toStdString();
    for (const char *taken : {"Horses.mdb", "Horses2.mdb"}) {
        QFile file(QDir(folder).filePath(taken));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(suggestedNewDatabase("", folder), folder + "/Horses3");
}
