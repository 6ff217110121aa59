#include "domain/analysis/index_run.h"

#include "domain/analysis/field_reading.h"
#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace kavren {

namespace {

// Writes a text into cell element row when both exist.
void setCell(std::array<QString, ComparisonCells::Rows> &cells, int row,
             const std::optional<QString> &text) {
    if (text && row >= 0 && row < ComparisonCells::Rows)
        cells[std::size_t(row)] = *text;
}

void setListElement(std::array<float, ComparisonCells::ListSize> &list, int index, float value) {
    if (index >= 0 && index < ComparisonCells::ListSize)
        list[std::size_t(index)] = value;
}

int chooseRow(bool freezeChecked, CurrentTest &test, ComparisonCells &cells) {
    if (!freezeChecked) {
        test.comparedCount = 1;
        for (int row = 0; row < ComparisonCells::ListSize; ++row)
            cells.matrix[std::size_t(row)] = {};
    } else if (test.comparedCount < std::numeric_limits<std::int16_t>::max()) {
        ++test.comparedCount;
    }
    return test.comparedCount;
}

// Which values of the row this test produced, and why the others are missing.
struct Produced {
    std::optional<float> v200, vla2, vla4;
    std::optional<std::int16_t> hr2, hr4;
    bool lactateValues = false;  // recovery: La(0…20)
    bool hrValues = false;       // recovery: Hr(0…20)
    bool lactateIndices = false; // the test has lactate indices of its own (not heart-rate-only)
    QStringList notes;
};

// A speed computed this time that a horse can run: positive and finite.
std::optional<float> positiveSpeed(std::optional<float> speed) {
    if (!speed || !std::isfinite(*speed) || !(*speed > 0))
        return std::nullopt;
    return speed;
}

Produced producedValues(const IndexRunInputs &inputs, const CurrentTest &test,
                        const ComputedIndices &computed) {
    Produced produced;
    const FitOutcome &fit = inputs.fit;
    if (fit.steps == FitOutcome::Steps::FewerThanThree) {
        produced.notes << QCoreApplication::translate(
            "Indices", "No indices: the test has fewer than three steps");
        return produced;
    }
    if (fit.steps == FitOutcome::Steps::EmptyStep) {
        produced.notes << QCoreApplication::translate("Indices", "No indices: step %1 is empty")
                              .arg(fit.emptyStep);
        return produced;
    }
    const bool hrOnly = isHrOnlySentinel(inputs.lakt1Text);
    const bool lactate = fit.lactateFitted && !hrOnly;
    const bool hr = fit.hrFitted;
    produced.lactateIndices = !hrOnly;
    const bool recovery = test.speedUnit == SpeedUnit::RecoveryTime;
    if (hrOnly)
        produced.notes << (recovery
                               ? QCoreApplication::translate(
                                     "Indices", "Heart-rate-only test: no lactate values")
                               : QCoreApplication::translate(
                                     "Indices", "Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4"));
    else if (!fit.lactateFitted)
        produced.notes
            << (recovery ? QCoreApplication::translate(
                               "Indices", "No lactate values: the lactate curve was not fitted")
                         : QCoreApplication::translate(
                               "Indices",
                               "No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted"));
    if (!hr)
        produced.notes << (recovery
                               ? QCoreApplication::translate(
                                     "Indices",
                                     "No heart-rate values: the heart-rate line was not fitted")
                               : QCoreApplication::translate(
                                     "Indices",
                                     "No V200, Hr2 or Hr4: the heart-rate line was not fitted"));
    if (recovery) {
        produced.lactateValues = lactate;
        produced.hrValues = hr;
        return produced;
    }
    const CurveFitDouble &line = test.fitDouble;
    if (hr && !(line.hrSlope > 0))
        produced.notes << QCoreApplication::translate(
            "Indices", "No V200: the heart rate does not rise with speed");
    else if (hr && !(produced.v200 = positiveSpeed(computed.v200)))
        produced.notes << QCoreApplication::translate(
            "Indices", "No V200: the heart-rate line gives no positive speed for 200 b/min");
    if (lactate && line.lactateSlope == 0) {
        produced.notes << QCoreApplication::translate(
            "Indices", "No VLa2 or VLa4: the lactate does not change with speed");
    } else if (lactate) {
        produced.vla4 = positiveSpeed(computed.vla4);
        produced.vla2 = positiveSpeed(computed.vla2);
        if (!produced.vla4)
            produced.notes << QCoreApplication::translate(
                "Indices", "No VLa4: the lactate curve gives no positive speed for 4 mmol/l");
        if (!produced.vla2)
            produced.notes << QCoreApplication::translate(
                "Indices", "No VLa2: the lactate curve gives no positive speed for 2 mmol/l");
    }
    // Hr4 and Hr2 belong to this test when its own VLa4 and VLa2 gave them.
    if (hr && produced.vla4)
        produced.hr4 = computed.hr4;
    if (hr && produced.vla2)
        produced.hr2 = computed.hr2;
    return produced;
}

// A row about to be filled shows nothing of an earlier test: its value cells and its stored
// indices are emptied first.
void emptyRow(int row, ComparisonCells &cells) {
    if (row >= 0 && row < ComparisonCells::Rows)
        for (auto *column : {&cells.labelx, &cells.vla2, &cells.vla4, &cells.hr2x, &cells.hr4x,
                             &cells.hr5, &cells.hr10, &cells.hr20})
            (*column)[std::size_t(row)].clear();
    setListElement(cells.comparedV200, row, 0);
    setListElement(cells.comparedVla2, row, 0);
    setListElement(cells.comparedVla4, row, 0);
    if (row >= 0 && row < ComparisonCells::Rows)
        for (auto *tips :
             {&cells.v200Tip, &cells.vla2Tip, &cells.vla4Tip, &cells.hr2Tip, &cells.hr4Tip})
            (*tips)[std::size_t(row)].clear();
    if (row >= 0 && row < ComparisonCells::ListSize)
        cells.comparedIntervals[std::size_t(row)] = {};
}

void writeSpeedLayout(const CurrentTest &test, const Produced &produced, int n,
                      ComparisonCells &cells) {
    const QString &discipline = test.discipline;
    if (discipline != u"Trav" && discipline != u"Endur" && discipline != u"Rid" &&
        discipline != u"Galopp")
        return;
    if (produced.v200) {
        setCell(cells.labelx, n - 1, speedDisplayText(discipline, *produced.v200));
        setListElement(cells.comparedV200, n - 1, *produced.v200);
    }
    if (produced.vla2)
        setCell(cells.vla2, n - 1, speedDisplayText(discipline, *produced.vla2));
    if (produced.vla4)
        setCell(cells.vla4, n - 1, speedDisplayText(discipline, *produced.vla4));
}

void writeCommonPart(const CurrentTest &test, const IndexRunInputs &inputs,
                     const Produced &produced, int n, ComparisonCells &cells) {
    if (!test.importedFromFile)
        setCell(cells.datex, n - 1, test.testDate.isEmpty() ? inputs.calculatedAt : test.testDate);
    if (n >= 0 && n < ComparisonCells::MatrixRows) {
        cells.matrix[std::size_t(n)][ComparisonCells::HrInterceptColumn] =
            test.fitDouble.hrIntercept;
        cells.matrix[std::size_t(n)][ComparisonCells::HrSlopeColumn] = test.fitDouble.hrSlope;
    }
    setCell(cells.datex, n, QString());
    if (n - 1 >= 0 && n - 1 < ComparisonCells::ListSize)
        cells.comparedHrOnly[std::size_t(n - 1)] = !produced.lactateIndices;
    if (produced.vla4)
        setListElement(cells.comparedVla4, n - 1, *produced.vla4);
    if (produced.vla2)
        setListElement(cells.comparedVla2, n - 1, *produced.vla2);
    if (produced.hr4)
        setCell(cells.hr4x, n - 1, writeNumber(*produced.hr4));
    if (produced.hr2)
        setCell(cells.hr2x, n - 1, writeNumber(*produced.hr2));
}

void writeRecoveryLayout(const CurrentTest &test, const Produced &produced, int n,
                         ComparisonCells &cells) {
    const RecoveryValues values = recoveryValues(test.fitDouble);
    if (produced.lactateValues) {
        setCell(cells.labelx, n - 1, values.lactate[0]);
        setCell(cells.vla2, n - 1, values.lactate[1]);
        setCell(cells.vla4, n - 1, values.lactate[2]);
        setCell(cells.hr2x, n - 1, values.lactate[3]);
    }
    if (produced.hrValues) {
        setCell(cells.hr4x, n - 1, values.hr[0]);
        setCell(cells.hr5, n - 1, values.hr[1]);
        setCell(cells.hr10, n - 1, values.hr[2]);
        setCell(cells.hr20, n - 1, values.hr[3]);
    }
}

// The tool tip of a cell that shows a value.
void setTip(std::array<QString, ComparisonCells::Rows> &tips,
            const std::array<QString, ComparisonCells::Rows> &values, int row, const QString &tip) {
    if (!values[std::size_t(row)].isEmpty())
        tips[std::size_t(row)] = tip;
}

} // namespace

CalculatePreparation prepareCalculate(SpeedUnit unit, const QString &lakt1Text,
                                      const QString &nameText) {
    CalculatePreparation preparation;
    if (unit == SpeedUnit::NoUnit) {
        preparation.showSelectSpeed = true;
        return preparation;
    }
    preparation.switchHrOnly = lakt1Text == u"0";
    preparation.focusSaveWork = !nameText.isEmpty();
    return preparation;
}

std::optional<QString> commentsAfterCalculate(bool importedFromFile, const QString &noteText) {
    if (importedFromFile && !noteText.isEmpty())
        return noteText;
    return std::nullopt;
}

QStringList runIndexRun(const IndexRunInputs &inputs, CurrentTest &test, ComparisonCells &cells) {
    const int n = chooseRow(inputs.freezeChecked, test, cells);
    const ComputedIndices computed = computeIndices(test.fitDouble, test.results);
    emptyRow(n - 1, cells);
    const Produced produced = producedValues(inputs, test, computed);
    const bool recovery = test.speedUnit == SpeedUnit::RecoveryTime;
    if (!recovery)
        writeSpeedLayout(test, produced, n, cells);
    writeCommonPart(test, inputs, produced, n, cells);
    if (recovery)
        writeRecoveryLayout(test, produced, n, cells);
    return produced.notes;
}

void writeRowIntervals(const TestIntervals &intervals, const QString &discipline, int row,
                       ComparisonCells &cells) {
    if (row < 0 || row >= ComparisonCells::Rows)
        return;
    cells.comparedIntervals[std::size_t(row)] = intervals;
    QStringList vla4 = {speedEstimateText(QStringLiteral("VLa4"), intervals.vla4, discipline)};
    QStringList hr4 = {heartRateEstimateText(QStringLiteral("Hr4"), intervals.hr4)};
    for (const LevelEstimates &level : intervals.levels) {
        vla4 << speedEstimateText(levelName(u"VLa", level.lactate), level.speed, discipline);
        hr4 << heartRateEstimateText(levelName(u"Hr", level.lactate), level.hr);
    }
    setTip(cells.v200Tip, cells.labelx, row,
           speedEstimateText(QStringLiteral("V200"), intervals.v200, discipline));
    setTip(cells.vla2Tip, cells.vla2, row,
           speedEstimateText(QStringLiteral("VLa2"), intervals.vla2, discipline));
    setTip(cells.vla4Tip, cells.vla4, row, vla4.join(u'\n'));
    setTip(cells.hr2Tip, cells.hr2x, row,
           heartRateEstimateText(QStringLiteral("Hr2"), intervals.hr2));
    setTip(cells.hr4Tip, cells.hr4x, row, hr4.join(u'\n'));
}

} // namespace kavren
