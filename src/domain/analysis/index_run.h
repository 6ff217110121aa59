// "Calculate" and the index run that ends every calculation: the indices of the current fit
// written, in the unit of the test, into the row of the comparison table that the run fills.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/curve_fitting.h"
#include "domain/exercise/current_exercise.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kavren {

// What "Calculate" does before and after the calculation run.
struct CalculatePreparation {
    bool showSelectSpeed = false; // "Select Speed !" and nothing else happens
    bool switchHrOnly = false;    // lakt1 is exactly "0": "Only Hr" → "Yes" before the run
    bool focusSaveWork = false;   // focus on "Save work" (a name is typed), else on Text4
};
CalculatePreparation prepareCalculate(SpeedUnit unit, const QString &lakt1Text,
                                      const QString &nameText);

// The comments after "Calculate": the note of the imported heart-rate file, but only while the
// test on screen came from that import and the note says something; otherwise the typed comments
// stay (empty result: leave Text56 as it is).
std::optional<QString> commentsAfterCalculate(bool importedFromFile, const QString &noteText);

struct IndexRunInputs {
    bool freezeChecked = false; // "Freeze curve"
    QString lakt1Text;          // lakt1 as shown: 0.1 marks a heart-rate-only test
    FitOutcome fit;             // which fits the run made from this test's own steps
    // The date cell of a test that was neither loaded nor imported: the moment of the calculation,
    // "yyyy-mm-dd hh:mm:ss".
    QString calculatedAt;
};

// V_200: chooses the row (1 without "Freeze curve", the next one with it), empties the row's value
// cells, computes the indices from the double-precision fit into test.results and writes the
// values that this test produced. A value it cannot produce stays empty: the lactate indices of a
// heart-rate-only test, anything from a fit the run could not make (fewer than three steps, an
// empty step, a lactate or heart rate the fit could not use), V200 when the heart rate does not
// rise with speed, and a VLa (with its Hr) that is not a positive speed. Cells, list elements and
// matrix rows beyond the table's end are not written. Returns why values are missing, one short
// sentence each, for the status bar.
QStringList runIndexRun(const IndexRunInputs &inputs, CurrentTest &test, ComparisonCells &cells);

// Keeps the intervals of the test in row (0…5, the row the index run just filled) and writes the
// tool tips of the row's speed-layout value cells that show a value, in the discipline's unit.
void writeRowIntervals(const TestIntervals &intervals, const QString &discipline, int row,
                       ComparisonCells &cells);

} // namespace kavren
