// Speed of the report page: a six-curve comparison drawn into a PDF through the page surface,
// beside the same page's primitives drawn straight with QPainter into a PDF; the clinic report and
// the classic page of a six-step test with three kept tests into a PDF; and the cursor readout's
// look-up that runs on every pointer move over the graph.
#include "domain/plot/cursor_readout.h"
#include "domain/report/clinic_report.h"
#include "domain/report/page_surface.h"
#include "domain/report/report_page.h"
#include "support/recording_surface.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavren;

namespace {

// Six kept six-step tests, 5 to 10 m/s, each a little faster than the one before.
ReportInputs sixCurveComparison() {
    ReportInputs in;
    in.name = QStringLiteral("Storm Runner");
    in.breed = QStringLiteral("Standardbred");
    in.comments = QStringLiteral("FIRST LINE\r\nSECOND LINE");
    in.speedCaption = QStringLiteral("Speed (met/min)");
    in.freezeChecked = true;
    in.curveSlot = 6;
    for (int slot = 1; slot <= 6; ++slot) {
        FrozenCurve &curve = in.curves.curves[std::size_t(slot)];
        curve.stepCount = 6;
        for (std::size_t i = 0; i < 6; ++i) {
            curve.x[i] = float(5 + i);
            curve.lactate[i] = float(1 + i * 1.2 - slot * 0.1);
            curve.hr[i] = std::int16_t(150 + 12 * i - slot);
        }
        curve.firstX = 5;
        curve.lastX = 10;
        curve.fit = {-2.6f - 0.05f * float(slot), 0.52f, 90, 12};
    }
    for (std::size_t i = 0; i < StepRows; ++i) {
        in.lactate[i] = QString::number(1 + i * 1.2);
        in.hr[i] = QString::number(150 + 12 * i);
        in.speed[i] = QString::number(300 + 60 * i);
    }
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r)
        for (std::size_t c = 0; c < ReportTable::ValueColumns; ++c)
            in.table.values[c][r] = QStringLiteral("512.3");
    in.scale.lactateAxisMax = 8;
    in.scale.hrAxisMax = 240;
    in.scale.hrBase = 120;
    return in;
}

QPageLayout a4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

// One page drawn through the page surface into an A4 PDF in memory; the size of the PDF.
template <typename Draw> qsizetype pageIntoPdf(double marginMm, Draw draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(a4());
    QPainter painter(&writer);
    {
        PageSurface surface(painter, marginMm);
        draw(surface);
    }
    painter.end();
    return buffer.data().size();
}

void BM_ReportPageIntoPdf(benchmark::State &state) {
    const ReportInputs inputs = sixCurveComparison();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            pageIntoPdf(PageSurface::ClassicMarginMm,
                        [&inputs](DrawingSurface &surface) { drawReportPage(surface, inputs); }));
}
BENCHMARK(BM_ReportPageIntoPdf)->Unit(benchmark::kMillisecond);

// A six-step test kept with two earlier ones, with the clinic's details and logo.
ClinicReportInputs threeKeptTests() {
    ClinicReportInputs in;
    in.page = sixCurveComparison();
    in.page.curveSlot = 3;
    in.page.zones = {"120-140", "140-160", "160-180", "180-200", "200-226"};
    in.clinic.name = QStringLiteral("Equine Sports Medicine Clinic");
    in.clinic.address = QStringLiteral("Stallvägen 12\n831 40 Östersund");
    in.clinic.logo = QImage(300, 100, QImage::Format_RGB32);
    in.clinic.logo.fill(Qt::darkGreen);
    in.testDate = QStringLiteral("2026-12-07");
    in.keptDates = {"", "2026-10-07", "2026-11-07", "2026-12-07", "", "", ""};
    in.program = QStringLiteral("Kavren Equine 0.1");
    return in;
}

// The clinic report (arg 1) or the classic page (arg 0) of that test into an A4 PDF.
void BM_ThreeKeptTestsIntoPdf(benchmark::State &state) {
    const ClinicReportInputs inputs = threeKeptTests();
    const bool clinic = state.range(0) == 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            pageIntoPdf(clinic ? 15 : PageSurface::ClassicMarginMm, [&](DrawingSurface &surface) {
                if (clinic)
                    drawClinicReport(surface, inputs);
                else
                    drawReportPage(surface, inputs.page);
            }));
}
BENCHMARK(BM_ThreeKeptTestsIntoPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same page's primitives, recorded once, drawn with QPainter calls one by one.
void BM_ReportPrimitivesStraightIntoPdf(benchmark::State &state) {
    QBuffer probe;
    probe.open(QIODevice::WriteOnly);
    QPdfWriter probeWriter(&probe);
    probeWriter.setPageLayout(a4());
    const QRectF area(0, 0, probeWriter.width(), probeWriter.height());
    RecordingSurface recording(area);
    drawReportPage(recording, sixCurveComparison());
    const std::vector<SurfaceStep> steps = recording.steps();
    const double widthUnit = probeWriter.logicalDpiX() * PageSurface::WidthUnitInches;

    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(a4());
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const SurfaceStep &step : steps) {
            const CoordinateMap map(step.scale, area);
            const QPointF a = map.toDevice(step.a);
            switch (step.kind) {
            case SurfaceStep::Kind::Line:
                painter.setPen(QPen(step.colour, step.width * widthUnit,
                                    step.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
                                    Qt::RoundCap));
                painter.drawLine(a, map.toDevice(step.b));
                break;
            case SurfaceStep::Kind::Point:
                painter.fillRect(QRectF(a, QSizeF(step.width * widthUnit, step.width * widthUnit)),
                                 step.colour);
                break;
            case SurfaceStep::Kind::Circle: {
                painter.setPen(QPen(step.colour, step.width * widthUnit));
                painter.setBrush(step.fillColour);
                const double r = map.xLengthToDevice(step.radius);
                painter.drawEllipse(a, r, r);
                break;
            }
            case SurfaceStep::Kind::Text: {
                QFont font = painter.font();
                font.setPointSizeF(step.fontSize);
                font.setBold(step.bold);
                painter.setFont(font);
                painter.setPen(step.colour);
                painter.drawText(a + QPointF(0, QFontMetricsF(font, &writer).ascent()), step.text);
                break;
            }
            default:
                break;
            }
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(BM_ReportPrimitivesStraightIntoPdf)->Unit(benchmark::kMillisecond);

// Pointer moves over six kept tests, none of which matches (every slot and point is looked at).
void BM_CursorReadoutLookup(benchmark::State &state) {
    PointTable table;
    for (int slot = 0; slot < 6; ++slot)
        for (int i = 0; i < PointTable::Points; ++i) {
            table.at(slot, PointSeries::HeartRate, i) = {std::int16_t(50 + 10 * i),
                                                         std::int16_t(30 + slot)};
            table.at(slot, PointSeries::Lactate, i) = {std::int16_t(50 + 10 * i),
                                                       std::int16_t(20 + slot)};
        }
    double x = 4.0;
    for (auto _ : state) {
        x = x > 15 ? 4.0 : x + 0.013;
        benchmark::DoNotOptimize(readoutSlot(table, x, 9.87));
    }
}
BENCHMARK(BM_CursorReadoutLookup);

} // namespace
