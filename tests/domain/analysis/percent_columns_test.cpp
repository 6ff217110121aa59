// Per-cent cells where a developer's slip would show: a speed more than twice the reference (its
// single-precision difference is no longer exact), heart-rate cells read in double precision, and
// every cell of the recovery layout taken from its own column.
#include "domain/analysis/comparison_table.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(PercentColumns, ASpeedMoreThanTwiceTheReference) {
    // 7.93 and 3.05 held in single precision are 7.9299998 and 3.0499999. Their exact difference
    // 4.8799999 gives 1000·4.8799999/3.0499999 = 1599.99998, Int 1599, 159.9. Rounding the
    // difference itself to single precision lands on 4.8800001 (a tie taken to the even side) and
    // gives 1600.00006, 160; the same in double from the texts gives 1600 as well.
    EXPECT_DOUBLE_EQ(percentChangeOfSingles(7.93f, 3.05f).value(), 159.9);
    // The other way round: −4.8799999/7.9299998 = −615.38… per mille, Int −616, −61.6.
    EXPECT_DOUBLE_EQ(percentChangeOfSingles(3.05f, 7.93f).value(), -61.6);

    ComparisonCells cells;
    cells.comparedV200 = {3.05f, 7.93f};
    cells.comparedVla4 = {3.05f, 7.93f};
    cells.comparedVla2 = {3.05f, 7.93f};
    // Heart-rate cells are texts read in double precision: (7.93 − 3.05)·1000/3.05 = 1600 → 160.
    cells.hr2x = {QStringLiteral("3.05"), QStringLiteral("7.93")};
    cells.hr4x = {QStringLiteral("160"), QStringLiteral("150")};
    PercentCells percent;
    fillPercentCells({2, false, {}}, cells, percent);
    EXPECT_EQ(percent.v200P[0], QStringLiteral("159.9"));
    EXPECT_EQ(percent.vla4P[0], QStringLiteral("159.9"));
    EXPECT_EQ(percent.vla2P[0], QStringLiteral("159.9"));
    EXPECT_EQ(percent.hr2P[0], QStringLiteral("160"));
    // 150 against 160: −62.5 per mille, Int −63 (towards minus infinity, not towards zero): −6.3.
    EXPECT_EQ(percent.hf4P[0], QStringLiteral("-6.3"));
}

TEST(PercentColumns, EveryRecoveryCellComesFromItsOwnColumn) {
    // Reference (test 1) and second test per column, and R = −Int(1000·(x − r)/r)/10:
    // labelx 8 → 6: −250 → 25; Vla2 5 → 4: −200 → 20; VLA4 4 → 3.5: −125 → 12.5;
    // Hr2x 2 → 2.5: 250 → −25; Hr4x 160 → 150: −62.5, Int −63 → 6.3; Hr5 140 → 133: −50 → 5;
    // Hr10 130 → 143: 100 → −10; Hr20 120 → 123: 25 → −2.5. No two columns give the same cell.
    ComparisonCells cells;
    cells.labelx = {QStringLiteral("8"), QStringLiteral("6")};
    cells.vla2 = {QStringLiteral("5"), QStringLiteral("4")};
    cells.vla4 = {QStringLiteral("4"), QStringLiteral("3.5")};
    cells.hr2x = {QStringLiteral("2"), QStringLiteral("2.5")};
    cells.hr4x = {QStringLiteral("160"), QStringLiteral("150")};
    cells.hr5 = {QStringLiteral("140"), QStringLiteral("133")};
    cells.hr10 = {QStringLiteral("130"), QStringLiteral("143")};
    cells.hr20 = {QStringLiteral("120"), QStringLiteral("123")};
    // The stored speed lists play no part in the recovery layout.
    cells.comparedV200 = {1.0f, 9.0f};
    cells.comparedVla2 = {1.0f, 9.0f};
    cells.comparedVla4 = {1.0f, 9.0f};
    PercentCells percent;
    fillPercentCells({2, true, {}}, cells, percent);
    const std::array<QString, 8> row = {percent.v200P[0], percent.vla2P[0], percent.vla4P[0],
                                        percent.hr2P[0],  percent.hf4P[0],  percent.h5p[0],
                                        percent.h10p[0],  percent.h20p[0]};
    const std::array<QString, 8> expected = {u"25"_qs,  u"20"_qs, u"12.5"_qs, u"-25"_qs,
                                             u"6.3"_qs, u"5"_qs,  u"-10"_qs,  u"-2.5"_qs};
    EXPECT_EQ(row, expected);
}

TEST(PercentColumns, TheLastTestsOfAFullTableUseTheirOwnRows) {
    // Six tests, V200 8, 9, 10, 11, 12, 16 m/s: +12.5, +25, +37.5, +50 and +100 %; each cell j
    // holds test j + 2 against test 1.
    ComparisonCells cells;
    cells.comparedV200 = {8, 9, 10, 11, 12, 16, 0};
    cells.comparedVla2 = cells.comparedV200;
    cells.comparedVla4 = cells.comparedV200;
    PercentCells percent;
    fillPercentCells({6, false, {}}, cells, percent);
    const std::array<QString, 5> expected = {u"12.5"_qs, u"25"_qs, u"37.5"_qs, u"50"_qs, u"100"_qs};
    EXPECT_EQ(percent.v200P, expected);
    EXPECT_EQ(percent.vla2P, expected);
    EXPECT_EQ(percent.vla4P, expected);
}
