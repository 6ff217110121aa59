// Keeps the drawn steps in order for tests.
#include "support/recording_surface.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace kavren {

RecordingSurface::RecordingSurface(const QRectF &deviceArea) : DrawingSurface(deviceArea) {}

void RecordingSurface::draw(const SurfaceStep &step) {
    m_steps.push_back(step);
}

void RecordingSurface::measureTextsAt(double dotsPerInch) {
    m_metricsDevice = QImage(1, 1, QImage::Format_RGB32);
    const int perMetre = int(std::lround(dotsPerInch / 0.0254));
    m_metricsDevice.setDotsPerMeterX(perMetre);
    m_metricsDevice.setDotsPerMeterY(perMetre);
}

namespace {

QFont fontOf(double fontSize, bool bold) {
    QFont font;
    font.setPointSizeF(fontSize);
    font.setBold(bold);
    return font;
}

} // namespace

double RecordingSurface::textAdvance(const QString &text, double fontSize, bool bold) const {
    if (m_metricsDevice.isNull())
        return 0;
    return QFontMetricsF(fontOf(fontSize, bold), &m_metricsDevice).horizontalAdvance(text);
}

double RecordingSurface::textLineHeight(double fontSize, bool bold) const {
    if (m_metricsDevice.isNull())
        return DrawingSurface::textLineHeight(fontSize, bold);
    return QFontMetricsF(fontOf(fontSize, bold), &m_metricsDevice).height();
}

QRectF RecordingSurface::textBox(const SurfaceStep &text) const {
    if (m_metricsDevice.isNull())
        return {};
    const QPointF corner = CoordinateMap(text.scale, map().deviceArea()).toDevice(text.a);
    const QFontMetricsF metrics(fontOf(text.fontSize, text.bold), &m_metricsDevice);
    return metrics.tightBoundingRect(text.text).translated(corner.x(),
                                                           corner.y() + metrics.ascent());
}

std::vector<SurfaceStep> RecordingSurface::stepsOf(SurfaceStep::Kind kind) const {
    std::vector<SurfaceStep> found;
    for (const SurfaceStep &step : m_steps)
        if (step.kind == kind)
            found.push_back(step);
    return found;
}

const SurfaceStep *RecordingSurface::findText(const QString &trimmedText) const {
    for (const SurfaceStep &step : m_steps)
        if (step.kind == SurfaceStep::Kind::Text && step.text.trimmed() == trimmedText)
            return &step;
    return nullptr;
}

} // namespace kavren
