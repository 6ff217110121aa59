// Saving and listing cases that a slip would break unnoticed: each identity field checked on its
// own, white space of any kind taken out of a packed step value, and result-list order by name
// whatever the letter case.
#include "io/database/database_file.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "io/database/step_data_text.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

TestToSave completeTest() {
    TestToSave test;
    test.name = QStringLiteral("Bella");
    test.breed = QStringLiteral("Varmblod");
    test.age = QStringLiteral("5");
    test.sex = QStringLiteral("sto");
    test.discipline = QStringLiteral("Trav");
    return test;
}

} // namespace

TEST(IdentityCheck, EachFieldAloneEmptyRefusesTheSave) {
    // Name, breed, age and sex are checked in that order; each one left empty on its own is
    // reported at its own place, whatever the others hold.
    QString TestToSave::*const fields[] = {&TestToSave::name, &TestToSave::breed, &TestToSave::age,
                                           &TestToSave::sex};
    for (int i = 0; i < 4; ++i) {
        TestToSave test = completeTest();
        test.*fields[i] = QString();
        EXPECT_EQ(firstMissingIdentityField(test), std::optional(i)) << i;
    }
    // A single blank is typed text, not an empty field; stable, trainer and max HR are optional.
    TestToSave blank = completeTest();
    blank.sex = QStringLiteral(" ");
    EXPECT_EQ(firstMissingIdentityField(blank), std::nullopt);
    EXPECT_EQ(firstMissingIdentityField(completeTest()), std::nullopt);
}

TEST(StepDataPacking, EveryKindOfWhiteSpaceInsideAValueIsTakenOut) {
    TestSteps steps;
    const char16_t *typed[3][3] = {{u"2\t5", u"1\u00a028", u"\t2.40\n"},
                                   {u"1.5", u"14 5", u"2.20\r\n"},
                                   {u"\v2.4", u"166\f", u"2 . 00"}};
    for (std::size_t i = 0; i < 3; ++i) {
        steps[i].lactate = QString::fromUtf16(typed[i][0]);
        steps[i].hr = QString::fromUtf16(typed[i][1]);
        steps[i].speedText = QString::fromUtf16(typed[i][2]);
    }
    // Every value keeps its place: nine values and eight single blanks.
    const QString packed = packStepData(steps, 3, false);
    EXPECT_EQ(packed, QStringLiteral("25 128 2.40 1.5 145 2.20 2.4 166 2.00"));
    const DecodedStepData decoded = decodeStepData(packed);
    EXPECT_EQ(decoded.count, 3);
    EXPECT_EQ(decoded.rows[2].speed, QStringLiteral("2.00"));
}

TEST(ResultOrder, NamesSortWhateverTheirLetterCase) {
    // The list sorts its entries by text without regard to case: Amir, bella, Cora (a sort by
    // character codes would put the lower-case bella after Cora).
    std::vector<TestRow> rows(4);
    rows[0].name = QStringLiteral("Cora");
    rows[1].name = QStringLiteral("bella");
    rows[2].name = QStringLiteral("Amir");
    rows[3].name = QStringLiteral("Bella");
    rows[0].testDate = rows[1].testDate = rows[2].testDate = QStringLiteral("2006-03-14 09:00:00");
    rows[3].testDate = QStringLiteral("2006-03-13 09:00:00");
    for (int i = 0; i < 4; ++i)
        rows[std::size_t(i)].rowId = i + 1;
    sortLikeResultList(rows);
    // "Bella" and "bella" count as one name: the earlier date comes first.
    const QStringList expected = {QStringLiteral("Amir"), QStringLiteral("Bella"),
                                  QStringLiteral("bella"), QStringLiteral("Cora")};
    QStringList names;
    for (const TestRow &row : rows)
        names << row.name;
    EXPECT_EQ(names, expected);
}

TEST(ResultOrder, ASearchListsTheFoundTestsInThatOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horses.mdb"));
    ASSERT_EQ(createDatabase(dir.filePath(QStringLiteral("horses"))).outcome,
              CreateOutcome::Created);
    const QDateTime when(QDate(2006, 3, 14), QTime(9, 0));
    for (const char *name : {"Cora", "bella", "Amir"}) {
        TestToSave test = completeTest();
        test.name = QString::fromLatin1(name);
        test.stable = QStringLiteral("Solvalla");
        ASSERT_FALSE(appendRow(path, buildRow(test, when)).has_value()) << name;
    }
    const SearchResult found =
        searchTests(path, QStringLiteral("Stall"), QStringLiteral("Solvalla"));
    ASSERT_EQ(found.rows.size(), 3u);
    EXPECT_EQ(found.rows[0].listText(), QStringLiteral("Amir\t2006-03-14 09:00:00"));
    EXPECT_EQ(found.rows[1].listText(), QStringLiteral("bella\t2006-03-14 09:00:00"));
    EXPECT_EQ(found.rows[2].listText(), QStringLiteral("Cora\t2006-03-14 09:00:00"));
}
