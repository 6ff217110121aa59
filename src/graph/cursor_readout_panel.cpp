// Label80 on the graph: shown at the pointer on a match, hidden again by a single-shot timer.
#include "graph/cursor_readout_panel.h"

#include "graph/cursor_readout.h"
#include "graph/graph_widget.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace kavren {

CursorReadoutPanel::CursorReadoutPanel(GraphWidget *graph, const PointTable &pointTable,
                                       std::function<bool()> freezeChecked)
    : QObject(graph), m_graph(graph), m_pointTable(pointTable),
      m_freezeChecked(std::move(freezeChecked)) {
    m_label = new QLabel(graph);
    m_label->setObjectName(QStringLiteral("Label80"));
    m_label->setAutoFillBackground(true);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->hide();
    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(ShowMilliseconds);
    connect(m_hideTimer, &QTimer::timeout, m_label, &QWidget::hide);
    graph->setMouseTracking(true);
    graph->installEventFilter(this);
}

bool CursorReadoutPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_graph && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        pointerMoved(m_graph->map().toUser(move->position()));
    }
    return QObject::eventFilter(watched, event);
}

void CursorReadoutPanel::pointerMoved(QPointF graphPosition) {
    if (!m_freezeChecked || !m_freezeChecked())
        return;
    const auto slot = readoutSlot(m_pointTable, graphPosition.x(), graphPosition.y());
    if (!slot)
        return;
    m_label->setText(readoutCaption(*slot));
    m_label->adjustSize();
    m_label->move(m_graph->map().toDevice(graphPosition).toPoint());
    m_label->show();
    m_label->raise();
    m_hideTimer->start();
}

} // namespace kavren
