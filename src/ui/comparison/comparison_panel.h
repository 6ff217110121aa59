// The comparison table below the graph (Frame4): a date and the indices of up to six tests of a
// horse, each later test with its change in per cent against the first. The cells stand under
// the words of the frame's header, which the speed unit chooses.
#pragma once

#include "domain/exercise/speed_unit.h"

#include <QGroupBox>
#include <QString>

#include <array>
#include <vector>

class QLabel;

namespace kavren {

struct ComparisonCells;
struct ExtrapolationMarks;
struct PercentCells;

// The frame `Frame4` itself with its cells; the header is its caption.
class ComparisonPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ComparisonPanel(QWidget *parent = nullptr);

    // The header (the frame's caption) of a speed test, or of a recovery test for that unit, with
    // the cells put under its words.
    void showUnit(SpeedUnit unit);
    // Puts the cells under the header's words again, after the frame's font changed.
    void fitCellsToHeader() { layoutCells(); }
    void showValues(const ComparisonCells &cells);
    void showPercents(const PercentCells &percent);
    // Shows the indices of a value row that lie beyond the measured steps in italics with the
    // reason as tool tip; the caption stays as it is. A mark stays with the text it was given
    // for: showValues drops it when the cell's text changes. Marks not assessed are left alone.
    void markExtrapolated(int row, const ExtrapolationMarks &marks);
    // True when the value cell of a column (0 = V200 … 7 = Hr20) and row carries that mark now.
    bool isExtrapolated(int column, int row) const;

    // The texts as shown: the date of a row, the value of a column (0 = V200 … 7 = Hr20) and
    // the per cent of a column (row 0 compares the second test with the first).
    QString dateText(int row) const;
    QString valueText(int column, int row) const;
    QString percentText(int column, int row) const;
    // The tool tip of a value cell: its extrapolation, then the index with its 95 % interval.
    QString valueToolTip(int column, int row) const;
    // True when a per-cent cell is grey: its change is within the uncertainty of the two tests.
    bool isWithinUncertainty(int column, int row) const;

    static constexpr int ValueRows = 6;
    static constexpr int PercentRows = 5;

private:
    struct Column {
        std::array<QLabel *, ValueRows> values{};
        std::array<QLabel *, PercentRows> percents{};
    };
    void layoutCells();

    QLabel *m_dates[ValueRows] = {};
    // Value columns in header order: V200 (La0), VLa2 (La5), VLa4 (La10), Hr2 (La20), Hr4 (Hr0),
    // Hr5, Hr10, Hr20, each with its per-cent column.
    std::array<Column, 8> m_columns;
};

} // namespace kavren
