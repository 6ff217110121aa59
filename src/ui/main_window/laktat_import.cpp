// The main window's part of the heart-rate file import: menu "Import" opens the `Polar` window,
// and its notification takes the extracted steps (or, without steps, the continuous heart-rate
// line of all samples) over into the test on screen.
#include "ui/main_window/laktat.h"

#include "domain/analysis/continuous_hr_line.h"
#include "ui/threshold/threshold_panel.h"
#include "ui/common/message_dialog.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/entry/entry_panel.h"
#include "domain/exercise/numeric_text.h"
#include "domain/drawing/axis_frame.h"
#include "domain/drawing/curve_plot.h"
#include "ui/graph/graph_widget.h"
#include "domain/drawing/live_point.h"
#include "ui/graph/style_panel.h"
#include "ui/hrm_import/polar_window.h"
#include "domain/hrm_import/take_over.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

using namespace kavren;

namespace {

constexpr float FileHrScale = 0.1f;

} // namespace

void Laktat::openImport() {
    // What the import changes on screen before anything is taken over; a "Close" puts it back.
    m_displayBeforeImport = {m_test.hrOnly, m_test.speedUnit};
    clearAll();
    m_database.selectedDatabaseName = QStringLiteral(" ");
    m_test.importedFromFile = true;
    m_entry->unitOption(SpeedUnit::MinPerKm)->setChecked(true);
    chooseUnit(SpeedUnit::MinPerKm);
    m_threshold->hrSlider()->setValue(120);
    m_samples.sampleCount = 0;
    setHeartRateOnly(true);
    if (!freezeChecked())
        m_graph->surface().clear();
    if (!m_polar) {
        m_polar = new PolarWindow(m_samples, this);
        connect(m_polar, &PolarWindow::notified, this, &Laktat::takeOverImport);
        connect(m_polar, &PolarWindow::importFolderChanged, this,
                [this](const QString &folder) { m_importFolder = folder; });
    }
    m_polar->open(m_importFolder);
}

void Laktat::takeOverImport() {
    const ImportNotice notice = m_polar->takeNotice();
    if (notice.cancelled) {
        restoreDisplayBeforeImport();
        return;
    }
    const HrmFile &file = m_polar->file();
    const TakeOverPlan plan = planTakeOver(file, notice.steps);
    m_analysis.comparison.datex[0] = plan.dateCell;
    m_test.recordingDate = plan.recordingDate;
    m_test.recordingMoment = plan.dateCell;
    m_comparison->showValues(m_analysis.comparison);
    m_entry->setHeartRates(plan.maxHr, plan.restHr);
    m_importNote = file.noteText;
    m_samples.sampleCount -= 1;
    m_test.scale.hrScale = FileHrScale;
    m_graph->surface().setScale(GraphCanvasScale);
    if (notice.steps.empty()) {
        showContinuousHrLine();
        return;
    }
    setHeartRateOnly(false);
    chooseUnit(SpeedUnit::MinPerKm);
    m_slidersInert = false;
    if (!plan.stepCountProblem.isEmpty())
        showMessage(this, plan.stepCountProblem);
    if (plan.fillSteps)
        for (std::size_t i = 0; i < plan.steps.size(); ++i) {
            m_entry->lactateField(int(i))->setText(plan.steps[i].lactate);
            m_entry->hrField(int(i))->setText(plan.steps[i].heartRate);
            m_entry->speedField(int(i))->setText(plan.steps[i].pace);
        }
    m_entry->unitOption(SpeedUnit::MinPerKm)->setChecked(true);
    chooseUnit(SpeedUnit::MinPerKm);
    m_recalcTimer->start();
    recalcTick();
    // The steps settle on screen for twice a loaded test's wait before they calculate. The wait is
    // a timer, not a nested event loop: nothing re-enters the window meanwhile, and Clear screen
    // drops the calculation with the rest.
    if (m_loadSettleMs <= 0) {
        calculate();
        return;
    }
    if (!m_importSettle) {
        m_importSettle = new QTimer(this);
        m_importSettle->setSingleShot(true);
        connect(m_importSettle, &QTimer::timeout, this, &Laktat::calculate);
    }
    m_importSettle->start(2 * m_loadSettleMs);
}

// Nothing was taken over: the step grid and the speed unit are shown as before the import, and
// the emptied test is no imported recording.
void Laktat::restoreDisplayBeforeImport() {
    m_test.importedFromFile = false;
    setHeartRateOnly(m_displayBeforeImport.hrOnly);
    const SpeedUnit unit = m_displayBeforeImport.speedUnit;
    if (unit == SpeedUnit::KmPerHour || unit == SpeedUnit::MinPerKm ||
        unit == SpeedUnit::MetrePerMin) {
        m_entry->unitOption(unit)->setChecked(true);
        chooseUnit(unit);
    }
}

bool Laktat::importSettling() const {
    return m_importSettle && m_importSettle->isActive();
}

// A file without steps: every sample as a live point, then the heart-rate line and V200 of all
// samples.
void Laktat::showContinuousHrLine() {
    m_slidersInert = false;
    DrawingSurface &surface = m_graph->surface();
    for (int i = 0; i <= m_samples.sampleCount && i < m_samples.rows(); ++i) {
        const auto &row = m_samples.speedHrTable[std::size_t(i)];
        drawLivePoint(surface, row[0], roundHalfEven(row[1]), FileHrScale);
    }
    IndexRunInputs inputs;
    inputs.freezeChecked = freezeChecked();
    inputs.lakt1Text = m_entry->lactateField(0)->text();
    const ContinuousHrResult result =
        continuousHrLine(m_samples, inputs, m_test, m_analysis.comparison);
    for (int i = 0; i < StepRows; ++i) {
        if (const auto &hr = result.hrTexts[std::size_t(i)])
            m_entry->hrField(i)->setText(*hr);
        if (const auto &speed = result.speedTexts[std::size_t(i)])
            m_entry->speedField(i)->setText(*speed);
    }
    PlotItems items;
    items.curves.push_back(result.line);
    drawCurvePlot(surface, m_styles->settings(), items);
    m_comparison->showValues(m_analysis.comparison);
    m_test.stepCount = 3;
}
