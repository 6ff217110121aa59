// Keeps the drawn steps in order for tests.
#include "support/recording_surface.h"

namespace kavren {

RecordingSurface::RecordingSurface(const QRectF &deviceArea) : DrawingSurface(deviceArea) {}

void RecordingSurface::draw(const SurfaceStep &step) {
    m_steps.push_back(step);
}

std::vector<SurfaceStep> RecordingSurface::stepsOf(SurfaceStep::Kind kind) const {
    std::vector<SurfaceStep> found;
    for (const SurfaceStep &step : m_steps)
        if (step.kind == kind)
            found.push_back(step);
    return found;
}

const SurfaceStep *RecordingSurface::findText(const QString &trimmedText) const {
    for (const SurfaceStep &step : m_steps)
        if (step.kind == SurfaceStep::Kind::Text && step.text.trimmed() == trimmedText)
            return &step;
    return nullptr;
}

} // namespace kavren
