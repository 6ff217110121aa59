#include "graph/live_point.h"

#include "graph/axis_frame.h"
#include "graph/drawing_surface.h"

namespace kavren {

void drawLivePoint(DrawingSurface &surface, double speedMps, double heartRate, double hrScale) {
    constexpr int White = 15;
    const double y = (heartRate - LivePointHrBase) * hrScale;
    const ClipScope clip(surface, GraphPlottingArea);
    surface.circle(QPointF(speedMps, y), LivePointRadius,
                   surface.visibleColour(colourOfPaletteNumber(White)));
}

} // namespace kavren
