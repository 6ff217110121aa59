// What the main window takes over from an imported heart-rate file: the recording's date and
// time, the rider's maximum and resting heart rate, and the step fields when the file gave a
// usable number of steps.
#pragma once

#include "hrm_import/hrm_file.h"
#include "hrm_import/step_extraction.h"

#include <QString>

#include <vector>

namespace kavren {

struct StepFieldTexts {
    QString lactate;   // lakt
    QString heartRate; // puls
    QString pace;      // temp, min/km in minutes.seconds; empty without speed
};

struct TakeOverPlan {
    QString dateCell;       // datex(0): yyyy-mm-dd, two blanks, hh:mm:ss
    QString recordingDate;  // yyyy-mm-dd, stored as the examination date
    QString maxHr;          // Text21
    QString restHr;         // Text57
    bool fillSteps = false; // 3 to 6 steps; any other count fills no step field
    std::vector<StepFieldTexts> steps;
};

TakeOverPlan planTakeOver(const HrmFile &file, const std::vector<ExtractedStep> &steps);

// A file chosen in the file list may be one of a numbered pair (TEST01.hrm, TEST02.hrm): the
// first of the pair is read when it exists, else the second, else the chosen file itself. A name
// without a digit before its extension is read as it is.
QString hrmFileToRead(const QString &folder, const QString &fileName);

} // namespace kavren
