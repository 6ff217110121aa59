// Which test indices are read off the fitted lines beyond the measured steps: V200 when 200 b/min
// lies outside the measured heart rates, VLa2 and VLa4 (and with them Hr2 and Hr4) when 2 or
// 4 mmol/l lies outside the measured lactates. Such a value is a guess from the extended line, and
// the table and the printed page say so beside the number.
#pragma once

#include "domain/analysis/curve_fitting.h"

#include <QString>

namespace kavren {

struct IndexMark {
    enum class Beyond { Nothing, Above, Below };
    enum class Quantity { HeartRate, Lactate };

    // False when nothing can be said: the index is not shown for this test (a heart-rate-only
    // test has no VLa2, VLa4, Hr2 or Hr4) or its line was not fitted from these steps.
    bool assessed = false;
    Beyond beyond = Beyond::Nothing;
    Quantity quantity = Quantity::HeartRate;
    double level = 0;    // 200 b/min, 2 or 4 mmol/l
    double measured = 0; // the highest (above) or lowest (below) measured value

    bool extrapolated() const { return beyond != Beyond::Nothing; }
    // "extrapolated: 4 mmol/l lies above the highest measured lactate (3.1 mmol/l)"; empty when
    // the index lies within the measured range. Made on demand, so the check itself stays cheap.
    QString toolTip() const;
};

struct ExtrapolationMarks {
    IndexMark v200, vla2, vla4, hr2, hr4;
};

// The marks of the indices computed from a fit over the first stepCount steps. lactateShown is
// false for a heart-rate-only test. A level equal to the highest or lowest measured value counts
// as measured.
ExtrapolationMarks extrapolationMarks(const StepReadings &steps, int stepCount, bool lactateShown);

// What the "*" after an extrapolated number means, for the foot of a printed page.
inline constexpr char ExtrapolationFootnote[] = QT_TRANSLATE_NOOP(
    "Extrapolation", "* extrapolated: read off the fitted line beyond the measured steps");

} // namespace kavren
