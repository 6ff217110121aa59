// Reading database server addresses: the forms libpq accepts, and the refusal of a password.
#include "io/database/database_location.h"
#include "io/database/server_address.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(ServerAddress, IsToldFromAFilePathByItsScheme) {
    EXPECT_TRUE(isServerAddress(QStringLiteral("postgresql://db.clinic/horses")));
    EXPECT_TRUE(isServerAddress(QStringLiteral(" POSTGRES://db/horses")));
    EXPECT_FALSE(isServerAddress(QStringLiteral("C:\\Horses\\Stable1.mdb")));
    EXPECT_FALSE(isServerAddress(QStringLiteral("/home/anna/postgresql/Start.mdb")));
    EXPECT_FALSE(isServerAddress(QStringLiteral("postgresql:/db/horses")));
}

TEST(ServerAddress, ReadsUserHostPortAndDatabase) {
    const auto parsed =
        parseServerAddress(QStringLiteral("postgresql://anna@db.clinic:5433/hästar"));
    ASSERT_TRUE(parsed.address) << parsed.error.toStdString();
    EXPECT_EQ(parsed.address->user, QStringLiteral("anna"));
    EXPECT_EQ(parsed.address->host, QStringLiteral("db.clinic"));
    EXPECT_EQ(parsed.address->port, 5433);
    EXPECT_EQ(parsed.address->database, QStringLiteral("hästar"));
    EXPECT_EQ(parsed.address->shownName(), QStringLiteral("db.clinic:5433/hästar"));
}

TEST(ServerAddress, ReadsASocketFolderAndOptionsFromTheQuery) {
    const auto parsed = parseServerAddress(
        QStringLiteral("postgresql:///horses?host=%2Fvar%2Frun%2Fpostgresql&sslmode=disable"
                       "&connect_timeout=600"));
    ASSERT_TRUE(parsed.address) << parsed.error.toStdString();
    EXPECT_EQ(parsed.address->host, QStringLiteral("/var/run/postgresql"));
    EXPECT_EQ(parsed.address->port, -1);
    EXPECT_EQ(parsed.address->user, QString());
    ASSERT_EQ(parsed.address->options.size(), 1u); // the program's own connect timeout holds
    EXPECT_EQ(parsed.address->options[0].first, QStringLiteral("sslmode"));
    EXPECT_EQ(parsed.address->shownName(), QStringLiteral("/var/run/postgresql/horses"));
}

TEST(ServerAddress, ReadsAnIpv6HostInBrackets) {
    const auto parsed = parseServerAddress(QStringLiteral("postgresql://[::1]:5432/horses"));
    ASSERT_TRUE(parsed.address) << parsed.error.toStdString();
    EXPECT_EQ(parsed.address->host, QStringLiteral("::1"));
    EXPECT_EQ(parsed.address->port, 5432);
}

TEST(ServerAddress, RefusesAPasswordSayingWhereItBelongsWithoutRepeatingIt) {
    for (const char *text : {"postgresql://anna:secret@db/horses", "postgresql://anna:@db/horses",
                             "postgresql://db/horses?password=secret",
                             "postgresql://db/horses?sslmode=require&PASSWORD=secret"}) {
        const auto parsed = parseServerAddress(QString::fromLatin1(text));
        EXPECT_FALSE(parsed.address) << text;
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("~/.pgpass"))) << text;
        EXPECT_FALSE(parsed.error.contains(QStringLiteral("secret"))) << parsed.error.toStdString();
    }
}

TEST(ServerAddress, RefusesAddressesItCannotUse) {
    for (const char *text : {"postgresql://db.clinic", "postgresql://db.clinic/",
                             "postgresql://db:port/horses", "postgresql://db:70000/horses",
                             "postgresql://a,b/horses", "postgresql://db/horses?sslmode"}) {
        const auto parsed = parseServerAddress(QString::fromLatin1(text));
        EXPECT_FALSE(parsed.address) << text;
        EXPECT_FALSE(parsed.error.isEmpty()) << text;
    }
    // A service names the database by itself.
    EXPECT_TRUE(parseServerAddress(QStringLiteral("postgresql://?service=clinic")).address);
}

TEST(ServerAddress, AsTheSettingsLineBecomesTheCurrentDatabase) {
    const CurrentDatabase database = databaseFromSettingsLine(
        QStringLiteral("postgresql://db.clinic/horses"), QStringLiteral("/opt/kavren"));
    EXPECT_EQ(database.databasePath, QStringLiteral("postgresql://db.clinic/horses"));
    EXPECT_EQ(database.selectedDatabaseName, QStringLiteral("db.clinic/horses"));
    EXPECT_EQ(database.databaseFolder, QStringLiteral("/opt/kavren"));
    EXPECT_EQ(shownDatabaseName(database), QStringLiteral("db.clinic/horses"));
    // The create box shows the whole address, not the text up to its first point.
    EXPECT_EQ(createBoxTextOf(QStringLiteral("postgresql://db.clinic/horses")),
              QStringLiteral("postgresql://db.clinic/horses"));
    // A password typed into the settings is kept as written (the line goes back unchanged at
    // exit) and shown nowhere.
    const QString withPassword = QStringLiteral(" postgresql://anna:secret@db/horses");
    const CurrentDatabase refused = databaseFromSettingsLine(withPassword, QStringLiteral("/opt"));
    EXPECT_EQ(refused.databasePath, withPassword);
    EXPECT_EQ(shownDatabaseName(refused), QStringLiteral("postgresql://anna:***@db/horses"));
    EXPECT_EQ(createBoxTextOf(withPassword), QStringLiteral("postgresql://anna:***@db/horses"));
}
