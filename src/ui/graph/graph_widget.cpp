// The graph box: paints background colour, picture and drawing layer; takes drops.
#include "ui/graph/graph_widget.h"

#include "domain/drawing/axis_frame.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QPainter>

namespace kavren {

GraphWidget::GraphWidget(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lakta"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setFont(font());
    m_surface.setChangeHandler([this] { update(); });
    m_surface.resize(size(), devicePixelRatioF());
    m_surface.setScale(GraphCanvasScale);
    m_surface.setBackdrop(m_background);
}

void GraphWidget::syncLayer() {
    m_surface.resize(size(), devicePixelRatioF());
}

DrawingSurface &GraphWidget::surface() {
    syncLayer();
    return m_surface;
}

const CoordinateMap &GraphWidget::map() {
    syncLayer();
    return m_surface.map();
}

void GraphWidget::setBackgroundColour(const QColor &colour) {
    m_background = colour;
    // What is drawn from now on stands out from the new background.
    m_surface.setBackdrop(colour);
    update();
}

void GraphWidget::setBackgroundPicture(const QImage &picture) {
    m_picture = picture;
    update();
}

void GraphWidget::removeBackgroundPicture() {
    m_picture = QImage();
    update();
}

void GraphWidget::paintAll(QPainter &painter) {
    painter.fillRect(rect(), m_background);
    if (!m_picture.isNull())
        painter.drawImage(QPointF(0, 0), m_picture);
    painter.drawImage(QRectF(rect()), m_surface.image());
}

void GraphWidget::paintEvent(QPaintEvent *) {
    // A move to a screen of another pixel density redraws the layer at that density.
    syncLayer();
    QPainter painter(this);
    paintAll(painter);
}

QImage GraphWidget::renderedImage() {
    syncLayer();
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintAll(painter);
    return image;
}

void GraphWidget::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    syncLayer();
}

void GraphWidget::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_surface.setFont(font());
}

void GraphWidget::dragEnterEvent(QDragEnterEvent *event) {
    event->acceptProposedAction();
}

void GraphWidget::dragMoveEvent(QDragMoveEvent *event) {
    event->acceptProposedAction();
}

void GraphWidget::dropEvent(QDropEvent *event) {
    const QMimeData *mime = event->mimeData();
    QString text;
    if (mime && mime->hasUrls() && !mime->urls().isEmpty())
        text = mime->urls().constFirst().toLocalFile();
    else if (mime)
        text = mime->text();
    event->acceptProposedAction();
    emit dropped(text);
}

} // namespace kavren
