// Arbitrary bytes through the heart-rate file reader, the pairing of lap times and the step
// extraction: never a crash or a hang, and never more paired lap texts than laps.
#include "domain/hrm_import/hrm_file.h"
#include "domain/hrm_import/step_extraction.h"
#include "domain/hrm_import/take_over.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const kavren::HrmFile file = kavren::readHrmFile(bytes);
    const auto texts = kavren::pairedLapTexts(file);
    std::size_t shown = 0;
    for (const QString &text : texts)
        shown += text.isEmpty() ? 0 : 1;
    if (shown > file.laps.size())
        std::abort();
    const auto steps = kavren::extractSteps(file, texts);
    if (steps.size() > std::size_t(kavren::MaxExtractedSteps))
        std::abort();
    (void)kavren::planTakeOver(file, steps);
    (void)file.recordingDate();
    (void)file.startClockTime();
    (void)kavren::elapsedTimeText(static_cast<long long>(file.samples.size()) *
                                  file.intervalSeconds());
    return 0;
}
