// Database files and rows that this program did not write: tables of another layout, a file cut
// short, files without any table, and rows whose values another program stored in other types.
// None of them may be written into, and what can be found must be found again.
#include "io/database/database_copy.h"
#include "io/database/database_file.h"
#include "io/database/database_store.h"
#include "io/database/loading.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "domain/exercise/numeric_text.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

const QString OurColumns = QStringLiteral(
    "Namn TEXT, Datum DATETIME, Ras TEXT, Ålder TEXT, Kön TEXT, Disiplin TEXT, Bitmap TEXT, "
    "Maxpuls TEXT, Stall TEXT, Coach TEXT, ExDatum TEXT, Data TEXT, Kommentarer TEXT");

StoredRow rowNamed(const QString &name, int number) {
    TestToSave test;
    test.name = name;
    test.breed = QStringLiteral("Varmblod");
    test.age = QStringLiteral("5");
    test.sex = QStringLiteral("sto");
    test.discipline = QStringLiteral("Trav");
    test.comments = QStringLiteral("test %1 ").arg(number) + QString(300, u'c');
    return buildRow(test, QDateTime(QDate(2006, 3, 14), QTime(9, 0).addSecs(number * 60)));
}

// Every operation on the file, each expected to fail with a message naming the file.
void expectRefusedEverywhere(const QString &path, const QString &says) {
    const std::string where = path.toStdString();
    const QByteArray before = bytesOf(path);
    const ValuesResult listed = listCriterionValues(path, QStringLiteral("Namn"));
    EXPECT_TRUE(listed.values.isEmpty()) << where;
    EXPECT_TRUE(listed.error.contains(says)) << listed.error.toStdString();
    EXPECT_TRUE(listed.error.contains(QDir::toNativeSeparators(path))) << where;
    const SearchResult searched = searchTests(path, QStringLiteral("Namn"), QStringLiteral("Namn"));
    EXPECT_TRUE(searched.rows.empty()) << where;
    EXPECT_TRUE(searched.error.contains(says)) << searched.error.toStdString();
    EXPECT_TRUE(findTests(path, QStringLiteral("Namn"), "Namn").tests.empty()) << where;
    const auto saved = appendRow(path, rowNamed(QStringLiteral("Bella"), 1));
    ASSERT_TRUE(saved.has_value()) << where;
    EXPECT_TRUE(saved->contains(says)) << saved->toStdString();
    EXPECT_FALSE(
        eraseTests(path, std::vector<ListedTest>{{1, QStringLiteral("a"), {}}}).error.isEmpty())
        << where;
    EXPECT_TRUE(checkChosenDatabase(path).has_value()) << where;
    EXPECT_EQ(bytesOf(path), before) << where << ": the file was written";
}

class ForeignFileTest : public ::testing::Test {
protected:
    QString at(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ForeignFileTest, ATableOfAnotherLayoutIsNeverReadAsOursNorWritten) {
    struct Case {
        QString name;
        QString columns;
        QString says;
    };
    QString withoutData = OurColumns;
    withoutData.remove(QStringLiteral(" Data TEXT,"));
    QString swapped = OurColumns;
    swapped.replace(QStringLiteral("Namn TEXT, Datum DATETIME"),
                    QStringLiteral("Datum DATETIME, Namn TEXT"));
    const Case cases[] = {
        {QStringLiteral("abc.mdb"), QStringLiteral("a, b, c"),
         QStringLiteral("lacks the column Namn")},
        {QStringLiteral("nodata.mdb"), withoutData, QStringLiteral("lacks the column Data")},
        {QStringLiteral("swapped.mdb"), swapped, QStringLiteral("in this order")},
        {QStringLiteral("extra.mdb"), OurColumns + QStringLiteral(", Extra TEXT"),
         QStringLiteral("in this order")},
    };
    for (const Case &c : cases) {
        const QString path = at(c.name);
        execute(path, QStringLiteral("CREATE TABLE MyTable (%1)").arg(c.columns));
        // A row whose texts equal column names: a name taken for a text value would find it.
        execute(path, QStringLiteral("INSERT INTO MyTable (%1) VALUES ('Namn', 'Data', 'x')")
                          .arg(c.columns.startsWith(QStringLiteral("a,"))
                                   ? QStringLiteral("a, b, c")
                                   : QStringLiteral("Namn, Kommentarer, Ras")));
        expectRefusedEverywhere(path, c.says);
        EXPECT_EQ(rowsOf(path, QStringLiteral("SELECT count(*) FROM sqlite_master "
                                              "WHERE type = 'index'"))[0][0]
                      .toInt(),
                  0)
            << c.name.toStdString();
    }
}

TEST_F(ForeignFileTest, AFileCutInsideItsLastPageIsReadButNeverWritten) {
    // An older file without indexes, so that listing would want to add them.
    const QString path = at(QStringLiteral("cut.mdb"));
    execute(path, QStringLiteral("CREATE TABLE MyTable (%1)").arg(OurColumns));
    for (int i = 0; i < 60; ++i)
        insertRaw(path, {QStringLiteral("Bella"),
                         QStringLiteral("2006-03-14 09:%1:00").arg(i, 2, 10, QLatin1Char('0')),
                         QStringLiteral("Varmblod"), QStringLiteral("5"), QStringLiteral("sto"),
                         QStringLiteral("Trav"), QStringLiteral("dummy.jpg"), QStringLiteral(" "),
                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("2006-03-14"),
                         QString(), QString(300, u'c')});
    QByteArray bytes = bytesOf(path);
    const int pageSize = rowsOf(path, QStringLiteral("PRAGMA page_size"))[0][0].toInt();
    ASSERT_EQ(bytes.size() % pageSize, 0);
    bytes.chop(100); // inside the last page
    writeBytes(path, bytes);

    // Reading what can be read stays allowed and writes nothing, indexes included.
    listCriterionValues(path, QStringLiteral("Namn"));
    EXPECT_EQ(bytesOf(path), bytes);

    const auto saved = appendRow(path, rowNamed(QStringLiteral("Bella"), 99));
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->contains(QStringLiteral("damaged"))) << saved->toStdString();
    EXPECT_TRUE(saved->contains(QDir::toNativeSeparators(path))) << saved->toStdString();
    const EraseResult erased =
        eraseTests(path, std::vector<ListedTest>{
                             {1, QStringLiteral("Bella"), QStringLiteral("2006-03-14 09:00:00")}});
    EXPECT_EQ(erased.erased, 0);
    EXPECT_TRUE(erased.error.contains(QStringLiteral("damaged"))) << erased.error.toStdString();
    EXPECT_FALSE(checkChosenDatabase(path).has_value()); // usable for reading
    EXPECT_EQ(bytesOf(path), bytes);
}

TEST_F(ForeignFileTest, ASQLiteFileWithoutAnyTableGetsOursOnFirstUse) {
    const QString empty = at(QStringLiteral("empty.mdb"));
    writeBytes(empty, QByteArray());
    const QString headerOnly = at(QStringLiteral("header.mdb"));
    execute(headerOnly, QStringLiteral("PRAGMA user_version = 3"));
    ASSERT_GT(bytesOf(headerOnly).size(), 0);
    for (const QString &path : {empty, headerOnly}) {
        const ValuesResult listed = listCriterionValues(path, QStringLiteral("Namn"));
        EXPECT_TRUE(listed.error.isEmpty()) << listed.error.toStdString();
        EXPECT_FALSE(problemWithDatabase(path).has_value()) << path.toStdString();
        EXPECT_FALSE(appendRow(path, rowNamed(QStringLiteral("Bella"), 1)).has_value());
        EXPECT_EQ(listCriterionValues(path, QStringLiteral("Namn")).values,
                  QStringList{QStringLiteral("Bella")});
    }
}

TEST_F(ForeignFileTest, RowsStoredInOtherTypesAreFoundLoadedAndErased) {
    const QString path = at(QStringLiteral("foreign.mdb"));
    ASSERT_EQ(createDatabase(at(QStringLiteral("foreign"))).outcome, CreateOutcome::Created);
    // Datum as a real number (a day count), and the name "Häst" in Latin-1 bytes stored once as
    // bytes and once as text that is not UTF-8.
    insertRaw(path,
              {QStringLiteral("Real"), 38790.5, QStringLiteral("Varmblod"), QStringLiteral("5"),
               QStringLiteral("sto"), QStringLiteral("Trav"), QStringLiteral(":/logo.png"),
               QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
               QStringLiteral("2006-03-14"), QString(), QStringLiteral(" ")});
    insertRaw(path, {QByteArray("H\xe4st"), QStringLiteral("2006-03-14 09:00:00"), QVariant(),
                     QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                     QVariant(), QVariant(), QVariant(), QVariant()});
    execute(path, QStringLiteral("INSERT INTO mytable (Namn, Datum) VALUES "
                                 "(CAST(x'48e47374' AS TEXT), '2006-03-15 09:00:00')"));

    const auto real = searchTests(path, QStringLiteral("Namn"), QStringLiteral("Real")).rows;
    ASSERT_EQ(real.size(), 1u);
    EXPECT_EQ(readNumber(real[0].testDate), 38790.5);
    // A picture name beginning with ":" is no file of the database folder.
    EXPECT_TRUE(picturePathOf(m_dir.path(), real[0].pictureName).isEmpty());
    const EraseResult erased = eraseTests(path, real);
    EXPECT_EQ(erased.erased, 1);
    EXPECT_TRUE(erased.error.isEmpty()) << erased.error.toStdString();

    // The same bytes once as a byte string and once as text list as two equal-looking values;
    // either finds both rows, which show alike.
    const ValuesResult listed = listCriterionValues(path, QStringLiteral("Namn"));
    ASSERT_EQ(listed.values.size(), 2);
    ASSERT_EQ(listed.storedValues.size(), 2);
    for (qsizetype i = 0; i < listed.values.size(); ++i) {
        EXPECT_EQ(listed.values[i], QStringLiteral("H\uFFFDst"));
        EXPECT_EQ(listed.storedValues[i], QByteArray("H\xe4st"));
        EXPECT_EQ(findTests(path, QStringLiteral("Namn"), listed.storedValues[i]).tests.size(), 2u);
    }
    const FoundTests found = findTests(path, QStringLiteral("Namn"), listed.storedValues[0]);
    for (const ListedTest &test : found.tests) {
        const LoadedRow loaded = readListedRow(path, test.rowId);
        ASSERT_TRUE(loaded.row.has_value());
        EXPECT_EQ(loaded.row->testDate, test.testDate);
    }
    const EraseResult erasedBoth = eraseTests(path, found.tests);
    EXPECT_EQ(erasedBoth.erased, 2);
    EXPECT_TRUE(erasedBoth.error.isEmpty()) << erasedBoth.error.toStdString();
    EXPECT_TRUE(rowsOf(path, QStringLiteral("SELECT * FROM mytable")).empty());
}

TEST(PictureName, OnlyAPlainFileNameIsLookedUpInTheDatabaseFolder) {
    EXPECT_EQ(picturePathOf(QStringLiteral("/data/Horses/"), QStringLiteral(" track.bmp ")),
              QStringLiteral("/data/Horses/track.bmp"));
    for (const char *name : {":/logo.png", ":logo.bmp", "../track.bmp", "sub/track.bmp",
                             "C:\\track.bmp", "C:track.bmp", "..", ".", "", " "})
        EXPECT_TRUE(
            picturePathOf(QStringLiteral("/data/Horses"), QString::fromLatin1(name)).isEmpty())
            << name;
}

TEST(ResultListOrder, FoundTestsAreOrderedLikeFullRowsWhateverTheLetterCase) {
    // By name without regard to case, then date text, then saving order: "amir" before "Bella"
    // (a binary order would put every capital first), the two "bella" by date, equal entries by
    // row id; "Åsa" sorts after "Z" as its folded letter does.
    const std::vector<ListedTest> found = {
        {1, QStringLiteral("Bella"), QStringLiteral("2006-03-15 09:00:00")},
        {2, QStringLiteral("amir"), QStringLiteral("2006-03-14 09:00:00")},
        {3, QStringLiteral("bella"), QStringLiteral("2006-03-14 09:00:00")},
        {4, QStringLiteral("Åsa"), QStringLiteral("2006-03-14 09:00:00")},
        {5, QStringLiteral("Zorro"), QStringLiteral("2006-03-14 09:00:00")},
        {6, QStringLiteral("bella"), QStringLiteral("2006-03-14 09:00:00")},
    };
    std::vector<ListedTest> listed = found;
    sortLikeResultList(listed);
    std::vector<TestRow> rows;
    for (const ListedTest &test : found) {
        TestRow row;
        row.rowId = test.rowId;
        row.name = test.name;
        row.testDate = test.testDate;
        rows.push_back(row);
    }
    sortLikeResultList(rows);
    std::vector<qint64> listedIds;
    std::vector<qint64> rowIds;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        listedIds.push_back(listed[i].rowId);
        rowIds.push_back(rows[i].rowId);
    }
    EXPECT_EQ(listedIds, (std::vector<qint64>{2, 3, 6, 1, 5, 4}));
    EXPECT_EQ(rowIds, listedIds);
}

TEST_F(ForeignFileTest, AFolderNameWithCharactersOfAnAddressIsUsedAsItStands) {
    // "%", "#", a blank and "ä" mean something in a file address; the file must still be the one
    // named, and no other file may appear beside it.
    const QString folder = at(QStringLiteral("Häst 100% #1"));
    const CreateResult created = createDatabase(folder + QStringLiteral("/Stall"));
    ASSERT_EQ(created.outcome, CreateOutcome::Created) << created.message.toStdString();
    EXPECT_EQ(created.databasePath, folder + QStringLiteral("/Stall.mdb"));
    EXPECT_FALSE(appendRow(created.databasePath, rowNamed(QStringLiteral("Bella"), 1)).has_value());
    EXPECT_EQ(listCriterionValues(created.databasePath, QStringLiteral("Namn")).values,
              QStringList{QStringLiteral("Bella")});
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Stall.mdb")});
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Häst 100% #1")});
}

TEST_F(ForeignFileTest, AFileCutInsideAPageSaysSoAndListsOnlyWholeRows) {
    // A file made by an older version, without indexes: the search reads the table itself.
    const QString path = at(QStringLiteral("cut.mdb"));
    execute(path, QStringLiteral("CREATE TABLE MyTable (%1)").arg(OurColumns));
    for (int i = 0; i < 60; ++i)
        ASSERT_FALSE(appendRow(path, rowNamed(QStringLiteral("Bella"), i)).has_value());
    QByteArray bytes = bytesOf(path);
    bytes.chop(1000); // the rows at the end of the last page read as zeros
    writeBytes(path, bytes);

    const auto expectDamageNamed = [&](const QString &error) {
        EXPECT_TRUE(error.contains(QStringLiteral("damaged"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    };
    const ValuesResult listed = listCriterionValues(path, QStringLiteral("Namn"));
    EXPECT_EQ(listed.values, QStringList{QStringLiteral("Bella")});
    expectDamageNamed(listed.error);
    const FoundTests found = findTests(path, QStringLiteral("Namn"), "Bella");
    expectDamageNamed(found.error);
    const SearchResult searched = searchTests(path, QStringLiteral("Namn"), u"Bella"_qs);
    expectDamageNamed(searched.error);
    // Both searches leave out the rows of the cut page that the zeros garbled.
    EXPECT_EQ(searched.rows.size(), found.tests.size());
    EXPECT_GT(found.tests.size(), 0u);
    EXPECT_LT(found.tests.size(), 60u);
    for (const ListedTest &test : found.tests)
        EXPECT_TRUE(test.testDate.startsWith(QStringLiteral("2006-03-14 09:")))
            << test.testDate.toStdString();
    EXPECT_FALSE(copyTests(path, at(QStringLiteral("copy.mdb")), false).error.isEmpty());
    EXPECT_EQ(bytesOf(path), bytes);
}
