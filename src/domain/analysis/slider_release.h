// What releasing one of the two threshold sliders does: run the threshold calculator on the test
// on screen, or put the slider back where it rests.
#pragma once

#include <QString>

namespace kavren {

enum class SliderRelease {
    RunThreshold, // tröskel on the current curves
    SetToZero,
    SetTo120,
};

// Slider1 (heart rate): back to 0 while "Freeze curve" is ticked, back to 120 on a test without
// heart rates, otherwise the threshold at the chosen heart rate.
SliderRelease heartRateSliderReleased(bool freezeTicked, const QString &puls1Text);

// Slider2 (lactate): back to 0 while "Freeze curve" is ticked or when lakt1 is empty or holds the
// heart-rate-only lactate "0.1", otherwise the threshold at the chosen lactate.
SliderRelease lactateSliderReleased(bool freezeTicked, const QString &lakt1Text);

} // namespace kavren
