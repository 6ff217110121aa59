// The comparison table's date cell.
#include "ui/comparison/date_cell_widget.h"

#include <QFontMetrics>
#include <QPainter>

namespace kavren {

DateCellWidget::DateCellWidget(const QString &name, QWidget *parent) : QLabel(parent) {
    setObjectName(name);
}

QString DateCellWidget::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void DateCellWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), int(alignment()), shownText());
}

} // namespace kavren
