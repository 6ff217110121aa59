#include "ui/threshold_methods/threshold_methods_window.h"

#include "domain/drawing/curve_plot.h"
#include "domain/drawing/drawing_surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kavren {

ThresholdMethodsWindow::ThresholdMethodsWindow(const CurrentTest &test, Links links,
                                               QWidget *parent)
    : QWidget(parent, Qt::Window), m_test(test), m_links(std::move(links)) {
    setObjectName(QStringLiteral("thresholdMethods"));
    setWindowTitle(tr("Threshold methods"));
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(tr("Calculate a test to compare the methods."), this);
    m_text->setObjectName(QStringLiteral("thresholdMethodsText"));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_text);
    m_markers = new QCheckBox(tr("Mark the thresholds on the graph"), this);
    m_markers->setObjectName(QStringLiteral("thresholdMethodsMarkers"));
    m_markers->setToolTip(tr("The marks are drawn now and after every calculation while ticked; "
                             "the next calculation draws the graph without them when unticked."));
    layout->addWidget(m_markers);
    connect(m_markers, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            drawMarkers();
    });
}

void ThresholdMethodsWindow::showWindow() {
    show();
    raise();
    activateWindow();
}

void ThresholdMethodsWindow::showTest(const StepReadings &steps, int stepCount,
                                      const GraphScale &scale,
                                      const std::vector<double> &extraLevels) {
    if (m_test.speedUnit == SpeedUnit::RecoveryTime) {
        m_calculated = false;
        m_text->setText(tr("A recovery test has no lactate threshold."));
        return;
    }
    m_methods = thresholdMethods(steps, stepCount, extraLevels);
    m_scale = scale;
    m_calculated = true;
    m_text->setText(thresholdMethodLines(m_methods, m_test.discipline).join(u'\n'));
    if (m_markers->isChecked())
        drawMarkers();
}

QStringList ThresholdMethodsWindow::lines() const {
    return m_text->text().split(u'\n');
}

bool ThresholdMethodsWindow::markersShown() const {
    return m_markers->isChecked();
}

void ThresholdMethodsWindow::drawMarkers() {
    if (!m_calculated || !m_links.graph || !m_links.styles)
        return;
    drawCurvePlot(m_links.graph(), m_links.styles(), thresholdMethodMarks(m_methods, m_scale));
}

} // namespace kavren
