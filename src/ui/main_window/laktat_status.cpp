// The main window's status bar: what needs no answer from the user (a saved test, a fit that
// could not use the steps) is said there instead of in a message box.
#include "ui/main_window/laktat.h"

#include "domain/analysis/fit_problem.h"
#include "ui/comparison/comparison_panel.h"

#include <QStatusBar>

using namespace kavren;

void Laktat::showFitStatus(const CalculationInputs &inputs, const CalculationResult &result) {
    const bool hrOnlyLactates = result.writeHrOnlyLactates;
    StepTexts lactate = inputs.lactate;
    if (hrOnlyLactates)
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
        statusBar()->showMessage(problem);
        m_fitProblemShown = true;
        return;
    }
    if (m_fitProblemShown)
        statusBar()->clearMessage();
    m_fitProblemShown = false;
}
