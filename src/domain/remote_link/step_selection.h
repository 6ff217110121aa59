// The test's steps from a finished live run: the received pairs sorted by speed and six of them
// picked evenly from the slowest to the fastest, written the way min/km is typed.
#pragma once

#include "domain/exercise/sample_buffer.h"
#include "domain/exercise/exercise_step.h"

#include <QString>

#include <array>
#include <optional>

namespace kavren {

// Sorts rows 0…count−1 of both sample tables by speed, slowest first; pairs of equal speed keep
// the order they arrived in.
void sortSamplesBySpeed(SampleBuffer &samples, int count);

// The rows the six steps take from `count` sorted pairs (count ≥ 1): with last = count − 1 and
// s = last / 5 rounded half to even, rows 0, s, 2s, 3s, 4s and last. Step 5 takes no row when 4s
// lies beyond last. Empty for every step when count < 1.
std::array<std::optional<int>, StepRows> stepRowsOf(int count);

// The texts of the steps: temp as the min/km pace in minutes.seconds rounded to two decimals,
// puls as the whole heart rate. A step without a row keeps what it shows.
struct LinkStepTexts {
    std::array<std::optional<QString>, StepRows> speedTexts;
    std::array<std::optional<QString>, StepRows> hrTexts;
};

// Sorts the first samples.sampleCount pairs and picks the steps from them.
LinkStepTexts takeLinkSteps(SampleBuffer &samples);

} // namespace kavren
