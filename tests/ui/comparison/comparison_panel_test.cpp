// The comparison table shows what the analysis decided: the interval tool tip of an index cell
// beside its extrapolation reason, and grey per-cent cells for changes within the uncertainty.
#include "ui/comparison/comparison_panel.h"

#include "domain/analysis/comparison_table.h"
#include "domain/analysis/extrapolation.h"

#include <gtest/gtest.h>

namespace kavren {
namespace {

TEST(ComparisonPanelIntervals, ToolTipsAndGreyChanges) {
    ComparisonPanel panel;
    panel.showUnit(SpeedUnit::MetrePerMin);
    ComparisonCells cells;
    cells.vla4[0] = QStringLiteral("397.6");
    cells.vla4Tip[0] = QStringLiteral("VLa4 397.6 m/min, 95 % CI 364.6–462.8, 4 steps");
    panel.showValues(cells);
    EXPECT_EQ(panel.valueToolTip(2, 0), cells.vla4Tip[0]);

    // An extrapolation mark comes first and leaves the interval in place; dropping it too.
    ExtrapolationMarks marks;
    marks.vla4.assessed = true;
    marks.vla4.beyond = IndexMark::Beyond::Above;
    marks.vla4.quantity = IndexMark::Quantity::Lactate;
    marks.vla4.level = 4;
    marks.vla4.measured = 3.1;
    panel.markExtrapolated(0, marks);
    EXPECT_TRUE(panel.isExtrapolated(2, 0));
    EXPECT_EQ(panel.valueToolTip(2, 0), marks.vla4.toolTip() + u'\n' + cells.vla4Tip[0]);
    marks.vla4.beyond = IndexMark::Beyond::Nothing;
    panel.markExtrapolated(0, marks);
    EXPECT_EQ(panel.valueToolTip(2, 0), cells.vla4Tip[0]);

    PercentCells percent;
    percent.vla4P[0] = QStringLiteral("1.2");
    percent.vla4P[1] = QStringLiteral("9.8");
    percent.uncertain.vla4P[0] = true;
    percent.uncertain.v200P[0] = true; // no text: nothing to grey
    panel.showPercents(percent);
    EXPECT_TRUE(panel.isWithinUncertainty(2, 0));
    EXPECT_FALSE(panel.isWithinUncertainty(2, 1));
    EXPECT_FALSE(panel.isWithinUncertainty(0, 0));
    percent.uncertain = {};
    panel.showPercents(percent);
    EXPECT_FALSE(panel.isWithinUncertainty(2, 0));
}

} // namespace
} // namespace kavren
