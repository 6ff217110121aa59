#include "ui/threshold/threshold_controller.h"

#include "domain/drawing/curve_plot.h"
#include "domain/exercise/numeric_text.h"
#include "ui/threshold/threshold_panel.h"

namespace kavren {

ThresholdController::ThresholdController(ThresholdPanel *panel, CurrentTest &test,
                                         AnalysisState &analysis, Links links, QObject *parent)
    : QObject(parent), m_panel(panel), m_test(test), m_analysis(analysis),
      m_links(std::move(links)) {
    connect(m_panel, &ThresholdPanel::thresholdRequested, this, &ThresholdController::runThreshold);
}

void ThresholdController::runThreshold() {
    m_links.runCalculation();
    m_panel->clampSpeed();
    const double speed = readNumber(m_panel->thresholdSpeedText());
    showCross(
        thresholdCross(speed, m_test.fit, m_test.scale, m_test.hrOnly, m_analysis.currentLactate));
}

void ThresholdController::showCross(const ThresholdCross &cross) {
    if (cross.lactateText)
        m_panel->showThresholdLactate(*cross.lactateText);
    drawThresholdCross(m_links.graph(), m_links.styles(), cross);
}

void ThresholdController::setLactateSliderMaximum(int maximum) {
    m_panel->setLactateSliderMaximum(maximum);
}

} // namespace kavren
