// The drawing surface over any QPaintDevice through a QPainter: the screen graph's drawing layer
// (a QImage), a QPrinter page or a PDF file. Device units live only in here.
//
// A fitted curve reaches the surface as a long run of tiny pieces in one pen. Such a run is held
// back and handed to the painter in one call; anything else that is drawn, the end of the surface
// and flush() draw the run first, so the order of what is drawn never changes.
//
// On a pixel device a wide solid line ends flat, pushed out beyond its end points so that each
// end covers the area of the round end that paper gets. The painter fills such a line in one step
// instead of building and flattening the outline of its round ends, over ten times faster for
// the curves' pieces; what changes is the shading of a fraction of a pixel at each corner.
#pragma once

#include "domain/drawing/drawing_surface.h"

#include <QColor>
#include <QLineF>
#include <QPen>

#include <optional>
#include <vector>

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
    // Draws what is still held back: the painter must still be active.
    ~PainterSurface() override;

    // Draws the lines still held back. Call it before the device is read or painted while the
    // surface (and its painter) stays in use.
    void flush();

    // Draws one step as it was recorded (the screen layer replays its steps with this).
    void replay(const SurfaceStep &step);
    // A new device area: the same user scale stretched over it.
    void resizeDeviceArea(const QRectF &deviceArea) { setDeviceArea(deviceArea); }

protected:
    void draw(const SurfaceStep &step) override;
    double textLineHeight(double fontSize, bool bold) const override;
    double textAdvance(const QString &text, double fontSize, bool bold) const override;

private:
    void applyPen(const QColor &colour, int width, LineStyle style, Qt::PenCapStyle cap);
    // The ends a line of this width and style is drawn with on this device.
    Qt::PenCapStyle lineCap(int width, LineStyle style) const;
    void drawLine(const SurfaceStep &step, const CoordinateMap &map);
    // A thin line along a pixel row or column moved (by less than a pixel) so that its edges fall
    // on pixel boundaries of a pixel device; any other line as it is.
    QLineF alignedToPixels(QLineF line, double penWidth) const;
    void clearArea();
    // Whether the clear of the device area covers everything the painter can reach, so that lines
    // still held back would be wiped out unseen.
    bool clearCoversDevice() const;
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
    Qt::PenCapStyle m_penCap = Qt::FlatCap;
    // Whether wide solid lines get flat ends of a round end's area (pixel devices) rather than
    // round ends (paper, PDF).
    bool m_flatWideEnds = false;
    // Whether lines along pixel rows and columns are moved onto whole pixels (pixel devices).
    bool m_snapToPixels = false;
    // Solid lines in the current pen not yet handed to the painter, in device units.
    std::vector<QLineF> m_heldLines;
};

} // namespace kavren
