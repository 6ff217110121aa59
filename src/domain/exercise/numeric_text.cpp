#include "domain/exercise/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kavren {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Number of digits from position i on.
qsizetype digitRun(QStringView text, qsizetype i) {
    qsizetype count = 0;
    while (i + count < text.size() && isDigit(text[i + count]))
        ++count;
    return count;
}

// True when the text (already without surrounding blanks) is exactly one number.
bool isWholeNumber(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype integerDigits = digitRun(text, i);
    i += integerDigits;
    qsizetype fractionDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        fractionDigits = digitRun(text, i);
        i += fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return false;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        const qsizetype exponentDigits = digitRun(text, i);
        if (exponentDigits == 0)
            return false;
        i += exponentDigits;
    }
    return i == text.size();
}

// The leading number of a text, taken apart as the reading rule sees it.
struct LeadingNumber {
    bool negative = false;
    std::string digits;     // mantissa digits without the point
    int pointPosition = -1; // digits before the point, or -1 without a point
    long long exponent = 0; // saturated, so that absurd exponents stay representable
    bool found = false;     // at least one mantissa digit
};

LeadingNumber scanLeadingNumber(QStringView text) {
    LeadingNumber number;
    enum class Stage { Sign, Mantissa, ExponentSign, ExponentDigits } stage = Stage::Sign;
    bool pointSeen = false;
    bool exponentNegative = false;
    bool exponentDigitSeen = false;
    long long exponent = 0;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if (stage == Stage::Sign) {
            stage = Stage::Mantissa;
            if (c == u'+' || c == u'-') {
                number.negative = (c == u'-');
                continue;
            }
        }
        if (stage == Stage::Mantissa) {
            if (isDigit(c)) {
                number.digits.push_back(char(c.unicode()));
                number.found = true;
            } else if (c == u'.' && !pointSeen) {
                pointSeen = true;
                number.pointPosition = int(number.digits.size());
            } else if ((c == u'E' || c == u'e') && number.found) {
                stage = Stage::ExponentSign;
            } else {
                break;
            }
            continue;
        }
        if (stage == Stage::ExponentSign) {
            stage = Stage::ExponentDigits;
            if (c == u'+' || c == u'-') {
                exponentNegative = (c == u'-');
                continue;
            }
        }
        if (!isDigit(c))
            break;
        exponentDigitSeen = true;
        if (exponent < 1'000'000'000)
            exponent = exponent * 10 + (c.unicode() - u'0');
    }
    if (exponentDigitSeen)
        number.exponent = exponentNegative ? -exponent : exponent;
    if (number.pointPosition < 0)
        number.pointPosition = int(number.digits.size());
    return number;
}

// Decimal exponent of the first significant digit, for telling an overflow from an underflow.
long long magnitudeOf(const LeadingNumber &number) {
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return number.pointPosition - static_cast<long long>(first) - 1 + number.exponent;
}

// Formats significant digits d1 d2 ... with decimal exponent e (the value d1.d2... × 10^e) the
// way the program shows numbers: fixed notation from 1E-4 up to below 10^fixedLimit, otherwise
// "1E+30" / "1E-05".
QString formatDigits(bool negative, std::string digits, int exponent, int fixedLimit) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = negative ? "-" : "";
    if (exponent >= -5 + 1 && exponent < fixedLimit) {
        if (exponent < 0) {
            text += "0.";
            text.append(std::size_t(-exponent - 1), '0');
            text += digits;
        } else {
            const auto integerDigits = std::size_t(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text += digits;
                text.append(integerDigits - digits.size(), '0');
            } else {
                text += digits.substr(0, integerDigits);
                text += '.';
                text += digits.substr(integerDigits);
            }
        }
    } else {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    }
    return QString::fromStdString(text);
}

// Splits the scientific text "-d.ddde+XX" of std::to_chars into sign, digits and exponent.
template <typename T>
QString formatScientific(T value, int fixedLimit, std::optional<int> precision) {
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN")
                                 : (value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf"));
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    const auto result = precision ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                  std::chars_format::scientific, *precision)
                                  : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                  std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    const auto e = text.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.')
            digits.push_back(text[i]);
    const int exponent = std::stoi(text.substr(e + 1));
    return formatDigits(negative, digits, exponent, fixedLimit);
}

QString toSignedBlank(QString text) {
    if (text.startsWith(u'-')) {
        if (text.startsWith(u"-0."))
            text.remove(1, 1);
        return text;
    }
    if (text.startsWith(u"0."))
        text.remove(0, 1);
    return u' ' + text;
}

} // namespace

double readNumber(QStringView text) {
    const LeadingNumber number = scanLeadingNumber(text);
    if (!number.found)
        return 0.0;
    std::string plain = number.digits;
    plain.insert(std::size_t(number.pointPosition), 1, '.');
    plain += 'e';
    plain += std::to_string(number.exponent);
    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitudeOf(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number.negative ? -value : value;
}

std::optional<double> readStrictNumber(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView number = text.mid(begin, end - begin);
    if (!isWholeNumber(number))
        return std::nullopt;
    const double value = readNumber(number);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool beginsWithNumber(QStringView text) {
    return scanLeadingNumber(text).found;
}

QString writeNumber(double value) {
    // Fifteen significant digits, so that 60 · 5.43 shows as 325.8 and not as the binary
    // neighbour 325.79999999999995. Only next to the largest double can rounding to fifteen
    // digits pass the range (1.79769313486232E+308 reads back as infinity); such a value is
    // written with the digits that read back as itself.
    constexpr double FifteenDigitsStayInRange = 1.7976931348623e308;
    if (std::isfinite(value) && std::abs(value) >= FifteenDigitsStayInRange) {
        const QString text = formatScientific(value, 15, 14);
        return std::isfinite(readNumber(text)) ? text : formatScientific(value, 15, std::nullopt);
    }
    return formatScientific(value, 15, 14);
}

double toFifteenDigits(double value) {
    if (!std::isfinite(value))
        return value;
    const double held = readNumber(formatScientific(value, 15, 14));
    // Rounding the largest values to 15 digits can pass the double range; they keep their value.
    return std::isfinite(held) ? held : value;
}

QString writeSingle(float value) {
    return formatScientific(value, 7, std::nullopt);
}

QString writeSignedBlank(double value) {
    return toSignedBlank(writeNumber(value));
}

QString writeSignedBlankSingle(float value) {
    return toSignedBlank(writeSingle(value));
}

QString withDecimalPoints(QString text) {
    text.replace(u',', u'.');
    return text;
}

double roundHalfEven(double value) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return std::nearbyint(value);
}

// A finite value whose scaled form overflows is far beyond the precision of its decimals: it is
// returned as it is rather than as infinity.
double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (std::isinf(scaled) && std::isfinite(value))
        return value;
    return std::nearbyint(scaled) / scale;
}

double intFloor(double value) {
    return std::floor(value);
}

double cutDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (std::isinf(scaled) && std::isfinite(value))
        return value;
    return std::floor(scaled) / scale;
}

std::optional<float> toSingle(double value) {
    if (std::isnan(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(value);
}

std::optional<std::int16_t> toInteger16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return std::int16_t(rounded);
}

} // namespace kavren
