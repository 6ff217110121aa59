// The drawing surface of a paper page (a printer or a PDF file): the painter surface over the
// page's printable area, with line widths and text sizes that look the same at any resolution, and
// texts kept on the page: control characters print as blanks and a text that would run past the
// right edge of the page is cut short there with an ellipsis.
#pragma once

#include "domain/drawing/painter_surface.h"

class QPaintDevice;

namespace kavren {

class PageSurface : public PainterSurface {
public:
    // The painter must be active on the page's device for as long as the surface is used.
    explicit PageSurface(QPainter &painter);

    // One line-width unit on paper: a dot of a 300 dots-per-inch printer.
    static constexpr double WidthUnitInches = 1.0 / 300;

    // The text as it goes onto the page: control characters as blanks, and no wider than
    // maxWidth device units of this font on this device (cut with an ellipsis; empty when not even
    // that fits).
    static QString fittedText(const QString &text, const QFont &font, const QPaintDevice *device,
                              double maxWidth);

protected:
    void draw(const SurfaceStep &step) override;

private:
    QPainter &m_page;
};

} // namespace kavren
