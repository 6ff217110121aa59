#include "io/database/database_file.h"
#include "io/database/step_data_text.h"
#include "io/database/saving.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

TestSteps stepsOf(std::initializer_list<std::array<const char *, 3>> rows) {
    TestSteps steps;
    std::size_t i = 0;
    for (const auto &row : rows) {
        steps[i].lactate = QString::fromUtf8(row[0]);
        steps[i].hr = QString::fromUtf8(row[1]);
        steps[i].speedText = QString::fromUtf8(row[2]);
        ++i;
    }
    return steps;
}

TestToSave typedTest() {
    TestToSave test;
    test.name = QStringLiteral("Bella");
    test.breed = QStringLiteral("Varmblod");
    test.age = QStringLiteral("5 år");
    test.sex = QStringLiteral("sto");
    test.discipline = QStringLiteral("Trav");
    test.steps = stepsOf({{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"2.4", "166", "2.00"}});
    test.stepCount = 3;
    return test;
}

const QDateTime SavedAt(QDate(2006, 3, 14), QTime(10, 22, 5));

} // namespace

TEST(StepCount, CountsLeadingStepsWithANonZeroHeartRate) {
    struct Case {
        TestSteps steps;
        bool live;
        int expected;
    };
    const Case cases[] = {
        {stepsOf({{"", "128", ""}, {"", "145", ""}, {"", "166", ""}}), false, 3},
        {stepsOf({{"", "1", ""},
                  {"", "2", ""},
                  {"", "3", ""},
                  {"", "4", ""},
                  {"", "5", ""},
                  {"", "6", ""}}),
         false, 6},
        {stepsOf({{"", "1", ""},
                  {"", "2", ""},
                  {"", "3", ""},
                  {"", "0", ""},
                  {"", "5", ""},
                  {"", "6", ""}}),
         false, 3},
        {stepsOf({{"", "abc", ""}, {"", "2", ""}}), false, 0},
        {stepsOf({}), true, 6},
    };
    for (const Case &c : cases)
        EXPECT_EQ(stepCountForSaving(c.steps, c.live), c.expected);
}

TEST(StepDataPacking, KeepsDigitsAsTypedAndEveryValueInItsPlace) {
    const TestSteps six = stepsOf({{" 2.5 ", "128", "2.40"},
                                   {"2 5", "14 5", "2.20"},
                                   {"2.4", "166", "2.00"},
                                   {"4.1", "183", "1.50"},
                                   {"6.0", "192", "1.45"},
                                   {"8.8", "201", "1.40"}});
    struct Case {
        int count;
        bool hrOnly;
        QString expected;
    };
    const Case cases[] = {
        {6, false,
         QStringLiteral("2.5 128 2.40 25 145 2.20 2.4 166 2.00 4.1 183 1.50 6.0 192 "
                        "1.45 8.8 201 1.40")},
        {3, false, QStringLiteral("2.5 128 2.40 25 145 2.20 2.4 166 2.00")},
        {4, true, QStringLiteral("0.1 128 2.40 0.1 145 2.20 0.1 166 2.00 0.1 183 1.50")},
        {2, false, QString()},
        {7, false, QString()},
    };
    for (const Case &c : cases) {
        const QString packed = packStepData(six, c.count, c.hrOnly);
        EXPECT_EQ(packed, c.expected);
        EXPECT_EQ(decodeStepData(packed).count, c.expected.isEmpty() ? 0 : c.count);
    }
}

TEST(SavedRow, HoldsEveryColumnWithBlanksForEmptyFields) {
    TestToSave test = typedTest();
    test.comments = QStringLiteral("line one\nline two\rline three");
    const StoredRow row = buildRow(test, SavedAt);
    EXPECT_EQ(row.name, QStringLiteral("Bella"));
    EXPECT_EQ(row.moment, QStringLiteral("2006-03-14 10:22:05"));
    EXPECT_EQ(row.breed, QStringLiteral("Varmblod"));
    EXPECT_EQ(row.age, QStringLiteral("5 år"));
    EXPECT_EQ(row.sex, QStringLiteral("sto"));
    EXPECT_EQ(row.discipline, QStringLiteral("Trav"));
    EXPECT_EQ(row.pictureName, QStringLiteral("dummy.jpg"));
    EXPECT_EQ(row.maxHr, QStringLiteral(" "));
    EXPECT_EQ(row.stable, QStringLiteral(" "));
    EXPECT_EQ(row.trainer, QStringLiteral(" "));
    EXPECT_EQ(row.examDate, QStringLiteral("2006-03-14"));
    EXPECT_EQ(row.stepData, QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00"));
    EXPECT_EQ(row.comments, QStringLiteral("line one\r\nline two\r\nline three"));

    test.comments = QStringLiteral(" ");
    EXPECT_EQ(buildRow(test, SavedAt).comments, QStringLiteral(" "));
    test.comments.clear();
    EXPECT_EQ(buildRow(test, SavedAt).comments, QStringLiteral(" "));
}

TEST(SavedRow, AnImportedTestCarriesTheRecordingsMomentAndDate) {
    TestToSave test = typedTest();
    test.importedFromFile = true;
    test.importedMoment = QStringLiteral("2005-11-02  07:45:30");
    test.recordingDate = QStringLiteral("2005-11-02");
    StoredRow row = buildRow(test, SavedAt);
    EXPECT_EQ(row.moment, QStringLiteral("2005-11-02 07:45:30"));
    EXPECT_EQ(row.examDate, QStringLiteral("2005-11-02"));

    test.importedMoment.clear();
    row = buildRow(test, SavedAt);
    EXPECT_EQ(row.moment, QStringLiteral("2005-11-02 00:00:00"));
}

TEST(SavedRow, PictureNameFollowsTheBackgroundState) {
    EXPECT_EQ(pictureNameForSaving(QString(), QStringLiteral("x.bmp")),
              QStringLiteral("dummy.jpg"));
    EXPECT_EQ(pictureNameForSaving(QStringLiteral("dummy.jpg"), QStringLiteral("track.bmp")),
              QStringLiteral("track.bmp"));
    EXPECT_EQ(pictureNameForSaving(QStringLiteral("own.bmp"), QStringLiteral("track.bmp")),
              QStringLiteral("own.bmp"));
}

TEST(SaveChecks, FirstMissingIdentityField) {
    TestToSave test = typedTest();
    EXPECT_FALSE(firstMissingIdentityField(test).has_value());
    test.age.clear();
    test.sex.clear();
    EXPECT_EQ(firstMissingIdentityField(test), 2);
}

// What the typed steps allow: the refused step and field, the questions, and the steps the row
// holds. A heart-rate-only test's lactate mark 0.1 is no typed value.
TEST(SaveChecks, TypedStepsTheRowCannotHoldAreRefused) {
    struct Case {
        const char *what;
        TestSteps steps;
        bool hrOnly;
        int refusedStep; // 0: none
        StepField refusedField;
        std::vector<int> questionSteps;
        int heldSteps;
    };
    const Case cases[] = {
        {"two gaps name the next typed step",
         stepsOf({{"1", "120", "2.4"},
                  {"1", "130", "2.2"},
                  {"", "", ""},
                  {"", "", ""},
                  {"2", "150", "2"}}),
         false,
         5,
         StepField::Lactate,
         {},
         0},
        {"no lactate",
         stepsOf({{"1", "120", "2.4"}, {" ", "130", "2.2"}, {"2", "150", "2"}}),
         false,
         2,
         StepField::Lactate,
         {},
         0},
        {"letters in a speed",
         stepsOf({{"1", "120", "2.4"}, {"1", "130", "2.2"}, {"2", "150", "2x"}}),
         false,
         3,
         StepField::Speed,
         {},
         0},
        {"an inner blank is one value",
         stepsOf({{"1", "120", "2.4"}, {"2 5", "130", "2.2"}, {"2", "150", "2"}}),
         false,
         0,
         StepField::Lactate,
         {},
         3},
        {"heart-rate only, a last step without heart rate",
         stepsOf({{"0.1", "120", "2.4"},
                  {"0.1", "130", "2.2"},
                  {"0.1", "140", "2"},
                  {"0.1", "", "1.5"},
                  {"0.1", "", ""},
                  {"0.1", "", ""}}),
         true,
         0,
         StepField::Lactate,
         {4},
         4},
        {"heart-rate only, two steps",
         stepsOf({{"0.1", "120", "2.4"}, {"0.1", "130", "2.2"}, {"0.1", "", ""}}),
         true,
         2,
         StepField::Lactate,
         {},
         0},
        {"nothing typed", stepsOf({}), false, 0, StepField::Lactate, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const StepCheck check = checkStepsForSaving(c.steps, c.hrOnly);
        EXPECT_EQ(check.refusal.has_value(), c.refusedStep != 0);
        if (check.refusal) {
            EXPECT_EQ(check.refusedStep, c.refusedStep);
            EXPECT_EQ(check.refusedField, c.refusedField);
            continue;
        }
        std::vector<int> asked;
        for (const StepCheck::Question &question : check.questions)
            asked.push_back(question.step);
        EXPECT_EQ(asked, c.questionSteps);
        EXPECT_EQ(check.heldSteps, c.heldSteps);
    }
}

TEST(SaveToFile, AppendsTheRowWholeWithEveryValueBound) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Start.mdb"));
    TestToSave test = typedTest();
    test.name = QStringLiteral("O'Brien \"Ö\"; DROP TABLE mytable;--");
    test.comments = QString(100000, QChar(0x4E2D)) + QStringLiteral("\r\nend");
    test.stepCount = 2; // too few steps: Data is stored as an empty text, not missing
    ASSERT_FALSE(appendRow(path, buildRow(test, SavedAt)).has_value());

    const auto rows = rowsOf(path, QStringLiteral("SELECT * FROM mytable"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].toString(), test.name);
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("2006-03-14 10:22:05"));
    EXPECT_EQ(rows[0][3].toString(), QStringLiteral("5 år"));
    EXPECT_FALSE(rows[0][11].isNull());
    EXPECT_EQ(rows[0][11].toString(), QString());
    EXPECT_EQ(rows[0][12].toString(), test.comments);
}

TEST(SaveToFile, AFailedSaveSaysWhyAndWritesNothing) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.mdb"));
    writeBytes(text, QByteArray(2048, 'y'));
    const QString foreign = dir.filePath(QStringLiteral("foreign.mdb"));
    execute(foreign, QStringLiteral("CREATE TABLE other (a TEXT)"));
    struct Case {
        QString path;
        QString says;
    };
    const Case cases[] = {
        {text, QStringLiteral("not a database")},
        {foreign, QStringLiteral("no table mytable")},
        {dir.filePath(QStringLiteral("missing.mdb")), QStringLiteral("does not exist")},
        {dir.path(), QStringLiteral("is a folder")},
    };
    const StoredRow row = buildRow(typedTest(), SavedAt);
    for (const Case &c : cases) {
        const QByteArray before = bytesOf(c.path);
        const auto failure = appendRow(c.path, row);
        ASSERT_TRUE(failure.has_value()) << c.path.toStdString();
        EXPECT_TRUE(failure->contains(c.says)) << failure->toStdString();
        EXPECT_EQ(bytesOf(c.path), before);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing.mdb"))));
    EXPECT_TRUE(rowsOf(foreign, QStringLiteral("SELECT * FROM other")).empty());
}

TEST(SaveToFile, AReadOnlyDatabaseIsReportedAndLeftAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readonly.mdb"));
    ASSERT_EQ(createDatabase(dir.filePath(QStringLiteral("readonly"))).outcome,
              CreateOutcome::Created);
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "file permissions do not bind this user";
    const QByteArray before = bytesOf(path);
    const auto failure = appendRow(path, buildRow(typedTest(), SavedAt));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("read-only"))) << failure->toStdString();
    EXPECT_EQ(bytesOf(path), before);
}

TEST(SaveToFile, ALockedDatabaseIsReportedAndTheRowNotStored) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.mdb"));
    ASSERT_EQ(createDatabase(dir.filePath(QStringLiteral("locked"))).outcome,
              CreateOutcome::Created);
    std::optional<QString> failure;
    withConnection(path, [&](QSqlDatabase &other) {
        QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        failure = appendRow(path, buildRow(typedTest(), SavedAt));
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
    });
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("locked"))) << failure->toStdString();
    EXPECT_TRUE(rowsOf(path, QStringLiteral("SELECT * FROM mytable")).empty());
}
