#include "ui/main_window/test_screen.h"

#include "domain/analysis/threshold_calculator.h"
#include "domain/drawing/curve_plot.h"
#include "ui/common/file_list_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/comparison/csv_export_dialog.h"
#include "ui/database/database_controller.h"
#include "ui/entry/calculation_controller.h"
#include "ui/entry/entry_panel.h"
#include "ui/entry/speed_unit_controller.h"
#include "ui/graph/background_panel.h"
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/main_window/report_inputs.h"
#include "ui/remote_link/link_controller.h"
#include "ui/threshold/threshold_panel.h"

#include <QFileInfo>
#include <QImage>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace kavren {

TestScreen::TestScreen(ScreenModel model, QObject *parent) : QObject(parent), m_model(model) {}

bool TestScreen::freezeChecked() const {
    return features.database->freezeChecked();
}

bool TestScreen::slidersActive() const {
    return kavren::slidersActive(m_slidersInert, freezeChecked(), m_model.test.stepCount);
}

TestToSave TestScreen::testOnScreen() const {
    const CurrentTest &current = m_model.test;
    TestToSave test;
    copyIdentity(features.entry->identity(), test);
    test.comments = features.entry->comments();
    test.discipline = current.discipline;
    test.backgroundPictureName = features.background->backgroundPictureName();
    test.lastDroppedPictureName = features.background->lastDroppedPictureName();
    test.steps = features.entry->steps();
    test.hrOnly = current.hrOnly;
    test.importedFromFile = current.importedFromFile;
    test.importedMoment = current.recordingMoment;
    test.recordingDate = current.recordingDate;
    return test;
}

DatabaseController::Screen TestScreen::databaseScreen() {
    DatabaseController::Screen screen;
    screen.testOnScreen = [this] { return testOnScreen(); };
    screen.focusIdentity = [this](int field) {
        constexpr HorseField Required[] = {HorseField::Name, HorseField::Breed, HorseField::Age,
                                           HorseField::Sex};
        features.entry->focusHorseField(Required[std::clamp(field, 0, 3)]);
    };
    screen.focusStep = [this](int step, StepField field) {
        features.entry->focusStep(std::clamp(step, 1, StepRows) - 1, field);
    };
    screen.clearAll = [this] { clearAll(); };
    screen.clearScreen = [this] { clearScreen(); };
    screen.setComments = [this](const QString &text) { features.entry->setComments(text); };
    return screen;
}

ReportInputs TestScreen::reportInputs() const {
    return kavren::reportInputs({*features.entry, *features.threshold, *features.comparison,
                                 m_model.test, m_model.analysis, m_model.percent, freezeChecked(),
                                 features.graph->backgroundPicture(), features.styles->settings()});
}

void TestScreen::clearAll() {
    features.database->forgetTest();
    features.import->cancelSettle();
    kavren::clearAll(m_model.test, m_model.analysis.comparison, m_model.percent, m_model.samples);
    features.entry->clearSteps();
    features.entry->clearIdentity();
    features.threshold->clear();
    features.entry->uncheckSpeedUnits();
    features.entry->setComments(kNoComments);
    features.comparison->showValues(m_model.analysis.comparison);
    features.comparison->showPercents(m_model.percent);
    features.graph->surface().clear();
}

void TestScreen::clearScreen() {
    features.background->clearPicture();
    features.threshold->setSliders(0, 0);
    m_slidersInert = true;
    features.fileList->clearSelectedFileName();
    features.background->setBackgroundPictureName(QString());
    features.database->clearSearch();
    m_model.test.importedFromFile = false;
    features.graph->surface().clear();
    clearAll();
    features.database->listCriterionValues();
    endFreeze();
}

void TestScreen::endFreeze() {
    if (!freezeChecked())
        return;
    features.database->uncheckFreeze();
    features.calculation->freezeCurveClicked();
}

void TestScreen::chooseUnit(SpeedUnit unit) {
    features.units->chooseUnit(unit);
}

void TestScreen::selectMinPerKm() {
    features.entry->checkUnit(SpeedUnit::MinPerKm);
    chooseUnit(SpeedUnit::MinPerKm);
}

void TestScreen::exportListedTests(const SearchResult &listed) {
    const bool recovery = m_model.test.speedUnit == SpeedUnit::RecoveryTime;
    CsvContent content{listed.rows, &m_model.analysis.comparison, &m_model.percent, recovery};
    content.extraLevels = m_extraLevels;
    const QString message = features.csvExport->exportContent(content);
    if (!message.isEmpty())
        features.statusBar->showMessage(message);
}

void TestScreen::exportComparison() {
    const bool recovery = m_model.test.speedUnit == SpeedUnit::RecoveryTime;
    features.statusBar->showMessage(features.csvExport->exportContent(
        {{}, &m_model.analysis.comparison, &m_model.percent, recovery, CsvTable::Comparison}));
}

void TestScreen::showUnit(SpeedUnit unit) {
    features.threshold->showUnit(unit);
    features.comparison->showUnit(unit);
    features.fileList->clearSelectedFileName();
}

void TestScreen::moveOnFromTrainer(QWidget *saveButton) {
    if (m_model.test.importedFromFile)
        saveButton->setFocus();
    else
        features.entry->focusFirstShownStep();
}

// The speeds are converted before a calculation reads them, not at the next tick.
void TestScreen::convertSpeedsNow() {
    features.recalcTimer->start();
    features.units->recalcTick();
}

void TestScreen::takeListedRow(const TestRow &row) {
    features.threshold->setSliders(120, 0);
    m_model.test.discipline = row.discipline;
    HorseIdentity identity = features.entry->identity();
    identity.maxHr = row.maxHr;
    identity.stable = row.stable;
    identity.trainer = row.trainer;
    features.entry->setIdentity(identity);
}

void TestScreen::showLoadedTest(const ShownTest &shown) {
    const LoadedTest &test = shown.test;
    CurrentTest &current = m_model.test;
    EntryPanel &entry = *features.entry;
    if (shown.takeComments)
        entry.setComments(test.comments);
    features.threshold->clearThreshold();
    if (!shown.frozen)
        current.curveSlot = 0;
    m_slidersInert = false;
    entry.clearSteps();

    HorseIdentity identity = entry.identity();
    identity.name = test.name;
    identity.breed = test.breed;
    identity.age = test.age;
    identity.sex = test.sex;
    entry.setIdentity(identity);
    current.testDate = test.testDate;
    current.discipline = test.discipline;
    if (entry.checkUnit(test.speedUnit))
        chooseUnit(test.speedUnit);
    if (test.unitLabel)
        features.threshold->setPaceUnit(*test.unitLabel);

    BackgroundPanel &background = *features.background;
    background.setBackgroundPictureName(test.pictureName);
    if (!shown.frozen) {
        if (!background.backgroundDropped())
            features.graph->removeBackgroundPicture();
        if (shown.testPicture) {
            const QFileInfo picture(*shown.testPicture);
            background.showTestPicture(picture.path(), picture.fileName());
        }
    }
    if (test.axisCaption)
        entry.showSpeedCaption(*test.axisCaption);

    current.stepCount = std::int16_t(test.stepCount);
    if (test.stepCount >= 3 && test.stepCount <= StepRows)
        entry.showSteps(test.steps, test.stepCount);
    current.hrOnly = test.hrOnly;
    entry.setLactateColumnVisible(!test.hrOnly);
    if (test.hrOnly)
        features.threshold->clearThreshold();
    convertSpeedsNow();
}

void TestScreen::calculateLoadedTest(bool frozen) {
    ComparisonCells &comparison = m_model.analysis.comparison;
    if (!frozen) {
        clearComparisonTable(comparison, m_model.percent);
        features.comparison->showValues(comparison);
    }
    features.calculation->runCalculation();
    PercentPassInputs inputs;
    inputs.curveSlot = m_model.test.curveSlot;
    inputs.recovery = m_model.test.speedUnit == SpeedUnit::RecoveryTime;
    inputs.hrOnlyTests = comparison.comparedHrOnly;
    fillPercentCells(inputs, comparison, m_model.percent);
    features.comparison->showPercents(m_model.percent);
}

void TestScreen::prepareSave() {
    CurrentTest &current = m_model.test;
    current.stepCount =
        std::int16_t(stepCountForSaving(features.entry->steps(), m_liveDataPending));
    m_liveDataPending = false;
    if (current.hrOnly)
        for (int row = 0; row < StepRows; ++row)
            features.entry->setStepText(row, StepField::Lactate, kHeartRateOnlyLactateText);
    features.recalcTimer->stop();
}

// A typed test takes the moment it was saved as its date; an imported one keeps its own.
void TestScreen::takeSavedMoment(const QString &moment) {
    features.calculation->fitStatusReplaced();
    CurrentTest &current = m_model.test;
    if (current.importedFromFile)
        return;
    current.testDate = moment;
    const int row = current.comparedCount - 1;
    if (row >= 0 && row < ComparisonCells::Rows) {
        m_model.analysis.comparison.datex[std::size_t(row)] = moment;
        features.comparison->showValues(m_model.analysis.comparison);
    }
}

void TestScreen::startLinkRun() {
    clearAll();
    m_model.database.selectedDatabaseName = kChosenByImportOrLink;
    features.entry->setStepText(0, StepField::HeartRate, LinkController::firstHeartRate());
    selectMinPerKm();
    m_linkActive = true;
    m_liveDataPending = true;
    features.calculation->runCalculation();
    features.calculation->setHeartRateOnly(true);
    features.entry->focusName();
}

void TestScreen::takeLinkSteps(const LinkStepTexts &steps) {
    m_liveDataPending = true;
    // The steps are written as min/km paces, whatever unit was clicked during the run.
    if (m_model.test.speedUnit != SpeedUnit::MinPerKm)
        selectMinPerKm();
    for (int row = 0; row < StepRows; ++row) {
        if (const auto &speed = steps.speedTexts[std::size_t(row)])
            features.entry->setStepText(row, StepField::Speed, *speed);
        if (const auto &hr = steps.hrTexts[std::size_t(row)])
            features.entry->setStepText(row, StepField::HeartRate, *hr);
    }
    // The paces are converted now: the run must not work on the speeds of the last tick.
    features.units->recalcTick();
    features.calculation->runCalculation();
}

void TestScreen::openImport() {
    clearAll();
    m_model.database.selectedDatabaseName = kChosenByImportOrLink;
    selectMinPerKm();
    features.threshold->setHrSlider(120);
    features.calculation->setHeartRateOnly(true);
}

void TestScreen::restoreDisplay(bool hrOnly, SpeedUnit unit) {
    features.calculation->setHeartRateOnly(hrOnly);
    if (unit == SpeedUnit::KmPerHour || unit == SpeedUnit::MinPerKm ||
        unit == SpeedUnit::MetrePerMin) {
        features.entry->checkUnit(unit);
        chooseUnit(unit);
    }
}

void TestScreen::takeRecording(const QString &maxHr, const QString &restHr, const QString &note) {
    features.comparison->showValues(m_model.analysis.comparison);
    features.entry->setHeartRates(maxHr, restHr);
    m_importNote = note;
}

void TestScreen::takeContinuousLine(const ContinuousHrResult &line) {
    m_slidersInert = false;
    for (int i = 0; i < StepRows; ++i) {
        if (const auto &hr = line.hrTexts[std::size_t(i)])
            features.entry->setStepText(i, StepField::HeartRate, *hr);
        if (const auto &speed = line.speedTexts[std::size_t(i)])
            features.entry->setStepText(i, StepField::Speed, *speed);
    }
    PlotItems items;
    items.curves.push_back(line.line);
    drawCurvePlot(features.graph->surface(), features.styles->settings(), items);
    features.comparison->showValues(m_model.analysis.comparison);
}

void TestScreen::takeImportedSteps(const std::vector<StepFieldTexts> &steps) {
    features.calculation->setHeartRateOnly(false);
    chooseUnit(SpeedUnit::MinPerKm);
    m_slidersInert = false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int row = int(i);
        features.entry->setStepText(row, StepField::Lactate, steps[i].lactate);
        features.entry->setStepText(row, StepField::HeartRate, steps[i].heartRate);
        features.entry->setStepText(row, StepField::Speed, steps[i].pace);
    }
    selectMinPerKm();
    convertSpeedsNow();
}

} // namespace kavren
