// State, validation and pen bookkeeping shared by every drawing surface, so that the screen, the
// page and the recording surface skip exactly the same failed steps.
#include "domain/drawing/drawing_surface.h"

#include "domain/drawing/palette.h"
#include "domain/exercise/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// Beyond this many device units a position is treated as a failed step rather than handed to the
// paint engine, which would spend its time clipping an absurd line.
constexpr double DeviceLimit = 1e7;

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

CoordinateMap::CoordinateMap(const UserScale &scale, const QRectF &deviceArea)
    : m_scale(scale), m_device(deviceArea) {
    m_xFactor = deviceArea.width() / (scale.right - scale.left);
    m_yFactor = deviceArea.height() / (scale.bottom - scale.top);
}

QPointF CoordinateMap::toDevice(QPointF user) const {
    return {m_device.left() + (user.x() - m_scale.left) * m_xFactor,
            m_device.top() + (user.y() - m_scale.top) * m_yFactor};
}

QPointF CoordinateMap::toUser(QPointF device) const {
    return {m_scale.left + (device.x() - m_device.left()) / m_xFactor,
            m_scale.top + (device.y() - m_device.top()) / m_yFactor};
}

double CoordinateMap::xLengthToDevice(double userLength) const {
    return std::abs(userLength * m_xFactor);
}

double CoordinateMap::yLengthToDevice(double userLength) const {
    return std::abs(userLength * m_yFactor);
}

double CoordinateMap::deviceDownToUserY(double deviceLength) const {
    return deviceLength / m_yFactor;
}

std::optional<QLineF> lineInsideArea(QPointF from, QPointF to, const QRectF &area) {
    const QRectF box = area.normalized();
    // Liang–Barsky: the part of from + t·(to − from), 0 ≤ t ≤ 1, that meets every edge's
    // condition p·t ≤ q. A line inside keeps its exact end points.
    double enter = 0;
    double leave = 1;
    const auto edge = [&enter, &leave](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    if (!edge(-dx, from.x() - box.left()) || !edge(dx, box.right() - from.x()) ||
        !edge(-dy, from.y() - box.top()) || !edge(dy, box.bottom() - from.y()))
        return std::nullopt;
    const QPointF start = enter > 0 ? QPointF(from.x() + enter * dx, from.y() + enter * dy) : from;
    const QPointF end = leave < 1 ? QPointF(from.x() + leave * dx, from.y() + leave * dy) : to;
    return QLineF(start, end);
}

bool centreInsideArea(QPointF centre, const QRectF &area) {
    const QRectF box = area.normalized();
    return centre.x() >= box.left() && centre.x() <= box.right() && centre.y() >= box.top() &&
           centre.y() <= box.bottom();
}

std::optional<QColor> colourOfPaletteNumber(double number) {
    return paletteColourOfNumber(number);
}

std::optional<QColor> colourOfRawValue(double bbggrr) {
    if (!std::isfinite(bbggrr))
        return std::nullopt;
    const double whole = roundHalfEven(bbggrr);
    if (whole < 0 || whole > 0xFFFFFF)
        return std::nullopt;
    const auto value = static_cast<unsigned>(whole);
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

std::optional<FillPattern> fillPatternOfNumber(double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    const double whole = roundHalfEven(number);
    if (whole < 0 || whole > 7)
        return std::nullopt;
    return static_cast<FillPattern>(int(whole));
}

DrawingSurface::DrawingSurface(const QRectF &deviceArea) : m_map(UserScale{}, deviceArea) {}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::setScale(const UserScale &scale) {
    const bool finiteScale = std::isfinite(scale.left) && std::isfinite(scale.top) &&
                             std::isfinite(scale.right) && std::isfinite(scale.bottom);
    if (!finiteScale || scale.left == scale.right || scale.top == scale.bottom)
        return;
    m_map = CoordinateMap(scale, m_map.deviceArea());
}

void DrawingSurface::setScale(double left, double top, double right, double bottom) {
    setScale(UserScale{left, top, right, bottom});
}

void DrawingSurface::setDeviceArea(const QRectF &deviceArea) {
    if (deviceArea.width() <= 0 || deviceArea.height() <= 0)
        return;
    m_map = CoordinateMap(m_map.scale(), deviceArea);
}

void DrawingSurface::clear() {
    m_pen = QPointF(m_map.scale().left, m_map.scale().top);
    draw(stepOf(SurfaceStep::Kind::Clear));
}

void DrawingSurface::setLineWidth(std::optional<int> width) {
    if (width && *width >= 1)
        m_width = *width;
}

void DrawingSurface::setLineStyle(LineStyle style) {
    m_style = style;
}

void DrawingSurface::setFillPattern(std::optional<FillPattern> pattern) {
    if (pattern)
        m_fillPattern = *pattern;
}

void DrawingSurface::setFillColour(std::optional<QColor> colour) {
    if (colour && colour->isValid())
        m_fillColour = *colour;
}

void DrawingSurface::setTextColour(std::optional<QColor> colour) {
    if (colour && colour->isValid())
        m_textColour = *colour;
}

void DrawingSurface::setFontSize(double points) {
    if (std::isfinite(points) && points > 0 && points < 2000)
        m_fontSize = points;
}

void DrawingSurface::setBold(bool bold) {
    m_bold = bold;
}

void DrawingSurface::setClipArea(std::optional<QRectF> area) {
    m_clip = area;
}

void DrawingSurface::setBackdrop(std::optional<QColor> colour) {
    m_backdrop = colour && colour->isValid() ? colour : std::nullopt;
}

std::optional<QColor> DrawingSurface::visibleColour(std::optional<QColor> colour) const {
    if (!colour || !colour->isValid() || !m_backdrop)
        return colour;
    return legibleOn(*colour, *m_backdrop);
}

bool DrawingSurface::usable(QPointF user) const {
    if (!finite(user))
        return false;
    const QPointF device = m_map.toDevice(user);
    return std::abs(device.x()) < DeviceLimit && std::abs(device.y()) < DeviceLimit;
}

bool DrawingSurface::showable(double deviceLength) const {
    const QRectF &area = m_map.deviceArea();
    return deviceLength <= std::hypot(area.width(), area.height());
}

void DrawingSurface::moveTo(QPointF at) {
    if (usable(at))
        m_pen = at;
}

SurfaceStep DrawingSurface::stepOf(SurfaceStep::Kind kind) const {
    SurfaceStep step;
    step.kind = kind;
    step.colour = m_textColour;
    step.width = m_width;
    step.style = m_style;
    step.fillPattern = m_fillPattern;
    step.fillColour = m_fillColour;
    step.fontSize = m_fontSize;
    step.bold = m_bold;
    step.scale = m_map.scale();
    return step;
}

void DrawingSurface::line(QPointF from, QPointF to) {
    line(from, to, m_textColour);
}

void DrawingSurface::line(QPointF from, QPointF to, std::optional<QColor> colour) {
    if (!colour || !colour->isValid() || !usable(from) || !usable(to) || !showable(m_width))
        return;
    m_pen = to;
    if (from == to)
        return;
    if (m_clip) {
        const std::optional<QLineF> inside = lineInsideArea(from, to, *m_clip);
        if (!inside || inside->p1() == inside->p2())
            return;
        from = inside->p1();
        to = inside->p2();
    }
    SurfaceStep step = stepOf(SurfaceStep::Kind::Line);
    step.a = from;
    step.b = to;
    step.colour = *colour;
    draw(step);
}

void DrawingSurface::point(QPointF at, std::optional<QColor> colour) {
    if (!colour || !colour->isValid() || !usable(at) || !showable(m_width))
        return;
    m_pen = at;
    if (m_clip && !centreInsideArea(at, *m_clip))
        return;
    SurfaceStep step = stepOf(SurfaceStep::Kind::Point);
    step.a = at;
    step.colour = *colour;
    draw(step);
}

void DrawingSurface::circle(QPointF centre, double radius, std::optional<QColor> outline) {
    if (!outline || !outline->isValid() || !usable(centre) || !std::isfinite(radius))
        return;
    if (!showable(m_map.xLengthToDevice(radius)) || !showable(m_width))
        return;
    m_pen = centre;
    if (m_clip && !centreInsideArea(centre, *m_clip))
        return;
    SurfaceStep step = stepOf(SurfaceStep::Kind::Circle);
    step.a = centre;
    step.radius = std::abs(radius);
    step.colour = *outline;
    draw(step);
}

void DrawingSurface::printText(const QString &text) {
    SurfaceStep step = stepOf(SurfaceStep::Kind::Text);
    step.a = m_pen;
    step.text = text;
    if (!text.isEmpty())
        draw(step);
    const double down = textLineHeight(m_fontSize, m_bold);
    const QPointF next(m_map.scale().left, m_pen.y() + m_map.deviceDownToUserY(down));
    if (usable(next))
        m_pen = next;
}

void DrawingSurface::picture(const QImage &image, QPointF corner, QPointF oppositeCorner) {
    if (image.isNull() || !usable(corner) || !usable(oppositeCorner))
        return;
    SurfaceStep step = stepOf(SurfaceStep::Kind::Picture);
    step.a = corner;
    step.b = oppositeCorner;
    step.image = image;
    draw(step);
}

double DrawingSurface::textAdvance(const QString &, double, bool) const {
    return 0;
}

double DrawingSurface::textWidth(const QString &text) const {
    const double unit = m_map.xLengthToDevice(1);
    if (text.isEmpty() || !(unit > 0))
        return 0;
    return textAdvance(text, m_fontSize, m_bold) / unit;
}

double DrawingSurface::textLineHeight(double fontSize, bool) const {
    // A line of text at 96 dots per inch with the usual leading.
    return fontSize * 96.0 / 72.0 * 1.2;
}

} // namespace kavren
