// The screen graph's retained drawing layer.
#include "domain/drawing/screen_surface.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// Largest layer in device pixels on either side; a larger window is drawn at a lower density.
constexpr int MaxLayerSide = 8192;

} // namespace

ScreenSurface::ScreenSurface() : DrawingSurface(QRectF(0, 0, 1, 1)) {
    resize(QSize(1, 1), 1);
}

ScreenSurface::~ScreenSurface() {
    endPainting();
}

void ScreenSurface::endPainting() {
    m_painterSurface.reset();
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

PainterSurface &ScreenSurface::painterSurface() {
    if (!m_painterSurface) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setFont(m_font);
        m_painterSurface = std::make_unique<PainterSurface>(*m_painter, map().deviceArea());
    }
    return *m_painterSurface;
}

const QImage &ScreenSurface::image() {
    endPainting();
    return m_image;
}

void ScreenSurface::resize(const QSize &logicalSize, double devicePixelRatio) {
    const QSize logical = logicalSize.expandedTo(QSize(1, 1));
    double ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1;
    ratio = std::min(ratio, double(MaxLayerSide) / std::max(logical.width(), logical.height()));
    const QSize device(std::max(1, int(std::lround(logical.width() * ratio))),
                       std::max(1, int(std::lround(logical.height() * ratio))));
    if (device == m_image.size() && m_image.devicePixelRatio() == ratio)
        return;
    endPainting();
    QImage previous = m_image;
    m_image = QImage(device, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::transparent);
    setDeviceArea(QRectF(QPointF(0, 0), QSizeF(logical)));
    if (m_replayable) {
        PainterSurface &painter = painterSurface();
        for (const SurfaceStep &step : m_steps)
            painter.replay(step);
        endPainting();
    } else if (!previous.isNull()) {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(logical)), previous);
    }
}

void ScreenSurface::draw(const SurfaceStep &step) {
    if (step.kind == SurfaceStep::Kind::Clear) {
        m_steps.clear();
        m_replayable = true;
    } else if (m_replayable) {
        if (m_steps.size() < MaxKeptSteps) {
            m_steps.push_back(step);
        } else {
            m_steps.clear();
            m_steps.shrink_to_fit();
            m_replayable = false;
        }
    }
    painterSurface().replay(step);
    if (m_changed)
        m_changed();
}

double ScreenSurface::textLineHeight(double fontSize, bool bold) const {
    QFont font = m_font;
    font.setPointSizeF(fontSize);
    font.setBold(bold);
    return QFontMetricsF(font, &m_image).height();
}

} // namespace kavren
