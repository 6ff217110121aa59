// Draws the surface's steps with a QPainter: lines and dots snapped for a crisp look, circles round
// on the device, text placed by its top-left corner, pictures stretched smoothly.
#include "domain/drawing/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace kavren {

namespace {

Qt::BrushStyle brushStyleOf(FillPattern pattern) {
    switch (pattern) {
    case FillPattern::Solid:
        return Qt::SolidPattern;
    case FillPattern::Transparent:
        return Qt::NoBrush;
    case FillPattern::Horizontal:
        return Qt::HorPattern;
    case FillPattern::Vertical:
        return Qt::VerPattern;
    case FillPattern::UpwardDiagonal:
        return Qt::BDiagPattern;
    case FillPattern::DownwardDiagonal:
        return Qt::FDiagPattern;
    case FillPattern::Cross:
        return Qt::CrossPattern;
    case FillPattern::DiagonalCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

// Longest run of lines held back at once; a curve of the graph is about 1,300 pieces.
constexpr std::size_t MaxHeldLines = 4096;

// How far beyond each end point a flat-ended line reaches, in pen widths, so that the end covers
// the area of a round end (half a disc of the pen's width: pi w^2 / 8 = reach * w).
constexpr double RoundEndReach = std::numbers::pi / 8;

// The line pushed out at both ends by the reach of a round end. A line too short to have a
// direction is a round dot: laid out as a flat line across the dot, of the dot's area.
QLineF withRoundEndReach(const QLineF &line, double penWidth) {
    const double reach = RoundEndReach * penWidth;
    const double length = line.length();
    if (!(length > 0))
        return {line.p1() - QPointF(reach, 0), line.p1() + QPointF(reach, 0)};
    const QPointF along = (line.p2() - line.p1()) * (reach / length);
    return {line.p1() - along, line.p2() + along};
}

// Shortest line moved onto whole pixels, in logical pixels.
constexpr double MinimumAlignedLength = 2;

// Where a line of this width along a pixel row or column must run so that its edges fall on pixel
// boundaries: a line of width 1 then covers one row of pixels at full colour, not two at half.
double snappedCentre(double centre, double penWidth, double ratio) {
    const double deviceWidth = penWidth * ratio;
    const double edge = std::round(centre * ratio - deviceWidth / 2);
    return (edge + deviceWidth / 2) / ratio;
}

QFont fontOf(const QFont &base, double fontSize, bool bold) {
    QFont font = base;
    font.setPointSizeF(fontSize);
    font.setBold(bold);
    return font;
}

} // namespace

PainterSurface::PainterSurface(QPainter &painter, const QRectF &deviceArea)
    : PainterSurface(painter, deviceArea, Options{}) {}

PainterSurface::PainterSurface(QPainter &painter, const QRectF &deviceArea, const Options &options)
    : DrawingSurface(deviceArea), m_painter(painter), m_options(options) {
    m_painter.setRenderHint(QPainter::Antialiasing, options.antialiased);
    m_painter.setRenderHint(QPainter::TextAntialiasing, options.antialiased);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Paper and PDF keep the round ends: there the stroke costs the printer, not the program.
    const QPaintEngine *engine = m_painter.paintEngine();
    m_flatWideEnds = engine && engine->type() == QPaintEngine::Raster;
    m_snapToPixels = m_flatWideEnds;
}

PainterSurface::~PainterSurface() {
    if (m_painter.isActive())
        flush();
}

void PainterSurface::replay(const SurfaceStep &step) {
    draw(step);
}

void PainterSurface::flush() {
    if (m_heldLines.empty())
        return;
    m_painter.drawLines(m_heldLines.data(), int(m_heldLines.size()));
    m_heldLines.clear();
}

Qt::PenCapStyle PainterSurface::lineCap(int width, LineStyle style) const {
    if (width <= 1 || (m_flatWideEnds && style == LineStyle::Solid))
        return Qt::FlatCap;
    return Qt::RoundCap;
}

void PainterSurface::applyPen(const QColor &colour, int width, LineStyle style,
                              Qt::PenCapStyle cap) {
    if (width == m_penWidth && style == m_penStyle && cap == m_penCap && colour == m_penColour)
        return;
    const Qt::PenStyle penStyle = style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine;
    QPen pen(colour, width * m_options.widthUnit, penStyle, cap, Qt::RoundJoin);
    m_painter.setPen(pen);
    m_penColour = colour;
    m_penWidth = width;
    m_penStyle = style;
    m_penCap = cap;
}

void PainterSurface::draw(const SurfaceStep &step) {
    const CoordinateMap stepMap =
        step.scale == map().scale() ? map() : CoordinateMap(step.scale, map().deviceArea());
    switch (step.kind) {
    case SurfaceStep::Kind::Clear:
        clearArea();
        return;
    case SurfaceStep::Kind::Line:
        drawLine(step, stepMap);
        return;
    default:
        break;
    }
    flush();
    switch (step.kind) {
    case SurfaceStep::Kind::Point:
        drawPoint(step, stepMap);
        break;
    case SurfaceStep::Kind::Circle:
        drawCircle(step, stepMap);
        break;
    case SurfaceStep::Kind::Text:
        drawText(step, stepMap);
        break;
    case SurfaceStep::Kind::Picture:
        drawPicture(step, stepMap);
        break;
    case SurfaceStep::Kind::Clear:
    case SurfaceStep::Kind::Line:
        break;
    }
}

QLineF PainterSurface::alignedToPixels(QLineF line, double penWidth) const {
    const QPaintDevice *device = m_painter.device();
    // Only the thinnest lines, and not the pieces of a curve, which are a pixel or so long and
    // keep their smooth course.
    if (!m_snapToPixels || penWidth != 1 || line.length() < MinimumAlignedLength || !device ||
        !m_painter.worldTransform().isIdentity())
        return line;
    const double ratio = device->devicePixelRatioF();
    if (line.y1() == line.y2()) {
        const double y = snappedCentre(line.y1(), penWidth, ratio);
        line.setLine(line.x1(), y, line.x2(), y);
    } else if (line.x1() == line.x2()) {
        const double x = snappedCentre(line.x1(), penWidth, ratio);
        line.setLine(x, line.y1(), x, line.y2());
    }
    return line;
}

void PainterSurface::drawLine(const SurfaceStep &step, const CoordinateMap &stepMap) {
    // Axes, help lines and ticks run along pixel rows and columns: they are kept crisp.
    const QLineF line = alignedToPixels(QLineF(stepMap.toDevice(step.a), stepMap.toDevice(step.b)),
                                        step.width * m_options.widthUnit);
    const Qt::PenCapStyle cap = lineCap(step.width, step.style);
    if (step.style == LineStyle::Dotted) {
        // The dots of each line start afresh at its start, as the painter does for a single line.
        flush();
        applyPen(step.colour, step.width, step.style, cap);
        m_painter.drawLine(line);
        return;
    }
    if (!m_heldLines.empty() && (step.width != m_penWidth || step.style != m_penStyle ||
                                 cap != m_penCap || step.colour != m_penColour))
        flush();
    applyPen(step.colour, step.width, step.style, cap);
    const double penWidth = step.width * m_options.widthUnit;
    const bool flatWide = cap == Qt::FlatCap && step.width > 1;
    m_heldLines.push_back(flatWide ? withRoundEndReach(line, penWidth) : line);
    if (m_heldLines.size() >= MaxHeldLines)
        flush();
}

void PainterSurface::clearArea() {
    if (!m_options.clearColour) {
        flush();
        return;
    }
    // Lines the clear would wipe out anyway are not drawn at all (the drawing of a frozen run
    // before its common-scale redraw).
    if (clearCoversDevice())
        m_heldLines.clear();
    else
        flush();
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.fillRect(map().deviceArea(), *m_options.clearColour);
    m_painter.restore();
    m_penWidth = -1;
}

bool PainterSurface::clearCoversDevice() const {
    const QPaintDevice *device = m_painter.device();
    if (!device || m_painter.hasClipping() || !m_painter.combinedTransform().isIdentity())
        return false;
    const double ratio = device->devicePixelRatio();
    const QRectF reach(0, 0, device->width() / ratio, device->height() / ratio);
    return map().deviceArea().contains(reach);
}

void PainterSurface::drawPoint(const SurfaceStep &step, const CoordinateMap &stepMap) {
    // A dot covers whole pixels, as wide as the line width, so that a dotted grid stays sharp.
    const double size = step.width * m_options.widthUnit;
    const QPointF centre = stepMap.toDevice(step.a);
    const QRectF dot(std::round(centre.x() - size / 2), std::round(centre.y() - size / 2), size,
                     size);
    m_painter.fillRect(dot, step.colour);
}

void PainterSurface::drawCircle(const SurfaceStep &step, const CoordinateMap &stepMap) {
    // A closed outline: its pen ends never show, so the circle keeps the round-ended pen.
    const Qt::PenCapStyle roundEnds = step.width > 1 ? Qt::RoundCap : Qt::FlatCap;
    applyPen(step.colour, step.width, LineStyle::Solid, roundEnds);
    m_painter.setBrush(QBrush(step.fillColour, brushStyleOf(step.fillPattern)));
    const double radius = stepMap.xLengthToDevice(step.radius);
    m_painter.drawEllipse(stepMap.toDevice(step.a), radius, radius);
    m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::drawText(const SurfaceStep &step, const CoordinateMap &stepMap) {
    const QFont font = fontOf(m_painter.font(), step.fontSize, step.bold);
    m_painter.setFont(font);
    m_painter.setPen(step.colour);
    m_penWidth = -1;
    const QFontMetricsF metrics(font, m_painter.device());
    const QPointF topLeft = stepMap.toDevice(step.a);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), step.text);
}

void PainterSurface::drawPicture(const SurfaceStep &step, const CoordinateMap &stepMap) {
    const QRectF target = QRectF(stepMap.toDevice(step.a), stepMap.toDevice(step.b)).normalized();
    m_painter.drawImage(target, step.image);
}

double PainterSurface::textAdvance(const QString &text, double fontSize, bool bold) const {
    return QFontMetricsF(fontOf(m_painter.font(), fontSize, bold), m_painter.device())
        .horizontalAdvance(text);
}

double PainterSurface::textLineHeight(double fontSize, bool bold) const {
    return QFontMetricsF(fontOf(m_painter.font(), fontSize, bold), m_painter.device()).height();
}

} // namespace kavren
