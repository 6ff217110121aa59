// The history chart on screen: the chart laid out for the widget's size and drawn through the
// program's drawing surface, as a PNG or a PDF page draws it; a click on a point names its test.
#pragma once

#include "domain/drawing/history_chart.h"

#include <QWidget>

namespace kavren {

class HistoryChartView : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChartView(QWidget *parent = nullptr);

    void setInput(HistoryChartInput input);
    const HistoryChartInput &input() const { return m_input; }
    // The chart as it is laid out for the widget's present size.
    HistoryChart chart() const;

signals:
    void pointClicked(qint64 rowId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    HistoryChartInput m_input;
};

// The chart drawn into a picture of this size on a white ground.
QImage historyChartImage(const HistoryChartInput &input, QSize size);
// The chart on one landscape page of a PDF file; false when the file could not be written.
bool writeHistoryChartPdf(const HistoryChartInput &input, const QString &path,
                          const QString &title);

} // namespace kavren
