// A save whose connection to the server is cut after each of its messages in turn (before the
// insert, after its answer, after the commit is sent, after its answer, and everywhere between):
// the outcome the save gives always agrees with the server's rows, and the same save sent again
// under the same key leaves exactly one row. Tables of earlier versions get the key column.
#include "io/database/database_file.h"
#include "io/database/saving.h"
#include "support/cutting_relay.h"
#include "support/database_server.h"
#include "support/stored_rows.h"
#include "support/wait_until.h"

#include <QUuid>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

// The rows of the table once every other session of the database has ended, so that a commit the
// cut connection's server process was still working on is counted.
int settledRows(const ServerDatabase &database) {
    closeServerConnections();
    const QString others = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = "
                                          "current_database() AND pid <> pg_backend_pid()");
    EXPECT_TRUE(waitUntil([&] { return database.column(others) == QStringList{"0"}; }));
    return database.column(QStringLiteral("SELECT count(*) FROM mytable")).value(0).toInt();
}

const char *nameOf(SaveOutcome outcome) {
    return outcome == SaveOutcome::Saved      ? "saved"
           : outcome == SaveOutcome::NotSaved ? "not saved"
                                              : "unknown";
}

} // namespace

TEST(SaveCut, EveryCutPointGivesTheTruthAndARetryStoresOnce) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    ServerDatabase database(place);
    ASSERT_EQ(createDatabase(database.address()).outcome, CreateOutcome::Created);
    CuttingRelay relay(place);
    ASSERT_TRUE(relay.isListening());
    const QString address = relay.address(database.name());
    const StoredRow row = threeStepRow(QStringLiteral("Bella"));

    // How many messages a whole save takes on a new connection.
    closeServerConnections();
    relay.cutNextConnectionAfter(0);
    ASSERT_EQ(saveTest(address, row, QUuid::createUuid()).outcome, SaveOutcome::Saved);
    const int messages = relay.messagesCounted();
    ASSERT_GT(messages, 10);

    for (const bool serverGone : {false, true}) {
        int unknown = 0;
        int saved = 0;
        for (int cut = 1; cut <= messages; ++cut) {
            SCOPED_TRACE(QStringLiteral("cut after message %1 of %2%3")
                             .arg(cut)
                             .arg(messages)
                             .arg(serverGone ? ", server then unreachable" : "")
                             .toStdString());
            database.execute(QStringLiteral("DELETE FROM mytable"));
            closeServerConnections();
            const QUuid key = QUuid::createUuid();
            relay.refuseAfterCut(serverGone);
            relay.cutNextConnectionAfter(cut);
            const SaveResult first = saveTest(address, row, key);
            const int rows = settledRows(database);
            if (first.outcome == SaveOutcome::Saved)
                EXPECT_EQ(rows, 1) << "reported saved and missing";
            else if (first.outcome == SaveOutcome::NotSaved)
                EXPECT_EQ(rows, 0)
                    << "reported not saved and stored: " << first.message.toStdString();
            else
                ++unknown;
            saved += rows;
            EXPECT_EQ(first.outcome == SaveOutcome::Saved, first.message.isEmpty())
                << nameOf(first.outcome);

            relay.heal();
            closeServerConnections();
            const SaveResult retry = saveTest(address, row, key);
            EXPECT_EQ(retry.outcome, SaveOutcome::Saved) << retry.message.toStdString();
            EXPECT_EQ(settledRows(database), 1)
                << "after the retry of a " << nameOf(first.outcome) << " save";
        }
        // A reachable server always tells; cut after the commit was sent the test is stored.
        if (!serverGone)
            EXPECT_EQ(unknown, 0);
        else
            EXPECT_GT(unknown, 0);
        EXPECT_GT(saved, 0);
    }
}

// A table made by an earlier version has no key column: the first save gives it the column and
// its unique index, and the rows it held stay as they were.
TEST(SaveCut, AnOlderTableGetsTheKeyColumnOnItsFirstSave) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    ServerDatabase database(place);
    ASSERT_EQ(createDatabase(database.address()).outcome, CreateOutcome::Created);
    database.execute(QStringLiteral("ALTER TABLE mytable DROP COLUMN savekey"));
    database.execute(QStringLiteral("INSERT INTO mytable (\"Namn\") VALUES ('Stella')"));
    EXPECT_FALSE(checkChosenDatabase(database.address()).has_value());

    const QUuid key = QUuid::createUuid();
    for (int save = 0; save < 2; ++save)
        EXPECT_EQ(saveTest(database.address(), threeStepRow(QStringLiteral("Bella")), key).outcome,
                  SaveOutcome::Saved);
    EXPECT_EQ(database.column(QStringLiteral("SELECT \"Namn\" FROM mytable ORDER BY rowkey")),
              (QStringList{"Stella", "Bella"}));
    EXPECT_EQ(database.column(QStringLiteral("SELECT indexdef FROM pg_indexes WHERE indexname = "
                                             "'mytable_by_savekey'")),
              QStringList{"CREATE UNIQUE INDEX mytable_by_savekey ON public.mytable USING btree "
                          "(savekey)"});
}
