// The graph box `lakta`: a widget with the user scale x 3…16, y 13…−3 over its whole area, a
// background colour and a background picture under a retained drawing layer.
#pragma once

#include <QColor>
#include <QWidget>

namespace kavren {

class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget *parent = nullptr);

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const { return m_background; }

signals:
    // A file name or text was dropped onto the graph.
    void dropped(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QColor m_background = QColor(0, 128, 0);
};

} // namespace kavren
