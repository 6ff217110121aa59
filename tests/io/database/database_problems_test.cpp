// What the database layer says about files it cannot use: no file chosen, a table without one of
// its columns, a database that already exists or cannot be created, an unknown search field, and a
// criterion whose only value is empty.
#include "io/database/database_file.h"
#include "io/database/database_store.h"
#include "io/database/search.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

TEST(DatabaseProblems, NoFileChosenIsSaidSo) {
    EXPECT_EQ(problemWithDatabase(QString()), std::optional(u"No database file is chosen."_qs));
    EXPECT_EQ(problemWithDatabase(u"   "_qs), std::optional(u"No database file is chosen."_qs));
}

TEST(DatabaseProblems, ATableWithoutOneOfItsColumnsIsNamedInTheMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"other.mdb"_qs);
    // Every column but Coach (the trainer).
    execute(path, u"CREATE TABLE mytable (Namn TEXT, Datum TEXT, Ras TEXT, Ålder TEXT, Kön TEXT, "
                  u"Disiplin TEXT, Bitmap TEXT, Maxpuls TEXT, Stall TEXT, ExDatum TEXT, Data TEXT, "
                  u"Kommentarer TEXT)"_qs);
    const auto problem = problemWithDatabase(path);
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(u"lacks the column Coach"_qs)) << problem->toStdString();
    // A search in it fails with the same reason instead of listing anything.
    const SearchResult found = searchTests(path, u"Namn"_qs, u"Bella"_qs);
    EXPECT_TRUE(found.rows.empty());
    EXPECT_EQ(found.error, *problem);
}

TEST(DatabaseProblems, CreatingOverAnExistingFileOrInAMissingFolderFails) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(u"kept.mdb"_qs);
    writeBytes(existing, "user data");
    const auto over = createEmptyDatabase(existing);
    ASSERT_TRUE(over.has_value());
    EXPECT_TRUE(over->contains(u"already exists"_qs)) << over->toStdString();
    EXPECT_EQ(bytesOf(existing), "user data");

    const QString nowhere = dir.filePath(u"no such folder/new.mdb"_qs);
    const auto missing = createEmptyDatabase(nowhere);
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->contains(u"could not be created"_qs)) << missing->toStdString();
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST(DatabaseProblems, UnknownSearchFieldsAndEmptyChoicesDoNothing) {
    QTemporaryDir dir;
    ASSERT_EQ(createDatabase(dir.filePath(u"horses"_qs)).outcome, CreateOutcome::Created);
    const QString path = dir.filePath(u"horses.mdb"_qs);
    const SearchResult unknown = searchTests(path, u"Data"_qs, u"x"_qs);
    EXPECT_TRUE(unknown.rows.empty());
    EXPECT_FALSE(unknown.error.isEmpty());

    const EraseResult none = eraseTests(path, std::vector<ListedTest>{});
    EXPECT_EQ(none.erased, 0);
    EXPECT_TRUE(none.error.isEmpty());

    // A row written elsewhere with an empty trainer: the only value listed is empty, so the list
    // of values is emptied.
    insertRaw(path, {u"Bella"_qs, u"2006-03-14 09:00:00"_qs, u"Varmblod"_qs, u"5"_qs, u"sto"_qs,
                     u"Trav"_qs, u"dummy.jpg"_qs, u" "_qs, u" "_qs, QString(u""_qs),
                     u"2006-03-14"_qs, QString(), u" "_qs});
    ASSERT_EQ(rowsOf(path, u"SELECT Namn FROM mytable"_qs).size(), 1u);
    const ValuesResult trainers = listCriterionValues(path, u"Coach"_qs);
    EXPECT_TRUE(trainers.values.isEmpty());
    EXPECT_TRUE(trainers.error.isEmpty());
}

TEST(DatabaseProblems, ALockedDatabaseIsReportedBySearchListAndErase) {
    QTemporaryDir dir;
    ASSERT_EQ(createDatabase(dir.filePath(u"locked"_qs)).outcome, CreateOutcome::Created);
    const QString path = dir.filePath(u"locked.mdb"_qs);
    insertRaw(path, {u"Bella"_qs, u"2006-03-14 09:00:00"_qs, u"Varmblod"_qs, u"5"_qs, u"sto"_qs,
                     u"Trav"_qs, u"dummy.jpg"_qs, u" "_qs, u" "_qs, u" "_qs, u"2006-03-14"_qs,
                     QString(), u" "_qs});
    const std::vector<TestRow> found = searchTests(path, u"Namn"_qs, u"Bella"_qs).rows;
    ASSERT_EQ(found.size(), 1u);

    SearchResult search;
    ValuesResult values;
    EraseResult erase;
    withConnection(path, [&](QSqlDatabase &other) {
        QSqlQuery(other).exec(u"BEGIN EXCLUSIVE"_qs);
        search = searchTests(path, u"Namn"_qs, u"Bella"_qs);
        values = listCriterionValues(path, u"Namn"_qs);
        erase = eraseTests(path, found);
        QSqlQuery(other).exec(u"ROLLBACK"_qs);
    });
    EXPECT_TRUE(search.rows.empty());
    EXPECT_TRUE(search.error.contains(u"locked"_qs)) << search.error.toStdString();
    EXPECT_TRUE(values.values.isEmpty());
    EXPECT_TRUE(values.error.contains(u"locked"_qs)) << values.error.toStdString();
    EXPECT_EQ(erase.erased, 0);
    EXPECT_TRUE(erase.error.contains(u"locked"_qs)) << erase.error.toStdString();
    // Once the lock is gone the test is still there.
    EXPECT_EQ(searchTests(path, u"Namn"_qs, u"Bella"_qs).rows.size(), 1u);
}
