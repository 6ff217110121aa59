#include "io/database/database_file.h"
#include "io/database/database_store.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using namespace kavren;
using namespace kavren::testing;

namespace {

class DatabaseFileTest : public ::testing::Test {
protected:
    QString at(const QString &relative) const { return m_dir.filePath(relative); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(DatabaseFileTest, CreateChecksTheDrivePartFirstAndThenTheSeparator) {
    struct Case {
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("test\\db"), QStringLiteral("Wrong syntax !")},
        {QStringLiteral("test"), QStringLiteral("Wrong syntax !")},
        {QStringLiteral("C:test"), QStringLiteral("Wrong syntax")},
    };
    for (const Case &c : cases) {
        const CreateResult result = createDatabase(c.typed);
        EXPECT_EQ(result.outcome, CreateOutcome::WrongSyntax) << c.typed.toStdString();
        EXPECT_EQ(result.message, c.message) << c.typed.toStdString();
        EXPECT_TRUE(result.databasePath.isEmpty());
    }
}

TEST_F(DatabaseFileTest, CreateMakesTheFolderOneLevelDeepAndTheEmptyTable) {
    const CreateResult result = createDatabase(at(QStringLiteral("Horses\\Stable1")));
    ASSERT_EQ(result.outcome, CreateOutcome::Created) << result.message.toStdString();
    EXPECT_EQ(result.databasePath, at(QStringLiteral("Horses/Stable1.mdb")));
    EXPECT_FALSE(problemWithDatabase(result.databasePath).has_value());

    const auto columns = rowsOf(result.databasePath, QStringLiteral("PRAGMA table_info(mytable)"));
    QStringList names;
    for (const auto &column : columns)
        names << column[1].toString() + u' ' + column[2].toString();
    EXPECT_EQ(names.join(u','),
              QStringLiteral("Namn TEXT,Datum DATETIME,Ras TEXT,Ålder TEXT,Kön TEXT,"
                             "Disiplin TEXT,Bitmap TEXT,Maxpuls TEXT,Stall TEXT,Coach TEXT,"
                             "ExDatum TEXT,Data TEXT,Kommentarer TEXT"));
    const auto tables = rowsOf(result.databasePath,
                               QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0][0].toString(), QStringLiteral("MyTable"));
    EXPECT_EQ(tables[1][0].toString(), QStringLiteral("testindices"));
    EXPECT_TRUE(rowsOf(result.databasePath, QStringLiteral("SELECT * FROM mytable")).empty());
}

TEST_F(DatabaseFileTest, CreateOverAnExistingFileLeavesItAndNamesIt) {
    const QString path = at(QStringLiteral("Old.mdb"));
    writeBytes(path, "not touched");
    const CreateResult result = createDatabase(at(QStringLiteral("Old")));
    EXPECT_EQ(result.outcome, CreateOutcome::AlreadyExists);
    EXPECT_EQ(result.databasePath, path);
    EXPECT_EQ(bytesOf(path), QByteArray("not touched"));
}

TEST_F(DatabaseFileTest, CreateTwoLevelsBelowAMissingFolderFailsWithoutLeftovers) {
    const CreateResult result = createDatabase(at(QStringLiteral("A/B/name")));
    EXPECT_EQ(result.outcome, CreateOutcome::Failed);
    EXPECT_TRUE(result.message.contains(QStringLiteral("could not be created")));
    EXPECT_TRUE(entries().isEmpty()) << entries().join(u',').toStdString();
}

TEST_F(DatabaseFileTest, FilesThatAreNotOurDatabaseGiveOneMessageAndStayAsTheyWere) {
    const QString text = at(QStringLiteral("notes.mdb"));
    writeBytes(text, QByteArray(4096, 'x'));
    const QString damaged = at(QStringLiteral("damaged.mdb"));
    ASSERT_EQ(createDatabase(at(QStringLiteral("damaged"))).outcome, CreateOutcome::Created);
    QByteArray broken = bytesOf(damaged);
    broken.replace(0, 16, QByteArray(16, '\0'));
    writeBytes(damaged, broken);
    const QString foreign = at(QStringLiteral("foreign.mdb"));
    execute(foreign, QStringLiteral("CREATE TABLE other (a TEXT)"));
    const QString folder = at(QStringLiteral("folder.mdb"));
    QDir().mkdir(folder);

    struct Case {
        QString path;
        QString says;
    };
    const Case cases[] = {
        {text, QStringLiteral("is not a database of this program")},
        {damaged, QStringLiteral("is not a database of this program")},
        {foreign, QStringLiteral("holds no table mytable")},
        {folder, QStringLiteral("is a folder")},
        {at(QStringLiteral("missing.mdb")), QStringLiteral("does not exist")},
    };
    for (const Case &c : cases) {
        const QByteArray before = bytesOf(c.path);
        const auto problem = checkChosenDatabase(c.path);
        ASSERT_TRUE(problem.has_value()) << c.path.toStdString();
        EXPECT_TRUE(problem->contains(c.says)) << problem->toStdString();
        EXPECT_TRUE(problem->contains(QDir::toNativeSeparators(c.path))) << problem->toStdString();
        const ValuesResult listed = listCriterionValues(c.path, QStringLiteral("Namn"));
        EXPECT_TRUE(listed.values.isEmpty());
        EXPECT_EQ(listed.error, *problem);
        EXPECT_EQ(bytesOf(c.path), before) << c.path.toStdString();
    }
    EXPECT_EQ(entries().size(), 4) << entries().join(u',').toStdString();
    EXPECT_FALSE(QFileInfo::exists(at(QStringLiteral("missing.mdb"))));
}

TEST_F(DatabaseFileTest, AnOlderFileGetsItsIndexesOnceAndAReadOnlyOneIsUsedAsItIs) {
    const QString older = at(QStringLiteral("older.mdb"));
    execute(older,
            QStringLiteral("CREATE TABLE MyTable (Namn TEXT, Datum DATETIME, Ras TEXT, "
                           "Ålder TEXT, Kön TEXT, Disiplin TEXT, Bitmap TEXT, Maxpuls TEXT, "
                           "Stall TEXT, Coach TEXT, ExDatum TEXT, Data TEXT, Kommentarer TEXT)"));
    const QString readOnly = at(QStringLiteral("readonly.mdb"));
    QFile::copy(older, readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QByteArray readOnlyBefore = bytesOf(readOnly);
    const QString indexes = QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index'");
    const QString table =
        QStringLiteral("SELECT sql FROM sqlite_master WHERE type='table' AND name='MyTable'");
    const auto tableBefore = rowsOf(older, table);

    for (int open = 0; open < 2; ++open) {
        EXPECT_FALSE(checkChosenDatabase(older).has_value());
        EXPECT_EQ(rowsOf(older, indexes)[0][0].toInt(), 7 + 10); // search, then index table
    }
    EXPECT_EQ(rowsOf(older, table), tableBefore);

    if (QFileInfo(readOnly).isWritable())
        GTEST_SKIP() << "file permissions do not bind this user";
    EXPECT_FALSE(checkChosenDatabase(readOnly).has_value());
    EXPECT_EQ(bytesOf(readOnly), readOnlyBefore);
}

TEST_F(DatabaseFileTest, TheDefaultDatabaseIsCreatedOnFirstUseAndNoOtherFileIs) {
    const QString start = at(QStringLiteral("Start.mdb"));
    EXPECT_FALSE(checkChosenDatabase(start).has_value());
    EXPECT_FALSE(problemWithDatabase(start).has_value());
    EXPECT_TRUE(checkChosenDatabase(at(QStringLiteral("Other.mdb"))).has_value());
    EXPECT_FALSE(QFileInfo::exists(at(QStringLiteral("Other.mdb"))));
}

TEST_F(DatabaseFileTest, ErasingTheLastDatabaseRemovesTheFolderOnlyWhenItIsThenEmpty) {
    const QString lonely = at(QStringLiteral("lonely"));
    const QString shared = at(QStringLiteral("shared"));
    ASSERT_EQ(createDatabase(lonely + QStringLiteral("/a")).outcome, CreateOutcome::Created);
    ASSERT_EQ(createDatabase(shared + QStringLiteral("/b")).outcome, CreateOutcome::Created);
    writeBytes(shared + QStringLiteral("/notes.txt"), "keep me");

    EXPECT_EQ(eraseListedFile(lonely, QStringLiteral("a.mdb"), DatabasePattern).outcome,
              EraseFileOutcome::ErasedFolderRemoved);
    EXPECT_FALSE(QFileInfo::exists(lonely));
    EXPECT_EQ(eraseListedFile(shared, QStringLiteral("b.mdb"), DatabasePattern).outcome,
              EraseFileOutcome::Erased);
    EXPECT_EQ(bytesOf(shared + QStringLiteral("/notes.txt")), QByteArray("keep me"));
}

TEST_F(DatabaseFileTest, TheLogoPictureIsNeverErasedAndAFailureIsReported) {
    const QString logo = at(QStringLiteral("Kavren_Logo.bmp"));
    writeBytes(logo, "BM");
    EXPECT_EQ(
        eraseListedFile(m_dir.path(), QStringLiteral("Kavren_Logo.bmp"), PicturePattern).outcome,
        EraseFileOutcome::Refused);
    EXPECT_TRUE(QFileInfo::exists(logo));
    const EraseFileResult missing =
        eraseListedFile(m_dir.path(), QStringLiteral("gone.bmp"), PicturePattern);
    EXPECT_EQ(missing.outcome, EraseFileOutcome::Failed);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("gone.bmp")));
}

TEST(DatabaseChoice, AFileOfTheListBecomesTheCurrentDatabase) {
    const CurrentDatabase chosen =
        databaseChosenInList(QStringLiteral("/data/Horses"), QStringLiteral("Stable1.mdb"));
    EXPECT_EQ(chosen.databasePath, QStringLiteral("/data/Horses/Stable1.mdb"));
    EXPECT_EQ(chosen.databaseFolder, QStringLiteral("/data/Horses/"));
    EXPECT_EQ(chosen.selectedDatabaseName, QStringLiteral("Stable1.mdb"));
    EXPECT_EQ(createBoxTextOfPath(chosen.databasePath), QStringLiteral("/data/Horses/Stable1"));
    EXPECT_EQ(databaseChosenInList(QStringLiteral("C:\\Horses\\"), QStringLiteral("S.mdb"))
                  .databaseFolder,
              QStringLiteral("C:\\Horses\\"));
}

TEST_F(DatabaseFileTest, AnEmptyFileIsReplacedByANewDatabaseNeverWrittenInPlace) {
    // A second name for the empty file's contents: writing in place would show through it.
    const auto sameContents = [this](const QString &name) {
        const QString path = at(name);
        writeBytes(path, QByteArray());
        std::filesystem::create_hard_link(QFileInfo(path).filesystemFilePath(),
                                          QFileInfo(path + u".link"_qs).filesystemFilePath());
        return path;
    };
    const QString chosen = sameContents(u"Start.mdb"_qs);
    EXPECT_FALSE(checkChosenDatabase(chosen).has_value());
    const QString erased = sameContents(u"erased.mdb"_qs);
    EXPECT_EQ(eraseTests(erased, std::vector<ListedTest>{{1, u"Bella"_qs, {}}}).erased, 0);
    for (const QString &path : {chosen, erased}) {
        EXPECT_EQ(bytesOf(path + u".link"_qs).size(), 0) << path.toStdString();
        EXPECT_FALSE(problemWithDatabase(path).has_value()) << path.toStdString();
    }
    EXPECT_EQ(entries().size(), 4) << entries().join(u',').toStdString();
}

TEST_F(DatabaseFileTest, LeftoversOfAnInterruptedCreateGoWhenTheDatabaseIsCreatedOrWritten) {
    const QString leftover = u".%1.0123456789abcdef.new"_qs;
    const QStringList others = {u".Start.mdb.0123456789abcdeg.new"_qs,
                                u".Other.mdb.0123456789abcdef.new"_qs,
                                u"Start.mdb.0123456789abcdef.new"_qs};
    for (const QString &name : others)
        writeBytes(at(name), "x");
    const QString existing = at(u"Kept.mdb"_qs);
    ASSERT_EQ(createDatabase(at(u"Kept"_qs)).outcome, CreateOutcome::Created);
    for (const QString &name : {u"Start.mdb"_qs, u"Kept.mdb"_qs}) {
        writeBytes(at(leftover.arg(name)), "x");
        writeBytes(at(leftover.arg(name) + u"-journal"_qs), "x");
    }
    EXPECT_FALSE(checkChosenDatabase(at(u"Start.mdb"_qs)).has_value()); // created on first use
    EXPECT_TRUE(QFileInfo::exists(at(leftover.arg(u"Kept.mdb"_qs))));   // a read removes nothing
    EXPECT_FALSE(appendRow(existing, StoredRow{}).has_value());

    QStringList expected = others + QStringList{u"Kept.mdb"_qs, u"Start.mdb"_qs};
    expected.sort();
    QStringList left = entries();
    left.sort();
    EXPECT_EQ(left, expected);
}
