// Draws what a calculation run laid out (the measured points and fitted curves of the test, or of
// all kept tests on the common scale) and the threshold cross, with the screen style values read
// at the moment of drawing. A style value that does not convert skips the steps that use it.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/plot/plot_items.h"
#include "domain/analysis/threshold_calculator.h"
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/style_settings.h"

namespace kavren {

// Everything a calculation run puts on the screen graph, in order: clear (unless frozen), the
// test's axis frame, its points and curves; then, from the second kept curve on, clear, the
// common frame and the kept curves slot by slot. Nothing for a run the freeze guard ended. The
// frames show the axes the run chose; nothing is chosen again here.
void drawCalculationRun(DrawingSurface &surface, const StyleSettings &styles,
                        const CalculationResult &result);

// The measured points and the curves: the points drawn with the line width in force (the axis
// frame ends by setting circleWidth), each curve at curveWidth. Kept curves on the common scale go
// slot by slot, a slot's points right before its curves, so slots 2 to 6 draw their circles in the
// curveWidth that the slot before left.
void drawCurvePlot(DrawingSurface &surface, const StyleSettings &styles, const PlotItems &items);

// The threshold cross in thresholdColour, with the line width left by the run.
void drawThresholdCross(DrawingSurface &surface, const StyleSettings &styles,
                        const ThresholdCross &cross);

} // namespace kavren
