// Fits the main window's twip layout to a screen: one factor for the whole run scales every
// hand-placed control's position and size and the controls' font, so that the layout fills the
// available area as far as its aspect ratio allows (a twip is then factor/15 of a pixel).
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace kavren {

// The point size the controls are designed for.
constexpr double DesignFontPoints = 8;
// Below this factor the 8-point control font would shrink under 7 points: the window keeps this
// factor and scrolls instead.
constexpr double MinimumLayoutFactor = 7.0 / DesignFontPoints;

// The factor that fits a layout of designSize (pixels at 15 twips a pixel) into available,
// never below the minimum.
double layoutFactorFor(QSize designSize, QSize available);

// A design rectangle scaled by factor, its edges rounded, so that controls that touch in the design
// touch after scaling and never overlap.
QRect scaledRect(const QRect &design, double factor);

class WindowScale {
public:
    // Notes the design geometry of every control placed by hand under area (its children, and the
    // children of its frames) and the size the layout needs: its controls plus the margin of the
    // leftmost and topmost ones on the right and at the bottom.
    explicit WindowScale(QWidget *area);

    QSize designSize() const { return m_designSize; }
    double factor() const { return m_factor; }

    // Replaces a noted control's design size (the graph of a low screen).
    void setDesignSize(QWidget *widget, QSize size);
    QRect designGeometry(const QWidget *widget) const;

    // Places every noted control at factor times its design geometry, gives the area the scaled
    // layout's size and the control font factor times its design size.
    void apply(double factor);

private:
    void note(QWidget *container);

    struct Placed {
        QPointer<QWidget> widget;
        QRect design;
    };
    QWidget *m_area;
    std::vector<Placed> m_placed;
    QSize m_designSize;
    double m_factor = 1;
};

} // namespace kavren
