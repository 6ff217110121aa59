// The clinic report on a recording surface that measures texts as on paper: nothing overlaps or
// leaves the page on A4 or Letter, the legend names every kept test, the marks tell lactate from
// heart rate, the comments print in full and changes within the uncertainty are grey.
#include "domain/report/clinic_report.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kavren;

namespace {

using Kind = SurfaceStep::Kind;

// A six-step riding test kept with two earlier ones; long identity values and a long comment.
ClinicReportInputs threeKeptTests() {
    ClinicReportInputs in;
    ReportInputs &page = in.page;
    page.name = QStringLiteral("Stjärna Av Norrlandsgårdens Stuteri");
    page.breed = QStringLiteral("Standardbred");
    page.age = QStringLiteral("7");
    page.sex = QStringLiteral("Mare");
    page.stable = QStringLiteral("Travstallet-Östersundsgården");
    page.trainer = QStringLiteral("Margaretha Lindqvist-Johansson");
    page.maxHr = QStringLiteral("226");
    page.speedCaption = QStringLiteral("Speed (met/min)");
    page.comments = QStringLiteral("Warm-up twenty minutes of walk and trot before the first "
                                   "step; the track was heavy after rain.\r\nRepeat the test in "
                                   "six weeks, after the season's first races. LASTWORDS");
    for (std::size_t i = 0; i < StepRows; ++i) {
        page.lactate[i] = QString::number(1 + 1.2 * double(i));
        page.hr[i] = QString::number(150 + 12 * int(i));
        page.speed[i] = QString::number(300 + 60 * int(i));
    }
    page.zones = {"120-140", "140-160", "160-180", "180-200", "200-226"};
    page.freezeChecked = true;
    page.curveSlot = 3;
    for (int slot = 1; slot <= 3; ++slot) {
        FrozenCurve &curve = page.curves.curves[std::size_t(slot)];
        curve.stepCount = 6;
        for (std::size_t i = 0; i < 6; ++i) {
            curve.x[i] = float(5 + i);
            curve.lactate[i] = float(1 + 1.2 * double(i) - 0.2 * slot);
            curve.hr[i] = std::int16_t(150 + 12 * int(i) - slot);
        }
        curve.firstX = 5;
        curve.lastX = 10;
        curve.fit = {-2.6f - 0.1f * float(slot), 0.5f, 90, 12};
        page.table.values[0][std::size_t(slot - 1)] =
            QStringLiteral("2026-1%1-07 10:00:00").arg(slot - 1);
        for (std::size_t c = 1; c < 6; ++c)
            page.table.values[c][std::size_t(slot - 1)] = QStringLiteral(" 512.3 ");
    }
    page.table.changes[2][0] = QStringLiteral("-2.5");
    page.table.changes[3][1] = QStringLiteral("4.1");
    page.table.extrapolated[3][2] = true;
    page.scale.lactateAxisMax = 8;
    page.scale.hrAxisMax = 240;
    page.scale.hrBase = 120;
    in.clinic.name = QStringLiteral("Equine Sports Medicine Clinic of the Northern Valleys");
    in.clinic.address = QStringLiteral("Stallvägen 12\n831 40 Östersund\nSweden");
    in.clinic.logo = QImage(300, 100, QImage::Format_RGB32);
    in.clinic.logo.fill(Qt::darkGreen);
    in.testDate = QStringLiteral("2026-12-07");
    in.keptDates = {"", "2026-10-07", "2026-11-07", "2026-12-07", "", "", ""};
    in.program = QStringLiteral("Kavren Equine 0.1");
    return in;
}

// An index of the table with its 95 % interval, in m/s or b/min.
IndexEstimate estimate(double value, std::optional<double> lower, std::optional<double> upper) {
    IndexEstimate e;
    e.value = value;
    e.lower = lower;
    e.upper = upper;
    e.unbounded = !lower;
    return e;
}

// The report drawn on a recording surface that measures texts at 96 dots per inch.
struct Drawn {
    Drawn(const QRectF &area, const ClinicReportInputs &in) : surface(area) {
        surface.measureTextsAt(96);
        drawClinicReport(surface, in);
    }
    RecordingSurface surface;
};

} // namespace

TEST(ClinicReport, NothingOverlapsOrLeavesTheDrawingAreaOnA4AndLetter) {
    // The drawing areas inside 15 mm margins at 96 dots per inch: A4 180 × 267 mm, Letter
    // 185.9 × 249.4 mm.
    for (const QRectF &area : {QRectF(0, 0, 680, 1009), QRectF(0, 0, 703, 943)})
        for (const bool recovery : {false, true}) {
            ClinicReportInputs in = threeKeptTests();
            in.page.recovery = recovery;
            for (auto &column : in.page.table.values)
                for (QString &cell : column)
                    if (cell.isEmpty())
                        cell = QStringLiteral(" 1234.56 ");
            for (auto &column : in.page.table.changes)
                column.fill(QStringLiteral("-123.4"));
            // Every value with an interval under it, and the note on grey changes.
            for (TestIntervals &test : in.page.comparedIntervals)
                test.v200 = test.vla2 = test.vla4 = test.hr2 = test.hr4 =
                    estimate(1234.56, 1000.25, 1300.75);
            in.page.uncertain.v200P.fill(true);
            fillIndexUncertainty(in);
            const Drawn page(area, in);
            const RecordingSurface &surface = page.surface;
            const auto texts = surface.texts();
            std::vector<QRectF> boxes;
            for (const SurfaceStep &text : texts) {
                boxes.push_back(surface.textBox(text));
                EXPECT_TRUE(area.contains(boxes.back())) << text.text.toStdString();
            }
            for (std::size_t i = 0; i < boxes.size(); ++i)
                for (std::size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(boxes[i].intersects(boxes[j]))
                        << texts[i].text.toStdString() << " at " << texts[i].a.y() << " | "
                        << texts[j].text.toStdString() << " at " << texts[j].a.y() << " size "
                        << texts[i].fontSize << " boxes " << boxes[i].top() << "-"
                        << boxes[i].bottom() << " " << boxes[j].top() << "-" << boxes[j].bottom();
            // The comment in full, its last word included.
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const SurfaceStep &t) {
                return t.text.contains(QStringLiteral("LASTWORDS"));
            }));
        }
}

TEST(ClinicReport, LegendPerKeptTestAndMarksThatTellLactateFromHeartRate) {
    const Drawn page(QRectF(0, 0, 680, 1009), threeKeptTests());
    const RecordingSurface &surface = page.surface;
    for (const char *date : {"2026-10-07", "2026-11-07", "2026-12-07"})
        EXPECT_NE(surface.findText(QLatin1String(date)), nullptr) << date;
    EXPECT_NE(surface.findText(QStringLiteral("Test date: 2026-12-07")), nullptr);
    EXPECT_NE(surface.findText(QStringLiteral("VLa4 (met/min)")), nullptr);
    EXPECT_NE(surface.findText(QStringLiteral("Page 1 of 1")), nullptr);
    EXPECT_NE(surface.findText(FitMethodFootnote), nullptr);
    // Lactate: 3 tests × 6 solid dots (and one in the legend); heart rate: crosses, no circles.
    const auto circles = surface.stepsOf(Kind::Circle);
    EXPECT_EQ(circles.size(), 19u);
    for (const SurfaceStep &circle : circles)
        EXPECT_EQ(circle.fillPattern, FillPattern::Solid);
    // The first test's curves in the screen's colours made legible on paper; the others apart.
    const StyleSettings styles;
    EXPECT_NE(clinicLactateColour(styles, 1), clinicLactateColour(styles, 2));
    EXPECT_NE(clinicHrColour(styles, 2), clinicHrColour(styles, 3));
    EXPECT_EQ(circles.front().colour, clinicLactateColour(styles, 1));
}

TEST(ClinicReport, AChangeWithinTheUncertaintyIsGrey) {
    ClinicReportInputs in = threeKeptTests();
    // The grey Hr2 change of the second test, and intervals under the values: riding speeds in
    // m/min (7.5 and 7.75 m/s: 450 and 465), heart rates in whole beats, half to even.
    in.page.discipline = QStringLiteral("Rid");
    in.page.uncertain.hr2P[1] = true;
    in.page.comparedIntervals[0].vla4 = estimate(7.6, 7.5, 7.75);
    in.page.comparedIntervals[1].hr2 = estimate(176, 172.5, 179.5);
    in.page.comparedIntervals[1].v200 = estimate(8, std::nullopt, std::nullopt);
    fillIndexUncertainty(in);
    const Drawn page(QRectF(0, 0, 680, 1009), in);
    const RecordingSurface &surface = page.surface;
    for (const char *text : {"95 % CI 450–465", "95 % CI 172–180", "95 % CI unbounded"})
        EXPECT_NE(surface.findText(QString::fromUtf8(text)), nullptr) << text;
    EXPECT_NE(surface.findText(WithinUncertaintyFootnote), nullptr);
    const SurfaceStep *within = surface.findText(QStringLiteral("(4.1 %)"));
    const SurfaceStep *beyond = surface.findText(QStringLiteral("(-2.5 %)"));
    ASSERT_NE(within, nullptr);
    ASSERT_NE(beyond, nullptr);
    EXPECT_EQ(within->colour, QColor(128, 128, 128));
    EXPECT_EQ(beyond->colour, QColor(0, 0, 0));
}
