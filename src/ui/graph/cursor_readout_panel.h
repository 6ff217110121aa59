// The readout label `Label80` of the graph: while "Freeze curve" is ticked, resting the pointer on
// a measured point of a kept curve shows that curve's number beside the pointer for 0.6 seconds.
// The window keeps working meanwhile; a later match shows the label again, for its own 0.6 s.
#pragma once

#include "domain/plot/point_table.h"

#include <QLabel>
#include <QPointF>

#include <functional>

class QTimer;

namespace kavren {

class GraphWidget;

// The label `Label80` itself, a child of the graph it reads the pointer of.
class CursorReadoutPanel : public QLabel {
    Q_OBJECT
public:
    // The label is made inside the graph, hidden; the graph reports every pointer move to it.
    CursorReadoutPanel(GraphWidget *graph, const PointTable &pointTable,
                       std::function<bool()> freezeChecked);

    // How long a readout stays shown.
    static constexpr int ShowMilliseconds = 600;

    // A pointer move to (x, y) in graph units.
    void pointerMoved(QPointF graphPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GraphWidget *m_graph;
    const PointTable &m_pointTable;
    std::function<bool()> m_freezeChecked;
    QTimer *m_hideTimer = nullptr;
};

} // namespace kavren
