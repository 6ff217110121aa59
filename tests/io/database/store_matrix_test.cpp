// The operations that a database file and a database server both offer, called through the one
// store interface on each: the two stores must give the same results for the same calls.
#include "io/database/database_file.h"
#include "io/database/file_store.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "io/database/server_store.h"
#include "support/store_probe.h"
#include "support/database_server.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace kavren;
using namespace kavren::testing;

namespace {

enum class Backend { File, Server };

const QDateTime SavedAt(QDate(2006, 3, 14), QTime(10, 22, 5));

TestToSave testOf(const QString &name) {
    TestToSave test;
    test.name = name;
    test.breed = QStringLiteral("Varmblod");
    test.age = QStringLiteral("5 år");
    test.sex = QStringLiteral("sto");
    test.discipline = QStringLiteral("Trav");
    test.stepCount = 3;
    const char *values[3][3] = {
        {"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"2.4", "166", "2.00"}};
    for (std::size_t i = 0; i < 3; ++i) {
        test.steps[i].lactate = QString::fromLatin1(values[i][0]);
        test.steps[i].hr = QString::fromLatin1(values[i][1]);
        test.steps[i].speedText = QString::fromLatin1(values[i][2]);
    }
    return test;
}

class StoreMatrix : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::File) {
            m_path = m_folder.filePath(QStringLiteral("Stable1.mdb"));
            m_store = std::make_unique<FileStore>(m_path);
        } else {
            KAVREN_REQUIRE_TEST_SERVER(place);
            m_server = std::make_unique<ServerDatabase>(place);
            m_path = m_server->address();
            m_store = std::make_unique<ServerStore>(m_path);
        }
        const CreateResult created = m_store->create();
        ASSERT_EQ(created.outcome, CreateOutcome::Created) << created.message.toStdString();
        ASSERT_EQ(created.databasePath, m_path);
    }

    // SQL on the store behind the program's back.
    void execute(const QString &sql) const {
        if (m_server)
            m_server->execute(sql);
        else
            kavren::testing::execute(m_path, sql);
    }

    void save(const TestToSave &test, const QDateTime &at = SavedAt) const {
        const auto failure = m_store->appendRows({buildRow(test, at)});
        ASSERT_FALSE(failure.has_value()) << failure->toStdString();
    }

    std::vector<TestRow> found(const QString &field, const QString &value) const {
        SearchResult result = m_store->searchStored(field, value.toUtf8());
        EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
        return result.rows;
    }

    QTemporaryDir m_folder;
    std::unique_ptr<ServerDatabase> m_server;
    QString m_path;
    std::unique_ptr<Store> m_store;
};

} // namespace

TEST_P(StoreMatrix, CreatingAgainKeepsTheTableAndItsTests) {
    save(testOf(QStringLiteral("Bella")));
    const CreateResult again = m_store->create();
    EXPECT_EQ(again.outcome, CreateOutcome::AlreadyExists);
    EXPECT_EQ(again.databasePath, m_path);
    // The same through the create box, where a file is typed without its extension.
    const QString typed =
        GetParam() == Backend::File ? m_folder.filePath(QStringLiteral("Stable1")) : m_path;
    EXPECT_EQ(createDatabase(typed).outcome, CreateOutcome::AlreadyExists);
    EXPECT_EQ(found(QStringLiteral("Namn"), QStringLiteral("Bella")).size(), 1u);
    EXPECT_FALSE(m_store->prepareForUse().has_value());
    EXPECT_FALSE(m_store->layoutProblem().has_value());
}

TEST_P(StoreMatrix, ASavedTestComesBackWhole) {
    TestToSave test = testOf(QStringLiteral("O'Hara Ö"));
    test.comments = QStringLiteral("first line\nsecond line");
    test.trainer = QStringLiteral("Åke");
    test.maxHr = QStringLiteral("224");
    save(test);

    const auto rows = found(QStringLiteral("Namn"), QStringLiteral("O'Hara Ö"));
    ASSERT_EQ(rows.size(), 1u);
    const TestRow &row = rows[0];
    EXPECT_EQ(row.name, QStringLiteral("O'Hara Ö"));
    EXPECT_EQ(row.testDate, QStringLiteral("2006-03-14 10:22:05"));
    EXPECT_EQ(row.breed, QStringLiteral("Varmblod"));
    EXPECT_EQ(row.age, QStringLiteral("5 år"));
    EXPECT_EQ(row.sex, QStringLiteral("sto"));
    EXPECT_EQ(row.discipline, QStringLiteral("Trav"));
    EXPECT_EQ(row.pictureName, QStringLiteral("dummy.jpg"));
    EXPECT_EQ(row.stepData, QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00"));
    EXPECT_EQ(row.comments, QStringLiteral("first line\r\nsecond line"));
    EXPECT_EQ(row.maxHr, QStringLiteral("224"));
    EXPECT_EQ(row.stable, QStringLiteral(" ")); // left empty: one blank
    EXPECT_EQ(row.trainer, QStringLiteral("Åke"));
}

TEST_P(StoreMatrix, LongTextsAreKeptWhole) {
    TestToSave test = testOf(QStringLiteral("Bella"));
    test.comments = QString(20000, u'x');
    save(test);
    const auto rows = found(QStringLiteral("Namn"), QStringLiteral("Bella"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].comments.size(), 20000);
}

TEST_P(StoreMatrix, ValuesAreListedOnceInCodePointOrder) {
    // B (66) < Z (90) < b (98) < Å (197): a locale's order would put bella beside Bella.
    for (const char *name : {"bella", "Zorro", "Åsa", "Bella", "Bella"})
        save(testOf(QString::fromUtf8(name)));
    const ValuesResult names = m_store->criterionValues(QStringLiteral("Namn"));
    EXPECT_TRUE(names.error.isEmpty()) << names.error.toStdString();
    EXPECT_EQ(names.values, (QStringList{QStringLiteral("Bella"), QStringLiteral("Zorro"),
                                         QStringLiteral("bella"), QStringLiteral("Åsa")}));
}

TEST_P(StoreMatrix, TheDateSearchFindsEveryTestOfThatDayInListOrder) {
    save(testOf(QStringLiteral("Zorro")), SavedAt);
    save(testOf(QStringLiteral("Bella")), SavedAt.addSecs(3600));
    save(testOf(QStringLiteral("Bella")), SavedAt);
    save(testOf(QStringLiteral("Bella")), SavedAt.addDays(1));
    const ValuesResult dates = m_store->criterionValues(QStringLiteral("ExDatum"));
    EXPECT_EQ(dates.values,
              (QStringList{QStringLiteral("2006-03-14"), QStringLiteral("2006-03-15")}));

    const auto rows = found(QStringLiteral("ExDatum"), QStringLiteral("2006-03-14"));
    QStringList listed;
    for (const TestRow &row : rows)
        listed << row.listText();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Bella\t2006-03-14 10:22:05"),
                                   QStringLiteral("Bella\t2006-03-14 11:22:05"),
                                   QStringLiteral("Zorro\t2006-03-14 10:22:05")}));
}

TEST_P(StoreMatrix, AnEmptyTableListsAndFindsNothing) {
    const ValuesResult names = m_store->criterionValues(QStringLiteral("Namn"));
    EXPECT_TRUE(names.values.isEmpty());
    EXPECT_TRUE(names.error.isEmpty()) << names.error.toStdString();
    EXPECT_TRUE(found(QStringLiteral("Namn"), QStringLiteral("Bella")).empty());
}

TEST_P(StoreMatrix, AnUnknownCriterionIsRefused) {
    EXPECT_FALSE(m_store->criterionValues(QStringLiteral("Data")).error.isEmpty());
    EXPECT_FALSE(m_store->searchStored(QStringLiteral("1=1 OR Namn"), "x").error.isEmpty());
    EXPECT_FALSE(m_store->findTests(QStringLiteral("Data"), "x")->error().isEmpty());
}

TEST_P(StoreMatrix, ErasingHitsExactlyTheSelectedOfTwoIdenticalTests) {
    save(testOf(QStringLiteral("Bella")));
    save(testOf(QStringLiteral("Bella")));
    save(testOf(QStringLiteral("Bella")), SavedAt.addDays(1));
    auto rows = found(QStringLiteral("Namn"), QStringLiteral("Bella"));
    ASSERT_EQ(rows.size(), 3u);
    const EraseResult erased = m_store->erase({rows[1].listed()});
    EXPECT_EQ(erased.erased, 1);
    EXPECT_TRUE(erased.error.isEmpty());
    const auto left = found(QStringLiteral("Namn"), QStringLiteral("Bella"));
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].rowId, rows[0].rowId);
    EXPECT_EQ(left[1].rowId, rows[2].rowId);
}

TEST_P(StoreMatrix, ATestChangedSinceItWasListedIsNotErased) {
    save(testOf(QStringLiteral("Bella")));
    save(testOf(QStringLiteral("Zorro")));
    const auto bella = found(QStringLiteral("Namn"), QStringLiteral("Bella"));
    const auto zorro = found(QStringLiteral("Namn"), QStringLiteral("Zorro"));
    ASSERT_EQ(bella.size(), 1u);
    execute(QStringLiteral("UPDATE mytable SET \"Namn\" = 'Bello' WHERE \"Namn\" = 'Bella'"));
    const EraseResult erased = m_store->erase({bella[0].listed(), zorro[0].listed()});
    EXPECT_EQ(erased.erased, 1);
    EXPECT_TRUE(erased.error.contains(QStringLiteral("1 of the 2"))) << erased.error.toStdString();
    EXPECT_EQ(found(QStringLiteral("Namn"), QStringLiteral("Bello")).size(), 1u);
    EXPECT_TRUE(found(QStringLiteral("Namn"), QStringLiteral("Zorro")).empty());
}

TEST_P(StoreMatrix, AListedValueFindsItsTestsWhichAreReadByTheirKeys) {
    TestToSave test = testOf(QStringLiteral("Åsa"));
    test.comments = QStringLiteral("kept");
    save(test);
    save(testOf(QStringLiteral("Åsa")), SavedAt.addSecs(60));
    save(testOf(QStringLiteral("Bella")));
    const ValuesResult names = m_store->criterionValues(QStringLiteral("Namn"));
    ASSERT_EQ(names.storedValues.size(), 2);
    // Read one test at a time, as a long list is read between turns of the event loop.
    const auto reader = m_store->findTests(QStringLiteral("Namn"), names.storedValues[1]);
    std::vector<ListedTest> tests;
    EXPECT_TRUE(reader->readMore(1, tests));
    while (reader->readMore(1, tests)) {
    }
    EXPECT_TRUE(reader->error().isEmpty()) << reader->error().toStdString();
    ASSERT_EQ(tests.size(), 2u);
    sortLikeResultList(tests);
    EXPECT_EQ(tests[0].listText(), QStringLiteral("Åsa\t2006-03-14 10:22:05"));
    EXPECT_EQ(tests[1].listText(), QStringLiteral("Åsa\t2006-03-14 10:23:05"));

    const LoadedRow first = m_store->readRow(tests[0].rowId);
    ASSERT_TRUE(first.row) << first.error.toStdString();
    EXPECT_EQ(first.row->comments, QStringLiteral("kept"));
    EXPECT_EQ(first.row->stepData, QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00"));

    EXPECT_EQ(m_store->erase({tests[0]}).erased, 1);
    const LoadedRow gone = m_store->readRow(tests[0].rowId);
    EXPECT_FALSE(gone.row);
    EXPECT_TRUE(gone.error.contains(QStringLiteral("no longer"))) << gone.error.toStdString();
}

TEST_P(StoreMatrix, ATableWithoutOurColumnsIsRefused) {
    execute(QStringLiteral("ALTER TABLE mytable DROP COLUMN \"Bitmap\""));
    const auto problem = m_store->prepareForUse();
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QStringLiteral("Bitmap"))) << problem->toStdString();
    EXPECT_EQ(m_store->layoutProblem(), problem);
}

TEST_P(StoreMatrix, EveryTestIsGivenBackWholeInTheOrderSaved) {
    EXPECT_EQ(m_store->testCount().count, 0);
    // Saved in one go, Zorro first: the order saved is not the order of names.
    std::vector<StoredRow> rows{buildRow(testOf(QStringLiteral("Zorro")), SavedAt),
                                buildRow(testOf(QStringLiteral("Bella")), SavedAt.addDays(1))};
    rows[1].comments = QStringLiteral("a\r\nb");
    ASSERT_FALSE(m_store->appendRows(rows).has_value());
    const CountResult count = m_store->testCount();
    EXPECT_EQ(count.count, 2) << count.error.toStdString();
    const AllRowsResult all = m_store->allRows();
    ASSERT_EQ(all.rows.size(), 2u) << all.error.toStdString();
    const StoredRow &bella = all.rows[1];
    EXPECT_EQ(all.rows[0].name, QStringLiteral("Zorro"));
    EXPECT_EQ(bella.name, QStringLiteral("Bella"));
    EXPECT_EQ(bella.moment, QStringLiteral("2006-03-15 10:22:05"));
    EXPECT_EQ(bella.examDate, QStringLiteral("2006-03-15"));
    EXPECT_EQ(bella.comments, QStringLiteral("a\r\nb"));
    EXPECT_EQ(bella.stepData, rows[1].stepData);
    EXPECT_EQ(bella.stable, QStringLiteral(" "));
}

INSTANTIATE_TEST_SUITE_P(BothStores, StoreMatrix, ::testing::Values(Backend::File, Backend::Server),
                         [](const ::testing::TestParamInfo<Backend> &param) {
                             return param.param == Backend::File ? "File" : "Server";
                         });
