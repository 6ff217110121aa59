// The graph box `lakta`: the background colour, the background picture and, over both, the
// retained drawing layer that every drawing procedure draws on through its DrawingSurface.
// Clearing the drawing leaves the colour and the picture; the layer follows the widget's size.
#pragma once

#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/screen_surface.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kavren {

class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget *parent = nullptr);

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const { return m_background; }

    // The graph's own picture, drawn at its size from the top-left corner, behind the drawing.
    void setBackgroundPicture(const QImage &picture);
    void removeBackgroundPicture();
    const QImage &backgroundPicture() const { return m_picture; }

    // The surface the graph is drawn on; its map turns widget pixels into graph units and back.
    DrawingSurface &surface();
    const CoordinateMap &map();
    // Background, picture and drawing as the user sees them (a screenshot of the graph).
    QImage renderedImage();

signals:
    // Something was dropped onto the graph (what it is does not matter: the file list's
    // selection is the picture taken).
    void dropped(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void paintAll(QPainter &painter);
    // The layer follows the widget's size and pixel density (also while the widget is hidden,
    // when Qt holds back resize events).
    void syncLayer();

    QColor m_background = QColor(0, 128, 0);
    QImage m_picture;
    ScreenSurface m_surface;
};

} // namespace kavren
