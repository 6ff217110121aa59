// Several kept tests on one scale: after the common axis frame has been drawn, every kept curve is
// drawn again (its measured points, its heart-rate line and lactate curve) on the common ranges,
// and the lactate cursor positions of the kept tests follow the new scale.
#pragma once

#include "domain/plot/plot_items.h"
#include "domain/plot/frozen_curves.h"
#include "domain/exercise/graph_scale.h"
#include "domain/plot/point_table.h"

#include <QString>

#include <cstdint>

namespace kavren {

struct CommonScaleInputs {
    int curveSlot = 0; // the kept curves are slots 1…curveSlot (at most 6)
    QString lakt1Text; // the test on screen: 0.1 marks a heart-rate-only test
    double firstX = 0; // the test on screen's x of step 1, undivided
};

// PlotSammaSkala: the items of each slot, closed by a slot end, so that every slot's points are
// drawn right before its curves. Leaves stepCount at the step count of the last slot drawn and
// currentLactate at the last lactate sample. A lactate sample beyond the single range ends the
// redraw there.
PlotItems plotOnCommonScale(const FrozenCurves &curves, const CommonScaleInputs &inputs,
                            const GraphScale &scale, std::int16_t &stepCount,
                            PointTable &pointTable, float &currentLactate);

} // namespace kavren
