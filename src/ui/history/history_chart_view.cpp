#include "ui/history/history_chart_view.h"

#include "domain/drawing/painter_surface.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kavren {

HistoryChartView::HistoryChartView(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("historyChart"));
    setAccessibleName(tr("Chart of the index over time"));
    setMinimumSize(320, 200);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setCursor(Qt::PointingHandCursor);
}

void HistoryChartView::setInput(HistoryChartInput input) {
    m_input = std::move(input);
    update();
}

HistoryChart HistoryChartView::chart() const {
    return historyChart(m_input, QSizeF(size()));
}

void HistoryChartView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    PainterSurface surface(painter, QRectF(rect()), {std::nullopt, 1, true});
    drawHistoryChart(surface, chart());
}

void HistoryChartView::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto rowId = historyChartHit(chart(), event->position()))
        emit pointClicked(*rowId);
}

QImage historyChartImage(const HistoryChartInput &input, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterSurface surface(painter, QRectF(QPointF(0, 0), QSizeF(size)),
                               {std::nullopt, 1, true});
        drawHistoryChart(surface, historyChart(input, QSizeF(size)));
    }
    return image;
}

bool writeHistoryChartPdf(const HistoryChartInput &input, const QString &path,
                          const QString &title) {
    // The page is made in memory and the file replaced in one step, so that a failed write leaves
    // no half-written file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(title);
        QPainter painter(&writer);
        if (!painter.isActive())
            return false;
        // The chart is laid out in points of the page, drawn in its device units: its lines and
        // texts keep their proportions on paper.
        const QRectF area = writer.pageLayout().paintRect(QPageLayout::Point);
        const double unit = writer.resolution() / 72.0;
        PainterSurface surface(painter, QRectF(0, 0, area.width() * unit, area.height() * unit),
                               {std::nullopt, unit, true});
        drawHistoryChart(surface, historyChart(input, area.size()));
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf.data()) == pdf.data().size() &&
           file.commit();
}

} // namespace kavren
