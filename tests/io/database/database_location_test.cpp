// The current database named by the settings file's database line.
#include "io/database/database_location.h"
#include "support/qt_printers.h"

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
