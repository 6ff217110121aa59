// Label80 on the graph: shown at the pointer on a match, hidden again by a single-shot timer.
#include "ui/graph/cursor_readout_panel.h"

#include "domain/plot/cursor_readout.h"
#include "ui/graph/graph_widget.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace kavren {

CursorReadoutPanel::CursorReadoutPanel(GraphWidget *graph, const PointTable &pointTable,
                                       std::function<bool()> freezeChecked)
    : QLabel(graph), m_graph(graph), m_pointTable(pointTable),
      m_freezeChecked(std::move(freezeChecked)) {
    setObjectName(QStringLiteral("Label80"));
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(ShowMilliseconds);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    graph->setMouseTracking(true);
    graph->installEventFilter(this);
}

bool CursorReadoutPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_graph && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        pointerMoved(m_graph->map().toUser(move->position()));
    }
    return QLabel::eventFilter(watched, event);
}

void CursorReadoutPanel::pointerMoved(QPointF graphPosition) {
    if (!m_freezeChecked || !m_freezeChecked())
        return;
    const auto slot = readoutSlot(m_pointTable, graphPosition.x(), graphPosition.y());
    if (!slot)
        return;
    setText(readoutCaption(*slot));
    adjustSize();
    move(m_graph->map().toDevice(graphPosition).toPoint());
    show();
    raise();
    m_hideTimer->start();
}

} // namespace kavren
