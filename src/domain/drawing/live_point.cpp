#include "domain/drawing/live_point.h"

#include "domain/drawing/axis_frame.h"
#include "domain/drawing/drawing_surface.h"

namespace kavren {

void drawLivePoint(DrawingSurface &surface, double speedMps, double heartRate, double hrScale) {
    constexpr int White = 15;
    const double y = (heartRate - LivePointHrBase) * hrScale;
    const ClipScope clip(surface, GraphPlottingArea);
    surface.circle(QPointF(speedMps, y), LivePointRadius,
                   surface.visibleColour(colourOfPaletteNumber(White)));
}

} // namespace kavren
