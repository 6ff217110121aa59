// The comparison table below the graph (Frame4): a date and the indices of up to six tests of a
// horse, each later test with its change in per cent against the first. The cells stand under
// the words of the frame's header, which the speed unit chooses.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QGroupBox;
class QLabel;

namespace kavren {

struct ComparisonCells;
struct ExtrapolationMarks;
struct PercentCells;

class ComparisonPanel : public QObject {
    Q_OBJECT
public:
    explicit ComparisonPanel(QGroupBox *frame);

    // Sets the header (the frame's caption) and puts the cells under its words.
    void setHeader(const QString &header);
    void showValues(const ComparisonCells &cells);
    void showPercents(const PercentCells &percent);
    // Shows the indices of a value row that lie beyond the measured steps in italics with the
    // reason as tool tip; the caption stays as it is. A mark stays with the text it was given
    // for: showValues drops it when the cell's text changes. Marks not assessed are left alone.
    void markExtrapolated(int row, const ExtrapolationMarks &marks);
    // True when the value cell of a column (0 = V200 … 7 = Hr20) and row carries that mark now.
    bool isExtrapolated(int column, int row) const;
    // Greys the cells of a row whose indices belong to an earlier fit (or shows them normally).
    void setRowStale(int row, bool stale);
    bool rowStale(int row) const;

    static constexpr int ValueRows = 6;
    static constexpr int PercentRows = 5;

private:
    struct Column {
        std::array<QLabel *, ValueRows> values{};
        std::array<QLabel *, PercentRows> percents{};
    };
    void layoutCells();

    QGroupBox *m_frame;
    QLabel *m_dates[ValueRows] = {};
    // Value columns in header order: V200 (La0), VLa2 (La5), VLa4 (La10), Hr2 (La20), Hr4 (Hr0),
    // Hr5, Hr10, Hr20, each with its per-cent column.
    std::array<Column, 8> m_columns;
};

} // namespace kavren
