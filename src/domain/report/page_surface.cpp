// The paper surface: width unit from the page's resolution, texts cut at the page's right edge.
#include "domain/report/page_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace kavren {

namespace {

PainterSurface::Options pageOptions(const QPainter &painter) {
    PainterSurface::Options options;
    options.clearColour.reset(); // paper is not cleared
    const QPaintDevice *device = painter.device();
    const int dpi = device ? device->logicalDpiX() : 300;
    options.widthUnit = dpi * PageSurface::WidthUnitInches;
    options.antialiased = true;
    return options;
}

QRectF printableArea(const QPainter &painter) {
    const QPaintDevice *device = painter.device();
    if (!device)
        return QRectF(0, 0, 1, 1);
    return QRectF(0, 0, device->width(), device->height());
}

} // namespace

PageSurface::PageSurface(QPainter &painter)
    : PainterSurface(painter, printableArea(painter), pageOptions(painter)), m_page(painter) {}

QString PageSurface::fittedText(const QString &text, const QFont &font, const QPaintDevice *device,
                                double maxWidth) {
    QString shown = text;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (!(maxWidth > 0))
        return {};
    const QFontMetricsF metrics(font, device);
    if (metrics.horizontalAdvance(shown) <= maxWidth)
        return shown;
    return metrics.elidedText(shown, Qt::ElideRight, maxWidth);
}

void PageSurface::draw(const SurfaceStep &step) {
    if (step.kind != SurfaceStep::Kind::Text) {
        PainterSurface::draw(step);
        return;
    }
    QFont font = m_page.font();
    font.setPointSizeF(step.fontSize);
    font.setBold(step.bold);
    const CoordinateMap stepMap(step.scale, map().deviceArea());
    const double room = map().deviceArea().right() - stepMap.toDevice(step.a).x();
    SurfaceStep fitted = step;
    fitted.text = fittedText(step.text, font, m_page.device(), room);
    if (!fitted.text.isEmpty())
        PainterSurface::draw(fitted);
}

} // namespace kavren
