#include "hrm_import/take_over.h"

#include "analysis/indices.h"
#include "exercise/numeric_text.h"

#include <QDir>
#include <QFileInfo>

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
    const QDir dir(folder);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    // Only a numbered name is one of a pair: "run.hrm" never stands for "ru1.hrm".
    if (dot >= 1 && fileName[dot - 1].isDigit()) {
        const QString stem = fileName.left(dot - 1);
        const QString extension = fileName.mid(dot);
        for (const QChar digit : {u'1', u'2'}) {
            const QString candidate = dir.filePath(stem + digit + extension);
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
    }
    return dir.filePath(fileName);
}

} // namespace kavren
