// Choosing the test's steps from the pairs of a finished live run, without the network.
#include "domain/remote_link/step_selection.h"

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

TEST(StepSelection, FewPairsFillSeveralStepsFromTheSameRow) {
    // One pair: last = 0, s = 0, 4s = 0 ≤ 0, so every step takes row 0.
    EXPECT_EQ(stepRowsOf(1), (std::array<std::optional<int>, StepRows>{0, 0, 0, 0, 0, 0}));
    // Three pairs: last = 2, s = 0.4 → 0: steps 1–5 row 0, step 6 row 2.
    EXPECT_EQ(stepRowsOf(3), (std::array<std::optional<int>, StepRows>{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(stepRowsOf(0), (std::array<std::optional<int>, StepRows>{}));
}
