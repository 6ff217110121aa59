#include "hrm_import/step_extraction.h"

#include "exercise/numeric_text.h"

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

std::optional<ExtractedStep> extractStep(const HrmFile &file, const QString &startText,
                                         const QString &endText, std::size_t endLap) {
    const auto start = parseLapTime(startText);
    const auto end = parseLapTime(endText);
    if (!start || !end || endLap >= file.laps.size())
        return std::nullopt;
    const QStringList &lines = file.laps[endLap].lines;
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
        const auto mean = meanSpeed(file, start->wholeSeconds(), end->wholeSeconds());
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
    for (std::size_t k = 0; k + 1 < lapTexts.size() && steps.size() < MaxExtractedSteps; k += 2) {
        if (lapTexts[k].isEmpty())
            break;
        const auto step = extractStep(file, lapTexts[k], lapTexts[k + 1], k + 1);
        if (!step)
            break;
        steps.push_back(*step);
    }
    return steps;
}

} // namespace kavren
