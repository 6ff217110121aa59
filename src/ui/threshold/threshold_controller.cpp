#include "ui/threshold/threshold_controller.h"

#include "domain/analysis/slider_release.h"
#include "domain/drawing/curve_plot.h"
#include "domain/exercise/numeric_text.h"
#include "ui/threshold/threshold_panel.h"

namespace kavren {

ThresholdController::ThresholdController(ThresholdPanel *panel, CurrentTest &test,
                                         AnalysisState &analysis, Links links, QObject *parent)
    : QObject(parent), m_panel(panel), m_test(test), m_analysis(analysis),
      m_links(std::move(links)) {
    connect(m_panel, &ThresholdPanel::thresholdRequested, this, &ThresholdController::runThreshold);
    connect(m_panel, &ThresholdPanel::sliderReleased, this, &ThresholdController::sliderReleased);
}

void ThresholdController::sliderReleased(bool hrSlider) {
    const TestStep first = m_links.firstStep();
    const bool frozen = m_links.freezeChecked();
    const SliderRelease release = hrSlider ? heartRateSliderReleased(frozen, first.hr)
                                           : lactateSliderReleased(frozen, first.lactate);
    switch (release) {
    case SliderRelease::RunThreshold:
        runThreshold();
        break;
    case SliderRelease::SetToZero:
        m_panel->setSliderValue(hrSlider, 0);
        break;
    case SliderRelease::SetTo120:
        m_panel->setSliderValue(hrSlider, 120);
        break;
    }
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
