#include "ui/entry/calculation_controller.h"

#include "domain/analysis/field_reading.h"
#include "domain/analysis/fit_problem.h"
#include "domain/analysis/index_run.h"
#include "domain/drawing/curve_plot.h"
#include "domain/exercise/plausible_values.h"
#include "ui/common/message_dialog.h"

#include <QStatusBar>

namespace kavren {

CalculationController::CalculationController(EntryPanel *entry, CurrentTest &test,
                                             AnalysisState &analysis, Links links, QObject *parent)
    : QObject(parent), m_entry(entry), m_test(test), m_analysis(analysis),
      m_links(std::move(links)) {}

void CalculationController::calculate() {
    TestSteps steps = m_entry->steps();
    const CalculatePreparation preparation =
        prepareCalculate(m_test.speedUnit, steps[0].lactate, m_entry->identity().name);
    if (preparation.showSelectSpeed) {
        showMessage(m_links.window, tr("Select Speed !"));
        return;
    }
    if (preparation.switchHrOnly) {
        setHeartRateOnly(true);
        for (TestStep &step : steps)
            step.lactate = kHeartRateOnlyLactateText;
    }
    if (preparation.focusSaveWork)
        emit saveWorkNext();
    else
        m_entry->focusName();
    run(steps);
    // A fit that could not use the steps says why; its quality would describe the previous fit.
    if (m_fitQuality && !m_fitProblemShown)
        m_links.statusBar->showMessage(fitQualityMessage(*m_fitQuality, m_intervalParts));
    // Values beyond what a horse can show are named first; nothing is changed for them.
    if (const QStringList implausible = m_entry->implausibleFields(); !implausible.isEmpty())
        m_links.statusBar->showMessage(implausibleValuesNote(implausible) + QStringLiteral("  ") +
                                       m_links.statusBar->currentMessage());
    if (const auto comments = commentsAfterCalculate(m_test.importedFromFile, m_links.importNote()))
        m_entry->setComments(*comments);
}

void CalculationController::runCalculation() {
    run(m_entry->steps());
}

void CalculationController::run(TestSteps steps) {
    CalculationInputs inputs;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        inputs.speedText[i] = steps[i].speedText;
        inputs.speedMs[i] = steps[i].speedMs;
        inputs.lactate[i] = steps[i].lactate;
        inputs.hr[i] = steps[i].hr;
    }
    inputs.freezeChecked = m_links.freezeChecked();
    inputs.linkFirstRun = m_links.linkFirstRun();
    inputs.calculatedAt = m_links.clock().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    inputs.extraLevels = m_links.extraLevels();
    m_fitQuality.reset();
    m_intervalParts.clear();
    const CalculationResult result =
        kavren::runCalculation(inputs, chooseGraphAxisRanges, m_test, m_analysis);
    if (result.linkActiveCleared)
        emit linkFirstRunUsed();
    if (result.endedByFreezeGuard) {
        emit freezeEnded();
        freezeCurveClicked();
        return;
    }
    if (result.writeHrOnlyLactates) {
        m_entry->showHrOnlyLactates();
        for (TestStep &step : steps)
            step.lactate = kHeartRateOnlyLactateText;
    }
    if (result.puls1Text)
        m_entry->showFirstHr(*result.puls1Text);
    if (result.slider2Maximum)
        emit lactateSliderMaximum(*result.slider2Maximum);
    drawCalculationRun(m_links.graph(), m_links.styles(), result);
    emit comparisonChanged(m_analysis.comparison);
    m_fitQuality = fitQuality(result.readings, m_test.stepCount);
    m_intervalParts = intervalStatusParts(result.intervals, m_test.discipline);
    if (m_test.speedUnit != SpeedUnit::RecoveryTime)
        emit extrapolationMarked(m_test.comparedCount - 1,
                                 extrapolationMarks(result.readings, m_test.stepCount,
                                                    !isHrOnlySentinel(steps[0].lactate)));
    showFitStatus(inputs, result);
    emit calculated(result.readings, m_test.stepCount,
                    result.commonRedraw ? result.commonScale : result.frameScale,
                    inputs.extraLevels);
}

void CalculationController::showFitStatus(const CalculationInputs &inputs,
                                          const CalculationResult &result) {
    StepTexts lactate = inputs.lactate;
    if (result.writeHrOnlyLactates)
        lactate.fill(kHeartRateOnlyLactateText);
    const bool recovery = m_test.speedUnit == SpeedUnit::RecoveryTime;
    const StepReadings steps =
        readSteps(recovery ? inputs.speedText : inputs.speedMs, lactate, inputs.hr);
    // A fit over the test's steps that failed names the value to correct; otherwise the row's
    // missing values say why.
    const std::optional<QString> fitFailure =
        result.fit.steps == FitOutcome::Steps::Found
            ? fitProblem(steps, lactate, m_test.stepCount, recovery)
            : std::nullopt;
    const QString problem = fitFailure.value_or(result.indexNotes.join(QStringLiteral("; ")));
    if (!problem.isEmpty()) {
        m_links.statusBar->showMessage(problem);
        m_fitProblemShown = true;
        return;
    }
    if (m_fitProblemShown)
        m_links.statusBar->clearMessage();
    m_fitProblemShown = false;
}

void CalculationController::freezeCurveClicked() {
    kavren::freezeCurveClicked(m_test, m_analysis.pointTable);
    m_links.graph().clear();
}

void CalculationController::setHeartRateOnly(bool on) {
    m_test.hrOnly = on;
    if (on) {
        m_entry->showHeartRateOnly();
        return;
    }
    m_entry->showFullGrid();
    m_test.pace = {};
    m_test.discipline.clear();
}

} // namespace kavren
