// Speed of the graph's drawing: the whole single-test axis frame on the 1100 x 600 screen layer,
// one test's 1,200 curve segments through the drawing surface beside QPainter directly, and the
// ways a painter can draw such width-2 pieces (why wide lines end flat on pixel devices).
#include "domain/drawing/axis_frame.h"
#include "ui/graph/graph_widget.h"
#include "domain/drawing/painter_surface.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

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
double hrY(double x) {
    return (75 + 15 * x - 120) * 0.1;
}
double lactateY(double x) {
    return std::exp(-2.73764 + 0.53391 * x) * 2.0;
}

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

// A width-2 line as the surface hands it to the painter on a pixel device: flat ends pushed out
// by the reach of a round end (pi / 8 of the width).
constexpr double PieceWidth = 2;
QLineF withRoundEndReach(const QLineF &line) {
    const double reach = std::numbers::pi / 8 * PieceWidth;
    const QPointF along = (line.p2() - line.p1()) * (reach / line.length());
    return {line.p1() - along, line.p2() + along};
}

// The same drawing with QPainter alone: the surface's overhead is the difference.
void BM_SegmentsQPainterDirect(benchmark::State &state) {
    QImage image(LayerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const CoordinateMap map(GraphCanvasScale, QRectF(QPointF(0, 0), QSizeF(LayerSize)));
    const QPen hr(QColor(255, 0, 0), PieceWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    const QPen lactate(QColor(0, 0, 255), PieceWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    for (auto _ : state) {
        double x = 5;
        for (int i = 0; i < SegmentPairs; ++i, x += 0.01) {
            painter.setPen(hr);
            painter.drawLine(withRoundEndReach(
                QLineF(map.toDevice({x, hrY(x)}), map.toDevice({x + 0.01, hrY(x)}))));
            painter.setPen(lactate);
            painter.drawLine(withRoundEndReach(
                QLineF(map.toDevice({x, lactateY(x)}), map.toDevice({x + 0.01, lactateY(x)}))));
        }
    }
    state.SetItemsProcessed(state.iterations() * SegmentPairs * 2);
}
BENCHMARK(BM_SegmentsQPainterDirect)->Unit(benchmark::kMicrosecond);

// The two curves' pieces in device units, each curve a run in one colour.
std::vector<QLineF> curvePieces(double (*curveY)(double)) {
    const CoordinateMap map(GraphCanvasScale, QRectF(QPointF(0, 0), QSizeF(LayerSize)));
    std::vector<QLineF> pieces;
    double x = 5;
    for (int i = 0; i < SegmentPairs; ++i, x += 0.01)
        pieces.emplace_back(map.toDevice({x, curveY(x)}), map.toDevice({x + 0.01, curveY(x)}));
    return pieces;
}

QRectF squareEndedRect(const QLineF &horizontal) {
    const double half = PieceWidth / 2;
    const double left = std::min(horizontal.x1(), horizontal.x2());
    const double right = std::max(horizontal.x1(), horizontal.x2());
    return QRectF(QPointF(left - half, horizontal.y1() - half),
                  QPointF(right + half, horizontal.y1() + half));
}

enum class PieceWay {
    RoundEnds,
    FlatEndsOfRoundArea,
    SquareEnds,
    FillRectEach,
    DrawRects,
    OneRectPath,
};

void drawPieces(QPainter &painter, PieceWay way, const std::vector<QLineF> &pieces,
                const QColor &colour) {
    switch (way) {
    case PieceWay::RoundEnds:
    case PieceWay::SquareEnds: {
        const Qt::PenCapStyle cap = way == PieceWay::RoundEnds ? Qt::RoundCap : Qt::SquareCap;
        painter.setPen(QPen(colour, PieceWidth, Qt::SolidLine, cap, Qt::RoundJoin));
        painter.drawLines(pieces.data(), int(pieces.size()));
        return;
    }
    case PieceWay::FlatEndsOfRoundArea: {
        std::vector<QLineF> pushedOut;
        pushedOut.reserve(pieces.size());
        for (const QLineF &piece : pieces)
            pushedOut.push_back(withRoundEndReach(piece));
        painter.setPen(QPen(colour, PieceWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawLines(pushedOut.data(), int(pushedOut.size()));
        return;
    }
    case PieceWay::FillRectEach:
        for (const QLineF &piece : pieces)
            painter.fillRect(squareEndedRect(piece), colour);
        return;
    case PieceWay::DrawRects: {
        std::vector<QRectF> rects;
        rects.reserve(pieces.size());
        for (const QLineF &piece : pieces)
            rects.push_back(squareEndedRect(piece));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(rects.data(), int(rects.size()));
        painter.setBrush(Qt::NoBrush);
        return;
    }
    case PieceWay::OneRectPath: {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (const QLineF &piece : pieces)
            path.addRect(squareEndedRect(piece));
        painter.fillPath(path, colour);
        return;
    }
    }
}

// Arg: the PieceWay. Round ends (0) is the stroke the flat ends of a round end's area (1) replace.
void BM_WidePiecesDrawnBy(benchmark::State &state) {
    const auto way = static_cast<PieceWay>(state.range(0));
    const std::vector<QLineF> hr = curvePieces(hrY), lactate = curvePieces(lactateY);
    QImage image(LayerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (auto _ : state) {
        drawPieces(painter, way, hr, QColor(255, 0, 0));
        drawPieces(painter, way, lactate, QColor(0, 0, 255));
    }
    state.SetItemsProcessed(state.iterations() * SegmentPairs * 2);
}
BENCHMARK(BM_WidePiecesDrawnBy)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

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
