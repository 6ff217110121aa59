// The drawing layer of the screen graph: a transparent image over the graph's background colour
// and picture, drawn through a QPainter and kept as a list of steps, so that a resized window or a
// screen of another pixel density gets the same drawing redrawn sharply rather than stretched.
#pragma once

#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/painter_surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>
#include <memory>
#include <vector>

namespace kavren {

class ScreenSurface : public DrawingSurface {
public:
    ScreenSurface();
    ~ScreenSurface() override;

    // The layer's size in logical pixels and the screen's pixel density; redraws the kept steps.
    void resize(const QSize &logicalSize, double devicePixelRatio);
    // The font whose face the graph's texts use.
    void setFont(const QFont &font) { m_font = font; }
    // Called after every drawn step (the widget schedules a repaint).
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    // The finished layer; ends any drawing still in progress.
    const QImage &image();
    std::size_t keptStepCount() const { return m_steps.size(); }

    // Beyond this many kept steps the list is dropped and a resize stretches the image instead.
    static constexpr std::size_t MaxKeptSteps = 200000;

protected:
    void draw(const SurfaceStep &step) override;
    double textLineHeight(double fontSize, bool bold) const override;

private:
    PainterSurface &painterSurface();
    void endPainting();

    QImage m_image;
    QFont m_font;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterSurface> m_painterSurface;
    std::vector<SurfaceStep> m_steps;
    bool m_replayable = true;
    std::function<void()> m_changed;
};

} // namespace kavren
