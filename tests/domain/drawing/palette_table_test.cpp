// The sixteen colours of the palette, each at its own number, and the edges of the number range
// with halves on both sides.
#include "domain/drawing/palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kavren;

TEST(PaletteTable, EveryNumberHasItsOwnColour) {
    const QColor table[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(paletteColour(n), table[n]) << n;
        EXPECT_EQ(paletteColourOfNumber(n), table[n]) << n;
    }
    EXPECT_FALSE(paletteColour(-1).has_value());
    EXPECT_FALSE(paletteColour(16).has_value());
}

TEST(PaletteTable, NumbersAreRoundedHalfToEvenBeforeTheRangeCheck) {
    // 14.5 → 14 (light yellow), 15.5 → 16 (none), −0.5 → 0 (black), 0.5 → 0, 15.4 → 15.
    EXPECT_EQ(paletteColourOfNumber(14.5), QColor(255, 255, 0));
    EXPECT_FALSE(paletteColourOfNumber(15.5).has_value());
    EXPECT_EQ(paletteColourOfNumber(-0.5), QColor(0, 0, 0));
    EXPECT_EQ(paletteColourOfNumber(0.5), QColor(0, 0, 0));
    EXPECT_EQ(paletteColourOfNumber(15.4), QColor(255, 255, 255));
    EXPECT_FALSE(paletteColourOfNumber(-0.6).has_value());
    EXPECT_FALSE(paletteColourOfNumber(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(paletteColourOfNumber(std::nan("")).has_value());
    // Texts: a whole number after rounding, or nothing.
    EXPECT_EQ(paletteColourOfText(QStringLiteral(" 9 ")), QColor(0, 0, 255));
    EXPECT_EQ(paletteColourOfText(QStringLiteral("3.5")), QColor(128, 0, 0));
    EXPECT_FALSE(paletteColourOfText(QStringLiteral("9a")).has_value());
    EXPECT_EQ(wholeNumberOfText(u"6.5"), std::optional(6.0));
    EXPECT_EQ(wholeNumberOfText(u"7.5"), std::optional(8.0));
    EXPECT_FALSE(wholeNumberOfText(u"").has_value());
}
