// Values a horse in an exercise test can plausibly show. A typed value outside its range is most
// likely a typing slip (a lactate of 99999, a speed of 1e308): it is marked and named, never
// changed or refused, so a test that really is unusual can still be saved.
#pragma once

#include "domain/exercise/exercise_step.h"
#include "domain/exercise/speed_unit.h"

#include <QString>
#include <QStringList>

#include <limits>

namespace kavren {

enum class PlausibleField { Lactate, HeartRate, Speed, Age, MaxHeartRate };

struct PlausibleRange {
    PlausibleField field;
    double lowest;
    bool lowestIncluded; // false: the value must lie above lowest
    double highest;      // included
    const char *unit;
};

// One row per field; the speed is judged in metres per second after the unit's conversion. A
// lactate has no lower edge here: one not above 0 already stops the curve fit, which says so.
inline constexpr PlausibleRange PlausibleRanges[] = {
    {PlausibleField::Lactate, -std::numeric_limits<double>::infinity(), true, 40,
     QT_TRANSLATE_NOOP("PlausibleValues", "mmol/l")},
    {PlausibleField::HeartRate, 20, true, 300, QT_TRANSLATE_NOOP("PlausibleValues", "b/min")},
    {PlausibleField::Speed, 0, false, 25, QT_TRANSLATE_NOOP("PlausibleValues", "m/s")},
    {PlausibleField::Age, 0, true, 50, QT_TRANSLATE_NOOP("PlausibleValues", "years")},
    {PlausibleField::MaxHeartRate, 100, true, 300, QT_TRANSLATE_NOOP("PlausibleValues", "b/min")},
};

const PlausibleRange &plausibleRange(PlausibleField field);
// The range in words for a field's tool tip: "Plausible: 20 to 300 b/min", "Plausible: up to 40
// mmol/l".
QString plausibleRangeText(PlausibleField field);

// True when a typed value lies outside its field's range. Empty text and text that is no number
// are left to the other checks; a speed is converted in unit first (a recovery test's times are
// not speeds and are never judged), and a speed that does not convert lies not above 0.
bool isImplausible(PlausibleField field, const QString &text, SpeedUnit unit = SpeedUnit::NoUnit);

// The caption of a step's field as a user reads it: "Lactate, step 1", "Heart rate, step 3",
// "Speed, step 2".
QString stepFieldCaption(PlausibleField field, int row);

// The fields of a test whose values are implausible, named by caption ("Lactate, step 1",
// "Age", "Max Hr") in the order they stand.
QStringList implausibleFields(const TestSteps &steps, SpeedUnit unit, const QString &age,
                              const QString &maxHr);

// The status bar's note after "Calculate" and the question before "Save work" for these fields.
QString implausibleValuesNote(const QStringList &fields);
QString implausibleValuesQuestion(const QStringList &fields);

} // namespace kavren
