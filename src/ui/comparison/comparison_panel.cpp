#include "ui/comparison/comparison_panel.h"

#include "domain/analysis/comparison_cells.h"
#include "domain/analysis/extrapolation.h"
#include "domain/analysis/comparison_table.h"
#include "ui/comparison/date_cell_widget.h"
#include "ui/common/named_controls.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>

namespace kavren {

namespace {

constexpr const char *ValueNames[] = {"labelx", "Vla2", "VLA4", "Hr2x",
                                      "Hr4x",   "Hr5",  "Hr10", "Hr20"};
constexpr const char *PercentNames[] = {"V200P", "Vla2P", "Vla4P", "Hr2P",
                                        "Hf4P",  "H5p",   "H10p",  "H20p"};
// Rows follow the frame's font: the first under the caption, each a line of text with a little
// room.
int rowHeightOf(const QFontMetrics &metrics) {
    return metrics.height() + 3;
}

int firstRowTopOf(const QFontMetrics &metrics) {
    return metrics.height() + 8;
}

// The date stands in the room before the first value column, from the frame's left edge.
constexpr int DateLeft = 4;

// A value cell's tool tip: why it is extrapolated (while it is), then the index with its interval.
constexpr const char *ExtrapolationTip = "extrapolationTip";
constexpr const char *IntervalTip = "intervalTip";

void showToolTip(QLabel *cell) {
    QStringList parts = {cell->property(ExtrapolationTip).toString(),
                         cell->property(IntervalTip).toString()};
    parts.removeAll(QString());
    cell->setToolTip(parts.join(u'\n'));
}

void setExtrapolated(QLabel *cell, bool extrapolated, const QString &toolTip) {
    QFont font = cell->font();
    font.setItalic(extrapolated);
    cell->setFont(font);
    cell->setProperty(ExtrapolationTip, extrapolated ? toolTip : QString());
    showToolTip(cell);
}

// A change within the uncertainty of the two tests is shown in grey and says so.
void setWithinUncertainty(QLabel *cell, bool within) {
    cell->setStyleSheet(within ? QStringLiteral("color: gray") : QString());
    cell->setToolTip(within ? QCoreApplication::translate("Indices", WithinUncertaintyToolTip)
                            : QString());
}

// A new text in a cell drops the mark that belonged to the old one.
void setCellText(QLabel *cell, const QString &text) {
    if (cell->text() != text)
        setExtrapolated(cell, false, {});
    cell->setText(text);
}

} // namespace

ComparisonPanel::ComparisonPanel(QWidget *parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame4"));
    for (int r = 0; r < ValueRows; ++r)
        m_dates[r] = new DateCellWidget(QStringLiteral("datex(%1)").arg(r), this);
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        for (int r = 0; r < ValueRows; ++r)
            m_columns[c].values[std::size_t(r)] = namedControl<QLabel>(
                this, QStringLiteral("%1(%2)").arg(QLatin1String(ValueNames[c])).arg(r));
        for (int r = 0; r < PercentRows; ++r)
            m_columns[c].percents[std::size_t(r)] = namedControl<QLabel>(
                this, QStringLiteral("%1(%2)").arg(QLatin1String(PercentNames[c])).arg(r));
    }
}

void ComparisonPanel::showUnit(SpeedUnit unit) {
    // The header of a speed test and of a recovery test; the spaces set each heading over its
    // column.
    setTitle(unit == SpeedUnit::RecoveryTime
                 ? tr("     Date             La(0)      %       La(5)      %      La(10)     %     "
                      "La(20)     %      Hr(0)       %      Hr(5)       %     Hr(10 )     %      "
                      "Hr(20)     %")
                 : tr("       Date           V200       %        V2        %        V4        %    "
                      "   Hr2       %        Hr4       %"));
    layoutCells();
}

// Each word of the header starts a column: the date, then a value and its per cent by turns.
void ComparisonPanel::layoutCells() {
    const QString header = title();
    const QFontMetrics metrics(font());
    static const QRegularExpression word(QStringLiteral("\\S+( \\))?"));
    std::vector<int> starts;
    for (auto it = word.globalMatch(header); it.hasNext();)
        starts.push_back(8 + metrics.horizontalAdvance(header.left(it.next().capturedStart())));
    const auto columnLeft = [&starts](std::size_t index) {
        return index < starts.size() ? starts[index] : -1;
    };
    const int rowHeight = rowHeightOf(metrics);
    const int firstRowTop = firstRowTopOf(metrics);
    const auto place = [rowHeight](QLabel *cell, int left, int top, int width) {
        cell->setVisible(left >= 0);
        if (left >= 0)
            cell->setGeometry(left, top, width, rowHeight);
    };
    const int dateWidth = std::max(40, columnLeft(1) - DateLeft - 4);
    for (int r = 0; r < ValueRows; ++r)
        place(m_dates[r], columnLeft(0) < 0 ? -1 : DateLeft, firstRowTop + r * rowHeight,
              dateWidth);
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const int valueLeft = columnLeft(1 + 2 * c);
        const int percentLeft = columnLeft(2 + 2 * c);
        const int width = std::max(30, percentLeft - valueLeft - 2);
        for (int r = 0; r < ValueRows; ++r)
            place(m_columns[c].values[std::size_t(r)], valueLeft, firstRowTop + r * rowHeight,
                  width);
        // Per-cent cell j compares test j + 2 with the first: it stands in that test's row.
        // A per cent reaches to the next value column, or as far as its widest text goes.
        const int nextLeft = columnLeft(3 + 2 * c);
        const int percentWidth = nextLeft >= 0
                                     ? std::max(1, nextLeft - percentLeft - 2)
                                     : metrics.horizontalAdvance(QStringLiteral("-100.0 "));
        for (int r = 0; r < PercentRows; ++r)
            place(m_columns[c].percents[std::size_t(r)], percentLeft,
                  firstRowTop + (r + 1) * rowHeight, percentWidth);
    }
}

void ComparisonPanel::showValues(const ComparisonCells &cells) {
    const std::array<const std::array<QString, ComparisonCells::Rows> *, 8> columns = {
        &cells.labelx, &cells.vla2, &cells.vla4, &cells.hr2x,
        &cells.hr4x,   &cells.hr5,  &cells.hr10, &cells.hr20};
    for (int r = 0; r < ValueRows; ++r) {
        m_dates[r]->setText(cells.datex[std::size_t(r)]);
        m_dates[r]->setToolTip(cells.datex[std::size_t(r)]);
        for (std::size_t c = 0; c < columns.size(); ++c)
            setCellText(m_columns[c].values[std::size_t(r)], (*columns[c])[std::size_t(r)]);
    }
    // The speed layout's index cells tell their 95 % interval.
    const std::array<const std::array<QString, ComparisonCells::Rows> *, 5> tips = {
        &cells.v200Tip, &cells.vla2Tip, &cells.vla4Tip, &cells.hr2Tip, &cells.hr4Tip};
    for (std::size_t c = 0; c < m_columns.size(); ++c)
        for (int r = 0; r < ValueRows; ++r) {
            QLabel *cell = m_columns[c].values[std::size_t(r)];
            cell->setProperty(IntervalTip,
                              c < tips.size() ? (*tips[c])[std::size_t(r)] : QString());
            showToolTip(cell);
        }
}

void ComparisonPanel::markExtrapolated(int row, const ExtrapolationMarks &marks) {
    if (row < 0 || row >= ValueRows)
        return;
    // The speed layout's columns V200, VLa2, VLa4, Hr2, Hr4.
    const std::array<const IndexMark *, 5> columnMarks = {&marks.v200, &marks.vla2, &marks.vla4,
                                                          &marks.hr2, &marks.hr4};
    for (std::size_t c = 0; c < columnMarks.size(); ++c)
        if (columnMarks[c]->assessed)
            setExtrapolated(m_columns[c].values[std::size_t(row)], columnMarks[c]->extrapolated(),
                            columnMarks[c]->toolTip());
}

bool ComparisonPanel::isExtrapolated(int column, int row) const {
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= ValueRows)
        return false;
    const QLabel *cell = m_columns[std::size_t(column)].values[std::size_t(row)];
    return cell->font().italic() && !cell->toolTip().isEmpty();
}

QString ComparisonPanel::dateText(int row) const {
    return row >= 0 && row < ValueRows ? m_dates[row]->text() : QString();
}

QString ComparisonPanel::valueText(int column, int row) const {
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= ValueRows)
        return {};
    return m_columns[std::size_t(column)].values[std::size_t(row)]->text();
}

QString ComparisonPanel::percentText(int column, int row) const {
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= PercentRows)
        return {};
    return m_columns[std::size_t(column)].percents[std::size_t(row)]->text();
}

void ComparisonPanel::showPercents(const PercentCells &percent) {
    const std::array<const std::array<QString, PercentCells::Rows> *, 8> columns = {
        &percent.v200P, &percent.vla2P, &percent.vla4P, &percent.hr2P,
        &percent.hf4P,  &percent.h5p,   &percent.h10p,  &percent.h20p};
    const std::array<const std::array<bool, PercentCells::Rows> *, 5> uncertain = {
        &percent.uncertain.v200P, &percent.uncertain.vla2P, &percent.uncertain.vla4P,
        &percent.uncertain.hr2P, &percent.uncertain.hf4P};
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (int r = 0; r < PercentRows; ++r) {
            QLabel *cell = m_columns[c].percents[std::size_t(r)];
            cell->setText((*columns[c])[std::size_t(r)]);
            setWithinUncertainty(cell, c < uncertain.size() && (*uncertain[c])[std::size_t(r)] &&
                                           !cell->text().isEmpty());
        }
}

bool ComparisonPanel::isWithinUncertainty(int column, int row) const {
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= PercentRows)
        return false;
    return m_columns[std::size_t(column)].percents[std::size_t(row)]->toolTip() ==
           QCoreApplication::translate("Indices", WithinUncertaintyToolTip);
}

QString ComparisonPanel::valueToolTip(int column, int row) const {
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= ValueRows)
        return {};
    return m_columns[std::size_t(column)].values[std::size_t(row)]->toolTip();
}

} // namespace kavren
