// Rounding to two decimals where a rule says "rounded": the hundredths are rounded half to even,
// so ties fall both ways depending on the digit before them.
#include "domain/exercise/numeric_text.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(TwoDecimals, HalvesGoToTheEvenHundredth) {
    // 0.125·100 = 12.5 → 12 (half up would give 0.13); 0.135·100 = 13.5 → 14 (floor gives 0.13);
    // 0.375 → 37.5 → 38; −0.125 → −12.5 → −12 (floor gives −0.13).
    EXPECT_DOUBLE_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(roundHalfEven(-0.125, 2), -0.12);
    // Not a tie: 0.1251 → 0.13, 0.1349 → 0.13.
    EXPECT_DOUBLE_EQ(roundHalfEven(0.1251, 2), 0.13);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.1349, 2), 0.13);
    // Whole numbers: 150.5 → 150, 151.5 → 152, 150.6 → 151.
    EXPECT_EQ(roundHalfEven(150.5), 150);
    EXPECT_EQ(roundHalfEven(151.5), 152);
    EXPECT_EQ(roundHalfEven(150.6), 151);
}

TEST(TwoDecimals, CutAndIntNeverRoundUp) {
    // Cut keeps the digits: 0.129 → 0.12, 7.6596 → 7.65; Int goes down, also below zero.
    EXPECT_DOUBLE_EQ(cutDecimals(0.129, 2), 0.12);
    EXPECT_DOUBLE_EQ(cutDecimals(7.6596, 2), 7.65);
    EXPECT_DOUBLE_EQ(cutDecimals(7.6596, 1), 7.6);
    EXPECT_EQ(intFloor(150.99), 150);
    EXPECT_EQ(intFloor(-0.01), -1);
}
