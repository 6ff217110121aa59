#include "domain/hrm_import/step_extraction.h"

#include "domain/exercise/numeric_text.h"

namespace kavren {

namespace {

// Samples less than this before a lap mark fall into the step's window.
constexpr long long WindowMargin = 5;

std::optional<double> wholeValueOf(const QString &line, qsizetype field) {
    const QStringList fields = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (field >= fields.size())
        return std::nullopt;
    const auto value = readStrictNumber(fields[field]);
    if (!value)
        return std::nullopt;
    return intFloor(*value);
}

// Mean speed (km/h × 10, rounded) of the samples between two lap times; none for an empty window.
std::optional<double> meanSpeed(const HrmFile &file, long long start, long long end) {
    const long long interval = file.intervalSeconds();
    const std::size_t count = file.samples.size();
    std::size_t i = 0;
    while (i < count && start - static_cast<long long>(i) * interval >= WindowMargin)
        ++i;
    if (i == count)
        return std::nullopt;
    double sum = 0;
    std::size_t taken = 0;
    for (; i < count; ++i) {
        sum += file.samples[i].speedKmh10;
        ++taken;
        if (end - static_cast<long long>(i) * interval < WindowMargin)
            break;
    }
    return roundHalfEven(sum / double(taken));
}

// The first lap from `from` on whose time (in whole seconds) is `time`; the file's other lines,
// such as its length, are no laps.
std::optional<std::size_t> lapAt(const HrmFile &file, const LapTime &time, std::size_t from) {
    for (std::size_t i = from; i < file.laps.size(); ++i)
        if (file.laps[i].time.wholeSeconds() == time.wholeSeconds())
            return i;
    return std::nullopt;
}

std::optional<ExtractedStep> extractStep(const HrmFile &file, const LapTime &start,
                                         const HrmLap &endLap) {
    const QStringList &lines = endLap.lines;
    if (lines.size() < 3)
        return std::nullopt;
    const auto heartRate = wholeValueOf(lines[0], 3);
    const auto lactate10 = wholeValueOf(lines[2], 0);
    if (!heartRate || !lactate10)
        return std::nullopt;
    ExtractedStep step;
    const auto hr = toSingle(*heartRate);
    const auto lactate = toSingle(*lactate10 / 10);
    if (!hr || !lactate)
        return std::nullopt;
    step.heartRate = *hr;
    step.lactate = *lactate;
    if (file.hasSpeed) {
        const auto mean = meanSpeed(file, start.wholeSeconds(), endLap.time.wholeSeconds());
        if (!mean)
            return std::nullopt;
        step.speedMps = float(*mean / 36);
    }
    return step;
}

} // namespace

std::vector<ExtractedStep> extractSteps(const HrmFile &file,
                                        const std::array<QString, 12> &lapTexts) {
    std::vector<ExtractedStep> steps;
    std::size_t nextLap = 0;
    for (std::size_t k = 0; k + 1 < lapTexts.size() && steps.size() < MaxExtractedSteps; k += 2) {
        if (lapTexts[k].isEmpty())
            break;
        const auto start = parseLapTime(lapTexts[k]);
        const auto end = parseLapTime(lapTexts[k + 1]);
        const auto endLap = end ? lapAt(file, *end, nextLap) : std::nullopt;
        if (!start || !endLap)
            break;
        const auto step = extractStep(file, *start, file.laps[*endLap]);
        if (!step)
            break;
        steps.push_back(*step);
        nextLap = *endLap + 1;
    }
    return steps;
}

} // namespace kavren
