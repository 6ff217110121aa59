#include "analysis/index_run.h"

#include "analysis/field_reading.h"
#include "analysis/indices.h"
#include "exercise/numeric_text.h"

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

void writeSpeedLayout(const CurrentTest &test, int n, ComparisonCells &cells) {
    const QString &discipline = test.discipline;
    if (discipline != u"Trav" && discipline != u"Endur" && discipline != u"Rid" &&
        discipline != u"Galopp")
        return;
    setCell(cells.labelx, n - 1, speedDisplayText(discipline, test.results.v200));
    setListElement(cells.comparedV200, n - 1, test.results.v200);
    if (!test.hrOnly) {
        setCell(cells.vla2, n - 1, speedDisplayText(discipline, test.results.vla2));
        setCell(cells.vla4, n - 1, speedDisplayText(discipline, test.results.vla4));
    }
}

void writeCommonPart(const CurrentTest &test, bool hrOnlyTest, int n, ComparisonCells &cells) {
    if (!test.importedFromFile)
        setCell(cells.datex, n - 1, test.testDate);
    if (n >= 0 && n < ComparisonCells::MatrixRows) {
        cells.matrix[std::size_t(n)][ComparisonCells::HrInterceptColumn] =
            test.fitDouble.hrIntercept;
        cells.matrix[std::size_t(n)][ComparisonCells::HrSlopeColumn] = test.fitDouble.hrSlope;
    }
    setCell(cells.datex, n, QString());
    if (n - 1 >= 0 && n - 1 < ComparisonCells::ListSize)
        cells.comparedHrOnly[std::size_t(n - 1)] = hrOnlyTest;
    if (hrOnlyTest)
        return;
    setListElement(cells.comparedVla4, n - 1, test.results.vla4);
    setListElement(cells.comparedVla2, n - 1, test.results.vla2);
    setCell(cells.hr4x, n - 1, writeNumber(test.results.hr4));
    setCell(cells.hr2x, n - 1, writeNumber(test.results.hr2));
}

void writeRecoveryLayout(const CurrentTest &test, int n, ComparisonCells &cells) {
    const RecoveryValues values = recoveryValues(test.fitDouble);
    setCell(cells.labelx, n - 1, values.lactate[0]);
    setCell(cells.vla2, n - 1, values.lactate[1]);
    setCell(cells.vla4, n - 1, values.lactate[2]);
    setCell(cells.hr2x, n - 1, values.lactate[3]);
    setCell(cells.hr4x, n - 1, values.hr[0]);
    setCell(cells.hr5, n - 1, values.hr[1]);
    setCell(cells.hr10, n - 1, values.hr[2]);
    setCell(cells.hr20, n - 1, values.hr[3]);
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

void runIndexRun(const IndexRunInputs &inputs, CurrentTest &test, ComparisonCells &cells) {
    const int n = chooseRow(inputs.freezeChecked, test, cells);
    computeIndices(test.fitDouble, test.results);
    const bool recovery = test.speedUnit == SpeedUnit::RecoveryTime;
    if (!recovery)
        writeSpeedLayout(test, n, cells);
    writeCommonPart(test, isHrOnlySentinel(inputs.lakt1Text), n, cells);
    if (recovery)
        writeRecoveryLayout(test, n, cells);
}

} // namespace kavren
