// Scaling of the main window's hand-placed layout.
#include "ui/common/window_scale.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

// Containers whose children are placed by hand: the window area and its frames. Composite
// controls (lists, combo boxes, the graph) place their own insides.
bool placesChildrenByHand(const QWidget *widget) {
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox *>(widget) != nullptr;
}

int scaled(int designPixels, double factor) {
    return int(std::lround(designPixels * factor));
}

} // namespace

double layoutFactorFor(QSize designSize, QSize available) {
    if (designSize.width() <= 0 || designSize.height() <= 0)
        return 1;
    const double across = double(available.width()) / designSize.width();
    const double down = double(available.height()) / designSize.height();
    const double factor = std::min(across, down);
    return std::isfinite(factor) ? std::max(factor, MinimumLayoutFactor) : 1;
}

QRect scaledRect(const QRect &design, double factor) {
    const int left = scaled(design.x(), factor);
    const int top = scaled(design.y(), factor);
    const int right = scaled(design.x() + design.width(), factor);
    const int bottom = scaled(design.y() + design.height(), factor);
    return {left, top, right - left, bottom - top};
}

WindowScale::WindowScale(QWidget *area) : m_area(area) {
    note(area);
    QRect extent;
    int leftMargin = 0;
    int topMargin = 0;
    for (const Placed &placed : m_placed) {
        if (placed.widget->parentWidget() != area)
            continue;
        if (extent.isNull()) {
            leftMargin = placed.design.left();
            topMargin = placed.design.top();
        }
        extent = extent.united(placed.design);
        leftMargin = std::min(leftMargin, placed.design.left());
        topMargin = std::min(topMargin, placed.design.top());
    }
    m_designSize = QSize(extent.right() + 1 + std::max(leftMargin, 0),
                         extent.bottom() + 1 + std::max(topMargin, 0));
}

void WindowScale::note(QWidget *container) {
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        m_placed.push_back({widget, widget->geometry()});
        if (placesChildrenByHand(widget))
            note(widget);
    }
}

void WindowScale::setDesignSize(QWidget *widget, QSize size) {
    for (Placed &placed : m_placed)
        if (placed.widget == widget)
            placed.design.setSize(size);
}

QRect WindowScale::designGeometry(const QWidget *widget) const {
    for (const Placed &placed : m_placed)
        if (placed.widget == widget)
            return placed.design;
    return {};
}

void WindowScale::apply(double factor) {
    m_factor = factor;
    QFont font = m_area->font();
    font.setPointSizeF(DesignFontPoints * factor);
    m_area->setFont(font);
    for (const Placed &placed : m_placed)
        if (placed.widget)
            placed.widget->setGeometry(scaledRect(placed.design, factor));
    m_area->setFixedSize(scaledRect(QRect(QPoint(0, 0), m_designSize), factor).size());
}

} // namespace kavren
