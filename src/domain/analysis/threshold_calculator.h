// The threshold calculator of the frame "Calculate threshold": a threshold speed (Text3), heart
// rate (Text2) or lactate (Text1, Slider2) turned into the other two by the single-precision fit,
// the speed shown as pace, km/h, m/min and seconds per 200 m, and the threshold cross on the graph.
// Every result is optional: empty means "leave that field as it is" (the step failed, for example
// on a zero slope or a value beyond its range).
#pragma once

#include "domain/exercise/curve_fit.h"
#include "domain/exercise/graph_scale.h"
#include "domain/exercise/speed_unit.h"

#include <QLineF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kavren {

// Change of Text3 (threshold speed, m/s).
struct SpeedFieldsUpdate {
    QString speedText;                      // Text3 with "," replaced by "."
    std::optional<QString> hrText;          // Text2: empty text for an empty Text3
    std::optional<QString> pace;            // Label18: minutes "'" seconds, signed-blank form
    QString paceUnit;                       // Label21: "min/km"
    std::optional<QString> kmPerHour;       // Label25, two decimals
    std::optional<QString> secondsPer200m;  // Label58, two decimals; unchanged for a speed of 0
    std::optional<QString> metresPerMinute; // Label65
};
SpeedFieldsUpdate speedFieldChanged(const QString &text3, const CurveFit &fit);

// Change of Text2 (threshold heart rate): the speed with three decimals for Text3, or an empty
// text for an empty Text2. Empty result where the slope is 0 or 1000 · speed leaves 16 bits.
std::optional<QString> hrFieldChanged(const QString &text2, const CurveFitDouble &fitDouble,
                                      const CurveFit &fit);

// The lactate at speed v with two decimals (Text1 on a double-click of Text2).
std::optional<QString> lactateAtSpeed(double speed, const CurveFit &fit);

// Change of Text1 (threshold lactate). Without a unit the message "Select speed !" is shown and
// the text stays as typed; otherwise, while "Freeze curve" is not ticked, "," becomes "." and
// the heart-rate-only value 0.1 is emptied.
struct LactateFieldReaction {
    bool showSelectSpeed = false;
    std::optional<QString> newText;
};
LactateFieldReaction lactateFieldChanged(const QString &text1, SpeedUnit unit, bool freezeChecked);

// The threshold speed kept on the graph: "4" below 4 m/s, "15" above 15 m/s, else unchanged.
std::optional<QString> clampedThresholdSpeed(double speed);

// The threshold cross at speed v: the lactate lines (unless the test is heart-rate-only) and the
// heart-rate lines, all in the threshold colour. The vertical stands at the graph x of v, so that
// in a recovery test a time lies where its points are. A lactate beyond the single range ends the
// cross after what was already drawn.
struct ThresholdCross {
    std::optional<QString> lactateText; // Text1
    std::vector<QLineF> lines;
};
ThresholdCross thresholdCross(double speed, const CurveFit &fit, const GraphScale &scale,
                              bool hrOnly, float &currentLactate);

// Whether scrolling a slider acts: not after "Clear screen", not while "Freeze curve" is ticked,
// not before a run has counted steps.
bool slidersActive(bool slidersInert, bool freezeChecked, std::int16_t stepCount);

// Slider1 (heart rate): the speed with two decimals for Text3.
std::optional<QString> hrSliderScrolled(int heartRate, const CurveFitDouble &fitDouble);

// Slider2 (lactate in tenths of mmol/l): the speed for Text3 and the lactate for Text1.
struct LactateSliderUpdate {
    std::optional<QString> speedText;
    std::optional<QString> lactateText;
};
LactateSliderUpdate lactateSliderScrolled(int tenths, const CurveFit &fit, bool hrOnly);

} // namespace kavren
