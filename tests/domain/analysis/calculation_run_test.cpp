// The calculation run as a whole: the four-step example from fields to points, curves, cursor
// positions and table row; the freeze store up to and past the seventh run; bounded curves and no
// failure on absurd input.
#include "domain/analysis/calculation_run.h"

#include "domain/analysis/comparison_table.h"
#include "domain/drawing/curve_plot.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavren {
namespace {

StepTexts texts(std::initializer_list<QString> values) {
    StepTexts result;
    std::size_t i = 0;
    for (const QString &value : values)
        result[i++] = value;
    return result;
}

class CalculationRun : public ::testing::Test {
protected:
    CalculationRun() {
        test.discipline = QStringLiteral("Trav");
        test.speedUnit = SpeedUnit::MinPerKm;
        inputs.speedMs = texts({u"5"_qs, u"6"_qs, u"7"_qs, u"8"_qs});
        inputs.lactate = texts({u"1.0"_qs, u"1.5"_qs, u"2.5"_qs, u"5.0"_qs});
        inputs.hr = texts({u"150"_qs, u"165"_qs, u"180"_qs, u"195"_qs});
    }
    CalculationResult run() { return runCalculation(inputs, chooseGraphAxisRanges, test, state); }

    std::vector<PlotMark> marksOf(const PlotItems &items, MarkStyle style) const {
        std::vector<PlotMark> marks;
        for (const PlotMark &mark : items.marks)
            if (mark.style == style)
                marks.push_back(mark);
        return marks;
    }

    CurrentTest test;
    AnalysisState state;
    CalculationInputs inputs;
};

TEST_F(CalculationRun, FourStepExampleFromFieldsToGraphAndTable) {
    const CalculationResult result = run();
    EXPECT_EQ(test.stepCount, 4);
    EXPECT_EQ(test.lastStepX, 8.0f);
    EXPECT_EQ(test.scale.lactateScale, 2.0f);
    EXPECT_EQ(test.scale.hrBase, 120.0f);
    EXPECT_EQ(test.scale.hrScale, 0.1f);
    EXPECT_NEAR(test.fit.lactateSlope, 0.53391f, 5e-6);
    EXPECT_NEAR(test.fit.lactateIntercept, -2.73764f, 5e-6);
    EXPECT_EQ(test.fit.hrSlope, 15.0f);
    EXPECT_EQ(test.fit.hrIntercept, 75.0f);

    const auto lactatePoints = marksOf(result.plot, MarkStyle::LactatePoint);
    const auto hrPoints = marksOf(result.plot, MarkStyle::HrPoint);
    ASSERT_EQ(lactatePoints.size(), 4u);
    ASSERT_EQ(hrPoints.size(), 4u);
    EXPECT_DOUBLE_EQ(lactatePoints[0].centre.x(), 5);
    EXPECT_DOUBLE_EQ(lactatePoints[0].centre.y(), 2.0);
    EXPECT_DOUBLE_EQ(hrPoints[0].centre.x(), 5);
    EXPECT_NEAR(hrPoints[0].centre.y(), 3.0, 1e-6);

    for (int i = 0; i < 3; ++i) {
        const TablePoint hr = state.pointTable.at(0, PointSeries::HeartRate, i);
        const TablePoint lactate = state.pointTable.at(0, PointSeries::Lactate, i);
        EXPECT_EQ(hr, (TablePoint{std::int16_t(50 + 10 * i), std::int16_t(30 + 15 * i)})) << i;
        EXPECT_EQ(lactate.column, 50 + 10 * i);
    }
    EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, 0).row, 20);
    EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, 1).row, 30);
    EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, 2).row, 50);

    ASSERT_EQ(result.plot.curves.size(), 2u);
    const PlotCurve &lactateCurve = result.plot.curves[1];
    EXPECT_EQ(lactateCurve.colour, CurveColour::Lactate);
    EXPECT_NEAR(lactateCurve.pieceStarts.front().y() / 2, 0.934, 5e-4);
    EXPECT_NEAR(lactateCurve.pieceStarts.back().y() / 2, 4.635, 0.03); // last sample at 7.99 or 8
    EXPECT_NEAR(result.plot.curves[0].pieceStarts.front().y(), (150 - 120) * 0.1, 1e-5);
    EXPECT_NEAR(double(lactateCurve.pieceStarts.size()), 301, 1);

    EXPECT_EQ(result.slider2Maximum, std::optional(60));
    EXPECT_TRUE(result.clearGraph);
    EXPECT_FALSE(result.commonRedraw);
    EXPECT_EQ(test.curveSlot, 1);
    EXPECT_EQ(state.frozenCurves.curves[1].stepCount, 4);
    EXPECT_EQ(state.frozenCurves.curves[1].hr[3], 195);
    EXPECT_EQ(state.frozenCurves.curves[1].lactateAxisMax, 6);
    EXPECT_EQ(test.comparedCount, 1);
    // V200 = (200 − 75)/15 = 8.333 m/s, 60/30 = 2 min per km: "2:00". ln-lactate sums over
    // x = 5…8: Sxy about x̄ = 2.66957, Sxx = 5, B = 0.533914, A = 0.7327985 − 6.5·B = −2.737643;
    // VLa4 = (1.386294 + 2.737643)/B = 7.72397 → Hr4 = 75 + 15·7.72397 = 190.86 → 191;
    // VLa2 = (0.693147 + 2.737643)/B = 6.42573 → Hr2 = 171.39 → 171.
    EXPECT_EQ(state.comparison.labelx[0], u"2:00");
    EXPECT_EQ(state.comparison.hr4x[0], u"191");
    EXPECT_EQ(state.comparison.hr2x[0], u"171");
    EXPECT_NEAR(test.results.vla4, 7.72397f, 5e-5);
    EXPECT_NEAR(test.results.vla2, 6.42573f, 5e-5);
}

TEST_F(CalculationRun, ThreeStepsWithoutAFourthHeartRateGetAFitAndIndices) {
    // The fourth step has a speed and a lactate but no heart rate: three steps are counted, so the
    // fit is lactate 2^(x − 5) (B = ln 2, A = −5·ln 2) and heart rate 50 + 20·x.
    inputs.speedMs = texts({u"5"_qs, u"6"_qs, u"7"_qs, u"8"_qs});
    inputs.lactate = texts({u"1"_qs, u"2"_qs, u"4"_qs, u"9"_qs});
    inputs.hr = texts({u"150"_qs, u"170"_qs, u"190"_qs, QString()});
    run();
    EXPECT_EQ(test.stepCount, 3);
    EXPECT_EQ(test.lastStepX, 7.0f);
    EXPECT_NEAR(test.fitDouble.lactateSlope, std::log(2.0), 1e-12);
    EXPECT_NEAR(test.fitDouble.lactateIntercept, -5 * std::log(2.0), 1e-12);
    EXPECT_NEAR(test.fitDouble.hrSlope, 20, 1e-12);
    EXPECT_NEAR(test.fitDouble.hrIntercept, 50, 1e-12);
    // V200 = 150/20 = 7.5, VLa4 = (ln 4 + 5 ln 2)/ln 2 = 7, VLa2 = 6, Hr4 = 190, Hr2 = 170.
    EXPECT_NEAR(test.results.v200, 7.5f, 1e-5);
    EXPECT_NEAR(test.results.vla4, 7.0f, 1e-5);
    EXPECT_NEAR(test.results.vla2, 6.0f, 1e-5);
    EXPECT_EQ(test.results.hr4, 190);
    EXPECT_EQ(test.results.hr2, 170);
    // The last step counted (7 m/s, lactate 4) chooses the lactate axis of 6 mmol/l.
    EXPECT_EQ(test.scale.lactateAxisMax, 6.0f);
}

TEST_F(CalculationRun, CursorPositionsFloorTheColumnAndRoundTheRowHalfToEven) {
    // Columns are floor(X·10): 5.67 → 56, 6.25 → 62, 7.95 → 79 (rounding gives 57, 63, 80). The
    // last lactate 7 chooses the 8 mmol/l axis (scale 1.5), so the lactate rows are L·15:
    // 0.3 → 4.5 → 4, 1.5 → 22.5 → 22, 2.5 → 37.5 → 38 (half to even; floor gives 37, half up
    // gives 5 and 23).
    inputs.speedMs = texts({u"5.67"_qs, u"6.25"_qs, u"7.95"_qs, u"8"_qs});
    inputs.lactate = texts({u"0.3"_qs, u"1.5"_qs, u"2.5"_qs, u"7"_qs});
    run();
    ASSERT_EQ(test.scale.lactateScale, 1.5f);
    const std::array<TablePoint, 3> lactate = {TablePoint{56, 4}, TablePoint{62, 22},
                                               TablePoint{79, 38}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, i), lactate[std::size_t(i)]) << i;
        EXPECT_EQ(state.pointTable.at(0, PointSeries::HeartRate, i).column,
                  lactate[std::size_t(i)].column)
            << i;
    }
}

TEST_F(CalculationRun, FourStepExampleOnTheRecordingSurface) {
    RecordingSurface surface;
    drawCalculationRun(surface, StyleSettings{}, run());
    ASSERT_FALSE(surface.steps().empty());
    EXPECT_EQ(surface.steps().front().kind, SurfaceStep::Kind::Clear);
    EXPECT_NE(surface.findText(u"mmol/l"_qs), nullptr);
    const auto circles = surface.stepsOf(SurfaceStep::Kind::Circle);
    ASSERT_EQ(circles.size(), 8u);
    EXPECT_EQ(circles[0].a, QPointF(5, 2.0));
    EXPECT_NEAR(circles[4].a.y(), 3.0, 1e-6);
    EXPECT_GT(surface.stepsOf(SurfaceStep::Kind::Line).size(), 600u);
}

TEST_F(CalculationRun, SecondFrozenRunRedrawsOnTheCommonFrame) {
    inputs.freezeChecked = true;
    freezeCurveClicked(test, state.pointTable);
    run();
    RecordingSurface surface;
    drawCalculationRun(surface, StyleSettings{}, run());
    const auto clears = surface.stepsOf(SurfaceStep::Kind::Clear);
    EXPECT_EQ(clears.size(), 1u); // only the common frame clears while frozen
    EXPECT_EQ(surface.stepsOf(SurfaceStep::Kind::Circle).size(), 8u + 16u);
}

TEST_F(CalculationRun, CurvesEndAtTheLastCountedStep) {
    inputs.speedMs = texts({u"5"_qs, u"6"_qs, u"7"_qs, u"8"_qs, u"9"_qs, u"10"_qs});
    inputs.lactate = texts({u"1"_qs, u"1.5"_qs, u"2.5"_qs, u"5"_qs, u"7"_qs, u"9"_qs});
    inputs.hr = texts({u"150"_qs, u"165"_qs, u"180"_qs, u"195"_qs, u"200"_qs, QString()});
    const CalculationResult result = run();
    EXPECT_EQ(test.stepCount, 5);
    EXPECT_LE(result.plot.curves[0].pieceStarts.back().x(), 9.0);
    EXPECT_GT(result.plot.curves[0].pieceStarts.back().x(), 8.98);
}

TEST_F(CalculationRun, HeartRateOnlyTestDrawsNoLactate) {
    test.hrOnly = true;
    const CalculationResult result = run();
    EXPECT_TRUE(result.writeHrOnlyLactates);
    EXPECT_TRUE(marksOf(result.plot, MarkStyle::LactatePoint).empty());
    EXPECT_EQ(marksOf(result.plot, MarkStyle::HrPoint).size(), 4u);
    ASSERT_EQ(result.plot.curves.size(), 1u);
    EXPECT_EQ(result.plot.curves[0].colour, CurveColour::HeartRate);
    EXPECT_NEAR(test.fit.lactateIntercept, std::log(0.1), 1e-6);
    EXPECT_NEAR(test.fit.lactateSlope, 0, 1e-9);
    EXPECT_NEAR(state.currentLactate, 0.1f, 1e-6);
    EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, 0).row, 2); // 0.1 · 10 · 2
}

TEST_F(CalculationRun, RecoveryFitsAgainstTheTypedTimes) {
    test.speedUnit = SpeedUnit::RecoveryTime;
    test.discipline = QStringLiteral("Recovery");
    test.scale.xOffset = 4;
    test.scale.xDivisor = 3;
    inputs.speedText = texts({u"0"_qs, u"5"_qs, u"10"_qs, u"20"_qs});
    inputs.speedMs = texts({u"9"_qs, u"9"_qs, u"9"_qs, u"9"_qs});
    inputs.lactate = texts({u"8"_qs, u"6"_qs, u"4.5"_qs, u"2.7"_qs});
    inputs.hr = texts({u"150"_qs, u"140"_qs, u"130"_qs, u"110"_qs});
    const CalculationResult result = run();
    EXPECT_EQ(test.lastStepX, 20.0f);
    EXPECT_NEAR(test.fitDouble.hrSlope, -2, 1e-12);
    EXPECT_NEAR(test.fitDouble.hrIntercept, 150, 1e-12);
    const auto hrPoints = marksOf(result.plot, MarkStyle::HrPoint);
    ASSERT_EQ(hrPoints.size(), 4u);
    EXPECT_DOUBLE_EQ(hrPoints[2].centre.x(), 4 + 10.0 / 3);
    EXPECT_EQ(test.scale.hrBase, 60.0f);
    EXPECT_EQ(state.comparison.hr4x[0], u"150");
    EXPECT_EQ(state.comparison.hr20[0], u"110");
}

TEST_F(CalculationRun, FirstRunAfterTheLinkConnectedForcesTheHighAxis) {
    inputs.linkFirstRun = true;
    inputs.hr = texts({u"100"_qs, u"110"_qs, u"120"_qs, u"130"_qs});
    const CalculationResult result = run();
    EXPECT_EQ(result.puls1Text, std::optional(u"120"_qs));
    EXPECT_TRUE(result.linkActiveCleared);
    EXPECT_EQ(test.scale.hrAxisMax, 240.0f);
    EXPECT_EQ(test.scale.hrBase, 120.0f);
}

TEST_F(CalculationRun, FreezeStoreUpToAndPastTheSeventhRun) {
    inputs.freezeChecked = true;
    freezeCurveClicked(test, state.pointTable);
    const std::array<const char *, 8> lastLactates = {"5", "7", "5", "13", "5", "5", "5", "9"};
    for (int runNumber = 1; runNumber <= 8; ++runNumber) {
        inputs.lactate[3] = QString::fromUtf8(lastLactates[std::size_t(runNumber - 1)]);
        const CalculationResult result = run();
        SCOPED_TRACE(runNumber);
        EXPECT_FALSE(result.clearGraph);
        if (runNumber <= 6) {
            EXPECT_EQ(test.curveSlot, runNumber);
            EXPECT_EQ(result.commonRedraw, runNumber > 1);
            EXPECT_EQ(result.commonFrame, runNumber > 1);
        }
        if (runNumber == 2) {
            EXPECT_EQ(test.scale.lactateAxisMax, 8.0f);
        }
        if (runNumber == 6) {
            EXPECT_EQ(test.scale.lactateAxisMax, 24.0f);
            EXPECT_EQ(test.scale.lactateScale, 0.5f);
            EXPECT_EQ(result.commonPlot.marks.size(), 6u * 8u);
            EXPECT_EQ(result.commonPlot.curves.size(), 12u);
            EXPECT_EQ(result.commonPlot.curves[2].colour, CurveColour::HeartRateOthers);
            // The lactate cursor positions of slot 1 follow the common axis.
            EXPECT_EQ(state.pointTable.at(0, PointSeries::Lactate, 0).row, 5);
        }
        if (runNumber == 7) {
            EXPECT_EQ(test.curveSlot, 0);
            EXPECT_TRUE(result.commonRedraw);
            EXPECT_FALSE(result.commonFrame);
            EXPECT_TRUE(result.commonPlot.marks.empty());
        }
        if (runNumber == 8) {
            EXPECT_EQ(test.curveSlot, 1);
            EXPECT_FALSE(result.commonRedraw);
            EXPECT_EQ(state.frozenCurves.curves[1].lactate[3], 9.0f);
        }
        EXPECT_EQ(test.comparedCount, runNumber);
    }
}

TEST_F(CalculationRun, FreezeGuardEndsARunThatFindsTheStoreFull) {
    inputs.freezeChecked = true;
    test.curveSlot = 7;
    const CalculationResult result = run();
    EXPECT_TRUE(result.endedByFreezeGuard);
    EXPECT_EQ(test.curveSlot, 0);
    EXPECT_TRUE(result.plot.marks.empty() && result.plot.curves.empty());
}

TEST_F(CalculationRun, KeptHeartRateOnlyTestShowsNoLactatePoints) {
    inputs.freezeChecked = true;
    freezeCurveClicked(test, state.pointTable);
    run();
    test.hrOnly = true;
    const CalculationResult second = run();
    EXPECT_EQ(marksOf(second.commonPlot, MarkStyle::KeptLactatePoint).size(),
              4u); // the first test's
    EXPECT_EQ(marksOf(second.commonPlot, MarkStyle::KeptHrPoint).size(), 8u);
    EXPECT_EQ(second.commonPlot.curves.size(), 2u); // heart-rate lines only
}

TEST_F(CalculationRun, AbsurdRangesAreBoundedToTheVisibleGraph) {
    inputs.speedMs = texts({u"0"_qs, u"6"_qs, u"7"_qs, u"1E9"_qs});
    const CalculationResult result = run();
    EXPECT_EQ(test.lastStepX, 1e9f);
    for (const PlotCurve &curve : result.plot.curves) {
        EXPECT_LE(curve.pieceStarts.size(), 1302u);
        EXPECT_GE(curve.pieceStarts.front().x(), GraphLeftX - CurvePieceWidth);
        EXPECT_LE(curve.pieceStarts.back().x(), GraphRightX);
    }
}

TEST_F(CalculationRun, BadInputNeverFails) {
    const std::array<QString, 12> bad = {u""_qs,     u"abc"_qs,   u"0"_qs,     u"-1"_qs,
                                         u"1E30"_qs, u"1E-30"_qs, u"1E999"_qs, u"-1E999"_qs,
                                         u" "_qs,    u"5,5"_qs,   u"1E300"_qs, u"."_qs};
    for (const QString &value : bad) {
        for (StepTexts *column : {&inputs.speedMs, &inputs.lactate, &inputs.hr}) {
            const StepTexts saved = *column;
            column->fill(value);
            const CalculationResult result = run();
            for (const PlotCurve &curve : result.plot.curves)
                EXPECT_LE(curve.pieceStarts.size(), 1302u) << value.toStdString();
            *column = saved;
        }
    }
    // After all that, the four-step example still fits as before (D = 15, C = 75) ...
    run();
    EXPECT_NEAR(test.fitDouble.hrSlope, 15, 1e-9);
    EXPECT_NEAR(test.fitDouble.hrIntercept, 75, 1e-9);
    // ... and steps that share one speed keep both slopes and take the intercepts from them:
    // C = 690/4 − 15·6 = 82.5, A = 2.931194/4 − 0.533914·6 = −2.470685.
    inputs.speedMs = texts({u"6"_qs, u"6"_qs, u"6"_qs, u"6"_qs});
    run();
    EXPECT_NEAR(test.fitDouble.hrSlope, 15, 1e-9);
    EXPECT_NEAR(test.fitDouble.hrIntercept, 82.5, 1e-9);
    EXPECT_NEAR(test.fitDouble.lactateSlope, 0.533914, 5e-6);
    EXPECT_NEAR(test.fitDouble.lactateIntercept, -2.470685, 5e-5);
}

TEST_F(CalculationRun, TheLinksFirstRunStartsTheHeartRateAt120ExceptInARecoveryTest) {
    // A normal test: puls1 becomes 120, so the line runs through 120, 165, 180, 195 at 5…8 m/s.
    // Mean x 6.5, mean h 165; Sxy = (-1.5)(-45) + (-0.5)(0) + (0.5)(15) + (1.5)(30) = 120 and
    // Sxx = 5, so D = 24 and C = 165 - 24 * 6.5 = 9 (as typed, 150 … 195, D would be 15).
    inputs.linkFirstRun = true;
    const CalculationResult normal = run();
    ASSERT_TRUE(normal.puls1Text.has_value());
    EXPECT_EQ(*normal.puls1Text, "120");
    EXPECT_EQ(test.fit.hrSlope, 24.0f);
    EXPECT_EQ(test.fit.hrIntercept, 9.0f);

    // A recovery test keeps puls1 as typed: the same minutes 5…8 give D = 15 and C = 75.
    CurrentTest recovery;
    recovery.discipline = QStringLiteral("Recovery");
    recovery.speedUnit = SpeedUnit::RecoveryTime;
    AnalysisState recoveryState;
    inputs.speedText = texts({u"5"_qs, u"6"_qs, u"7"_qs, u"8"_qs});
    const CalculationResult kept =
        runCalculation(inputs, chooseGraphAxisRanges, recovery, recoveryState);
    EXPECT_FALSE(kept.puls1Text.has_value());
    EXPECT_EQ(recovery.fit.hrSlope, 15.0f);
    EXPECT_EQ(recovery.fit.hrIntercept, 75.0f);
}

// Each frozen test keeps its intervals with its own row: the tool tips name the row's values, and
// the per-cent pass greys a change smaller than the two tests' uncertainty but not a large one.
TEST_F(CalculationRun, KeptTestsCarryTheirIntervalsIntoTheTable) {
    test.discipline = QStringLiteral("Rid");
    inputs.freezeChecked = true;
    inputs.extraLevels = {3.0};
    run();
    inputs.lactate = texts({u"1.0"_qs, u"1.5"_qs, u"2.6"_qs, u"5.0"_qs}); // nearly the same
    run();
    inputs.lactate = texts({u"0.5"_qs, u"0.6"_qs, u"0.8"_qs, u"1.1"_qs}); // far slower to rise
    inputs.hr = texts({u"120"_qs, u"125"_qs, u"130"_qs, u"135"_qs});
    const CalculationResult third = run();
    const ComparisonCells &cells = state.comparison;
    for (int row = 0; row < 3; ++row) {
        const auto r = std::size_t(row);
        ASSERT_FALSE(cells.vla4[r].isEmpty());
        EXPECT_TRUE(cells.vla4Tip[r].startsWith(QStringLiteral("VLa4 ") + cells.vla4[r] +
                                                QStringLiteral(" m/min, 95 % CI ")))
            << cells.vla4Tip[r].toStdString();
        EXPECT_TRUE(cells.vla4Tip[r].contains(u"\nVLa3 ")) << cells.vla4Tip[r].toStdString();
        EXPECT_TRUE(cells.v200Tip[r].startsWith(QStringLiteral("V200 ") + cells.labelx[r] +
                                                QStringLiteral(" m/min")));
    }
    ASSERT_EQ(third.intervals.levels.size(), 1u);
    EXPECT_EQ(*third.intervals.vla4.value, *cells.comparedIntervals[2].vla4.value);

    PercentCells percent;
    PercentPassInputs pass;
    pass.curveSlot = test.curveSlot;
    fillPercentCells(pass, cells, percent);
    EXPECT_TRUE(percent.uncertain.vla4P[0]);
    EXPECT_FALSE(percent.uncertain.vla4P[1]);
    clearComparisonTable(state.comparison, percent);
    EXPECT_TRUE(cells.vla4Tip[0].isEmpty());
    EXPECT_FALSE(cells.comparedIntervals[0].vla4.value || percent.uncertain.vla4P[0]);
}

} // namespace
} // namespace kavren
