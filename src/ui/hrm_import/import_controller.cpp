#include "ui/hrm_import/import_controller.h"

#include "domain/drawing/axis_frame.h"
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/live_point.h"
#include "domain/exercise/numeric_text.h"
#include "ui/common/message_dialog.h"
#include "ui/hrm_import/polar_window.h"

#include <QTimer>
#include <QWidget>

#include <utility>

namespace kavren {

ImportController::ImportController(QWidget *window, CurrentTest &test, AnalysisState &analysis,
                                   SampleBuffer &samples, DrawingSurface &graph,
                                   ImportScreenReading screen)
    : QObject(window), m_window(window), m_test(test), m_analysis(analysis), m_samples(samples),
      m_graph(graph), m_screen(std::move(screen)) {}

void ImportController::openImport() {
    // What the import changes on screen before anything is taken over; a "Close" puts it back.
    m_displayBeforeImport = {m_test.hrOnly, m_test.speedUnit};
    emit importOpening();
    m_test.importedFromFile = true;
    m_samples.sampleCount = 0;
    if (!m_screen.freezeChecked())
        m_graph.clear();
    if (!m_polar) {
        m_polar = new PolarWindow(m_samples, m_window);
        connect(m_polar, &PolarWindow::notified, this, &ImportController::takeOver);
        connect(m_polar, &PolarWindow::importFolderChanged, this,
                [this](const QString &folder) { m_importFolder = folder; });
    }
    m_polar->open(m_importFolder);
}

bool ImportController::settling() const {
    return m_settle && m_settle->isActive();
}

void ImportController::cancelSettle() {
    if (m_settle)
        m_settle->stop();
}

void ImportController::takeOver() {
    const ImportNotice notice = m_polar->takeNotice();
    if (notice.cancelled) {
        restoreDisplay();
        return;
    }
    const HrmFile &file = m_polar->file();
    const TakeOverPlan plan = planTakeOver(file, notice.steps);
    m_analysis.comparison.datex[0] = plan.dateCell;
    m_test.recordingDate = plan.recordingDate;
    m_test.recordingMoment = plan.dateCell;
    emit recordingTakenOver(plan.maxHr, plan.restHr, file.noteText);
    m_samples.sampleCount -= 1;
    m_test.scale.hrScale = kRecordingHrScale;
    m_graph.setScale(GraphCanvasScale);
    if (notice.steps.empty()) {
        takeOverContinuousLine();
        return;
    }
    emit stepsTakenOver(plan.fillSteps ? plan.steps : std::vector<StepFieldTexts>{});
    if (!plan.stepCountProblem.isEmpty())
        showMessage(m_window, plan.stepCountProblem);
    startSettle();
}

// Nothing was taken over: the step grid and the speed unit are shown as before the import, and
// the emptied test is no imported recording.
void ImportController::restoreDisplay() {
    m_test.importedFromFile = false;
    emit displayRestored(m_displayBeforeImport.hrOnly, m_displayBeforeImport.speedUnit);
}

// A file without steps: every sample as a live point, then the heart-rate line and V200 of all
// samples.
void ImportController::takeOverContinuousLine() {
    for (int i = 0; i <= m_samples.sampleCount && i < m_samples.rows(); ++i) {
        const auto &row = m_samples.speedHrTable[std::size_t(i)];
        drawLivePoint(m_graph, row[0], roundHalfEven(row[1]), kRecordingHrScale);
    }
    IndexRunInputs inputs;
    inputs.freezeChecked = m_screen.freezeChecked();
    inputs.lakt1Text = m_screen.firstLactate();
    const ContinuousHrResult result =
        continuousHrLine(m_samples, inputs, m_test, m_analysis.comparison);
    emit continuousLineTakenOver(result);
    m_test.stepCount = 3;
}

// The steps settle on screen for twice a loaded test's wait before they calculate. The wait is a
// timer, not a nested event loop: nothing re-enters the window meanwhile, and emptying the screen
// drops the calculation with the rest.
void ImportController::startSettle() {
    const int loadSettleMs = m_screen.loadSettleMs();
    if (loadSettleMs <= 0) {
        emit calculationDue();
        return;
    }
    if (!m_settle) {
        m_settle = new QTimer(this);
        m_settle->setSingleShot(true);
        connect(m_settle, &QTimer::timeout, this, &ImportController::calculationDue);
    }
    m_settle->start(2 * loadSettleMs);
}

} // namespace kavren
