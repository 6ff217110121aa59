// "Calculate", the calculation run on the test on screen, the threshold cross and "Freeze curve":
// the window reads the fields as shown, the analysis computes, the graph draws, and the results
// go back into the fields and the comparison table.
#include "ui/main_window/laktat.h"

#include "domain/analysis/extrapolation.h"
#include "domain/analysis/field_reading.h"
#include "domain/analysis/index_run.h"
#include "domain/analysis/threshold_calculator.h"
#include "ui/threshold/threshold_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "domain/drawing/curve_plot.h"
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "ui/entry/entry_panel.h"
#include "ui/common/message_dialog.h"
#include "domain/exercise/numeric_text.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

using namespace kavren;

bool Laktat::freezeChecked() const {
    return m_freeze->isChecked();
}

void Laktat::calculate() {
    const CalculatePreparation preparation = prepareCalculate(
        m_test.speedUnit, m_entry->lactateField(0)->text(), m_entry->nameField()->text());
    if (preparation.showSelectSpeed) {
        showMessage(this, QStringLiteral("Select Speed !"));
        return;
    }
    if (preparation.switchHrOnly)
        setHeartRateOnly(true);
    if (preparation.focusSaveWork)
        m_saveButton->setFocus();
    else
        m_entry->nameField()->setFocus();
    runCalculation();
    // A fit that could not use the steps says why; its quality would describe the previous fit.
    if (m_fitQuality && !m_fitProblemShown)
        statusBar()->showMessage(fitQualityMessage(*m_fitQuality));
    if (const auto comments = commentsAfterCalculate(m_test.importedFromFile, m_importNote))
        m_entry->commentsField()->setPlainText(*comments);
}

void Laktat::runCalculation() {
    CalculationInputs inputs;
    const TestSteps steps = m_entry->steps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        inputs.speedText[i] = steps[i].speedText;
        inputs.speedMs[i] = steps[i].speedMs;
        inputs.lactate[i] = steps[i].lactate;
        inputs.hr[i] = steps[i].hr;
    }
    inputs.freezeChecked = freezeChecked();
    inputs.linkFirstRun = m_liveDataPending && m_linkActive;
    inputs.calculatedAt =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_fitQuality.reset();
    const CalculationResult result =
        kavren::runCalculation(inputs, chooseGraphAxisRanges, m_test, m_analysis);
    if (result.linkActiveCleared)
        m_linkActive = false;
    if (result.endedByFreezeGuard) {
        m_freeze->setChecked(false);
        freezeCurveClicked();
        return;
    }
    if (result.writeHrOnlyLactates)
        for (int row = 0; row < StepRows; ++row)
            m_entry->lactateField(row)->setText(kHeartRateOnlyLactateText);
    if (result.puls1Text)
        m_entry->hrField(0)->setText(*result.puls1Text);
    if (result.slider2Maximum)
        m_threshold->lactateSlider()->setMaximum(*result.slider2Maximum);
    drawCalculationRun(m_graph->surface(), m_styles->settings(), result);
    m_comparison->showValues(m_analysis.comparison);
    m_fitQuality = fitQuality(result.readings, m_test.stepCount);
    if (m_test.speedUnit != SpeedUnit::RecoveryTime)
        m_comparison->markExtrapolated(
            m_test.comparedCount - 1,
            extrapolationMarks(result.readings, m_test.stepCount,
                               !isHrOnlySentinel(m_entry->lactateField(0)->text())));
    showFitStatus(inputs, result);
}

void Laktat::runThreshold() {
    runCalculation();
    m_threshold->clampSpeed();
    const double speed = readNumber(m_threshold->speedField()->text());
    const ThresholdCross cross =
        thresholdCross(speed, m_test.fit, m_test.scale, m_test.hrOnly, m_analysis.currentLactate);
    if (cross.lactateText)
        m_threshold->lactateField()->setText(*cross.lactateText);
    drawThresholdCross(m_graph->surface(), m_styles->settings(), cross);
}

void Laktat::freezeCurveClicked() {
    kavren::freezeCurveClicked(m_test, m_analysis.pointTable);
    m_graph->surface().clear();
}
