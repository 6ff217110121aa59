// Arbitrary text through the numeric reading rule and back through the number-writing rule: never a
// crash, and a written finite number reads back as the same number.
#include "domain/exercise/numeric_text.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = kavren::readNumber(text);
    (void)kavren::readStrictNumber(text);
    (void)kavren::beginsWithNumber(text);
    (void)kavren::withDecimalPoints(text);
    if (std::isfinite(value)) {
        const QString written = kavren::writeNumber(value);
        const double again = kavren::readNumber(written);
        if (!std::isfinite(again))
            std::abort(); // a finite number must never be written as a text that reads as infinity
        (void)kavren::writeSignedBlank(value);
        (void)kavren::roundHalfEven(value, 2);
        (void)kavren::cutDecimals(value, 1);
        (void)kavren::toSingle(value);
        (void)kavren::toInteger16(value);
    }
    return 0;
}
