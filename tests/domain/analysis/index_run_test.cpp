// "Calculate" and the index run: which row is written, what a heart-rate-only or recovery test
// writes, and that rows past the end of the table are left alone.
#include "domain/analysis/index_run.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

class IndexRun : public ::testing::Test {
protected:
    IndexRun() {
        test.discipline = QStringLiteral("Trav");
        test.speedUnit = SpeedUnit::MinPerKm;
        test.fitDouble = {-4, 0.5, 100, 10};
        test.testDate = QStringLiteral("2024-05-01 10:00");
    }
    QStringList run(bool freeze, const char *lakt1 = "1.2", FitOutcome fit = {}) {
        IndexRunInputs inputs;
        inputs.freezeChecked = freeze;
        inputs.lakt1Text = QString::fromUtf8(lakt1);
        inputs.fit = fit;
        inputs.calculatedAt = QStringLiteral("2026-12-07 10:11:12");
        return runIndexRun(inputs, test, cells);
    }
    CurrentTest test;
    ComparisonCells cells;
};

TEST_F(IndexRun, WritesTheFirstRowInTheUnitOfTheDiscipline) {
    test.comparedCount = 4;
    cells.matrix[3][0] = 5;
    run(false);
    EXPECT_EQ(test.comparedCount, 1);
    EXPECT_EQ(cells.labelx[0], u"1:39");
    EXPECT_EQ(cells.vla2[0], u"1:46");
    EXPECT_EQ(cells.vla4[0], u"1:32");
    EXPECT_EQ(cells.hr2x[0], u"194");
    EXPECT_EQ(cells.hr4x[0], u"208");
    EXPECT_EQ(cells.datex[0], u"2024-05-01 10:00");
    EXPECT_EQ(cells.comparedV200[0], 10.0f);
    EXPECT_EQ(cells.matrix[1][ComparisonCells::HrInterceptColumn], 100);
    EXPECT_EQ(cells.matrix[1][ComparisonCells::HrSlopeColumn], 10);
    EXPECT_EQ(cells.matrix[3][0], 0); // a new comparison clears the matrix
}

TEST_F(IndexRun, HeartRateOnlyTestFillsV200AndEmptiesTheLactateCells) {
    test.hrOnly = true;
    cells.vla2[0] = QStringLiteral("old");
    cells.hr4x[0] = QStringLiteral("old");
    cells.comparedVla4[0] = 3;
    run(false, "0.1");
    EXPECT_EQ(cells.labelx[0], u"1:39");
    EXPECT_EQ(cells.vla2[0], u"");
    EXPECT_EQ(cells.hr4x[0], u"");
    EXPECT_EQ(cells.comparedVla4[0], 0.0f);
}

// The frozen row being filled is emptied first and shows only what this test produced; the row
// before it stays. Fit A = -4, B = 0.5, C = 100, D = 10 unless the case changes it.
TEST_F(IndexRun, AValueTheTestCannotProduceLeavesItsCellEmpty) {
    struct Case {
        const char *what;
        FitOutcome fit;
        CurveFitDouble line;
        std::array<const char *, 5> row; // V200, VLa2, VLa4, Hr2, Hr4
        const char *note;
    };
    using Steps = FitOutcome::Steps;
    const Case cases[] = {
        {"two steps",
         {Steps::FewerThanThree, 0, false, false},
         {-4, 0.5, 100, 10},
         {"", "", "", "", ""},
         "No indices: the test has fewer than three steps"},
        {"empty step 4",
         {Steps::EmptyStep, 4, false, false},
         {-4, 0.5, 100, 10},
         {"", "", "", "", ""},
         "No indices: step 4 is empty"},
        {"lactate not fitted",
         {Steps::Found, 0, false, true},
         {-4, 0.5, 100, 10},
         {"1:39", "", "", "", ""},
         "No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted"},
        {"heart rate not fitted",
         {Steps::Found, 0, true, false},
         {-4, 0.5, 100, 10},
         {"", "1:46", "1:32", "", ""},
         "No V200, Hr2 or Hr4: the heart-rate line was not fitted"},
        // (200 - 250) / -10 = 5 m/s would be a speed, but not one at which the heart rate rose.
        {"heart rate falling",
         {},
         {-4, 0.5, 250, -10},
         {"", "1:46", "1:32", "156", "142"},
         "No V200: the heart rate does not rise with speed"},
        // ln 4 = 1.386 < A = 2: the curve is above 4 (and 2) mmol/l at every positive speed.
        {"lactate above 4 at rest",
         {},
         {2, 0.5, 100, 10},
         {"1:39", "", "", "", ""},
         "No VLa4: the lactate curve gives no positive speed for 4 mmol/l"},
        {"flat lactate",
         {},
         {1, 0, 100, 10},
         {"1:39", "", "", "", ""},
         "No VLa2 or VLa4: the lactate does not change with speed"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test.comparedCount = 0;
        test.fitDouble = {-4, 0.5, 100, 10};
        run(true);
        test.fitDouble = c.line;
        for (auto *column : {&cells.labelx, &cells.vla2, &cells.vla4, &cells.hr2x, &cells.hr4x})
            (*column)[1] = QStringLiteral("old");
        const QStringList notes = run(true, "1.2", c.fit);
        const std::array<QString, 5> row = {cells.labelx[1], cells.vla2[1], cells.vla4[1],
                                            cells.hr2x[1], cells.hr4x[1]};
        std::array<QString, 5> expected;
        for (std::size_t i = 0; i < 5; ++i)
            expected[i] = QString::fromLatin1(c.row[i]);
        EXPECT_EQ(row, expected);
        EXPECT_TRUE(notes.contains(QString::fromLatin1(c.note))) << notes.join('|').toStdString();
        EXPECT_EQ(cells.labelx[0], u"1:39"); // the row before keeps its test's values
        EXPECT_EQ(cells.hr4x[0], u"208");
    }
}

TEST_F(IndexRun, ANewTestIsDatedByItsCalculation) {
    test.testDate.clear();
    run(false);
    EXPECT_EQ(cells.datex[0], u"2026-12-07 10:11:12");
}

TEST_F(IndexRun, ImportedTestKeepsTheDateCell) {
    test.importedFromFile = true;
    cells.datex[0] = QStringLiteral("from file");
    run(false);
    EXPECT_EQ(cells.datex[0], u"from file");
}

TEST_F(IndexRun, FrozenRunsFillOneRowEachAndStopWritingPastTheTable) {
    test.comparedCount = 0;
    for (int n = 1; n <= 9; ++n) {
        test.fitDouble.hrIntercept = 100 + n;
        run(true);
        EXPECT_EQ(test.comparedCount, n);
        if (n <= ComparisonCells::Rows) {
            EXPECT_EQ(cells.hr2x[std::size_t(n - 1)], QString::number(194 + n)) << n;
        }
        if (n < ComparisonCells::MatrixRows) {
            EXPECT_EQ(cells.matrix[std::size_t(n)][ComparisonCells::HrInterceptColumn], 100 + n);
        }
    }
    EXPECT_EQ(cells.hr2x[5], u"200");
    // The seventh run still fills the last list element: VLa2 = (ln 2 + 4)/0.5 = 9.386294.
    EXPECT_NEAR(cells.comparedVla2[6], 9.386294f, 1e-5);
    EXPECT_NEAR(cells.comparedVla4[6], 10.772589f, 1e-5);
}

TEST_F(IndexRun, RecoveryLayoutWritesLactateAndHeartRateAtFourTimes) {
    test.speedUnit = SpeedUnit::RecoveryTime;
    test.discipline = QStringLiteral("Recovery");
    test.fitDouble = {2, -0.05, 150, -2};
    run(false);
    const std::array<QString, 8> row = {cells.labelx[0], cells.vla2[0], cells.vla4[0],
                                        cells.hr2x[0],   cells.hr4x[0], cells.hr5[0],
                                        cells.hr10[0],   cells.hr20[0]};
    const std::array<QString, 8> expected = {u"7.39"_qs, u"5.75"_qs, u"4.48"_qs, u"2.72"_qs,
                                             u"150"_qs,  u"140"_qs,  u"130"_qs,  u"110"_qs};
    EXPECT_EQ(row, expected);
}

TEST(Calculate, PreparationAndComments) {
    EXPECT_TRUE(prepareCalculate(SpeedUnit::NoUnit, u"0"_qs, u"Bamse"_qs).showSelectSpeed);
    EXPECT_FALSE(prepareCalculate(SpeedUnit::NoUnit, u"0"_qs, u"Bamse"_qs).switchHrOnly);
    const auto prep = prepareCalculate(SpeedUnit::MinPerKm, u"0"_qs, u"Bamse"_qs);
    EXPECT_TRUE(prep.switchHrOnly);
    EXPECT_TRUE(prep.focusSaveWork);
    EXPECT_FALSE(prepareCalculate(SpeedUnit::MinPerKm, u"0.0"_qs, QString()).switchHrOnly);
    EXPECT_FALSE(prepareCalculate(SpeedUnit::MinPerKm, u"0.0"_qs, QString()).focusSaveWork);

    EXPECT_EQ(commentsAfterCalculate(true, u"Track,Wet"_qs), std::optional(u"Track,Wet"_qs));
    EXPECT_EQ(commentsAfterCalculate(true, QString()), std::nullopt);
    EXPECT_EQ(commentsAfterCalculate(false, u"Track,Wet"_qs), std::nullopt);
}

} // namespace
} // namespace kavren
