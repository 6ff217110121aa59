// What the main window takes over from an imported heart-rate file: the recording's date and
// time, the rider's maximum and resting heart rate, and the step fields when the file gave a
// usable number of steps.
#pragma once

#include "domain/hrm_import/hrm_file.h"
#include "domain/hrm_import/step_extraction.h"

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
    // Why steps that were found fill no step field; empty for no steps and for 3 to 6.
    QString stepCountProblem;
    std::vector<StepFieldTexts> steps;
};

TakeOverPlan planTakeOver(const HrmFile &file, const std::vector<ExtractedStep> &steps);

// The file chosen in the file list is the file read. Monitors number a day's recordings
// (yymmddNN.hrm, the NN-th of the day), so a neighbour's name is never read in its place.
QString hrmFileToRead(const QString &folder, const QString &fileName);

} // namespace kavren
