// The axis frame of the graph: axis lines, unit titles, axis title, dotted grid, tick marks and
// numeric labels on the graph canvas (x 3…16, y 13…−3; plotting area x 4…15, y 0…12). The ranges,
// ticks and labels are chosen as plain values (exercise/graph_axes.h); the drawing functions only
// put them on a surface.
#pragma once

#include "domain/plot/graph_axes.h"
#include "domain/exercise/graph_scale.h"
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/style_settings.h"

#include <vector>

namespace kavren {

// The user scale of the screen graph `lakta`.
inline constexpr UserScale GraphCanvasScale{GraphCanvas::Left, GraphCanvas::Top, GraphCanvas::Right,
                                            GraphCanvas::Bottom};

// The plotting area inside the axes, x 4…15 and y 0…12, on the screen and on paper: the data drawn
// on a graph is clipped to it (QRectF's top is the smaller y).
inline constexpr QRectF GraphPlottingArea{4, 0, 11, 12};

// x of the grid points of one row: 4, 4.1, … by repeated addition while x ≤ 15.
std::vector<double> gridXs();

// The single-test frame of chosen axes: lines, titles, grid, ticks and all labels. The line width
// is expected to be `helpLineWidth` already; the frame ends by setting it to `circleWidth`.
void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, const GraphAxes &axes);

// The common-scale frame of chosen axes (the kept curves on one scale): the same pieces in its
// own colours; like the single-test frame it ends by setting the line width to `circleWidth`.
void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles,
                          const GraphAxes &axes);

// Choose-and-draw in one, for a frame drawn outside a calculation run: chooses the axes as above,
// stores their ranges in the scale and draws the frame.
void drawAxisFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                   const AxisChoiceInput &input);
// Only the range labels of a single-test frame (and the closing `circleWidth`).
void drawAxisRanges(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                    const AxisChoiceInput &input);
void drawCommonScaleFrame(DrawingSurface &surface, const StyleSettings &styles, GraphScale &scale,
                          bool recovery, double firstHr);

} // namespace kavren
