// A drawing surface that draws nothing and keeps every step it receives, with its position,
// colour, width and pattern, so that tests can check what a drawing procedure drew.
#pragma once

#include "domain/drawing/drawing_surface.h"

#include <vector>

namespace kavren {

class RecordingSurface : public DrawingSurface {
public:
    // The device area only matters for the map and for how far a printed text moves the pen.
    explicit RecordingSurface(const QRectF &deviceArea = QRectF(0, 0, 1100, 600));

    const std::vector<SurfaceStep> &steps() const { return m_steps; }
    void forget() { m_steps.clear(); }

    // The steps of one kind, in drawing order.
    std::vector<SurfaceStep> stepsOf(SurfaceStep::Kind kind) const;
    // The printed texts, in order.
    std::vector<SurfaceStep> texts() const { return stepsOf(SurfaceStep::Kind::Text); }
    // The first printed step whose text equals this one after trimming blanks; null when none.
    const SurfaceStep *findText(const QString &trimmedText) const;

protected:
    void draw(const SurfaceStep &step) override;

private:
    std::vector<SurfaceStep> m_steps;
};

} // namespace kavren
