// The clinic's band of an index: percentiles between the closest ranks at p·(n − 1), worked out
// by hand on the squares 1², 2², …, 20².
#include "domain/analysis/reference_band.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kavren {
namespace {

std::vector<double> squaresDownFrom(int n) {
    std::vector<double> values;
    for (int i = n; i >= 1; --i)
        values.push_back(double(i) * i);
    return values;
}

TEST(ReferenceBand, PercentilesInterpolateBetweenClosestRanksOfTwentyTests) {
    // Sorted: s[0] = 1, s[1] = 4, s[2] = 9, …, s[k] = (k + 1)². Given largest first.
    // p10: 0.1 · 19 = 1.9 → 4 + 0.9 · (9 − 4) = 8.5 (nearest rank gives 4, p·(n + 1) = 2.1
    //      gives 4.5).
    // p50: 9.5 → 100 + 0.5 · (121 − 100) = 110.5.
    // p90: 17.1 → 324 + 0.1 · (361 − 324) = 327.7 (nearest rank 324, p·(n + 1) = 18.9 → 357.3).
    const ReferenceBand band = referenceBandOf(squaresDownFrom(20));
    EXPECT_EQ(band.testCount, 20);
    ASSERT_TRUE(band.shown());
    EXPECT_NEAR(*band.p10, 8.5, 1e-12);
    EXPECT_NEAR(*band.median, 110.5, 1e-12);
    EXPECT_NEAR(*band.p90, 327.7, 1e-12);
}

TEST(ReferenceBand, NineteenTestsGiveNoBand) {
    const ReferenceBand band = referenceBandOf(squaresDownFrom(19));
    EXPECT_EQ(band.testCount, 19);
    EXPECT_FALSE(band.shown());
    EXPECT_FALSE(band.p10 || band.median || band.p90);
}

TEST(ReferenceBand, PercentileEndsAreTheExtremesAndOutsideIsNothing) {
    std::vector<double> sorted = squaresDownFrom(5);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(percentileOfSorted(sorted, 0.0), 1.0);
    EXPECT_EQ(percentileOfSorted(sorted, 1.0), 25.0);
    EXPECT_EQ(percentileOfSorted(sorted, 1.01), std::nullopt);
    EXPECT_EQ(percentileOfSorted({}, 0.5), std::nullopt);
}

} // namespace
} // namespace kavren
