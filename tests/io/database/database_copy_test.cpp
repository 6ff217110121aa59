// Moving a history between a database file and a server database: every test arrives whole and
// in order, a target that already holds tests is refused unless appending, the count is reported.
#include "io/database/database_copy.h"
#include "io/database/database_file.h"
#include "io/database/database_store.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "support/store_probe.h"
#include "support/database_server.h"
#include "support/qt_printers.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

StoredRow rowOf(const QString &name, const QString &moment, const QString &comments) {
    StoredRow row;
    row.name = name;
    row.moment = moment;
    row.breed = QStringLiteral("Varmblod");
    row.age = QStringLiteral("5 år");
    row.sex = QStringLiteral("sto");
    row.discipline = QStringLiteral("Galopp");
    row.pictureName = QStringLiteral("bana.bmp");
    row.maxHr = QStringLiteral("224");
    row.stable = QStringLiteral("Norr");
    row.trainer = QStringLiteral(" ");
    row.examDate = moment.left(10);
    row.stepData = QStringLiteral("1.2 128 14.0 1.5 145 13.5 2.4 166 13.0");
    row.comments = comments;
    return row;
}

// Every column of every row, in the order saved, as one text per row.
QStringList everything(const QString &database) {
    QStringList rows;
    for (const QString &name : listCriterionValues(database, QStringLiteral("Namn")).values)
        for (const TestRow &row : searchTests(database, QStringLiteral("Namn"), name).rows)
            rows << QStringList{row.name,     row.testDate,   row.breed,       row.age,
                                row.sex,      row.discipline, row.pictureName, row.stepData,
                                row.comments, row.maxHr,      row.stable,      row.trainer}
                        .join(u'|');
    return rows;
}

} // namespace

TEST(DatabaseCopy, AFileGoesToAServerAndBackWhole) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Stable1.mdb"));
    ASSERT_FALSE(createEmptyDatabase(file).has_value());
    ASSERT_FALSE(appendRow(file, rowOf(QStringLiteral("Åsa"), QStringLiteral("2006-03-14 10:22:05"),
                                       QStringLiteral("rad 1\r\nrad 2")))
                     .has_value());
    ASSERT_FALSE(
        appendRow(file, rowOf(QStringLiteral("Bella"), QStringLiteral("2006-03-15 08:00:00"),
                              QStringLiteral("it's fine")))
            .has_value());
    ASSERT_FALSE(appendRow(file, rowOf(QStringLiteral("Bella"),
                                       QStringLiteral("2006-03-15 08:00:00"), QStringLiteral(" ")))
                     .has_value());

    ServerDatabase server(place);
    const CopyResult up = copyTests(file, server.address(), false);
    EXPECT_EQ(up.copied, 3);
    EXPECT_TRUE(up.error.isEmpty()) << up.error.toStdString();
    EXPECT_EQ(everything(server.address()), everything(file));
    EXPECT_EQ(server.column(QStringLiteral("SELECT \"ExDatum\" FROM mytable ORDER BY rowkey")),
              (QStringList{"2006-03-14", "2006-03-15", "2006-03-15"}));

    const QString back = folder.filePath(QStringLiteral("Back.mdb"));
    const CopyResult down = copyTests(server.address(), back, false);
    EXPECT_EQ(down.copied, 3);
    EXPECT_EQ(everything(back), everything(file));
}

TEST(DatabaseCopy, ATargetHoldingTestsIsRefusedUnlessAppending) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Stable1.mdb"));
    ASSERT_FALSE(createEmptyDatabase(file).has_value());
    ASSERT_FALSE(appendRow(file, rowOf(QStringLiteral("Bella"),
                                       QStringLiteral("2006-03-14 10:22:05"), QStringLiteral(" ")))
                     .has_value());
    ServerDatabase server(place);
    ASSERT_EQ(copyTests(file, server.address(), false).copied, 1);

    const CopyResult refused = copyTests(file, server.address(), false);
    EXPECT_EQ(refused.copied, 0);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("already holds 1 tests")))
        << refused.error.toStdString();
    EXPECT_EQ(server.column(QStringLiteral("SELECT count(*) FROM mytable")), QStringList{"1"});

    EXPECT_EQ(copyTests(file, server.address(), true).copied, 1);
    EXPECT_EQ(server.column(QStringLiteral("SELECT count(*) FROM mytable")), QStringList{"2"});
}

TEST(DatabaseCopy, TheCommandReportsTheCountOrWhyNothingWasCopied) {
    QTemporaryDir folder;
    const QString from = folder.filePath(QStringLiteral("From.mdb"));
    const QString to = folder.filePath(QStringLiteral("To.mdb"));
    ASSERT_FALSE(createEmptyDatabase(from).has_value());
    for (const char *name : {"Bella", "Zorro"})
        ASSERT_FALSE(
            appendRow(from, rowOf(QString::fromLatin1(name), QStringLiteral("2006-03-14 10:22:05"),
                                  QStringLiteral(" ")))
                .has_value());
    const auto run = [](const QStringList &arguments) {
        QProcess command;
        command.setProcessChannelMode(QProcess::MergedChannels);
        command.start(QStringLiteral(KAVREN_COPY_DATABASE), arguments);
        command.waitForFinished(60000);
        return std::pair{command.exitCode(), QString::fromUtf8(command.readAll()).trimmed()};
    };
    EXPECT_EQ(run({from, to}), std::pair(0, QStringLiteral("2 tests copied.")));
    const auto [code, output] = run({from, to});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(output.contains(QStringLiteral("--append"))) << output.toStdString();
    EXPECT_EQ(run({QStringLiteral("--append"), from, to}),
              std::pair(0, QStringLiteral("2 tests copied.")));
    EXPECT_EQ(run({from}).first, 2);
}

// A database named twice, in other spellings, is refused before anything is read or written.
TEST(DatabaseCopy, ADatabaseIsNeverCopiedIntoItself) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Stable1.mdb"));
    ASSERT_FALSE(createEmptyDatabase(file).has_value());
    ASSERT_FALSE(appendRow(file, rowOf(QStringLiteral("Åsa"), QStringLiteral("2006-03-14 10:22:05"),
                                       QStringLiteral(" ")))
                     .has_value());
    const QString spelledOtherwise = folder.path() + QStringLiteral("/./Stable1.mdb");
    const CopyResult intoItself = copyTests(file, spelledOtherwise, true);
    EXPECT_EQ(intoItself.copied, 0);
    EXPECT_TRUE(intoItself.error.contains(QStringLiteral("same database")))
        << intoItself.error.toStdString();
    EXPECT_EQ(everything(file).size(), 1);
    // No server is reached: the addresses alone say it (the default port written out or not).
    const CopyResult server = copyTests(QStringLiteral("postgresql://db.clinic/horses"),
                                        QStringLiteral("postgresql://DB.clinic:5432/horses"), true);
    EXPECT_EQ(server.error, QStringLiteral("The source and the target are the same database "
                                           "\"db.clinic/horses\", so nothing was copied."));
}
