#include "domain/hrm_import/take_over.h"

#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>
#include <QDir>

namespace kavren {

TakeOverPlan planTakeOver(const HrmFile &file, const std::vector<ExtractedStep> &steps) {
    TakeOverPlan plan;
    plan.recordingDate = file.recordingDate();
    plan.dateCell = plan.recordingDate + QStringLiteral("  ") + file.startClockTime();
    plan.maxHr = file.maxHr();
    plan.restHr = file.restHr();
    plan.fillSteps = steps.size() >= 3 && steps.size() <= 6;
    if (!plan.fillSteps) {
        const std::size_t found = steps.size();
        if (found >= std::size_t(MaxExtractedSteps))
            plan.stepCountProblem = QCoreApplication::translate(
                "HeartRateFile",
                "More than six steps were found in the file; a test needs three to six "
                "steps. Only the date and the maximum and resting heart rates were taken "
                "over.");
        else if (found == 1)
            plan.stepCountProblem = QCoreApplication::translate(
                "HeartRateFile",
                "1 step was found in the file; a test needs three to six steps. Only the "
                "date and the maximum and resting heart rates were taken over.");
        else if (found > 0)
            plan.stepCountProblem =
                QCoreApplication::translate(
                    "HeartRateFile",
                    "%1 steps were found in the file; a test needs three to six steps. "
                    "Only the date and the maximum and resting heart rates were taken "
                    "over.")
                    .arg(found);
        return plan;
    }
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
