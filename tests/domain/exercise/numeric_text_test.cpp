#include "domain/exercise/numeric_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kavren;

TEST(NumericReading, TakesTheLongestLeadingNumber) {
    struct Case {
        const char16_t *text;
        double expected;
    };
    const Case cases[] = {
        {u"", 0},          {u"abc", 0},   {u"-", 0},      {u".", 0},       {u"12.5 km", 12.5},
        {u".1", 0.1},      {u" .1", 0.1}, {u"0.10", 0.1}, {u"1E3", 1000},  {u"1e3", 1000},
        {u"2.5E-1", 0.25}, {u"1E", 1},    {u"1E+", 1},    {u"5,5", 5},     {u"1.2.3", 1.2},
        {u"+7", 7},        {u"--5", 0},   {u"-3", -3},    {u"1 2 3", 123}, {u"- 4 .5", -4.5},
        {u"\t8\n", 8},     {u"E5", 0},    {u"1e-999", 0}, {u"0x10", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readNumber(QString::fromUtf16(c.text)), c.expected)
            << "text \"" << QString::fromUtf16(c.text).toStdString() << '"';
}

TEST(NumericReading, OverflowReadsAsInfinityAndLongDigitRunsStayExact) {
    EXPECT_EQ(readNumber(u"1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber(u"-1E999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber(u"1E99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber(QString(300, u'9')), 1e300);
    EXPECT_EQ(readNumber(QString("0." + QString(400, u'0') + "1")), 0.0);
    EXPECT_TRUE(std::isinf(readNumber(QString(400, u'9'))));
    EXPECT_EQ(readNumber(QStringLiteral("\x01\x02"
                                        "5")),
              0.0);
}

TEST(NumericReading, BeginsWithNumber) {
    EXPECT_TRUE(beginsWithNumber(u" 4 "));
    EXPECT_TRUE(beginsWithNumber(u"-.5"));
    EXPECT_FALSE(beginsWithNumber(u""));
    EXPECT_FALSE(beginsWithNumber(u"-"));
    EXPECT_FALSE(beginsWithNumber(u"x4"));
}

TEST(NumberWriting, FifteenDigitsWithPointAndLeadingZero) {
    EXPECT_EQ(writeNumber(0.1), "0.1");
    EXPECT_EQ(writeNumber(12.5), "12.5");
    EXPECT_EQ(writeNumber(-3), "-3");
    EXPECT_EQ(writeNumber(0), "0");
    EXPECT_EQ(writeNumber(-0.0), "0");
    EXPECT_EQ(writeNumber(705), "705");
    // 1/3 is held to fifteen significant digits.
    EXPECT_EQ(writeNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(writeNumber(8.33), "8.33");
    EXPECT_EQ(writeNumber(0.0001), "0.0001");
    EXPECT_EQ(writeNumber(0.00001), "1E-05");
    EXPECT_EQ(writeNumber(1e30), "1E+30");
    EXPECT_EQ(writeNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(writeNumber(1e15), "1E+15");
}

TEST(NumberWriting, FifteenDigitsHoldAProductAsTheWholeNumberItStandsFor) {
    // 0.7 · 170 is 118.99999999999999 in binary; to 15 digits it is 119. The largest double
    // would round past the range and keeps its value.
    EXPECT_EQ(0.7 * 170, 118.99999999999999);
    EXPECT_EQ(toFifteenDigits(0.7 * 170), 119);
    EXPECT_EQ(toFifteenDigits(0.1 + 0.2), 0.3);
    EXPECT_EQ(toFifteenDigits(std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());
}

TEST(NumberWriting, FifteenDigitsAndNeverATextThatReadsAsInfinity) {
    // The largest double, 1.7976931348623157E+308, rounded to 15 digits is 1.79769313486232E+308,
    // which lies past the range and would read back as infinity: it is written in full.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(writeNumber(largest), "1.7976931348623157E+308");
    EXPECT_EQ(writeNumber(-largest), "-1.7976931348623157E+308");
    EXPECT_EQ(readNumber(writeNumber(largest)), largest);
    // 1.79769313486231E+308 (rounded down at the 15th digit) stays within range: 15 digits.
    EXPECT_EQ(writeNumber(1.79769313486231e308), "1.79769313486231E+308");
    // Everywhere else the 15 digits the user reads: 0.1 + 0.2 is 0.30000000000000004 in binary
    // and shows as 0.3; 60 · 5.43 is 325.79999999999995 and shows as 325.8.
    EXPECT_EQ(writeNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(writeNumber(60 * 5.43), "325.8");
    EXPECT_EQ(writeNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(writeNumber(123456.78901234567), "123456.789012346");
}

TEST(NumberWriting, SingleIsTheShortestTextThatReadsBack) {
    EXPECT_EQ(writeSingle(17.02f), "17.02");
    EXPECT_EQ(writeSingle(0.41666666f), "0.41666666");
    EXPECT_EQ(writeSingle(700.0f), "700");
    EXPECT_EQ(writeSingle(1e7f), "1E+07");
    EXPECT_EQ(writeSingle(-25.5f), "-25.5");
    for (float f : {0.1f, 1.41666666f, 3.3333333f, 123.456f, 9.99e-5f})
        EXPECT_EQ(float(readNumber(writeSingle(f))), f) << writeSingle(f).toStdString();
}

TEST(NumberWriting, SignedBlankForm) {
    EXPECT_EQ(writeSignedBlank(0.1), " .1");
    EXPECT_EQ(writeSignedBlank(7), " 7");
    EXPECT_EQ(writeSignedBlank(0), " 0");
    EXPECT_EQ(writeSignedBlank(-0.5), "-.5");
    EXPECT_EQ(writeSignedBlank(-12), "-12");
    EXPECT_EQ(writeSignedBlankSingle(15.0f), " 15");
}

TEST(Rounding, HalfEvenIntAndCut) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(80.5), 80);
    EXPECT_EQ(roundHalfEven(149.99999, 0), 150);
    EXPECT_DOUBLE_EQ(roundHalfEven(1.4999999205, 2), 1.5);
    EXPECT_EQ(intFloor(8.339), 8);
    EXPECT_EQ(intFloor(-1.5), -2);
    EXPECT_DOUBLE_EQ(cutDecimals(8.3333, 2), 8.33);
    EXPECT_DOUBLE_EQ(cutDecimals(17.0212765, 2), 17.02);
    // A value so large that scaling it by 10^d overflows has no decimals to round or cut: it
    // stays itself instead of turning into infinity.
    EXPECT_EQ(roundHalfEven(1e307, 2), 1e307);
    EXPECT_EQ(cutDecimals(-1e307, 2), -1e307);
}

TEST(Conversions, SingleAndSixteenBitRanges) {
    EXPECT_EQ(toSingle(1.25), 1.25f);
    EXPECT_FALSE(toSingle(1e39).has_value());
    EXPECT_FALSE(toSingle(std::nan("")).has_value());
    EXPECT_EQ(toInteger16(32767.4), 32767);
    EXPECT_EQ(toInteger16(-0.5), 0);
    EXPECT_FALSE(toInteger16(32767.5).has_value());
    EXPECT_FALSE(toInteger16(1e30).has_value());
    EXPECT_EQ(withDecimalPoints("5,5"), "5.5");
}
