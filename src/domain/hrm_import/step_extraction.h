// The steps of a heart-rate file: for every pair of lap times (start and end of a speed step) the
// lactate stored with the end lap, its mean heart rate and the mean speed over the step.
#pragma once

#include "domain/hrm_import/hrm_file.h"

#include <array>
#include <optional>
#include <vector>

namespace kavren {

struct ExtractedStep {
    float lactate = 0;             // mmol/l
    float heartRate = 0;           // b/min
    std::optional<float> speedMps; // none when the file holds no speed
};

// At most this many steps are taken from one file.
inline constexpr int MaxExtractedSteps = 7;

// One step per pair of lap-time texts (element 2n the start, 2n + 1 the end of step n), stopping at
// the first empty start text:
// - heart rate: the whole-number value of the end lap's fourth field (the lap's mean heart rate);
// - lactate: the whole-number first value of the end lap's third line, divided by 10;
// - speed: the mean of the samples from the first one less than 5 s before the start to the first
//   one less than 5 s before the end (both included), rounded half to even, in m/s.
// The end lap of a pair is the lap whose time is the end text, looked for among the laps after the
// previous step's end lap: the user may pair the laps freely, e.g. one lap at the end of each step
// typed as 00:00:00 / 00:16:17, 00:16:17 / 00:35:49. A text that is no time, an end time that is
// no lap's, a missing lap line or value, or a window without samples ends the extraction with the
// steps found so far.
std::vector<ExtractedStep> extractSteps(const HrmFile &file,
                                        const std::array<QString, 12> &lapTexts);

} // namespace kavren
