#include "hrm_import/take_over.h"

#include "analysis/indices.h"
#include "exercise/numeric_text.h"

#include <QDir>

namespace kavren {

TakeOverPlan planTakeOver(const HrmFile &file, const std::vector<ExtractedStep> &steps) {
    TakeOverPlan plan;
    plan.recordingDate = file.recordingDate();
    plan.dateCell = plan.recordingDate + QStringLiteral("  ") + file.startClockTime();
    plan.maxHr = file.maxHr();
    plan.restHr = file.restHr();
    plan.fillSteps = steps.size() >= 3 && steps.size() <= 6;
    if (!plan.fillSteps)
        return plan;
    for (const ExtractedStep &step : steps) {
        StepFieldTexts texts;
        texts.lactate = writeSingle(step.lactate);
        texts.heartRate = writeSingle(step.heartRate);
        if (step.speedMps)
            texts.pace =
                writeNumber(roundHalfEven(double(speedToPace(*step.speedMps)) * 100) / 100);
        plan.steps.push_back(texts);
    }
    return plan;
}

QString hrmFileToRead(const QString &folder, const QString &fileName) {
    return QDir(folder).filePath(fileName);
}

} // namespace kavren
