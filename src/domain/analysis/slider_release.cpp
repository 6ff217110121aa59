#include "domain/analysis/slider_release.h"

#include "domain/exercise/exercise_step.h"

namespace kavren {

SliderRelease heartRateSliderReleased(bool freezeTicked, const QString &puls1Text) {
    if (freezeTicked)
        return SliderRelease::SetToZero;
    return puls1Text.isEmpty() ? SliderRelease::SetTo120 : SliderRelease::RunThreshold;
}

SliderRelease lactateSliderReleased(bool freezeTicked, const QString &lakt1Text) {
    if (freezeTicked || lakt1Text.isEmpty() || lakt1Text == kHeartRateOnlyLactateText)
        return SliderRelease::SetToZero;
    return SliderRelease::RunThreshold;
}

} // namespace kavren
