// The paper surface: width unit from the page's resolution, texts cut at the page's right edge.
#include "domain/report/page_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

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

QString shownText(QString text) {
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QRectF PageSurface::drawingArea(const QPaintDevice *device, double minimumMarginMm) {
    if (!device)
        return QRectF(0, 0, 1, 1);
    const QRectF printable(0, 0, device->width(), device->height());
    const auto *paper = dynamic_cast<const QPagedPaintDevice *>(device);
    if (!paper)
        return printable;
    // The printable area already lies inside the paper's margins: only what they leave short of
    // the minimum is added, in device units.
    const QMarginsF margins = paper->pageLayout().margins(QPageLayout::Millimeter);
    const auto extra = [minimumMarginMm](double margin, int dpi) {
        return std::max(0.0, minimumMarginMm - margin) / 25.4 * dpi;
    };
    const double dpiX = device->logicalDpiX(), dpiY = device->logicalDpiY();
    const QRectF area =
        printable.adjusted(extra(margins.left(), int(dpiX)), extra(margins.top(), int(dpiY)),
                           -extra(margins.right(), int(dpiX)), -extra(margins.bottom(), int(dpiY)));
    return area.isValid() ? area : printable;
}

PageSurface::PageSurface(QPainter &painter, double minimumMarginMm)
    : PainterSurface(painter, drawingArea(painter.device(), minimumMarginMm), pageOptions(painter)),
      m_page(painter) {}

double PageSurface::textAdvance(const QString &text, double fontSize, bool bold) const {
    return PainterSurface::textAdvance(shownText(text), fontSize, bold);
}

QString PageSurface::fittedText(const QString &text, const QFont &font, const QPaintDevice *device,
                                double maxWidth) {
    const QString shown = shownText(text);
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
