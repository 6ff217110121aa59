// The five indices of a lactate test (V200, VLa4, VLa2, Hr4, Hr2) from the fitted lines, their
// display in the unit of the discipline, the recovery values at 0, 5, 10 and 20 minutes, the
// speed-to-pace helper and the common lactate axis of several kept curves.
#pragma once

#include "domain/exercise/curve_fit.h"
#include "domain/plot/frozen_curves.h"
#include "domain/exercise/threshold_results.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace kavren {

// V200 = (200 − C) / D, VLa4 = (ln 4 − A) / B, VLa2 = (ln 2 − A) / B, Hr4 = C + VLa4·D and
// Hr2 = C + VLa2·D rounded half to even, in that order, from the double-precision fit. An index
// that would divide by a zero slope or leave its type's range keeps its previous value.
// Returns the indices computed this time; one that kept its previous value is empty.
struct ComputedIndices {
    std::optional<float> v200, vla4, vla2;
    std::optional<std::int16_t> hr4, hr2;
};
ComputedIndices computeIndices(const CurveFitDouble &fit, ThresholdResults &results);

// A speed in m/s as the comparison table shows it for a discipline: "Trav" minutes:seconds per
// km, "Endur" km/h with two decimals, "Rid" m/min with one decimal, "Galopp" seconds per 200 m
// with one decimal. Empty for any other discipline and where the conversion fails (speed 0).
std::optional<QString> speedDisplayText(const QString &discipline, float speedMps);

// The cells of the recovery layout: lactate at 0, 5, 10 and 20 minutes with two decimals and heart
// rate at the same times as whole numbers. A value that cannot be computed stays empty.
struct RecoveryValues {
    static constexpr std::array<int, 4> Minutes = {0, 5, 10, 20};
    std::array<std::optional<QString>, 4> lactate;
    std::array<std::optional<QString>, 4> hr;
};
RecoveryValues recoveryValues(const CurveFitDouble &fit);

// A speed in m/s as a min/km pace in the minutes.seconds form typed in min/km (5.0 gives 3.2,
// 3 min 20 s). 0 for a speed of 0 or one whose pace is beyond the single range.
float speedToPace(float speedMps);

// The common lactate axis of the kept curves 1…curveSlot (at most the six slots that exist): the
// largest of their lactate-axis maxima; empty when no curve is kept.
std::optional<std::int16_t> commonLactateAxisMax(const FrozenCurves &curves, int curveSlot);

} // namespace kavren
