// Extrapolated indices in the comparison table: italic with the reason as tool tip, the caption
// untouched, the mark dropped when the cell's text changes; and the fit quality in the status bar
// after "Calculate".
#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/extrapolation.h"
#include "ui/main_window/laktat.h"
#include "ui/comparison/comparison_panel.h"
#include "domain/analysis/comparison_table.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/typed_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

namespace kavren {
namespace {

IndexMark above(IndexMark::Quantity quantity, double level, double highest) {
    IndexMark mark;
    mark.assessed = true;
    mark.beyond = IndexMark::Beyond::Above;
    mark.quantity = quantity;
    mark.level = level;
    mark.measured = highest;
    return mark;
}

class ComparisonMarks : public ::testing::Test {
protected:
    ComparisonMarks() {
        m_cells.labelx[1] = QStringLiteral("1:39");
        m_cells.vla4[1] = QStringLiteral("1:32");
        m_cells.vla2[1] = QStringLiteral("1:46");
        m_panel->showValues(m_cells);
    }
    QLabel *cell(const char *name) {
        return m_frame.findChild<QLabel *>(QString::fromLatin1(name));
    }

    QGroupBox m_frame;
    ComparisonPanel *m_panel = new ComparisonPanel(&m_frame); // owned by the frame
    ComparisonCells m_cells;
};

TEST_F(ComparisonMarks, ExtrapolatedCellsAreItalicWithTheReasonAndKeepTheirCaption) {
    ExtrapolationMarks marks;
    marks.vla4 = above(IndexMark::Quantity::Lactate, 4, 3.1);
    marks.vla2.assessed = true; // inside the measured range
    m_panel->markExtrapolated(1, marks);
    EXPECT_TRUE(cell("VLA4(1)")->font().italic());
    EXPECT_EQ(cell("VLA4(1)")->toolTip(),
              "extrapolated: 4 mmol/l lies above the highest measured lactate (3.1 mmol/l)");
    EXPECT_EQ(cell("VLA4(1)")->text(), "1:32");
    EXPECT_FALSE(cell("Vla2(1)")->font().italic());
    EXPECT_FALSE(cell("VLA4(0)")->font().italic()); // another row
}

TEST_F(ComparisonMarks, AMarkStaysWithItsTextOnly) {
    ExtrapolationMarks marks;
    marks.v200 = above(IndexMark::Quantity::HeartRate, 200, 187);
    marks.vla4 = above(IndexMark::Quantity::Lactate, 4, 3.1);
    m_panel->markExtrapolated(1, marks);
    // A new value in VLa4 drops its mark; V200 shows the same text and keeps it.
    m_cells.vla4[1] = QStringLiteral("1:30");
    m_panel->showValues(m_cells);
    EXPECT_FALSE(cell("VLA4(1)")->font().italic());
    EXPECT_TRUE(cell("VLA4(1)")->toolTip().isEmpty());
    EXPECT_TRUE(cell("labelx(1)")->font().italic());
    // Marks not assessed (a heart-rate-only test leaves the lactate cells) change nothing.
    m_panel->markExtrapolated(1, ExtrapolationMarks{});
    EXPECT_TRUE(cell("labelx(1)")->font().italic());
    // Emptying the table drops every mark.
    m_panel->showValues(ComparisonCells{});
    EXPECT_FALSE(cell("labelx(1)")->font().italic());
    // Rows beyond the table are ignored.
    m_panel->markExtrapolated(6, marks);
    m_panel->markExtrapolated(-1, marks);
}

class CalculateMarks : public ::testing::Test {
protected:
    void SetUp() override { m_window = std::make_unique<Laktat>(m_folder.path()); }
    QLabel *cell(const char *name) {
        return m_window->findChild<QLabel *>(QString::fromLatin1(name));
    }
    void calculate(const QStringList &lactates, const QStringList &hrs) {
        m_window->findChild<QRadioButton *>(QStringLiteral("SSOption6"))->click(); // met/min
        kavren::testing::typeSteps(
            m_window.get(),
            {lactates.mid(0, 5), hrs.mid(0, 5), {"300", "360", "420", "480", "540"}});
        m_window->recalcTick();
        m_window->findChild<QPushButton *>(QStringLiteral("Command9"))->click();
    }

    testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

TEST_F(CalculateMarks, CalculateMarksGuessesAndTellsTheFitQuality) {
    // Lactate never reached 4 mmol/l nor the heart rate 200 b/min.
    calculate({"1.0", "1.4", "1.9", "2.5", "3.1"}, {"140", "152", "165", "176", "187"});
    EXPECT_TRUE(cell("VLA4(0)")->font().italic());
    EXPECT_TRUE(cell("Hr4x(0)")->font().italic());
    EXPECT_TRUE(cell("labelx(0)")->font().italic());
    EXPECT_FALSE(cell("Vla2(0)")->font().italic());
    // The reason comes first, then the index with its interval.
    EXPECT_TRUE(cell("VLA4(0)")->toolTip().startsWith(
        "extrapolated: 4 mmol/l lies above the highest measured lactate (3.1 mmol/l)\nVLa4 "))
        << cell("VLA4(0)")->toolTip().toStdString();
    const QString status = m_window->statusBar()->currentMessage();
    EXPECT_TRUE(status.startsWith("Lactate fit R² 0.9") && status.endsWith(", 5 steps"))
        << status.toStdString();

    // The same horse with a last step beyond 4 mmol/l: VLa4 is now measured.
    calculate({"1.0", "1.4", "1.9", "2.5", "4.6"}, {"140", "152", "165", "176", "187"});
    EXPECT_FALSE(cell("VLA4(0)")->font().italic());
    EXPECT_TRUE(cell("VLA4(0)")->toolTip().startsWith("VLa4 "));
}

// The texts the report reads: each column is the one its header word names, the per cents are
// one row lower on screen than their index, and a cell outside the table reads as empty.
TEST_F(ComparisonMarks, TextsAreReadBackByColumnAndRow) {
    ComparisonCells cells;
    cells.datex[2] = QStringLiteral("2026-12-07");
    cells.vla2[2] = QStringLiteral("vla2");
    cells.hr20[5] = QStringLiteral("hr20");
    m_panel->showValues(cells);
    PercentCells percent;
    percent.hf4P[0] = QStringLiteral("-1.5");
    percent.h20p[4] = QStringLiteral("2.0");
    m_panel->showPercents(percent);
    EXPECT_EQ(m_panel->dateText(2), "2026-12-07");
    EXPECT_EQ(m_panel->valueText(1, 2), "vla2"); // 0 = V200, 1 = VLa2
    EXPECT_EQ(m_panel->valueText(7, 5), "hr20");
    EXPECT_EQ(m_panel->valueText(0, 2), "");
    EXPECT_EQ(m_panel->percentText(4, 0), "-1.5"); // Hr4
    EXPECT_EQ(m_panel->percentText(7, 4), "2.0");
    EXPECT_EQ(m_panel->percentText(7, 5), ""); // five per-cent rows only
    EXPECT_EQ(m_panel->valueText(8, 0), "");
    EXPECT_EQ(m_panel->dateText(-1), "");
}

} // namespace
} // namespace kavren
