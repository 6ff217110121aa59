// The live point: one received (or imported) sample of speed and heart rate drawn on the graph as
// it arrives, before any curve is fitted to it.
#pragma once

namespace kavren {

class DrawingSurface;

// The heart-rate base of the live point: the first run after connecting sets the 120…240 axis, so
// 120 b/min stands at graph y = 0.
inline constexpr double LivePointHrBase = 120;
// Radius of the live point in graph x units.
inline constexpr double LivePointRadius = 0.05;

// A white (palette 15) circle of radius 0.05 at x = speed in m/s used directly as graph x and
// y = (heart rate − 120) · hrScale, drawn with the surface's current fill style; black on a light
// background, where white would vanish, and not at all outside the plotting area.
void drawLivePoint(DrawingSurface &surface, double speedMps, double heartRate, double hrScale);

} // namespace kavren
