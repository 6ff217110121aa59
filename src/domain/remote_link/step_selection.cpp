#include "domain/remote_link/step_selection.h"

#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <algorithm>
#include <vector>

namespace kavren {

void sortSamplesBySpeed(SampleBuffer &samples, int count) {
    count = std::min(count, samples.rows());
    if (count < 2)
        return;
    std::vector<std::array<float, 2>> pairs(samples.speedHrTable.begin(),
                                            samples.speedHrTable.begin() + count);
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto &a, const auto &b) { return a[0] < b[0]; });
    for (int i = 0; i < count; ++i)
        samples.setRow(i, pairs[std::size_t(i)][0], pairs[std::size_t(i)][1]);
}

std::array<std::optional<int>, StepRows> stepRowsOf(int count) {
    std::array<std::optional<int>, StepRows> rows;
    if (count < 1)
        return rows;
    const int last = count - 1;
    const int s = int(roundHalfEven(last / 5.0));
    for (int step = 0; step < 4; ++step)
        rows[std::size_t(step)] = step * s;
    if (4 * s <= last)
        rows[4] = 4 * s;
    rows[5] = last;
    return rows;
}

LinkStepTexts takeLinkSteps(SampleBuffer &samples) {
    const int count = std::min(samples.sampleCount, samples.rows());
    sortSamplesBySpeed(samples, count);
    LinkStepTexts texts;
    const auto rows = stepRowsOf(count);
    for (std::size_t step = 0; step < rows.size(); ++step) {
        if (!rows[step])
            continue;
        const auto &pair = samples.speedHrTable[std::size_t(*rows[step])];
        texts.speedTexts[step] = writeNumber(roundHalfEven(double(speedToPace(pair[0])), 2));
        texts.hrTexts[step] = writeNumber(double(pair[1]));
    }
    return texts;
}

} // namespace kavren
