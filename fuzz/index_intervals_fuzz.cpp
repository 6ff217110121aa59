// Arbitrary steps through the index intervals and the threshold methods: the text holds up to six
// lines "speed lactate heart-rate" and a last line of extra lactate levels, each number read by the
// numeric reading rule. Never a crash, never a value that is not finite, and never "nan" or "inf"
// in a text shown to the user.
#include "domain/analysis/index_intervals.h"
#include "domain/analysis/threshold_methods.h"
#include "domain/exercise/numeric_text.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace kavren;

namespace {

void checkFinite(const std::optional<double> &value) {
    if (value && !std::isfinite(*value))
        std::abort();
}

void check(const IndexEstimate &estimate) {
    checkFinite(estimate.value);
    checkFinite(estimate.lower);
    checkFinite(estimate.upper);
    checkFinite(estimate.standardError);
    if (estimate.bounded() && !(*estimate.lower <= *estimate.upper))
        std::abort();
}

void check(const MethodThreshold &threshold) {
    checkFinite(threshold.speed);
    checkFinite(threshold.lactate);
}

void checkText(const QString &text) {
    if (text.contains(u"nan", Qt::CaseInsensitive) || text.contains(u"inf", Qt::CaseInsensitive))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = text.split(u'\n');
    StepTexts x, lactate, hr;
    int stepCount = 0;
    for (; stepCount < StepRows && stepCount + 1 < lines.size(); ++stepCount) {
        const QStringList fields = lines[stepCount].split(u' ');
        const auto i = std::size_t(stepCount);
        x[i] = fields.value(0);
        lactate[i] = fields.value(1);
        hr[i] = fields.value(2);
    }
    std::vector<double> levels;
    for (const QString &field : lines.last().split(u' ').mid(0, 4))
        levels.push_back(readNumber(field));

    const StepReadings steps = readSteps(x, lactate, hr);
    const TestIntervals intervals = testIntervals(steps, stepCount, levels);
    for (const IndexEstimate *e :
         {&intervals.v200, &intervals.vla2, &intervals.vla4, &intervals.hr2, &intervals.hr4})
        check(*e);
    for (const LevelEstimates &level : intervals.levels) {
        check(level.speed);
        check(level.hr);
    }
    const ThresholdMethods methods = thresholdMethods(steps, stepCount);
    for (const MethodThreshold *m :
         {&methods.interpolated2, &methods.interpolated4, &methods.dmax, &methods.logLog})
        check(*m);
    for (const char *discipline : {"Trav", "Endur", "Rid", "Galopp", ""}) {
        const QString name = QString::fromLatin1(discipline);
        checkText(speedEstimateText(QStringLiteral("VLa4"), intervals.vla4, name));
        checkText(speedEstimateText(QStringLiteral("V200"), intervals.v200, name));
        for (const QString &line : thresholdMethodLines(methods, name))
            checkText(line);
    }
    checkText(heartRateEstimateText(QStringLiteral("Hr4"), intervals.hr4));
    for (const LevelEstimates &level : intervals.levels)
        checkText(heartRateEstimateText(QStringLiteral("Hr"), level.hr));
    return 0;
}
