// The test being worked on. The texts that the user sees live in the entry controls and are read
// from there at the moment of use; this holds everything else that belongs to the test on screen.
#pragma once

#include "domain/exercise/curve_fit.h"
#include "domain/exercise/graph_scale.h"
#include "domain/exercise/speed_unit.h"
#include "domain/exercise/exercise_step.h"
#include "domain/exercise/threshold_results.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kavren {

// What a saved test stores for an empty maximum heart rate, stable or trainer: a single blank,
// which loading puts back into the field as it is.
inline const QString kBlankStoredField = QStringLiteral(" ");
// The comments text of a test without comments: a single blank, which the comments field is
// emptied to and which a test saved without comments stores.
inline const QString kNoComments = kBlankStoredField;

// Field widths are part of the results, not an implementation detail: the test's counters and
// whole-number values are 16-bit (`std::int16_t`), so a value beyond -32768…32767 does not fit and
// its step is refused rather than wrapped, and the values the rules compute in single precision
// are `float`, because rounding at float precision changes printed digits (8 m/s in trotting
// leaves 4.999995 s and shows as "2:04"). Widening either would change numbers users compare
// with earlier tests.
struct CurrentTest {
    QString discipline; // "Trav", "Endur", "Rid", "Galopp", "Recovery" or ""
    SpeedUnit speedUnit = SpeedUnit::NoUnit;
    std::array<QString, StepRows> pace; // the pace of each row, written by the unit conversion
    bool hrOnly = false;
    bool importedFromFile = false;
    QString recordingDate; // date of an imported recording
    QString testDate;      // Datum of the test last loaded from the database
    ThresholdResults results;
    std::int16_t maxHr = 0; // Text21 as a whole number, for the recovery row

    // Calculation state shared by the calculation run, the graph and the comparison table.
    CurveFit fit;
    CurveFitDouble fitDouble;
    GraphScale scale;
    std::int16_t stepCount = 0;
    float lastStepX = 0;
    std::int16_t curveSlot = 0;
    std::int16_t comparedCount = 0;
};

} // namespace kavren
