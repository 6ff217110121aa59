// The heart-rate line and V200 of a recording with continuous samples, for a heart-rate file shown
// without extracted steps: a least-squares line over all samples and six synthetic steps on it.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/index_run.h"
#include "domain/plot/plot_items.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/exercise/current_exercise.h"

#include <QString>

#include <array>
#include <optional>

namespace kavren {

// The heart-rate scale of a recording drawn on the graph: 0.1 per beat per minute on the
// 120…240 axis.
inline constexpr float kRecordingHrScale = 0.1f;

struct ContinuousHrResult {
    bool fitted = false; // false: no samples or all at one speed; the line keeps its old values
    // The six synthetic steps, written for min/km: puls1…puls6 and temp1…temp6 (empty: unchanged).
    std::array<std::optional<QString>, StepRows> hrTexts;
    std::array<std::optional<QString>, StepRows> speedTexts;
    // The line from 4 m/s to MaxSpeed on the 120…240 heart-rate axis, in the screen
    // heart-rate colour and line width 2.
    PlotCurve line;
};

// ContinuousHrLine over samples 0…sampleCount (the index of the last sample). Sets the heart-rate
// line of both fits, the 120…240 heart-rate scale, and ends with the index run.
ContinuousHrResult continuousHrLine(const SampleBuffer &buffer, const IndexRunInputs &indexInputs,
                                    CurrentTest &test, ComparisonCells &cells);

} // namespace kavren
