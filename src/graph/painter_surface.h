// The drawing surface over any QPaintDevice through a QPainter: the screen graph's drawing layer
// (a QImage), a QPrinter page or a PDF file. Device units live only in here.
#pragma once

#include "graph/drawing_surface.h"

#include <QColor>
#include <QPen>

#include <optional>

class QPainter;

namespace kavren {

class PainterSurface : public DrawingSurface {
public:
    struct Options {
        // Colour that clear fills the area with; empty: clear draws nothing (paper).
        std::optional<QColor> clearColour = QColor(Qt::transparent);
        // Device units per line-width unit (a printer's width 1 may be wider than one dot).
        double widthUnit = 1;
        bool antialiased = true;
    };

    // Draws with the painter (which must stay active while the surface is used) into the device
    // area, in the painter's own coordinates (for a QImage with a device pixel ratio: logical).
    PainterSurface(QPainter &painter, const QRectF &deviceArea);
    PainterSurface(QPainter &painter, const QRectF &deviceArea, const Options &options);

    // Draws one step as it was recorded (the screen layer replays its steps with this).
    void replay(const SurfaceStep &step);
    // A new device area: the same user scale stretched over it.
    void resizeDeviceArea(const QRectF &deviceArea) { setDeviceArea(deviceArea); }

protected:
    void draw(const SurfaceStep &step) override;
    double textLineHeight(double fontSize, bool bold) const override;

private:
    void applyPen(const QColor &colour, int width, LineStyle style);
    void drawPoint(const SurfaceStep &step, const CoordinateMap &map);
    void drawCircle(const SurfaceStep &step, const CoordinateMap &map);
    void drawText(const SurfaceStep &step, const CoordinateMap &map);
    void drawPicture(const SurfaceStep &step, const CoordinateMap &map);

    QPainter &m_painter;
    Options m_options;
    // The last pen set on the painter, so that a run of equal segments sets it once.
    QColor m_penColour;
    int m_penWidth = -1;
    LineStyle m_penStyle = LineStyle::Solid;
};

} // namespace kavren
