#include "domain/analysis/comparison_table.h"

#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

// Int(1000·difference / reference) / 10, or nothing where the rule fails.
std::optional<double> tenthsOfPerCent(double difference, double reference) {
    if (reference == 0)
        return std::nullopt;
    const double perMille = 1000.0 * difference / reference;
    if (!std::isfinite(perMille))
        return std::nullopt;
    return intFloor(perMille) / 10.0;
}

using Column = std::array<QString, ComparisonCells::Rows>;
using PercentColumn = std::array<QString, PercentCells::Rows>;

void setCell(PercentColumn &column, int k, std::optional<double> value, bool emptied = false) {
    if (k - 1 >= PercentCells::Rows)
        return;
    if (value)
        column[std::size_t(k - 1)] = writeNumber(*value);
    else if (emptied)
        column[std::size_t(k - 1)].clear();
}

double cellValue(const Column &column, int k) {
    return readNumber(column[std::size_t(k)]);
}

// Cells of test k in the lactate-derived columns, when the test or the reference has none.
void emptyLactateColumns(PercentCells &percent, int k) {
    if (k - 1 >= PercentCells::Rows)
        return;
    for (PercentColumn *column : {&percent.vla2P, &percent.vla4P, &percent.hr2P, &percent.hf4P})
        (*column)[std::size_t(k - 1)].clear();
}

// A change needs both values: where the test or the reference has no value in a column, its
// per-cent cell stays empty.
void emptyWithoutValues(const Column &values, PercentColumn &target, int k) {
    if (k - 1 < PercentCells::Rows && (values[std::size_t(k)].isEmpty() || values[0].isEmpty()))
        target[std::size_t(k - 1)].clear();
}

void fillSpeedLayout(const PercentPassInputs &inputs, const ComparisonCells &cells,
                     PercentCells &percent, int last) {
    const auto &v200 = cells.comparedV200;
    const auto &vla4 = cells.comparedVla4;
    const auto &vla2 = cells.comparedVla2;
    for (int k = 1; k <= last; ++k) {
        setCell(percent.v200P, k, percentChangeOfSingles(v200[std::size_t(k)], v200[0]));
        setCell(percent.vla4P, k, percentChangeOfSingles(vla4[std::size_t(k)], vla4[0]));
        setCell(percent.vla2P, k, percentChangeOfSingles(vla2[std::size_t(k)], vla2[0]));
    }
    for (int k = 1; k <= last; ++k) {
        setCell(percent.hr2P, k, percentChange(cellValue(cells.hr2x, k), cellValue(cells.hr2x, 0)));
        setCell(percent.hf4P, k, percentChange(cellValue(cells.hr4x, k), cellValue(cells.hr4x, 0)));
    }
    for (int k = 1; k <= last; ++k) {
        if (inputs.hrOnlyTests[0] || inputs.hrOnlyTests[std::size_t(k)])
            emptyLactateColumns(percent, k);
        // A test without V200 or VLa holds 0 in its list element.
        if (v200[std::size_t(k)] == 0)
            setCell(percent.v200P, k, std::nullopt, true);
        if (vla2[std::size_t(k)] == 0)
            setCell(percent.vla2P, k, std::nullopt, true);
        if (vla4[std::size_t(k)] == 0)
            setCell(percent.vla4P, k, std::nullopt, true);
        emptyWithoutValues(cells.hr2x, percent.hr2P, k);
        emptyWithoutValues(cells.hr4x, percent.hf4P, k);
    }
}

void fillRecoveryLayout(const ComparisonCells &cells, PercentCells &percent, int last) {
    const std::pair<const Column *, PercentColumn *> columns[] = {
        {&cells.labelx, &percent.v200P}, {&cells.vla2, &percent.vla2P},
        {&cells.vla4, &percent.vla4P},   {&cells.hr2x, &percent.hr2P},
        {&cells.hr4x, &percent.hf4P},    {&cells.hr5, &percent.h5p},
        {&cells.hr10, &percent.h10p},    {&cells.hr20, &percent.h20p},
    };
    for (int k = 1; k <= last; ++k)
        for (const auto &[values, target] : columns) {
            setCell(*target, k, recoveryChange(cellValue(*values, k), cellValue(*values, 0)));
            emptyWithoutValues(*values, *target, k);
        }
}

} // namespace

std::optional<double> percentChangeOfSingles(float compared, float reference) {
    // The stored single-precision values are subtracted without rounding the difference back to
    // single precision: for values more than twice apart that rounding can move the result by a
    // tenth of a per cent (7.93 against 3.05 must give 159.9, not 160).
    const double difference = double(compared) - double(reference);
    return tenthsOfPerCent(difference, double(reference));
}

std::optional<double> percentChange(double compared, double reference) {
    return tenthsOfPerCent(compared - reference, reference);
}

std::optional<double> recoveryChange(double compared, double reference) {
    const auto change = tenthsOfPerCent(compared - reference, reference);
    if (!change)
        return std::nullopt;
    return -*change;
}

void fillPercentCells(const PercentPassInputs &inputs, const ComparisonCells &cells,
                      PercentCells &percent) {
    // Test k has value row k; rows exist up to 5, per-cent cells for k up to 5.
    const int last = std::min(inputs.curveSlot - 1, ComparisonCells::Rows - 1);
    if (last < 1)
        return;
    if (inputs.recovery)
        fillRecoveryLayout(cells, percent, last);
    else
        fillSpeedLayout(inputs, cells, percent, last);
    percent.uncertain = inputs.recovery
                            ? UncertainPercentCells{}
                            : uncertainPercentCells(cells.comparedIntervals, inputs.curveSlot);
}

void clearComparisonTable(ComparisonCells &cells, PercentCells &percent) {
    for (auto *column : {&cells.datex, &cells.labelx, &cells.vla2, &cells.vla4, &cells.hr2x,
                         &cells.hr4x, &cells.hr5, &cells.hr10, &cells.hr20})
        column->fill(QString());
    for (auto *column : {&percent.v200P, &percent.vla2P, &percent.vla4P, &percent.hr2P,
                         &percent.hf4P, &percent.h5p, &percent.h10p, &percent.h20p})
        column->fill(QString());
    for (auto *tips :
         {&cells.v200Tip, &cells.vla2Tip, &cells.vla4Tip, &cells.hr2Tip, &cells.hr4Tip})
        tips->fill(QString());
    cells.comparedIntervals.fill(TestIntervals{});
    percent.uncertain = {};
}

void clearAll(CurrentTest &test, ComparisonCells &cells, PercentCells &percent,
              SampleBuffer &samples) {
    for (QString &pace : test.pace)
        pace.clear();
    if (test.speedUnit == SpeedUnit::KmPerHour || test.speedUnit == SpeedUnit::MinPerKm ||
        test.speedUnit == SpeedUnit::MetrePerMin)
        test.speedUnit = SpeedUnit::NoUnit;
    test.discipline.clear();
    // The next test on screen is a new one: it must not carry the date of the test loaded before.
    test.testDate.clear();
    test.recordingMoment.clear();
    clearComparisonTable(cells, percent);
    for (int row = 0; row <= 6; ++row)
        cells.matrix[std::size_t(row)].fill(0.0);
    samples.sampleCount = 0;
}

} // namespace kavren
