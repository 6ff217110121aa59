// Speed of the graph's drawing: the whole single-test axis frame on the 1100 x 600 screen layer,
// and one test's 1,200 curve segments through the drawing surface beside QPainter directly.
#include "graph/axis_frame.h"
#include "graph/graph_widget.h"
#include "graph/painter_surface.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavren;

namespace {

const QSize LayerSize(1100, 600);
constexpr int SegmentPairs = 600; // two curves, 0.01 m/s apart, from 5 to 11 m/s

void BM_AxisFrameOnScreenLayer(benchmark::State &state) {
    GraphWidget graph;
    graph.resize(LayerSize);
    StyleSettings styles;
    GraphScale scale;
    DrawingSurface &surface = graph.surface();
    for (auto _ : state) {
        surface.clear();
        surface.setScale(GraphCanvasScale);
        surface.setLineWidth(1);
        drawAxisFrame(surface, styles, scale, {false, 5.0, 195, 150, false});
        benchmark::DoNotOptimize(graph.renderedImage().constBits());
    }
}
BENCHMARK(BM_AxisFrameOnScreenLayer)->Unit(benchmark::kMillisecond);

// The heart-rate line and the lactate curve of a four-step test on the 6 mmol/l, 120…240 axes.
double hrY(double x) { return (75 + 15 * x - 120) * 0.1; }
double lactateY(double x) { return std::exp(-2.73764 + 0.53391 * x) * 2.0; }

void BM_SegmentsThroughSurface(benchmark::State &state) {
    QImage image(LayerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), QSizeF(LayerSize)));
    surface.setScale(GraphCanvasScale);
    surface.setLineWidth(2);
    const QColor hr(255, 0, 0), lactate(0, 0, 255);
    for (auto _ : state) {
        double x = 5;
        for (int i = 0; i < SegmentPairs; ++i, x += 0.01) {
            surface.line({x, hrY(x)}, {x + 0.01, hrY(x)}, hr);
            surface.line({x, lactateY(x)}, {x + 0.01, lactateY(x)}, lactate);
        }
        surface.flush();
    }
    state.SetItemsProcessed(state.iterations() * SegmentPairs * 2);
}
BENCHMARK(BM_SegmentsThroughSurface)->Unit(benchmark::kMicrosecond);

void BM_SegmentsQPainterDirect(benchmark::State &state) {
    QImage image(LayerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const CoordinateMap map(GraphCanvasScale, QRectF(QPointF(0, 0), QSizeF(LayerSize)));
    const QPen hr(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen lactate(QColor(0, 0, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (auto _ : state) {
        double x = 5;
        for (int i = 0; i < SegmentPairs; ++i, x += 0.01) {
            painter.setPen(hr);
            painter.drawLine(QLineF(map.toDevice({x, hrY(x)}), map.toDevice({x + 0.01, hrY(x)})));
            painter.setPen(lactate);
            painter.drawLine(QLineF(map.toDevice({x, lactateY(x)}), map.toDevice({x + 0.01, lactateY(x)})));
        }
    }
    state.SetItemsProcessed(state.iterations() * SegmentPairs * 2);
}
BENCHMARK(BM_SegmentsQPainterDirect)->Unit(benchmark::kMicrosecond);

// The same segments on the screen graph's layer, which also keeps them for redrawing.
void BM_SegmentsOnScreenLayer(benchmark::State &state) {
    GraphWidget graph;
    graph.resize(LayerSize);
    DrawingSurface &surface = graph.surface();
    surface.setLineWidth(2);
    const QColor hr(255, 0, 0), lactate(0, 0, 255);
    for (auto _ : state) {
        surface.clear();
        double x = 5;
        for (int i = 0; i < SegmentPairs; ++i, x += 0.01) {
            surface.line({x, hrY(x)}, {x + 0.01, hrY(x)}, hr);
            surface.line({x, lactateY(x)}, {x + 0.01, lactateY(x)}, lactate);
        }
    }
    state.SetItemsProcessed(state.iterations() * SegmentPairs * 2);
}
BENCHMARK(BM_SegmentsOnScreenLayer)->Unit(benchmark::kMicrosecond);

} // namespace
