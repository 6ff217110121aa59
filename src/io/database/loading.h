// Loading a found test: a stored row turned back into the values the main window shows (identity,
// discipline and speed unit, steps, heart-rate-only display, background picture).
#pragma once

#include "io/database/search.h"
#include "domain/exercise/speed_unit.h"
#include "domain/exercise/exercise_step.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace kavren {

struct LoadedTest {
    QString name;     // Text4
    QString testDate; // the Datum text; the comparison table's date cell
    QString breed;    // Text5
    QString age;      // Text6
    QString sex;      // Text7
    QString stable;   // Text8
    QString trainer;  // Text60
    QString maxHr;    // Text21
    QString comments; // Text56, with plain line feeds
    QString discipline;
    QString pictureName; // backgroundPictureName; looked up in the database's folder

    // The unit option that the discipline selects; NoUnit selects nothing.
    SpeedUnit speedUnit = SpeedUnit::NoUnit;
    // Label21, set only when a unit is selected.
    std::optional<QString> unitLabel;
    // Label3 as a loaded test of a speed discipline shows it; other disciplines leave it.
    std::optional<QString> axisCaption;

    // StepCount; only 3 to 6 fill steps (lactate, hr and speedText, in the number-writing form).
    int stepCount = 0;
    TestSteps steps;
    // Step 1 holds the heart-rate-only lactate 0.1: hide the lactate column.
    bool hrOnly = false;
};

// The stored test date "yyyy-mm-dd hh:mm:ss", or a date alone (its time 00:00); invalid for any
// other text. Read by hand: a horse's history reads a thousand of them at every opening, and the
// general date parser would take longer than all its tests together.
QDateTime storedMoment(const QString &stored);

// The stored step text's steps in the forms the step fields show after loading (2.40 reads back as
// 2.4); only a count of 3 to 6 fills steps. Returns the count as stored.
int stepsAsShown(const QString &stepData, TestSteps &steps);

// Everything loading takes from a listed row, in the forms the fields show.
LoadedTest unpackTest(const TestRow &row);

// Label3 after loading a test of this discipline, when the discipline sets it.
std::optional<QString> loadedAxisCaption(const QString &discipline);

// A name that stands for a file of one folder: no folder part, no drive, not "." or "..".
bool isPlainFileName(const QString &name);

// The file of a test's background picture in the database's folder, or "" when the test has none
// or its stored name is not a plain file name, so a row cannot point outside that folder.
QString picturePathOf(const QString &databaseFolder, const QString &pictureName);

} // namespace kavren
