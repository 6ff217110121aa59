#include "graph/graph_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

namespace kavren {

GraphWidget::GraphWidget(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lakta"));
    setAcceptDrops(true);
}

void GraphWidget::setBackgroundColour(const QColor &colour) {
    m_background = colour;
    update();
}

void GraphWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
}

void GraphWidget::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void GraphWidget::dropEvent(QDropEvent *event) {
    const QMimeData *data = event->mimeData();
    const QString text = data->hasUrls() && !data->urls().isEmpty()
                             ? data->urls().constFirst().toLocalFile()
                             : data->text();
    event->acceptProposedAction();
    emit dropped(text);
}

} // namespace kavren
