// The per-cent cells of the comparison table: the change of each index of the second to sixth
// test against the first, and the clear-all raderaAllt as far as it concerns the test and the
// table.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/exercise/current_exercise.h"

#include <QString>

#include <array>
#include <optional>

namespace kavren {

// Per-cent cells, elements 0…4: element j is test j + 2 against test 1. Speed layout: V200P,
// Vla2P, Vla4P, Hr2P, Hf4P. Recovery layout: all eight, one per value column.
struct PercentCells {
    static constexpr int Rows = 5;
    std::array<QString, Rows> v200P, vla2P, vla4P, hr2P, hf4P, h5p, h10p, h20p;
    // The speed layout's changes that lie within the uncertainty of the two tests.
    UncertainPercentCells uncertain;
};

struct PercentPassInputs {
    int curveSlot = 0;     // CurveSlot: the number of tests compared
    bool recovery = false; // Option8 "Recovery" selected
    // Tests (elements 0…6 like the stored lists) that were heart-rate-only. Such a test has no
    // VLa2, VLa4, Hr2 or Hr4 of its own, so its cells in those columns (and all of them when the
    // reference is one) are left empty instead of comparing values of an earlier test.
    std::array<bool, ComparisonCells::ListSize> hrOnlyTests{};
};

// P(x, r) = Int(1000·(x − r) / r) / 10 over the stored single-precision values, their difference
// taken exactly (not rounded to single precision again); an increase is positive. Nothing for a
// reference of 0.
std::optional<double> percentChangeOfSingles(float compared, float reference);
// The same rule over values read from cells, in double precision.
std::optional<double> percentChange(double compared, double reference);
// R(x, r) = −Int(1000·(x − r) / r) / 10: a decrease (a faster recovery) is positive.
std::optional<double> recoveryChange(double compared, double reference);

// Fills the per-cent cells of tests 2…CurveSlot after a test was loaded and calculated. A cell
// whose rule gives nothing keeps its text. In the speed layout it also judges each change against
// the two tests' standard errors.
void fillPercentCells(const PercentPassInputs &inputs, const ComparisonCells &cells,
                      PercentCells &percent);

// Empties every value and per-cent cell of the table, with the intervals and tool tips behind them
// (a load without "Freeze curve" starts the comparison afresh).
void clearComparisonTable(ComparisonCells &cells, PercentCells &percent);

// raderaAllt as far as the test and the table go: the paces, the discipline, the date of the
// test last loaded, the unit options
// km/hour, min/km and met/min (the others keep their state), all value and per-cent cells, rows
// 0…6 of the matrix and the sample count. CurveSlot, ComparedCount and the stored index lists
// are kept. The window empties its fields and sets the comments to " ".
void clearAll(CurrentTest &test, ComparisonCells &cells, PercentCells &percent,
              SampleBuffer &samples);

} // namespace kavren
