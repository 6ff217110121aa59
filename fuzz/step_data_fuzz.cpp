// Arbitrary text as the column Data of a stored test: unpacking never crashes, loading the row
// never crashes, and steps packed from what was unpacked unpack to the same values (blanks inside
// a value taken out, as saving does).
#include "io/database/loading.h"
#include "io/database/step_data_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace kavren;

namespace {

QString withoutBlanks(const QString &text) {
    QString packed;
    for (QChar c : text)
        if (!c.isSpace())
            packed.append(c);
    return packed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedStepData decoded = decodeStepData(text);
    if (decoded.count < 0 || decoded.count > MaxDecodedRows)
        std::abort();
    TestRow row;
    row.stepData = text;
    row.discipline = QStringLiteral("Trav");
    (void)unpackTest(row);

    if (decoded.count < 3 || decoded.count > StepRows)
        return 0;
    TestSteps steps;
    for (int i = 0; i < decoded.count; ++i) {
        const StepDataRow &from = decoded.rows[std::size_t(i)];
        steps[std::size_t(i)].lactate = from.lactate;
        steps[std::size_t(i)].hr = from.hr;
        steps[std::size_t(i)].speedText = from.speed;
    }
    const DecodedStepData again = decodeStepData(packStepData(steps, decoded.count, false));
    // A lactate of only blanks other than " " packs to nothing and ends the steps there.
    int expectedCount = 0;
    while (expectedCount < decoded.count &&
           !withoutBlanks(decoded.rows[std::size_t(expectedCount)].lactate).isEmpty())
        ++expectedCount;
    if (again.count != expectedCount)
        std::abort();
    for (int i = 0; i < again.count; ++i) {
        const StepDataRow &before = decoded.rows[std::size_t(i)];
        const StepDataRow &after = again.rows[std::size_t(i)];
        if (after.lactate != withoutBlanks(before.lactate) ||
            after.hr != withoutBlanks(before.hr) || after.speed != withoutBlanks(before.speed))
            std::abort();
    }
    return 0;
}
