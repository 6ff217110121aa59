// The drawing surface of a paper page (a printer or a PDF file): the painter surface over the
// page's printable area, with line widths and text sizes that look the same at any resolution, and
// texts kept on the page: control characters print as blanks and a text that would run past the
// right edge of the page is cut short there with an ellipsis. On a paper device the drawing keeps
// a margin of its own where the page's margins are narrower.
#pragma once

#include "domain/drawing/painter_surface.h"

class QPaintDevice;

namespace kavren {

class PageSurface : public PainterSurface {
public:
    // The painter must be active on the page's device for as long as the surface is used. The
    // drawing keeps at least minimumMarginMm from every paper edge.
    explicit PageSurface(QPainter &painter, double minimumMarginMm = ClassicMarginMm);

    // The smallest margin of the classic page.
    static constexpr double ClassicMarginMm = 10;

    // One line-width unit on paper: a dot of a 300 dots-per-inch printer.
    static constexpr double WidthUnitInches = 1.0 / 300;

    // The text as it goes onto the page: control characters as blanks, and no wider than
    // maxWidth device units of this font on this device (cut with an ellipsis; empty when not even
    // that fits).
    static QString fittedText(const QString &text, const QFont &font, const QPaintDevice *device,
                              double maxWidth);

    // The area of the device the page is drawn in: the device's printable area less what the
    // paper's own margins leave short of minimumMarginMm.
    static QRectF drawingArea(const QPaintDevice *device, double minimumMarginMm);

protected:
    void draw(const SurfaceStep &step) override;
    double textAdvance(const QString &text, double fontSize, bool bold) const override;

private:
    QPainter &m_page;
};

} // namespace kavren
