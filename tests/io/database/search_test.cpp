#include "io/database/database_file.h"
#include "io/database/loading.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "domain/exercise/numeric_text.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(createDatabase(m_dir.filePath(QStringLiteral("horses"))).outcome,
                  CreateOutcome::Created);
    }
    void save(const QString &name, const QDateTime &when, const QString &stable = QString()) {
        TestToSave test;
        test.name = name;
        test.breed = QStringLiteral("Varmblod");
        test.age = QStringLiteral("5");
        test.sex = QStringLiteral("sto");
        test.stable = stable;
        test.discipline = QStringLiteral("Trav");
        ASSERT_FALSE(appendRow(m_path, buildRow(test, when)).has_value());
    }
    QStringList names(const std::vector<TestRow> &rows) const {
        QStringList texts;
        for (const TestRow &row : rows)
            texts << row.listText();
        return texts;
    }
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("horses.mdb"));
};

QDateTime at(int day, int hour) {
    return QDateTime(QDate(2006, 3, day), QTime(hour, 0));
}

} // namespace

TEST_F(SearchTest, EachCriterionListsItsDistinctValues) {
    save(QStringLiteral("Bella"), at(14, 9), QStringLiteral("Solvalla"));
    save(QStringLiteral("Bella"), at(14, 11), QStringLiteral("Solvalla"));
    save(QStringLiteral("Amir"), at(15, 9));
    struct Case {
        QString field;
        QStringList values;
    };
    const Case cases[] = {
        {QStringLiteral("Namn"), {QStringLiteral("Amir"), QStringLiteral("Bella")}},
        {QStringLiteral("Ras"), {QStringLiteral("Varmblod")}},
        {QStringLiteral("Ålder"), {QStringLiteral("5")}},
        {QStringLiteral("Kön"), {QStringLiteral("sto")}},
        {QStringLiteral("Stall"), {QStringLiteral(" "), QStringLiteral("Solvalla")}},
        {QStringLiteral("Coach"), {QStringLiteral(" ")}},
        {QStringLiteral("ExDatum"), {QStringLiteral("2006-03-14"), QStringLiteral("2006-03-15")}},
    };
    for (const Case &c : cases) {
        const ValuesResult listed = listCriterionValues(m_path, c.field);
        EXPECT_EQ(listed.values, c.values) << c.field.toStdString();
        EXPECT_TRUE(listed.error.isEmpty());
    }
    EXPECT_EQ(
        names(searchTests(m_path, QStringLiteral("ExDatum"), QStringLiteral("2006-03-14")).rows),
        (QStringList{QStringLiteral("Bella\t2006-03-14 09:00:00"),
                     QStringLiteral("Bella\t2006-03-14 11:00:00")}));
    EXPECT_FALSE(listCriterionValues(m_path, QStringLiteral("Data; DROP")).error.isEmpty());
}

TEST_F(SearchTest, AnEmptyTableListsNothing) {
    EXPECT_TRUE(listCriterionValues(m_path, QStringLiteral("Namn")).values.isEmpty());
    EXPECT_TRUE(searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("Bella")).rows.empty());
}

TEST_F(SearchTest, ANameWithAnApostropheIsFoundLoadedAndErased) {
    save(QStringLiteral("O'Brien"), at(14, 9));
    save(QStringLiteral("Bella"), at(14, 10));
    const SearchResult found =
        searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("O'Brien"));
    ASSERT_EQ(found.rows.size(), 1u);
    EXPECT_EQ(unpackTest(found.rows[0]).name, QStringLiteral("O'Brien"));
    EXPECT_EQ(eraseTests(m_path, found.rows).erased, 1);
    EXPECT_EQ(listCriterionValues(m_path, QStringLiteral("Namn")).values,
              QStringList{QStringLiteral("Bella")});
}

TEST_F(SearchTest, RowsWithTheSameNameAndDateStayApartAndEraseExactlyTheSelected) {
    for (int i = 0; i < 3; ++i)
        save(QStringLiteral("Bella"), at(14, 9));
    save(QStringLiteral("Bella"), at(13, 9));
    save(QStringLiteral("Bella"), at(16, 9));
    const SearchResult found = searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("Bella"));
    ASSERT_EQ(found.rows.size(), 5u);
    EXPECT_EQ(found.rows[0].testDate, QStringLiteral("2006-03-13 09:00:00"));
    EXPECT_EQ(found.rows[4].testDate, QStringLiteral("2006-03-16 09:00:00"));
    EXPECT_LT(found.rows[1].rowId, found.rows[2].rowId);

    // The last, a middle and the first entry, in that order: all three go, nothing else.
    const std::vector<TestRow> selected = {found.rows[4], found.rows[2], found.rows[0]};
    const EraseResult erased = eraseTests(m_path, selected);
    EXPECT_EQ(erased.erased, 3);
    EXPECT_TRUE(erased.error.isEmpty());
    const auto left = searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("Bella")).rows;
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].rowId, found.rows[1].rowId);
    EXPECT_EQ(left[1].rowId, found.rows[3].rowId);

    // Erasing them again finds nothing and says so.
    const EraseResult again = eraseTests(m_path, selected);
    EXPECT_EQ(again.erased, 0);
    EXPECT_FALSE(again.error.isEmpty());
}

TEST_F(SearchTest, ARowWrittenByAnotherProgramLoadsAsFarAsItCan) {
    insertRaw(m_path,
              {QStringLiteral("Ghost"), QVariant(), QVariant(), QStringLiteral("7"), QVariant(),
               QStringLiteral("Rid"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
               QStringLiteral("1 120 300 2 x30 320 3 160 abc"), QVariant()});
    const SearchResult found = searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("Ghost"));
    ASSERT_EQ(found.rows.size(), 1u);
    const LoadedTest test = unpackTest(found.rows[0]);
    EXPECT_EQ(test.age, QStringLiteral("7"));
    EXPECT_TRUE(test.breed.isEmpty());
    EXPECT_TRUE(test.testDate.isEmpty());
    EXPECT_EQ(test.stepCount, 3);
    EXPECT_EQ(test.steps[1].hr, QStringLiteral("0"));
    EXPECT_EQ(test.steps[2].speedText, QStringLiteral("0"));
    EXPECT_EQ(test.speedUnit, SpeedUnit::MetrePerMin);
    EXPECT_EQ(eraseTests(m_path, found.rows).erased, 1);
}

TEST_F(SearchTest, ASavedSixStepTestComesBackWhole) {
    TestToSave typed;
    typed.name = QStringLiteral("Bella");
    typed.breed = QStringLiteral("Varmblod");
    typed.age = QStringLiteral("5");
    typed.sex = QStringLiteral("sto");
    typed.maxHr = QStringLiteral("225");
    typed.stable = QStringLiteral("Solvalla");
    typed.trainer = QStringLiteral("Åsa");
    typed.comments = QStringLiteral("Fin dag\nLätt bana");
    typed.discipline = QStringLiteral("Trav");
    typed.backgroundPictureName = QStringLiteral("track.bmp");
    const char *rows[6][3] = {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"},
                              {"2.4", "166", "2.00"}, {"4.1", "183", "1.50"},
                              {"6.0", "192", "1.45"}, {"8.8", "201", "1.40"}};
    for (std::size_t i = 0; i < 6; ++i) {
        typed.steps[i].lactate = QString::fromLatin1(rows[i][0]);
        typed.steps[i].hr = QString::fromLatin1(rows[i][1]);
        typed.steps[i].speedText = QString::fromLatin1(rows[i][2]);
    }
    typed.stepCount = stepCountForSaving(typed.steps, false);
    ASSERT_FALSE(appendRow(m_path, buildRow(typed, at(14, 9))).has_value());

    const auto found = searchTests(m_path, QStringLiteral("Namn"), QStringLiteral("Bella")).rows;
    ASSERT_EQ(found.size(), 1u);
    const LoadedTest loaded = unpackTest(found[0]);
    EXPECT_EQ(loaded.stepCount, 6);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(readNumber(loaded.steps[i].lactate), readNumber(typed.steps[i].lactate));
        EXPECT_EQ(loaded.steps[i].hr, typed.steps[i].hr);
        EXPECT_EQ(readNumber(loaded.steps[i].speedText), readNumber(typed.steps[i].speedText));
    }
    EXPECT_EQ(loaded.maxHr, QStringLiteral("225"));
    EXPECT_EQ(loaded.stable, QStringLiteral("Solvalla"));
    EXPECT_EQ(loaded.trainer, QStringLiteral("Åsa"));
    EXPECT_EQ(loaded.comments, typed.comments);
    EXPECT_EQ(loaded.pictureName, QStringLiteral("track.bmp"));
    EXPECT_EQ(loaded.testDate, QStringLiteral("2006-03-14 09:00:00"));
    EXPECT_EQ(loaded.speedUnit, SpeedUnit::MinPerKm);
}

TEST_F(SearchTest, ALongSearchIsPutInListOrderOverSeveralStepsAfterItsPages) {
    // Saved out of order, names differing in case only: the pages of two are each sorted, then
    // merged without regard to case, equal names by date.
    const std::pair<QString, int> saved[] = {
        {u"cesar"_qs, 9},  {u"Bella"_qs, 12}, {u"adam"_qs, 9},  {u"BELLA"_qs, 10}, {u"Adam"_qs, 11},
        {u"bella"_qs, 11}, {u"Cesar"_qs, 8},  {u"adam"_qs, 10}, {u"Bella"_qs, 9}};
    for (const auto &[name, hour] : saved)
        save(name, at(14, hour), u"Solvalla"_qs);
    PagedTestSearch search(m_path, u"Stall"_qs, "Solvalla");
    int steps = 1;
    while (search.readMore(2))
        ++steps;
    // Five steps read the five pages; a sixth merges 8 tests, and the ninth, the rest of the one
    // page left, follows at once.
    EXPECT_EQ(steps, 6);
    QStringList listed;
    for (const ListedTest &test : search.takeSorted())
        listed << test.listText();
    EXPECT_EQ(listed,
              QStringList({u"adam\t2006-03-14 09:00:00"_qs, u"adam\t2006-03-14 10:00:00"_qs,
                           u"Adam\t2006-03-14 11:00:00"_qs, u"Bella\t2006-03-14 09:00:00"_qs,
                           u"BELLA\t2006-03-14 10:00:00"_qs, u"bella\t2006-03-14 11:00:00"_qs,
                           u"Bella\t2006-03-14 12:00:00"_qs, u"Cesar\t2006-03-14 08:00:00"_qs,
                           u"cesar\t2006-03-14 09:00:00"_qs}));
}
