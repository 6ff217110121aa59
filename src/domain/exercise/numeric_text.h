// The numeric reading and writing rules that every field of the program goes through: a number
// is typed and shown as text with "." as the decimal sign, read by its longest leading number and
// written as its shortest text. Also the rounding forms the calculations use (half to even, Int,
// cut) and the single- and 16-bit-precision conversions.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace kavren {

// Reads the longest leading number of a text: optional sign, digits, at most one ".", optional
// exponent (E or e). Blanks anywhere are ignored; reading stops at the first other character.
// No number gives 0. A number beyond the double range gives plus or minus infinity, so callers
// that must stop on an overflow can test std::isfinite.
double readNumber(QStringView text);

// The strict reading: the whole text, blanks before and after allowed, must be one number
// (optional sign, digits with at most one ".", optional exponent). Empty text, letters, inner
// blanks, a "," or a number beyond the double range give no value.
std::optional<double> readStrictNumber(QStringView text);

// True when the text, blanks ignored, begins with a number that the reading rule takes.
bool beginsWithNumber(QStringView text);

// Decimal text of a double held to 15 significant digits, without trailing zeros: "0.1", "12.5",
// "-3", "1E+30", "325.8" for 60 · 5.43. A value so close to the largest double that 15 digits
// would read back as infinity is written in full: "1.7976931348623157E+308". "." is the decimal
// sign whatever the platform's locale.
QString writeNumber(double value);

// The value held to 15 significant digits, the precision in which a product such as 0.7 · 170
// (118.99999999999999 in binary) counts as the whole number it stands for (119).
double toFifteenDigits(double value);

// Shortest decimal text that reads back to the same single-precision value: 17.02f gives "17.02".
QString writeSingle(float value);

// The signed-blank form: one leading blank for a value that is not negative and no leading zero
// (0.1 gives " .1", 7 gives " 7", -0.5 gives "-.5").
QString writeSignedBlank(double value);
QString writeSignedBlankSingle(float value);

// Every "," of a text replaced by ".".
QString withDecimalPoints(QString text);

// Rounding to a whole number with halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);
// Round(x, d): x·10^d rounded half to even, divided by 10^d.
double roundHalfEven(double value, int decimals);
// Int: rounds down (Int(8.339) = 8, Int(-1.5) = -2).
double intFloor(double value);
// Cut: Int(x·10^d) / 10^d, the value cut to d decimals.
double cutDecimals(double value, int decimals);

// The value held in single precision; empty when it lies beyond the single range.
std::optional<float> toSingle(double value);
// The value rounded half to even into the 16-bit range; empty when it does not fit.
std::optional<std::int16_t> toInteger16(double value);

} // namespace kavren
