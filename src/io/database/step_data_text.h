// StepDataText, the text of the column Data that holds a test's steps: per step the lactate, the
// heart rate and the speed as typed, all values joined by single blanks.
#pragma once

#include "domain/exercise/exercise_step.h"

#include <QString>

#include <array>

namespace kavren {

// Packs steps 1..stepCount; any count other than 3 to 6 gives the empty text. Each value is the
// field's text without any blank, so that a value typed "2 5" stays one value (the calculation
// read it as 25) and every later value keeps its place. A heart-rate-only test stores "0.1" as
// every lactate.
QString packStepData(const TestSteps &steps, int stepCount, bool hrOnly);

// Data read back: at most seven rows of (lactate, heart rate, speed) texts, and the number of rows
// before the first whose lactate is empty or missing.
struct StepDataRow {
    QString lactate;
    QString hr;
    QString speed;
};
constexpr int MaxDecodedRows = 7;
struct DecodedStepData {
    std::array<StepDataRow, MaxDecodedRows> rows;
    int count = 0;
};

// Cuts the text at every blank: two neighbouring blanks give an empty value at that place, so a
// text written by another program with odd spacing is read place by place.
DecodedStepData decodeStepData(const QString &data);

} // namespace kavren
