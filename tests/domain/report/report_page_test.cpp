// The report page on the recording surface: every block at its place, in its size and weight, and
// the graph's labels, points, curves and cross-lines.
#include "domain/analysis/extrapolation.h"
#include "domain/report/report_graph.h"
#include "domain/report/report_page.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kavren;

namespace {

using Kind = SurfaceStep::Kind;

// A page of A4 proportions, so that positions map as on paper.
RecordingSurface pageSurface() {
    return RecordingSurface(QRectF(0, 0, 794, 1123));
}

std::vector<SurfaceStep> textsEqual(const RecordingSurface &surface, const QString &text) {
    std::vector<SurfaceStep> found;
    for (const SurfaceStep &step : surface.texts())
        if (step.text == text)
            found.push_back(step);
    return found;
}

// The one text step equal to text; fails the test when there is not exactly one.
SurfaceStep onlyText(const RecordingSurface &surface, const QString &text) {
    const auto found = textsEqual(surface, text);
    EXPECT_EQ(found.size(), 1u) << text.toStdString();
    return found.empty() ? SurfaceStep{} : found.front();
}

void expectAt(const SurfaceStep &step, double x, double y) {
    EXPECT_NEAR(step.a.x(), x, 1e-9) << step.text.toStdString();
    EXPECT_NEAR(step.a.y(), y, 1e-9) << step.text.toStdString();
}

// The lines drawn in one colour.
std::vector<SurfaceStep> linesIn(const RecordingSurface &surface, const QColor &colour) {
    std::vector<SurfaceStep> found;
    for (const SurfaceStep &step : surface.stepsOf(Kind::Line))
        if (step.colour == colour)
            found.push_back(step);
    return found;
}

// A three-step test kept in slot 1: 5, 6, 7 m/s, lactate 1, 2, 4, heart rate 150, 165, 180.
FrozenCurve threeSteps() {
    FrozenCurve curve;
    curve.stepCount = 3;
    curve.x = {5, 6, 7, 0, 0, 0};
    curve.lactate = {1, 2, 4, 0, 0, 0};
    curve.hr = {150, 165, 180, 0, 0, 0};
    curve.firstX = 5;
    curve.lastX = 7;
    curve.fit = {-2.5f, 0.5f, 75, 15}; // lactate e^(0.5·x − 2.5): 1 at 5 m/s; hr 75 + 15·x
    return curve;
}

ReportInputs testOnScreen() {
    ReportInputs in;
    in.lactate = {"1", "2", "4", "", "", ""};
    in.hr = {"150", "165", "180", "", "", ""};
    in.speed = {"300", "360", "420", "", "", ""};
    in.speedCaption = QStringLiteral("Speed (met/min)");
    in.curves.curves[1] = threeSteps();
    in.curveSlot = 1;
    in.scale.lactateAxisMax = 6;
    in.scale.lactateScale = 2;
    in.scale.hrAxisMax = 185;
    in.scale.hrBase = 65;
    in.scale.hrScale = 0.1f;
    return in;
}

} // namespace

TEST(ReportPage, IdentityHeadingsAndTheWrapOfLongValues) {
    ReportInputs in = testOnScreen();
    in.name = QStringLiteral("Abcdefghij");          // 10 characters: one line
    in.breed = QStringLiteral("Storm Runner Two");   // 16 characters, three words
    in.sex = QStringLiteral("Abcdefghijklmnopqrst"); // 20 characters without a blank
    in.stable = QStringLiteral("Abcdefghijk");       // 11 characters without a blank
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);

    const SurfaceStep heading = onlyText(surface, "Breed");
    expectAt(heading, 5.5, 31);
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.fontSize, 10);
    EXPECT_EQ(heading.scale, PageScale);
    expectAt(onlyText(surface, "Trainer"), 11.5, 31);

    const SurfaceStep name = onlyText(surface, "Abcdefghij");
    expectAt(name, 4, 30);
    EXPECT_TRUE(name.bold);
    EXPECT_EQ(name.fontSize, 8);
    // The first word on the upper line, everything after the first blank on the lower one.
    expectAt(onlyText(surface, "Storm"), 5.5, 30);
    expectAt(onlyText(surface, "Runner Two"), 5.5, 29);
    expectAt(onlyText(surface, "Abcdefghijklmnopqrst"), 8.5, 29);
    expectAt(onlyText(surface, "Abcdefghijk"), 10, 29);
    // Every text is placed by a white dot at its corner first.
    const auto points = surface.stepsOf(Kind::Point);
    EXPECT_TRUE(std::any_of(points.begin(), points.end(), [](const SurfaceStep &p) {
        return p.a == QPointF(5.5, 29) && p.colour == QColor(255, 255, 255);
    }));
}

TEST(ReportPage, CommentLinesForEveryKindOfLineBreak) {
    // CR LF, LF and a lone CR each end one line; at most seven lines are printed.
    EXPECT_EQ(reportCommentLines("ONE LINE"), QStringList({"ONE LINE"}));
    EXPECT_EQ(reportCommentLines("FIRST\r\nSECOND"), QStringList({"FIRST", "SECOND"}));
    EXPECT_EQ(reportCommentLines("A\nB\rC\r\nD\n\nF"), QStringList({"A", "B", "C", "D", "", "F"}));
    EXPECT_EQ(reportCommentLines("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8"),
              QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    // A CR LF split by nothing in between is still one break, not two.
    EXPECT_EQ(reportCommentLines("X\r\n\r\nY").size(), 3);

    ReportInputs in = testOnScreen();
    in.comments =
        QStringLiteral("LINE 1\r\nLINE 2\nLINE 3\rLINE 4\r\nLINE 5\r\nLINE 6\r\nLINE 7\r\nLINE 8");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    // Line j at y = 31 − 0.6·(j − 1): 31, 30.4, …, 27.4.
    for (int j = 1; j <= 7; ++j)
        expectAt(onlyText(surface, QStringLiteral("LINE %1").arg(j)), 13, 31 - 0.6 * (j - 1));
    EXPECT_TRUE(textsEqual(surface, "LINE 8").empty());
}

TEST(ReportPage, InputDataInNormalAndRecoveryMode) {
    ReportInputs in = testOnScreen();
    RecordingSurface normal = pageSurface();
    drawReportPage(normal, in);
    expectAt(onlyText(normal, "Input data"), 7, 17);
    expectAt(onlyText(normal, "Lactate"), 6, 16);
    expectAt(onlyText(normal, "Speed (met/min)"), 8, 16);
    // Step i at y = 16 − 0.5·i; the values are not bold.
    const SurfaceStep third = onlyText(normal, "420");
    expectAt(third, 8, 14.5);
    EXPECT_FALSE(third.bold);
    expectAt(onlyText(normal, "150"), 7, 15.5);
    expectAt(onlyText(normal, "4"), 6, 14.5);

    in.recovery = true;
    in.speed = {"0", "5", "10", "", "", ""};
    RecordingSurface recovery = pageSurface();
    drawReportPage(recovery, in);
    expectAt(onlyText(recovery, "Time(min)"), 8, 16);
    EXPECT_TRUE(textsEqual(recovery, "Speed (met/min)").empty());
    // The speed column shows the typed times.
    expectAt(onlyText(recovery, "10"), 8, 14.5);
}

TEST(ReportPage, ThresholdBoxWithAndWithoutAThreshold) {
    ReportInputs in = testOnScreen();
    RecordingSurface empty = pageSurface();
    drawReportPage(empty, in);
    expectAt(onlyText(empty, "Optional threshold"), 12, 17);
    // "mmol/l" heads the box's lactate column and, on the graph's scale, the lactate axis.
    const auto units = textsEqual(empty, "mmol/l");
    ASSERT_EQ(units.size(), 2u);
    expectAt(units[0], 11, 16);
    EXPECT_EQ(units[0].scale, PageScale);
    expectAt(units[1], 14, 13);
    EXPECT_EQ(units[1].scale, GraphPageScale);
    EXPECT_TRUE(textsEqual(empty, "meter/min").empty());
    // The frame: four black lines 1 wide around x 10…15.5, y 16.1…13.7.
    int frameLines = 0;
    for (const SurfaceStep &line : linesIn(empty, QColor(0, 0, 0)))
        if (line.scale == PageScale) {
            ++frameLines;
            EXPECT_EQ(line.width, 1);
        }
    EXPECT_EQ(frameLines, 4);

    in.thresholdLactate = QStringLiteral("3.1");
    in.thresholdHr = QStringLiteral("190");
    in.thresholdSpeed = QStringLiteral("5.43");
    in.thresholdPace = QStringLiteral(" 3'04 ");
    RecordingSurface filled = pageSurface();
    drawReportPage(filled, in);
    expectAt(onlyText(filled, "3.1"), 11, 15);
    expectAt(onlyText(filled, "190"), 12, 15);
    // 60 · 5.43 = 325.8 metres per minute, with a blank for the sign and one after.
    expectAt(onlyText(filled, " 325.8 "), 13, 15);
    expectAt(onlyText(filled, "meter/min"), 14, 15);
    expectAt(onlyText(filled, " 3'04 "), 13, 14.4);
    expectAt(onlyText(filled, "min/km"), 14, 14.4);
    EXPECT_EQ(onlyText(filled, "3.1").colour, QColor(0, 0, 0));
}

TEST(ReportPage, ComparisonTableHeadingsOfBothLayoutsAndItsCells) {
    ReportInputs in = testOnScreen();
    in.table.values[0][0] = QStringLiteral("2026-12-07");
    in.table.values[1][0] = QStringLiteral("500");
    in.table.values[8][5] = QStringLiteral("H20");
    in.table.changes[0][0] = QStringLiteral("-2.5");
    in.table.changes[7][4] = QStringLiteral("9.9");
    RecordingSurface normal = pageSurface();
    drawReportPage(normal, in);
    expectAt(onlyText(normal, "Fixed thresholds"), 9, 26.4);
    const SurfaceStep date = onlyText(normal, "Date");
    expectAt(date, 6, 25.4);
    EXPECT_EQ(date.fontSize, 10);
    expectAt(onlyText(normal, "V200"), 8, 25.4);
    expectAt(onlyText(normal, "Hr4"), 14.4, 25.4);
    const auto percents = textsEqual(normal, "%");
    ASSERT_EQ(percents.size(), 5u);
    expectAt(percents.back(), 15.2, 25.4);
    // Values of row r at y = 24.6 − 0.6·r, changes on the lines of rows 1…5. A speed test's
    // five indices stand under their headings, each change under its "%".
    expectAt(onlyText(normal, "2026-12-07"), 6, 24.6);
    expectAt(onlyText(normal, "500"), 8, 24.6);
    expectAt(onlyText(normal, "-2.5"), 8.8, 24.0);
    in.table.values[5][1] = QStringLiteral("191");
    in.table.changes[4][0] = QStringLiteral("-1.1");
    RecordingSurface lastColumn = pageSurface();
    drawReportPage(lastColumn, in);
    expectAt(onlyText(lastColumn, "191"), 14.4, 24.0);
    expectAt(onlyText(lastColumn, "-1.1"), 15.2, 24.0);
    EXPECT_EQ(onlyText(normal, "500").fontSize, 10);

    in.recovery = true;
    RecordingSurface recovery = pageSurface();
    drawReportPage(recovery, in);
    const SurfaceStep recoveryDate = onlyText(recovery, "Date");
    expectAt(recoveryDate, 5, 25.4);
    EXPECT_EQ(recoveryDate.fontSize, 8);
    expectAt(onlyText(recovery, "La(10)"), 9, 25.4);
    expectAt(onlyText(recovery, "Hr(20)"), 14, 25.4);
    EXPECT_EQ(textsEqual(recovery, "%").size(), 8u);
    EXPECT_TRUE(textsEqual(recovery, "V200").empty());
    // Eight values one apart from x = 7, changes half-way between, in the headings' size.
    expectAt(onlyText(recovery, "2026-12-07"), 5, 24.6);
    const SurfaceStep value = onlyText(recovery, "500");
    expectAt(value, 7, 24.6);
    EXPECT_EQ(value.fontSize, 8);
    expectAt(onlyText(recovery, "H20"), 14, 24.6 - 3.0);
    expectAt(onlyText(recovery, "-2.5"), 7.5, 24.0);
    expectAt(onlyText(recovery, "9.9"), 14.5, 24.0 - 2.4);
}

TEST(ReportPage, AxisLabelsOfEveryRange) {
    GraphScale screen;
    // Lactate: a screen axis of 8 mmol/l prints 2, 4, 6, 8 at v·1.5 + 0.5.
    screen.lactateAxisMax = 8;
    GraphScale page = reportAxisScale(screen, false);
    EXPECT_EQ(page.lactateScale, 1.5f);
    auto labels = reportLactateLabels(page);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels.back().text, " 8 ");
    EXPECT_EQ(labels.back().at, QPointF(15.2, 12.5));
    // A top between two ranges (13 > 12) takes the next one up: 24 with labels every 2.
    screen.lactateAxisMax = 13;
    page = reportAxisScale(screen, false);
    EXPECT_EQ(page.lactateAxisMax, 24);
    EXPECT_EQ(reportLactateLabels(page).size(), 12u);

    // The 135 b/min axis: 75 … 135 every 5 b/min, 75 level with the x axis (row 0).
    screen.hrAxisMax = 135;
    screen.hrBase = 75;
    page = reportAxisScale(screen, false);
    EXPECT_EQ(page.hrScale, 0.2f);
    EXPECT_EQ(page.hrBase, 75);
    labels = reportHrLabels(page, false);
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels.front().text, " 75 ");
    EXPECT_EQ(labels.front().at, QPointF(3.2, 0.5));
    EXPECT_EQ(labels.back().text, " 135 ");
    EXPECT_EQ(page.yOfHr(75), 0.0);

    // The 185 axis starts at row 1 with 75 (base 65); the 240 axis on base 120 every 10.
    screen.hrAxisMax = 185;
    screen.hrBase = 65;
    labels = reportHrLabels(reportAxisScale(screen, false), false);
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels.front().at, QPointF(3.2, 1.5));
    EXPECT_EQ(labels.front().text, " 75 ");
    screen.hrAxisMax = 240;
    screen.hrBase = 120;
    page = reportAxisScale(screen, false);
    EXPECT_EQ(page.hrScale, 0.1f);
    labels = reportHrLabels(page, false);
    EXPECT_EQ(labels.front().text, " 120 ");
    EXPECT_EQ(labels.back().text, " 240 ");
    EXPECT_NEAR(labels.back().at.y(), 12.3, 1e-12);
    // On base 60 every 15 b/min.
    screen.hrBase = 60;
    page = reportAxisScale(screen, false);
    EXPECT_EQ(page.hrScale, 1.0f / 15);
    EXPECT_EQ(reportHrLabels(page, false)[1].text, " 75 ");

    // A recovery test always prints 60 … 240 on base 60, whatever the screen had.
    screen.hrAxisMax = 135;
    screen.hrBase = 75;
    page = reportAxisScale(screen, true);
    EXPECT_EQ(page.hrBase, 60);
    EXPECT_EQ(page.hrAxisMax, 240);
    labels = reportHrLabels(page, true);
    EXPECT_EQ(labels.front().text, " 60 ");
    EXPECT_EQ(labels.back().text, " 240 ");
    // 180 b/min over 12 rows: 150 b/min stands at (150 − 60) · 12/180 = 6.
    EXPECT_NEAR(page.yOfHr(150), 6.0, 1e-5);
}

TEST(ReportPage, SpeedAndTimeLabelsUnderTheXAxis) {
    const auto speeds = reportXLabels(false);
    ASSERT_EQ(speeds.size(), 11u);
    EXPECT_EQ(speeds.front().text, " 300 ");
    EXPECT_EQ(speeds.front().at, QPointF(4.9, -0.5));
    EXPECT_EQ(speeds.back().text, " 900 ");
    const auto minutes = reportXLabels(true);
    ASSERT_EQ(minutes.size(), 16u);
    EXPECT_EQ(minutes.back().text, " 32 ");
    // 4 + 16 · 2/3 − 0.15 = 14.5166…
    EXPECT_NEAR(minutes.back().at.x(), 4 + 32.0 / 3 - 0.15, 1e-12);
}

TEST(ReportPage, PointsOnlyForThreeToSixSteps) {
    // Three kept curves with 2, 3 and 6 steps: only the last two get points, all get lines.
    ReportInputs in = testOnScreen();
    in.freezeChecked = true;
    in.curveSlot = 3;
    for (int slot = 1; slot <= 3; ++slot)
        in.curves.curves[std::size_t(slot)] = threeSteps();
    in.curves.curves[1].stepCount = 2;
    in.curves.curves[3].stepCount = 6;
    in.curves.curves[3].x = {5, 6, 7, 8, 9, 10};
    in.curves.curves[3].lactate = {1, 2, 4, 5, 6, 6};
    in.curves.curves[3].hr = {150, 165, 180, 181, 182, 183};
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    const auto circles = surface.stepsOf(Kind::Circle);
    // (3 + 6) lactate and (3 + 6) heart-rate points.
    ASSERT_EQ(circles.size(), 18u);
    // Slot 2: 5 m/s at lactate 1 on the 6 mmol/l axis (scale 2), heart rate 150 on base 65
    // (scale 0.1) at 8.5; radius 0.05, lactate fill the raw colour 4 = 0x000004.
    EXPECT_EQ(circles[0].a, QPointF(5, 2));
    EXPECT_DOUBLE_EQ(circles[0].radius, 0.05);
    EXPECT_EQ(circles[0].fillColour, QColor(4, 0, 0));
    EXPECT_EQ(circles[0].colour, QColor(128, 0, 0));
    EXPECT_NEAR(circles[3].a.y(), 8.5, 1e-6);
    EXPECT_EQ(circles[3].colour, QColor(0, 0, 128));
    EXPECT_EQ(circles[3].scale, GraphPageScale);
    // printMarkWidth (1) is set once: slot 1's heart-rate line left width 4 for slot 2's points.
    EXPECT_EQ(circles[0].width, 4);
}

TEST(ReportPage, KeptCurvesOfEverySlotAndNoCrossLinesWhenFrozen) {
    ReportInputs in = testOnScreen();
    in.freezeChecked = true;
    in.curveSlot = 6;
    for (int slot = 1; slot <= 6; ++slot) {
        FrozenCurve curve = threeSteps();
        curve.fit.hrIntercept = float(70 + slot); // one heart-rate level per slot
        curve.fit.hrSlope = 0;
        in.curves.curves[std::size_t(slot)] = curve;
    }
    in.thresholdSpeed = QStringLiteral("6");
    in.styles.printLactateLineColour = QStringLiteral("13");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    // Heart-rate pieces from 5 to 7 by 0.01: 201 per slot, at y = (70 + slot − 65) · 0.1.
    const auto hrLines = linesIn(surface, QColor(0, 0, 128));
    for (int slot = 1; slot <= 6; ++slot) {
        const double y = (70 + slot - 65) * double(0.1f);
        const auto pieces =
            std::count_if(hrLines.begin(), hrLines.end(), [y](const SurfaceStep &l) {
                return std::abs(l.a.y() - y) < 1e-6 && std::abs(l.b.x() - l.a.x() - 0.01) < 1e-9;
            });
        EXPECT_EQ(pieces, 201) << "slot " << slot;
    }
    EXPECT_TRUE(linesIn(surface, QColor(255, 0, 255)).empty());
    // No picture under kept curves.
    EXPECT_TRUE(surface.stepsOf(Kind::Picture).empty());
}

TEST(ReportPage, HeartRateOnlyTestHasNoLactateCurveOrPoints) {
    ReportInputs in = testOnScreen();
    in.lactate.fill(QStringLiteral("0.1"));
    in.curves.curves[1].lactate = {0.1f, 0.1f, 0.1f, 0, 0, 0};
    in.styles.printLactateWidth = QStringLiteral("3");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    // The lactate axis line is still drawn, in printLactateColour; nothing else is.
    const auto lactateLines = linesIn(surface, QColor(128, 0, 0));
    ASSERT_EQ(lactateLines.size(), 1u);
    EXPECT_EQ(lactateLines.front().a, QPointF(15, 0));
    EXPECT_EQ(surface.stepsOf(Kind::Circle).size(), 3u);
    EXPECT_EQ(reportLactateLabels(reportAxisScale(in.scale, false)).size(), 6u);

    in.lactate[0] = QStringLiteral("1");
    RecordingSurface withLactate = pageSurface();
    drawReportPage(withLactate, in);
    EXPECT_EQ(linesIn(withLactate, QColor(128, 0, 0)).size(), 1u + 201u);
}

TEST(ReportPage, ThresholdCrossLinesOfTheTestOnScreen) {
    // Fit A = 0, B = 0: lactate 1 everywhere, at y 2 on the 6 mmol/l axis. Heart rate
    // 120.7 + 10·v at v = 6 is 180.7; 180.7 − 65 = 115.7 rounds down to 115, y 11.5 (rounding to
    // nearest would give 11.6).
    ReportInputs in = testOnScreen();
    in.fit = {0, 0, 120.7f, 10};
    in.thresholdSpeed = QStringLiteral("6");
    in.styles.printLactateLineColour = QStringLiteral("13");
    in.styles.printLactateLineWidth = QStringLiteral("3");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    const auto cross = linesIn(surface, QColor(255, 0, 255));
    ASSERT_EQ(cross.size(), 4u);
    EXPECT_EQ(cross[0].a, QPointF(15, 2));
    EXPECT_EQ(cross[0].b, QPointF(6, 2));
    EXPECT_EQ(cross[1].a, QPointF(6, 0));
    EXPECT_EQ(cross[1].b, QPointF(6, 2));
    EXPECT_NEAR(cross[2].b.y(), 11.5, 1e-6);
    EXPECT_EQ(cross[3].b.x(), 4);
    EXPECT_EQ(cross[3].width, 3);

    // No threshold speed, no cross: nothing is drawn at speed 0, left of the graph.
    in.thresholdSpeed.clear();
    RecordingSurface none = pageSurface();
    drawReportPage(none, in);
    EXPECT_TRUE(linesIn(none, QColor(255, 0, 255)).empty());
}

TEST(ReportPage, PictureBehindTheZonesUnlessCurvesAreKept) {
    ReportInputs in = testOnScreen();
    in.picture = QImage(8, 8, QImage::Format_RGB32);
    in.picture.fill(Qt::yellow);
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    const auto pictures = surface.stepsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures.front().a, QPointF(5.5, 12));
    EXPECT_EQ(pictures.front().b, QPointF(14.5, 0));
    EXPECT_EQ(pictures.front().scale, PageScale);
    // Drawn first, so that everything else lies over it.
    EXPECT_EQ(surface.steps().front().kind, Kind::Picture);
}

TEST(ReportPage, StyleValuesThatDoNotConvertSkipTheirStepOnly) {
    ReportInputs in = testOnScreen();
    in.styles.printHrColour = QStringLiteral("x"); // heart-rate axis and lines
    in.styles.printMarkSize = QStringLiteral("");  // radius 0
    in.styles.printHelpLineColour = QStringLiteral("16");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);
    for (const SurfaceStep &line : surface.stepsOf(Kind::Line)) {
        EXPECT_FALSE(line.a == QPointF(4, 0) && line.b == QPointF(4, 12))
            << "heart-rate axis drawn";
        EXPECT_NE(line.style, LineStyle::Dotted) << "help line drawn without a colour";
    }
    // The lactate axis, the lactate curve and the points are still there.
    EXPECT_EQ(linesIn(surface, QColor(128, 0, 0)).size(), 1u + 201u);
    const auto circles = surface.stepsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 6u);
    EXPECT_EQ(circles.front().radius, 0);
}

TEST(ReportPage, PrintingBeforeAnyCalculationDrawsTheFrameOnly) {
    ReportInputs in;
    in.freezeChecked = true; // ticked, no curve kept yet
    RecordingSurface surface = pageSurface();
    const GraphScale page = drawReportPage(surface, in);
    EXPECT_TRUE(surface.stepsOf(Kind::Circle).empty());
    EXPECT_NE(surface.findText("Speed(meter/minute)"), nullptr);
    EXPECT_EQ(page.hrAxisMax, 135);
    // Everything stays on the page.
    for (const SurfaceStep &step : surface.steps()) {
        const UserScale &s = step.scale;
        EXPECT_GE(step.a.x(), s.left);
        EXPECT_LE(step.a.x(), s.right);
        EXPECT_LE(step.a.y(), s.top);
        EXPECT_GE(step.a.y(), s.bottom);
    }
}

TEST(ReportPage, ExtrapolatedValuesCarryAStarAndOneFootnote) {
    ReportInputs in = testOnScreen();
    in.table.values[1][0] = QStringLiteral("500");
    in.table.values[3][0] = QStringLiteral("463.4");
    in.table.values[3][1] = QStringLiteral("470.1");
    RecordingSurface plain = pageSurface();
    drawReportPage(plain, in);
    EXPECT_TRUE(textsEqual(plain, ExtrapolationFootnote).empty());
    onlyText(plain, "463.4");

    // VLa4 of the first test lies beyond its fastest step; the second test's does not, and an
    // empty cell never gets a star of its own.
    in.table.extrapolated[3][0] = true;
    in.table.extrapolated[4][0] = true;
    RecordingSurface marked = pageSurface();
    drawReportPage(marked, in);
    expectAt(onlyText(marked, "463.4*"), 11.2, 24.6);
    onlyText(marked, "470.1");
    onlyText(marked, "500");
    EXPECT_TRUE(textsEqual(marked, "*").empty());
    const SurfaceStep footnote = onlyText(marked, ExtrapolationFootnote);
    expectAt(footnote, 6, 20.8);
    EXPECT_EQ(footnote.fontSize, 8);
}

TEST(ReportPage, PointsAndCurvesBeyondTheAxisRangesStopAtTheAxes) {
    // A recording whose first step is at 210 m/min (3.5 m/s, left of the 240 axis) and whose
    // second step's 60 b/min lies below the 65 base (y = −0.5); its heart-rate line
    // −100 + 40·x is below the axis up to x = 4.125 (165 b/min − 65 = 100: y 10 at 7 m/s).
    ReportInputs in = testOnScreen();
    FrozenCurve &curve = in.curves.curves[1];
    curve.x = {3.5, 6, 7, 0, 0, 0};
    curve.hr = {150, 60, 180, 0, 0, 0};
    curve.firstX = 3.5;
    curve.fit.hrIntercept = -100;
    curve.fit.hrSlope = 40;
    in.thresholdSpeed = QStringLiteral("3.8"); // the cross stands left of the axis
    in.styles.printLactateLineColour = QStringLiteral("13");
    RecordingSurface surface = pageSurface();
    drawReportPage(surface, in);

    const auto inside = [](QPointF p) {
        return p.x() >= 4 - 1e-9 && p.x() <= 15 + 1e-9 && p.y() >= -1e-9 && p.y() <= 12 + 1e-9;
    };
    const auto circles = surface.stepsOf(Kind::Circle);
    // Lactate points at 6 and 7 m/s, the heart-rate point at 7 m/s.
    EXPECT_EQ(circles.size(), 3u);
    for (const SurfaceStep &circle : circles)
        EXPECT_TRUE(inside(circle.a)) << circle.a.x() << " " << circle.a.y();
    for (const QColor &colour : {QColor(0, 0, 128), QColor(128, 0, 0), QColor(255, 0, 255)})
        for (const SurfaceStep &line : linesIn(surface, colour))
            EXPECT_TRUE(inside(line.a) && inside(line.b))
                << line.a.x() << " " << line.a.y() << " " << line.b.x() << " " << line.b.y();
    // The heart-rate line starts where it crosses the x axis, at x = 4.125.
    const auto hrLines = linesIn(surface, QColor(0, 0, 128));
    ASSERT_GT(hrLines.size(), 1u);
    EXPECT_NEAR(hrLines[1].a.x(), 4.13, 0.006);
}

TEST(ReportPage, ACrossLineColourThatVanishesOnPaperIsPrintedBlack) {
    // Light yellow on white paper is 1.07:1; light magenta (3.1:1) is printed as it is.
    ReportInputs in = testOnScreen();
    in.thresholdSpeed = QStringLiteral("6");
    in.styles.printLactateLineColour = QStringLiteral("14");
    RecordingSurface yellow = pageSurface();
    drawReportPage(yellow, in);
    EXPECT_TRUE(linesIn(yellow, QColor(255, 255, 0)).empty());
    EXPECT_EQ(yellow.stepsOf(Kind::Line).back().colour, QColor(0, 0, 0));
    in.styles.printLactateLineColour = QStringLiteral("13");
    RecordingSurface magenta = pageSurface();
    drawReportPage(magenta, in);
    EXPECT_EQ(magenta.stepsOf(Kind::Line).back().colour, QColor(255, 0, 255));
}

namespace {

// Every field as long as a user could make it: several words, words without a blank, dates
// with their time, numbers with many digits and a comment longer than its lines.
ReportInputs longValues(bool recovery) {
    ReportInputs in = testOnScreen();
    in.recovery = recovery;
    in.name = QStringLiteral("Stjärna Av Norrlandsgårdens Stuteri");
    in.breed = QStringLiteral("Standardbred");
    in.age = QStringLiteral("Twelve years and seven months");
    in.sex = QStringLiteral("Gelding");
    in.stable = QStringLiteral("Travstallet-Östersundsgården");
    in.trainer = QStringLiteral("Margaretha Lindqvist-Johansson");
    in.maxHr = QStringLiteral("226 b/min measured on the track");
    in.comments = QStringLiteral("Warm-up twenty minutes walk and trot before the first step, "
                                 "track heavy after rain, wind from the north.\r\nSecond line "
                                 "of the comment with a few more words than fit.");
    in.speedCaption = QStringLiteral("Speed (sec/200m) as typed by the trainer");
    in.lactate.fill(QStringLiteral("12.345678"));
    in.hr.fill(QStringLiteral("212.5555"));
    in.speed.fill(QStringLiteral("1234.56789"));
    in.thresholdLactate = QStringLiteral("12.3456789");
    in.thresholdHr = QStringLiteral("212.345678");
    in.thresholdSpeed = QStringLiteral("12.3456789");
    in.thresholdPace = QStringLiteral(" 13'04.567 ");
    for (auto &column : in.table.values)
        column.fill(QStringLiteral(" 1234.56 "));
    in.table.values[0].fill(QStringLiteral("2026-12-07 21:52:41"));
    for (auto &column : in.table.changes)
        column.fill(QStringLiteral("-123.45"));
    in.table.extrapolated[3].fill(true);
    in.zones.fill(QStringLiteral("Zone of 150-170 b/min"));
    return in;
}

} // namespace

TEST(ReportPage, LongValuesOfEveryFieldNeitherOverlapNorLeaveThePage) {
    // An A4 page's printable area at 96 dots per inch, texts measured as on it.
    for (const bool recovery : {false, true}) {
        RecordingSurface surface(QRectF(0, 0, 718, 1047));
        surface.measureTextsAt(96);
        drawReportPage(surface, longValues(recovery));
        const auto texts = surface.texts();
        std::vector<QRectF> boxes;
        for (const SurfaceStep &text : texts) {
            boxes.push_back(surface.textBox(text));
            EXPECT_TRUE(surface.map().deviceArea().contains(boxes.back()))
                << text.text.toStdString() << (recovery ? " (recovery)" : "");
        }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j]))
                    << texts[i].text.toStdString() << " at " << texts[i].a.x() << ","
                    << texts[i].a.y() << " | " << texts[j].text.toStdString() << " at "
                    << texts[j].a.x() << "," << texts[j].a.y() << (recovery ? " (recovery)" : "");
        // The date shows without its time where the time does not fit; the comment goes on over
        // further lines instead of being cut after its first.
        EXPECT_FALSE(textsEqual(surface, "2026-12-07").empty());
        EXPECT_GE(std::count_if(texts.begin(), texts.end(),
                                [](const SurfaceStep &t) { return t.a.x() == 13 && t.a.y() > 27; }),
                  4);
    }
}
