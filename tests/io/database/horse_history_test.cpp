// A horse's history and the clinic's reference band read from a database file and from a server,
// and the index table kept in step with saving, erasing and copying. The steps are chosen so that
// the indices can be read off by hand: lactate doubling with every m/s puts ln L on a line, so
// VLa2 and VLa4 are where it reaches 2 and 4; heart rates rising 10 b/min per m/s from
// 170 at 6 m/s give C = 110, D = 10, so V200 = 9 m/s and Hr = 110 + 10·v.
#include "io/database/database_copy.h"
#include "io/database/database_store.h"
#include "io/database/file_store.h"
#include "io/database/horse_history.h"
#include "io/database/saving.h"
#include "io/database/server_store.h"
#include "support/database_server.h"
#include "support/store_probe.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

StoredRow testOf(const QString &moment, const QString &discipline, const QString &stepData,
                 const QString &breed = QStringLiteral("Varmblod"),
                 const QString &stable = QStringLiteral("Norr")) {
    StoredRow row;
    row.name = QStringLiteral("Bella");
    row.moment = moment;
    row.breed = breed;
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("sto");
    row.discipline = discipline;
    row.pictureName = NoPictureName;
    row.maxHr = row.trainer = row.comments = QStringLiteral(" ");
    row.stable = stable;
    row.examDate = moment.left(10);
    row.stepData = stepData;
    return row;
}

// Riding, m/min: 6, 7, 8, 9 m/s with lactate 1, 2, 4, 8 → VLa2 7, VLa4 8, Hr2 180, Hr4 190.
const QString RidingSteps = QStringLiteral("1 170 360 2 180 420 4 190 480 8 200 540");
// Endurance, km/h: 6, 7, 8 m/s with lactate 2, 4, 8 → VLa2 6, VLa4 7, Hr2 170, Hr4 180.
const QString EnduranceSteps = QStringLiteral("2 170 21.6 4 180 25.2 8 190 28.8");
// Heart rate only: 150, 160, 170 at 6, 7, 8 m/s → C = 90, V200 = 11; no lactate index.
const QString HrOnlySteps = QStringLiteral("0.1 150 360 0.1 160 420 0.1 170 480");

// Riding steps whose VLa4 is first + 2 m/s (lactate 1, 2, 4 from first m/s on).
QString ridingVla4(int firstMps) {
    return QStringLiteral("1 150 %1 2 160 %2 4 170 %3")
        .arg(60 * firstMps)
        .arg(60 * (firstMps + 1))
        .arg(60 * (firstMps + 2));
}

class HorseHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_FALSE(createEmptyDatabase(m_path).has_value());
    }
    void save(const StoredRow &row) { ASSERT_FALSE(appendRow(m_path, row).has_value()); }
    // The history's horse saved out of date order, beside a horse of its name of another breed;
    // keyed saves (as "Save work" makes them) or appended rows (as a copy appends them).
    void saveBellas(const QString &path, bool keyed = false) {
        for (const StoredRow &row :
             {testOf(QStringLiteral("2024-05-02 09:00:00"), QStringLiteral("Rid"), RidingSteps),
              testOf(QStringLiteral("2022-01-01 09:00:00"), QStringLiteral("Rid"), RidingSteps,
                     QStringLiteral("Fullblod"), QStringLiteral("Syd")),
              testOf(QStringLiteral("2023-11-20 09:00:00"), QStringLiteral("Endur"),
                     EnduranceSteps),
              testOf(QStringLiteral("2024-01-10 09:00:00"), QStringLiteral("Rid"), HrOnlySteps)})
            if (keyed)
                ASSERT_EQ(saveTest(path, row, QUuid::createUuid()).outcome, SaveOutcome::Saved);
            else
                ASSERT_FALSE(appendRow(path, row).has_value());
    }
    // 20 riding tests with VLa4 3, 4, …, 22 m/s, one of them a Fullblod; a heart-rate-only riding
    // test and an endurance test stay out of the riding band.
    void saveClinic(const QString &path) {
        std::vector<StoredRow> rows;
        for (int first = 20; first >= 1; --first)
            rows.push_back(testOf(
                QStringLiteral("2020-01-01 00:00:00"), QStringLiteral("Rid"), ridingVla4(first),
                first == 7 ? QStringLiteral("Fullblod") : QStringLiteral("Varmblod")));
        rows.push_back(
            testOf(QStringLiteral("2020-01-01 00:00:00"), QStringLiteral("Rid"), HrOnlySteps));
        rows.push_back(
            testOf(QStringLiteral("2020-01-01 00:00:00"), QStringLiteral("Endur"), EnduranceSteps));
        ASSERT_FALSE(openStore(path)->appendRows(rows).has_value());
    }

    QTemporaryDir m_folder;
    QString m_path = m_folder.filePath(QStringLiteral("Stable1.mdb"));
};

TEST_F(HorseHistoryTest, TheHorsesTestsComeOldestFirstWithTheirIndices) {
    saveBellas(m_path);
    FileStore store(m_path);
    const HorseHistory history =
        horseHistory(store, {QStringLiteral("Bella"), QStringLiteral("Varmblod"), QString()});
    ASSERT_TRUE(history.error.isEmpty()) << history.error.toStdString();
    ASSERT_EQ(history.entries.size(), 3u);
    const HistoryEntry &endurance = history.entries[0];
    const HistoryEntry &hrOnly = history.entries[1];
    const HistoryEntry &riding = history.entries[2];
    EXPECT_EQ(endurance.testDate, "2023-11-20 09:00:00");
    EXPECT_EQ(endurance.discipline, "Endur");
    EXPECT_EQ(endurance.stepCount, 3);
    EXPECT_NEAR(*endurance.estimate(HistoryIndex::VLa4).value, 7.0, 1e-9);
    EXPECT_NEAR(*endurance.estimate(HistoryIndex::VLa2).value, 6.0, 1e-9);
    EXPECT_EQ(*endurance.estimate(HistoryIndex::Hr4).value, 180);
    EXPECT_TRUE(hrOnly.hrOnly);
    EXPECT_NEAR(*hrOnly.estimate(HistoryIndex::V200).value, 11.0, 1e-9);
    EXPECT_FALSE(hrOnly.estimate(HistoryIndex::VLa4).value);
    EXPECT_EQ(riding.stepCount, 4);
    EXPECT_NEAR(*riding.estimate(HistoryIndex::VLa4).value, 8.0, 1e-9);
    EXPECT_NEAR(*riding.estimate(HistoryIndex::V200).value, 9.0, 1e-9);
    EXPECT_EQ(*riding.estimate(HistoryIndex::Hr2).value, 180);
    EXPECT_NEAR(*riding.quality.lactateR2, 1.0, 1e-12);

    ASSERT_EQ(history.horsesOfName.size(), 2u);
    EXPECT_EQ(history.horsesOfName[0].breed, "Fullblod");
    EXPECT_EQ(history.horsesOfName[0].stable, "Syd");
    EXPECT_EQ(history.horsesOfName[1].breed, "Varmblod");
}

TEST_F(HorseHistoryTest, IndexRowsFollowSavingErasingAndCopying) {
    saveBellas(m_path);
    const QString rows = QStringLiteral("SELECT test, Disiplin, Ras, vla4, v200 FROM testindices "
                                        "ORDER BY test");
    auto indexRows = rowsOf(m_path, rows);
    ASSERT_EQ(indexRows.size(), 4u);
    EXPECT_EQ(indexRows[0][0].toLongLong(), 1);
    EXPECT_EQ(indexRows[1][2].toString(), "Fullblod");
    EXPECT_EQ(indexRows[2][1].toString(), "Endur");
    EXPECT_NEAR(indexRows[2][3].toDouble(), 7.0, 1e-9);
    EXPECT_TRUE(indexRows[3][3].isNull()); // heart-rate-only: no VLa4
    EXPECT_NEAR(indexRows[3][4].toDouble(), 11.0, 1e-9);

    // The last row erased, the next save takes its row id and must not show its indices.
    FileStore store(m_path);
    ASSERT_EQ(
        store.erase({{4, QStringLiteral("Bella"), QStringLiteral("2024-01-10 09:00:00")}}).erased,
        1);
    EXPECT_EQ(rowsOf(m_path, rows).size(), 3u);
    save(testOf(QStringLiteral("2024-06-01 09:00:00"), QStringLiteral("Rid"), RidingSteps));
    indexRows = rowsOf(m_path, rows);
    ASSERT_EQ(indexRows.size(), 4u);
    EXPECT_EQ(indexRows[3][0].toLongLong(), 4);
    EXPECT_NEAR(indexRows[3][3].toDouble(), 8.0, 1e-9);

    const QString copy = m_folder.filePath(QStringLiteral("Copy.mdb"));
    ASSERT_EQ(copyTests(m_path, copy, false).copied, 4);
    EXPECT_EQ(rowsOf(copy, rows), indexRows);
}

TEST_F(HorseHistoryTest, AnOlderFileGetsItsIndicesInPieces) {
    const QString older = m_folder.filePath(QStringLiteral("older.mdb"));
    execute(older, QStringLiteral("CREATE TABLE MyTable (Namn TEXT, Datum DATETIME, Ras TEXT, "
                                  "Ålder TEXT, Kön TEXT, Disiplin TEXT, Bitmap TEXT, Maxpuls "
                                  "TEXT, Stall TEXT, Coach TEXT, ExDatum TEXT, Data TEXT, "
                                  "Kommentarer TEXT)"));
    for (int i = 0; i < 5; ++i)
        execute(older, QStringLiteral("INSERT INTO MyTable (Namn, Disiplin, Data) VALUES "
                                      "('Bella', 'Endur', '%1')")
                           .arg(EnduranceSteps));
    FileStore store(older);
    for (const qint64 remaining : {3, 1, 0}) {
        const IndexFillResult filled = fillMissingIndices(store, 2);
        ASSERT_TRUE(filled.error.isEmpty()) << filled.error.toStdString();
        EXPECT_EQ(filled.remaining, remaining);
    }
    const auto values = rowsOf(older, QStringLiteral("SELECT vla4 FROM testindices"));
    ASSERT_EQ(values.size(), 5u);
    EXPECT_NEAR(values[4][0].toDouble(), 7.0, 1e-9);
}

TEST_F(HorseHistoryTest, TestsErasedOrAddedByAnotherProgramAreNoticed) {
    saveBellas(m_path);
    FileStore store(m_path);
    // Another program erases the last test: its index row goes at the next filling.
    execute(m_path, QStringLiteral("DELETE FROM mytable WHERE rowid = 4"));
    EXPECT_EQ(fillMissingIndices(store, 10).remaining, 0);
    EXPECT_EQ(rowsOf(m_path, QStringLiteral("SELECT test FROM testindices")).size(), 3u);
    // It then stores a test in the same row; the test gets indices of its own.
    execute(m_path, QStringLiteral("INSERT INTO mytable (Namn, Disiplin, Data) VALUES ('Bella', "
                                   "'Endur', '%1')")
                        .arg(EnduranceSteps));
    EXPECT_EQ(fillMissingIndices(store, 10).remaining, 0);
    const auto last =
        rowsOf(m_path, QStringLiteral("SELECT test, vla4 FROM testindices WHERE test = 4"));
    ASSERT_EQ(last.size(), 1u);
    EXPECT_NEAR(last[0][1].toDouble(), 7.0, 1e-9);
    // A test between others that lost its index row is found by the search, the last indexed
    // one included.
    execute(m_path, QStringLiteral("DELETE FROM testindices WHERE test IN (2, 4)"));
    EXPECT_EQ(fillMissingIndices(store, 10).remaining, 0);
    EXPECT_EQ(rowsOf(m_path, QStringLiteral("SELECT test FROM testindices")).size(), 4u);
}

TEST_F(HorseHistoryTest, TheBandOfADisciplineIsReadFromTheIndexTable) {
    saveClinic(m_path);
    FileStore store(m_path);
    // VLa4 3…22 sorted: p10 at 1.9 → 4.9, median at 9.5 → 12.5, p90 at 17.1 → 20.1.
    const BandResult band = referenceBand(store, {QStringLiteral("Rid"), HistoryIndex::VLa4, {}});
    ASSERT_TRUE(band.error.isEmpty()) << band.error.toStdString();
    EXPECT_EQ(band.band.testCount, 20);
    ASSERT_TRUE(band.band.shown());
    EXPECT_NEAR(*band.band.p10, 4.9, 1e-9);
    EXPECT_NEAR(*band.band.median, 12.5, 1e-9);
    EXPECT_NEAR(*band.band.p90, 20.1, 1e-9);
    // The Fullblod test left out, 19 remain: no band.
    const BandResult breed = referenceBand(
        store, {QStringLiteral("Rid"), HistoryIndex::VLa4, QStringLiteral("Varmblod")});
    EXPECT_EQ(breed.band.testCount, 19);
    EXPECT_FALSE(breed.band.shown());
}

TEST_F(HorseHistoryTest, AServerGivesTheSameHistoryAndBandAsAFile) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    ServerDatabase server(place);
    ASSERT_EQ(createDatabase(server.address()).outcome, CreateOutcome::Created);
    saveBellas(m_path);
    saveBellas(server.address(), true);
    EXPECT_EQ(server.column(QStringLiteral("SELECT count(*) FROM testindices")), QStringList{"4"});
    saveClinic(m_path);
    saveClinic(server.address());
    // Tests stored without index rows (by another program) are filled on the server too.
    server.execute(QStringLiteral("DELETE FROM testindices WHERE test % 2 = 0"));
    ServerStore onServer(server.address());
    EXPECT_EQ(fillMissingIndices(onServer, 100).remaining, 0);

    FileStore inFile(m_path);
    const HorseKey bella{QStringLiteral("Bella"), QStringLiteral("Varmblod"),
                         QStringLiteral("Norr")};
    const HorseHistory fromFile = horseHistory(inFile, bella);
    const HorseHistory fromServer = horseHistory(onServer, bella);
    ASSERT_TRUE(fromServer.error.isEmpty()) << fromServer.error.toStdString();
    ASSERT_EQ(fromServer.entries.size(), fromFile.entries.size());
    for (std::size_t i = 0; i < fromFile.entries.size(); ++i) {
        EXPECT_EQ(fromServer.entries[i].testDate, fromFile.entries[i].testDate);
        EXPECT_EQ(fromServer.entries[i].estimate(HistoryIndex::V200).value,
                  fromFile.entries[i].estimate(HistoryIndex::V200).value);
    }
    EXPECT_EQ(fromServer.horsesOfName.size(), fromFile.horsesOfName.size());
    for (const HistoryIndex index : {HistoryIndex::VLa4, HistoryIndex::Hr2}) {
        const BandRequest request{QStringLiteral("Rid"), index, {}};
        const BandResult file = referenceBand(inFile, request);
        const BandResult onServerBand = referenceBand(onServer, request);
        ASSERT_TRUE(onServerBand.error.isEmpty()) << onServerBand.error.toStdString();
        EXPECT_EQ(onServerBand.band.testCount, file.band.testCount);
        ASSERT_TRUE(onServerBand.band.shown() && file.band.shown());
        EXPECT_DOUBLE_EQ(*onServerBand.band.p10, *file.band.p10);
        EXPECT_DOUBLE_EQ(*onServerBand.band.median, *file.band.median);
        EXPECT_DOUBLE_EQ(*onServerBand.band.p90, *file.band.p90);
    }
}

} // namespace
