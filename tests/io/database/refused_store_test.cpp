// A database file that cannot be written (read-only) or is held by another program (locked):
// the operation says so in the file's name and nothing of the file changes. The refusing stores
// work for any user, so these cases also run where file permissions do not bind (root).
#include "io/database/database_copy.h"
#include "io/database/database_file.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "support/store_probe.h"
#include "support/qt_printers.h"
#include "support/refusing_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

const QDateTime SavedAt(QDate(2006, 3, 14), QTime(10, 22, 5));

StoredRow rowOf(const QString &name) {
    TestToSave test;
    test.name = name;
    test.breed = QStringLiteral("Varmblod");
    test.age = QStringLiteral("5");
    test.sex = QStringLiteral("sto");
    test.stepCount = 3;
    for (std::size_t i = 0; i < 3; ++i) {
        test.steps[i].lactate = QStringLiteral("1.5");
        test.steps[i].hr = QString::number(130 + 10 * int(i));
        test.steps[i].speedText = QStringLiteral("2.20");
    }
    return buildRow(test, SavedAt);
}

// The word each refusal is reported with.
QString wordOf(Refusal refusal) {
    return refusal == Refusal::ReadOnly ? QStringLiteral("is read-only")
                                        : QStringLiteral("is locked by another program");
}

class RefusedStore : public ::testing::TestWithParam<Refusal> {
protected:
    void SetUp() override {
        m_path = m_folder.filePath(QStringLiteral("Stable1.mdb"));
        ASSERT_EQ(createDatabase(m_folder.filePath(QStringLiteral("Stable1"))).outcome,
                  CreateOutcome::Created);
        ASSERT_FALSE(appendRow(m_path, rowOf(QStringLiteral("Bella"))).has_value());
    }
    std::unique_ptr<Store> refusing() const { return refusingStore(m_path, GetParam()); }
    void expectSaysWhy(const QString &message) const {
        EXPECT_TRUE(message.contains(wordOf(GetParam()))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("Stable1.mdb"))) << message.toStdString();
    }

    QTemporaryDir m_folder;
    QString m_path;
};

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedStore,
                         ::testing::Values(Refusal::ReadOnly, Refusal::Locked),
                         [](const ::testing::TestParamInfo<Refusal> &param) {
                             return param.param == Refusal::ReadOnly ? "ReadOnly" : "Locked";
                         });

} // namespace

TEST_P(RefusedStore, ASaveAndAnEraseAreRefusedAndTheFileStaysAsItWas) {
    const QByteArray before = bytesOf(m_path);
    const auto saved = refusing()->appendRows({rowOf(QStringLiteral("Sally"))});
    ASSERT_TRUE(saved.has_value());
    expectSaysWhy(*saved);

    const std::vector<ListedTest> listed = findTests(m_path, QStringLiteral("Namn"), "Bella").tests;
    ASSERT_EQ(listed.size(), 1u);
    const EraseResult erased = refusing()->erase(listed);
    EXPECT_EQ(erased.erased, 0);
    expectSaysWhy(erased.error);

    EXPECT_EQ(bytesOf(m_path), before);
    EXPECT_EQ(rowsOf(m_path, QStringLiteral("SELECT Namn FROM mytable")).size(), 1u);
}

TEST_P(RefusedStore, ACopyIntoItCopiesNothing) {
    QTemporaryDir other;
    const QString source = other.filePath(QStringLiteral("source.mdb"));
    ASSERT_EQ(createDatabase(other.filePath(QStringLiteral("source"))).outcome,
              CreateOutcome::Created);
    ASSERT_FALSE(appendRow(source, rowOf(QStringLiteral("Sally"))).has_value());
    const QByteArray before = bytesOf(m_path);
    // Only the target refuses; the source reads as usual.
    const StoreFactory usual = replaceStoreFactory(
        [this](const QString &path) { return path == m_path ? refusing() : openUsualStore(path); });
    const CopyResult copied = copyTests(source, m_path, true);
    replaceStoreFactory(usual);
    EXPECT_EQ(copied.copied, 0);
    expectSaysWhy(copied.error);
    EXPECT_EQ(bytesOf(m_path), before);
}

// A read-only file is still read; a locked one is not even read, and the reading says why.
TEST_P(RefusedStore, ReadingGoesOnOnlyWhileTheFileIsNotLocked) {
    const std::unique_ptr<Store> store = refusing();
    const SearchResult found = store->searchStored(QStringLiteral("Namn"), "Bella");
    const ValuesResult values = store->criterionValues(QStringLiteral("Namn"));
    const std::unique_ptr<TestReader> reader = store->findTests(QStringLiteral("Namn"), "Bella");
    std::vector<ListedTest> listed;
    while (reader->readMore(10, listed)) {
    }
    if (GetParam() == Refusal::ReadOnly) {
        ASSERT_EQ(found.rows.size(), 1u) << found.error.toStdString();
        EXPECT_EQ(found.rows[0].name, QStringLiteral("Bella"));
        EXPECT_EQ(values.values, QStringList{QStringLiteral("Bella")});
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(store->readRow(listed[0].rowId).row->name, QStringLiteral("Bella"));
    } else {
        EXPECT_TRUE(found.rows.empty());
        expectSaysWhy(found.error);
        expectSaysWhy(values.error);
        expectSaysWhy(reader->error());
        EXPECT_TRUE(listed.empty());
    }
}

// A file made by an older version lacks the search indexes; a file that may not be written is
// used without them and not touched.
TEST(RefusedStoreReadOnly, AnOlderFileIsUsedWithoutAddingItsIndexes) {
    QTemporaryDir folder;
    const QString older = folder.filePath(QStringLiteral("older.mdb"));
    execute(older,
            QStringLiteral("CREATE TABLE MyTable (Namn TEXT, Datum DATETIME, Ras TEXT, "
                           "Ålder TEXT, Kön TEXT, Disiplin TEXT, Bitmap TEXT, Maxpuls TEXT, "
                           "Stall TEXT, Coach TEXT, ExDatum TEXT, Data TEXT, Kommentarer TEXT)"));
    const QByteArray before = bytesOf(older);
    const RefusingStores readOnly(Refusal::ReadOnly);
    EXPECT_FALSE(checkChosenDatabase(older).has_value());
    EXPECT_TRUE(listCriterionValues(older, QStringLiteral("Namn")).error.isEmpty());
    EXPECT_EQ(bytesOf(older), before);
    EXPECT_EQ(rowsOf(older, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                           "type='index'"))[0][0]
                  .toInt(),
              0);
}
