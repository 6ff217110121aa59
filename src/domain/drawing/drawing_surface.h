// The drawing surface that the graph, the printed page and the tests share: a user coordinate scale
// over a device area, a pen position, and the few primitives the program draws with (clear, line,
// point, circle, text at the pen, picture stretched into a rectangle). A value that does not
// convert reaches a primitive as an empty optional: that one step is skipped silently and the
// previous colour, width or pattern stays in force.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>

namespace kavren {

// The user scale of a surface: the user coordinates of its left, top, right and bottom edges.
// y grows upwards when bottom < top (the graph: 13 at the top, -3 at the bottom).
struct UserScale {
    double left = 0;
    double top = 0;
    double right = 1;
    double bottom = 1;

    bool operator==(const UserScale &) const = default;
};

// Maps user coordinates onto a device area and back (the cursor readout needs the way back).
class CoordinateMap {
public:
    CoordinateMap() = default;
    CoordinateMap(const UserScale &scale, const QRectF &deviceArea);

    const UserScale &scale() const { return m_scale; }
    const QRectF &deviceArea() const { return m_device; }

    QPointF toDevice(QPointF user) const;
    QPointF toUser(QPointF device) const;
    // Device length of a length in x (or y) units; never negative.
    double xLengthToDevice(double userLength) const;
    double yLengthToDevice(double userLength) const;
    // Signed user y distance of a device distance measured downwards.
    double deviceDownToUserY(double deviceLength) const;

private:
    UserScale m_scale;
    QRectF m_device = QRectF(0, 0, 1, 1);
    double m_xFactor = 1; // device units per user unit, signed
    double m_yFactor = 1;
};

// Colour of a palette number 0–15 or of a raw 0xBBGGRR value 0…0xFFFFFF; empty otherwise.
std::optional<QColor> colourOfPaletteNumber(double number);
std::optional<QColor> colourOfRawValue(double bbggrr);

enum class LineStyle { Solid, Dotted };

// Fill of closed figures: 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal,
// 5 downward diagonal, 6 cross, 7 diagonal cross.
enum class FillPattern : std::uint8_t {
    Solid = 0,
    Transparent = 1,
    Horizontal = 2,
    Vertical = 3,
    UpwardDiagonal = 4,
    DownwardDiagonal = 5,
    Cross = 6,
    DiagonalCross = 7,
};
// The pattern of a number 0–7; empty for anything else (8 included).
std::optional<FillPattern> fillPatternOfNumber(double number);

// One primitive as it reaches an implementation: where (user coordinates), and the resolved pen
// state it is drawn with. The recording surface keeps these; the screen layer replays them.
struct SurfaceStep {
    enum class Kind : std::uint8_t { Clear, Line, Point, Circle, Text, Picture };
    Kind kind = Kind::Line;
    QPointF a;         // line start, point, circle centre, text top-left, picture corner
    QPointF b;         // line end, opposite picture corner
    double radius = 0; // circle radius in x units
    QColor colour;     // line, point, circle outline, text
    int width = 1;     // line width in device pixels (1 = thinnest)
    LineStyle style = LineStyle::Solid;
    FillPattern fillPattern = FillPattern::Transparent;
    QColor fillColour;
    double fontSize = 8; // points
    bool bold = false;
    QString text;
    QImage image;
    UserScale scale; // the user scale in force when the step was drawn
};

// Keeps what is drawn as data (points and lines of measurements and curves) inside a rectangle of
// user coordinates, the plotting area of a graph, so that it never covers the axis labels around
// it: a line is cut at the area's edges, and a point or circle whose centre lies outside the area
// is left out (one whose centre lies inside is drawn whole). Text and pictures are never clipped.
// QRectF's top is the smaller y, its bottom the larger, whichever way the scale runs.
std::optional<QLineF> lineInsideArea(QPointF from, QPointF to, const QRectF &area);
bool centreInsideArea(QPointF centre, const QRectF &area);

class DrawingSurface {
public:
    explicit DrawingSurface(const QRectF &deviceArea = QRectF(0, 0, 1, 1));
    virtual ~DrawingSurface();
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    // A new user scale over the whole device area; a degenerate or non-finite scale is skipped.
    void setScale(const UserScale &scale);
    void setScale(double left, double top, double right, double bottom);
    const CoordinateMap &map() const { return m_map; }

    // Removes everything drawn (on the screen graph: not the background colour or picture) and
    // puts the pen at the top-left corner.
    void clear();

    // Pen state. An empty value is a step that fails: skipped, the previous value stays.
    void setLineWidth(std::optional<int> width); // below 1 fails
    void setLineStyle(LineStyle style);
    void setFillPattern(std::optional<FillPattern> pattern);
    void setFillColour(std::optional<QColor> colour);
    // The text colour, also the colour of a line drawn without a colour of its own.
    void setTextColour(std::optional<QColor> colour);
    void setFontSize(double points); // non-positive or non-finite is skipped
    void setBold(bool bold);

    int lineWidth() const { return m_width; }
    LineStyle lineStyle() const { return m_style; }
    FillPattern fillPattern() const { return m_fillPattern; }
    QColor fillColour() const { return m_fillColour; }
    QColor textColour() const { return m_textColour; }
    double fontSize() const { return m_fontSize; }
    bool bold() const { return m_bold; }

    // The area that lines, points and circles are kept inside; empty: the whole surface.
    void setClipArea(std::optional<QRectF> area);
    std::optional<QRectF> clipArea() const { return m_clip; }

    // The colour the drawing stands on (the graph's background colour); empty when unknown.
    void setBackdrop(std::optional<QColor> colour);
    std::optional<QColor> backdrop() const { return m_backdrop; }
    // A colour as data is drawn in on this surface: itself when it stands out from the backdrop by
    // at least 3:1, otherwise black or white, whichever stands out more (legibleOn). Unchanged
    // without a backdrop; empty stays empty.
    std::optional<QColor> visibleColour(std::optional<QColor> colour) const;

    // The pen position, in user units: where the next text is printed.
    QPointF pen() const { return m_pen; }
    void moveTo(QPointF at);

    // Line with the current width and style; the pen moves to its end. A line of zero length
    // draws nothing and only moves the pen.
    void line(QPointF from, QPointF to);
    void line(QPointF from, QPointF to, std::optional<QColor> colour);
    // A dot as wide as the current line width; the pen moves to it.
    void point(QPointF at, std::optional<QColor> colour);
    // Circle of a radius in x units, round on the device, outline in the current line width, filled
    // with the current pattern and fill colour; the pen moves to its centre. A line, point or
    // circle whose width or radius on the device exceeds the device's diagonal is skipped.
    void circle(QPointF centre, double radius, std::optional<QColor> outline);
    // Text with its top-left corner at the pen, in the current size, weight and text colour. The
    // pen then goes to the left edge of the scale, one text line lower.
    void printText(const QString &text);
    // How wide a text prints in the current size and weight, in x units of the scale; 0 on a
    // surface that cannot measure text (texts there are never fitted or wrapped).
    double textWidth(const QString &text) const;
    // A picture stretched into the rectangle between two opposite corners.
    void picture(const QImage &image, QPointF corner, QPointF oppositeCorner);

protected:
    // Implementations draw one validated step. Clear steps carry no position.
    virtual void draw(const SurfaceStep &step) = 0;
    // Height in device units of one line of text in this size and weight.
    virtual double textLineHeight(double fontSize, bool bold) const;
    // Width in device units of a text in this size and weight; 0 when unknown.
    virtual double textAdvance(const QString &text, double fontSize, bool bold) const;
    // A new device area (a resized window); keeps the user scale.
    void setDeviceArea(const QRectF &deviceArea);
    SurfaceStep stepOf(SurfaceStep::Kind kind) const;

private:
    bool usable(QPointF user) const;
    // A width or radius the device could show: no more than its diagonal. A larger one is an
    // out-of-range style value, and drawing it would only keep the painter busy for seconds.
    bool showable(double deviceLength) const;

    CoordinateMap m_map;
    QPointF m_pen;
    int m_width = 1;
    LineStyle m_style = LineStyle::Solid;
    FillPattern m_fillPattern = FillPattern::Transparent;
    QColor m_fillColour = QColor(0, 0, 0);
    QColor m_textColour = QColor(0, 0, 0);
    double m_fontSize = 8;
    bool m_bold = false;
    std::optional<QRectF> m_clip;
    std::optional<QColor> m_backdrop;
};

// Clips the data drawn while it lives to an area, then restores the clip that was in force.
class ClipScope {
public:
    ClipScope(DrawingSurface &surface, const QRectF &area)
        : m_surface(surface), m_previous(surface.clipArea()) {
        surface.setClipArea(area);
    }
    ~ClipScope() { m_surface.setClipArea(m_previous); }
    ClipScope(const ClipScope &) = delete;
    ClipScope &operator=(const ClipScope &) = delete;

private:
    DrawingSurface &m_surface;
    std::optional<QRectF> m_previous;
};

} // namespace kavren
