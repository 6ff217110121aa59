#include "analysis/field_reading.h"

#include "test/numeric_text.h"

#include <cmath>

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

} // namespace

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

bool isHrOnlySentinel(QStringView lactateText) {
    return readNumber(lactateText) == 0.1;
}

} // namespace kavren
