// Choosing the test's steps from the pairs of a finished live run, without the network.
#include "remote_link/step_selection.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace kavren;

namespace {

SampleBuffer bufferOf(const std::vector<std::pair<float, float>> &pairs) {
    SampleBuffer samples;
    for (const auto &[speed, hr] : pairs)
        samples.setRow(samples.sampleCount++, speed, hr);
    return samples;
}

} // namespace

TEST(StepSelection, EqualSpeedsKeepTheOrderTheyArrivedInAndBothTablesFollowTheSort) {
    SampleBuffer samples = bufferOf({{6, 150}, {5, 141}, {6, 152}, {5, 140}, {4, 130}});
    sortSamplesBySpeed(samples, samples.sampleCount);
    const std::vector<std::array<float, 2>> expected = {
        {4, 130}, {5, 141}, {5, 140}, {6, 150}, {6, 152}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(samples.speedHrTable[i], expected[i]) << i;
        EXPECT_EQ(samples.hrSpeedTable[i][0], expected[i][1]) << i;
        EXPECT_EQ(samples.hrSpeedTable[i][1], expected[i][0]) << i;
    }
}

TEST(StepSelection, OneOrTwoPairsFillEveryStepFromTheFirstAndTheLastRow) {
    // One pair: last = 0, s = 0, 4s = 0 ≤ 0, so every step takes row 0.
    EXPECT_EQ(stepRowsOf(1), (std::array<std::optional<int>, StepRows>{0, 0, 0, 0, 0, 0}));
    // Three pairs: last = 2, s = 0.4 → 0: steps 1–5 row 0, step 6 row 2.
    EXPECT_EQ(stepRowsOf(3), (std::array<std::optional<int>, StepRows>{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(stepRowsOf(0), (std::array<std::optional<int>, StepRows>{}));
}

TEST(StepSelection, StepsAreWrittenAsMinPerKmPacesAndWholeHeartRates) {
    // 7 m/s is 25.2 km/h, 60 / 25.2 = 2.38095 min = 2 min 22.857 s, written 2.23 (2.22857 rounded);
    // 3 m/s: 10.8 km/h, 5.5556 min = 5 min 33.3 s → 5.33; 5 m/s: 3 min 20 s → 3.2.
    SampleBuffer samples = bufferOf({{7, 171}, {3, 120}, {5, 150}});
    const LinkStepTexts texts = takeLinkSteps(samples);
    const char *speeds[] = {"5.33", "5.33", "5.33", "5.33", "5.33", "2.23"};
    const char *hrs[] = {"120", "120", "120", "120", "120", "171"};
    for (std::size_t step = 0; step < StepRows; ++step) {
        EXPECT_EQ(texts.speedTexts[step], QString::fromLatin1(speeds[step])) << step;
        EXPECT_EQ(texts.hrTexts[step], QString::fromLatin1(hrs[step])) << step;
    }
    EXPECT_EQ(samples.speedHrTable[1], (std::array<float, 2>{5, 150}));
}
