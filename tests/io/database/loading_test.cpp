#include "io/database/step_data_text.h"
#include "io/database/loading.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

namespace {

QString valuesText(int count) {
    QStringList values;
    for (int i = 1; i <= count; ++i)
        values << QString::number(i);
    return values.join(u' ');
}

TestRow rowWithData(const QString &data, const QString &discipline = QStringLiteral("Trav")) {
    TestRow row;
    row.name = QStringLiteral("Bella");
    row.testDate = QStringLiteral("2006-03-14 10:22:05");
    row.discipline = discipline;
    row.stepData = data;
    row.comments = QStringLiteral("first\r\nsecond");
    return row;
}

} // namespace

TEST(StepDataDecoding, CountsRowsUpToTheFirstEmptyLactate) {
    struct Case {
        QString data;
        int count;
    };
    const Case cases[] = {
        {valuesText(18), 6},
        {valuesText(9), 3},
        {QString(), 0},
        {valuesText(2), 1},
        {valuesText(20), 7},
        {valuesText(300), 7},
        {QStringLiteral("1 2 3  5 6 7 8 9"), 1},
        {QStringLiteral(" 1 2 3"), 0},
        {QStringLiteral("a b c d e f g h i"), 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodeStepData(c.data).count, c.count) << c.data.left(40).toStdString();
    // Two neighbouring blanks make an empty value in its place; later values keep theirs.
    const DecodedStepData gap = decodeStepData(QStringLiteral("1  3 4 5 6 7 8 9"));
    EXPECT_EQ(gap.count, 3);
    EXPECT_TRUE(gap.rows[0].hr.isEmpty());
    EXPECT_EQ(gap.rows[1].lactate, QStringLiteral("4"));
    EXPECT_EQ(gap.rows[2].speed, QStringLiteral("9"));
}

TEST(TestLoading, StepsComeBackInTheNumberWritingForm) {
    const LoadedTest test = unpackTest(rowWithData(QStringLiteral(
        "1.2 128 2.40 1.5 145 2.20 2.4 166 2.00 4.1 183 1.50 6.0 192 1.45 8.8 030 1.40")));
    EXPECT_EQ(test.stepCount, 6);
    EXPECT_EQ(test.steps[0].speedText, QStringLiteral("2.4"));
    EXPECT_EQ(test.steps[4].lactate, QStringLiteral("6"));
    EXPECT_EQ(test.steps[5].hr, QStringLiteral("30"));
    EXPECT_EQ(test.steps[5].speedText, QStringLiteral("1.4"));
    EXPECT_FALSE(test.hrOnly);
    EXPECT_EQ(test.comments, QStringLiteral("first\nsecond"));
    EXPECT_EQ(test.testDate, QStringLiteral("2006-03-14 10:22:05"));
}

TEST(TestLoading, LettersAndHugeValuesLoadWithoutHarm) {
    const QString huge(100000, u'9');
    const LoadedTest test = unpackTest(
        rowWithData(QStringLiteral("abc 1%1 2.40 1.5 x 2.20 2.4 166 ").arg(huge) + huge));
    EXPECT_EQ(test.stepCount, 3);
    EXPECT_EQ(test.steps[0].lactate, QStringLiteral("0"));
    EXPECT_EQ(test.steps[1].hr, QStringLiteral("0"));
    EXPECT_EQ(test.steps[2].hr, QStringLiteral("166"));
}

TEST(TestLoading, OnlyThreeToSixStepsFillTheGrid) {
    EXPECT_EQ(unpackTest(rowWithData(valuesText(9))).steps[2].speedText, QStringLiteral("9"));
    EXPECT_TRUE(unpackTest(rowWithData(valuesText(9))).steps[3].lactate.isEmpty());
    for (int values : {0, 2, 6, 20}) {
        const LoadedTest test = unpackTest(rowWithData(valuesText(values)));
        EXPECT_TRUE(test.steps[0].lactate.isEmpty()) << values;
        EXPECT_EQ(test.name, QStringLiteral("Bella"));
    }
}

TEST(TestLoading, AHeartRateOnlyTestIsRecognisedByItsFirstLactate) {
    struct Case {
        const char *data;
        bool hrOnly;
    };
    const Case cases[] = {
        {"0.1 120 2.4 0.1 140 2.2 0.1 160 2.0", true},
        {".1 120 2.4 0.1 140 2.2 0.1 160 2.0", true},
        {"0.10 120 2.4 1 140 2.2 1 160 2.0", true},
        {"0.11 120 2.4 0.1 140 2.2 0.1 160 2.0", false},
        {"0.1 120 2.4", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(unpackTest(rowWithData(QString::fromUtf8(c.data))).hrOnly, c.hrOnly) << c.data;
}

TEST(TestLoading, TheDisciplineSelectsUnitLabelAndCaption) {
    struct Case {
        QString discipline;
        SpeedUnit unit;
        QString label;
        QString caption;
    };
    const Case cases[] = {
        {QStringLiteral("Trav"), SpeedUnit::MinPerKm, QStringLiteral("min/km"),
         QStringLiteral("Speed (min/km)")},
        {QStringLiteral("Rid"), SpeedUnit::MetrePerMin, QStringLiteral("met/min"),
         QStringLiteral("Speed (mt/min)")},
        {QStringLiteral("Galopp"), SpeedUnit::SecPer200m, QStringLiteral("sek/200m"),
         QStringLiteral("Speed (sek/200m)")},
        {QStringLiteral("Endur"), SpeedUnit::KmPerHour, QStringLiteral("km/hour"),
         QStringLiteral("Speed (km/hour)")},
        {QStringLiteral("Recovery"), SpeedUnit::RecoveryTime, QStringLiteral("Time (min)"),
         QString()},
        {QStringLiteral("trav"), SpeedUnit::NoUnit, QString(), QString()},
    };
    for (const Case &c : cases) {
        const LoadedTest test = unpackTest(rowWithData(QString(), c.discipline));
        EXPECT_EQ(test.speedUnit, c.unit) << c.discipline.toStdString();
        EXPECT_EQ(test.unitLabel.value_or(QString()), c.label);
        EXPECT_EQ(test.axisCaption.value_or(QString()), c.caption);
        EXPECT_EQ(test.discipline, c.discipline);
    }
}

TEST(TestLoading, APictureIsLookedUpInTheDatabaseFolderOnly) {
    EXPECT_EQ(picturePathOf(QStringLiteral("/data/Horses/"), QStringLiteral("track.bmp")),
              QStringLiteral("/data/Horses/track.bmp"));
    // A name with a folder part is no plain file name of the database folder: refused.
    EXPECT_TRUE(picturePathOf(QStringLiteral("/data/Horses/"), QStringLiteral("..\\..\\secret.bmp"))
                    .isEmpty());
    EXPECT_TRUE(picturePathOf(QStringLiteral("/data/Horses/"), QStringLiteral("  ")).isEmpty());
}
