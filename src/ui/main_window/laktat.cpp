#include "ui/main_window/laktat.h"

#include "io/settings_file.h"
#include "ui/entry/calculation_controller.h"
#include "ui/entry/speed_unit_controller.h"
#include "ui/threshold/threshold_controller.h"
#include "ui/threshold/threshold_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/database/database_controller.h"
#include "domain/analysis/slider_release.h"
#include "io/database/loading.h"
#include "ui/graph/background_panel.h"
#include "ui/common/file_list_panel.h"
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "ui/entry/entry_panel.h"
#include "ui/common/message_dialog.h"
#include "domain/exercise/numeric_text.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/remote_link/link_controller.h"
#include "domain/exercise/unit_conversion.h"
#include "ui/common/window_scale.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QSlider>
#include <QTimer>

#include <algorithm>

using namespace kavren;

namespace {

// A settings file of ours is 28 short lines; nothing beyond this is read.
constexpr qint64 MaxSettingsBytes = 1 << 20;

} // namespace

Laktat::Laktat(const QString &programFolder, Clock clock, QWidget *parent)
    : QMainWindow(parent), m_clock(std::move(clock)),
      m_programFolder(QDir::cleanPath(programFolder)) {
    setObjectName(QStringLiteral("laktat"));
    setWindowTitle(QStringLiteral("Kavren Equine"));
    buildWindow();
    startup();
    m_databaseCtl->showCurrentDatabase();
}

Laktat::~Laktat() = default;

void Laktat::startup() {
    if (const QScreen *screen = this->screen()) {
        setGeometry(screen->availableGeometry());
        fitToArea(screen->availableGeometry());
    }

    m_styles->hideFrames();
    m_fileList->frame()->hide();
    m_link->hideFrame();

    QDir::setCurrent(m_programFolder);
    QFile file(QDir(m_programFolder).filePath(SettingsFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        m_startupFailed = true;
        showMessage(this, QStringLiteral("def4.txt missing !"));
        return;
    }
    const QByteArray contents = file.read(MaxSettingsBytes);
    file.close();

    m_entry->hideSpareHeartRate();
    m_recalcTimer->start();
    readSettings(contents);
    m_databaseCtl->searchByName();
    m_styles->colourHeartRateCaption();
    m_entry->checkUnit(SpeedUnit::MinPerKm);
    chooseUnit(SpeedUnit::MinPerKm);
}

QString Laktat::importFolder() const {
    return m_import->importFolder();
}

bool Laktat::importSettling() const {
    return m_import->settling();
}

void Laktat::readSettings(const QByteArray &contents) {
    const SettingsValues values = parseSettings(contents);
    for (std::size_t i = 0; i < StyleLines.size(); ++i)
        if (values.styles[i])
            m_styles->setStyleText(QString::fromLatin1(StyleLines[i].control), *values.styles[i]);
    if (values.importFolder)
        m_import->setImportFolder(*values.importFolder);
    if (values.tempoAxisColour)
        m_tempoAxisColour = *values.tempoAxisColour;
    m_styles->setStyleText(QStringLiteral("Text59"), QString::number(m_tempoAxisColour));
    if (values.databasePath)
        m_databaseCtl->useSettingsLine(*values.databasePath);
}

void Laktat::chooseUnit(SpeedUnit unit) {
    m_units->chooseUnit(unit);
}

void Laktat::recalcTick() {
    m_units->recalcTick();
}

void Laktat::setHeartRateOnly(bool on) {
    m_calculation->setHeartRateOnly(on);
}

void Laktat::calculate() {
    m_calculation->calculate();
}

void Laktat::runCalculation() {
    m_calculation->runCalculation();
}

void Laktat::runThreshold() {
    m_thresholdFlow->runThreshold();
}

void Laktat::freezeCurveClicked() {
    m_calculation->freezeCurveClicked();
}

bool Laktat::freezeChecked() const {
    return m_freeze->isChecked();
}

void Laktat::shutdown() {
    if (m_shutDown || m_startupFailed)
        return;
    m_shutDown = true;
    m_recalcTimer->stop();
    std::array<QString, StyleLineCount> styleTexts;
    for (std::size_t i = 0; i < StyleLines.size(); ++i)
        styleTexts[i] = m_styles->styleText(QString::fromLatin1(StyleLines[i].control));
    const QByteArray contents = formatSettings(styleTexts, m_database.databasePath,
                                               m_import->importFolder(), m_tempoAxisColour);
    if (!writeSettingsFile(QDir(m_programFolder).filePath(SettingsFileName), contents))
        showMessage(
            this, QStringLiteral(
                      "def4.txt could not be written; the settings of this session are not kept."));
}

bool Laktat::hasUnsavedWork() const {
    return m_databaseCtl->hasUnsavedWork();
}

void Laktat::closeWithoutAsking() {
    m_closeWithoutAsking = true;
    close();
}

void Laktat::closeEvent(QCloseEvent *event) {
    // A test still on its way to a server is not given up: the window closes once the server has
    // answered, and stays open with the test on screen if the save failed.
    if (databaseBusy()) {
        m_databaseCtl->closeWhenAnswered();
        event->ignore();
        return;
    }
    if (!m_closeWithoutAsking && hasUnsavedWork()) {
        const UnsavedWorkAnswer answer = askAboutUnsavedWork(
            this, tr("The test on screen has not been saved. Save it before closing?"));
        if (answer == UnsavedWorkAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == UnsavedWorkAnswer::SaveWork) {
            // Closes only once the test is stored: a save refused before writing, or one the
            // database did not take, keeps the window open with the test on screen.
            const bool handedOver = saveWork();
            if (handedOver && databaseBusy())
                m_databaseCtl->closeWhenAnswered();
            if (!handedOver || databaseBusy() || hasUnsavedWork()) {
                event->ignore();
                return;
            }
        }
    }
    shutdown();
    event->accept();
    hide();
    QCoreApplication::quit();
}

QString Laktat::searchField() const {
    return m_databaseCtl->searchField();
}

bool Laktat::saveWork() {
    return m_databaseCtl->saveWork();
}

void Laktat::listCriterionValues() {
    m_databaseCtl->listCriterionValues();
}

void Laktat::searchTests() {
    m_databaseCtl->searchTests();
}

void Laktat::resultClicked(int listIndex) {
    m_databaseCtl->resultClicked(listIndex);
}

void Laktat::setLoadSettleTime(int milliseconds) {
    m_databaseCtl->setLoadSettleTime(milliseconds);
}

bool Laktat::loadSettling() const {
    return m_databaseCtl->loadSettling();
}

bool Laktat::databaseBusy() const {
    return m_databaseCtl->busy();
}

TestToSave Laktat::testOnScreen() const {
    TestToSave test;
    copyIdentity(m_entry->identity(), test);
    test.comments = m_entry->comments();
    test.discipline = m_test.discipline;
    test.backgroundPictureName = m_background->backgroundPictureName();
    test.lastDroppedPictureName = m_background->lastDroppedPictureName();
    test.steps = m_entry->steps();
    test.hrOnly = m_test.hrOnly;
    test.importedFromFile = m_test.importedFromFile;
    test.importedMoment = m_test.recordingMoment;
    test.recordingDate = m_test.recordingDate;
    return test;
}

void Laktat::showLoadedTest(const ShownTest &shown) {
    const LoadedTest &test = shown.test;
    if (shown.takeComments)
        m_entry->setComments(test.comments);
    m_threshold->clearThreshold();
    if (!shown.frozen)
        m_test.curveSlot = 0;
    m_slidersInert = false;
    m_entry->clearSteps();

    HorseIdentity identity = m_entry->identity();
    identity.name = test.name;
    identity.breed = test.breed;
    identity.age = test.age;
    identity.sex = test.sex;
    m_entry->setIdentity(identity);
    m_test.testDate = test.testDate;
    m_test.discipline = test.discipline;
    if (m_entry->checkUnit(test.speedUnit))
        chooseUnit(test.speedUnit);
    if (test.unitLabel)
        m_threshold->setPaceUnit(*test.unitLabel);

    m_background->setBackgroundPictureName(test.pictureName);
    if (!shown.frozen) {
        if (!m_background->backgroundDropped())
            m_graph->removeBackgroundPicture();
        if (shown.testPicture) {
            const QFileInfo picture(*shown.testPicture);
            m_background->showTestPicture(picture.path(), picture.fileName());
        }
    }
    if (test.axisCaption)
        m_entry->showSpeedCaption(*test.axisCaption);

    m_test.stepCount = std::int16_t(test.stepCount);
    if (test.stepCount >= 3 && test.stepCount <= StepRows)
        m_entry->showSteps(test.steps, test.stepCount);
    m_test.hrOnly = test.hrOnly;
    m_entry->setLactateColumnVisible(!test.hrOnly);
    if (test.hrOnly)
        m_threshold->clearThreshold();

    // The speeds are converted before the calculation reads them.
    m_recalcTimer->start();
    recalcTick();
}

void Laktat::calculateLoadedTest(bool frozen) {
    if (!frozen) {
        clearComparisonTable(m_analysis.comparison, m_percent);
        m_comparison->showValues(m_analysis.comparison);
    }
    runCalculation();
    PercentPassInputs inputs;
    inputs.curveSlot = m_test.curveSlot;
    inputs.recovery = m_test.speedUnit == SpeedUnit::RecoveryTime;
    inputs.hrOnlyTests = m_analysis.comparison.comparedHrOnly;
    fillPercentCells(inputs, m_analysis.comparison, m_percent);
    m_comparison->showPercents(m_percent);
}

void Laktat::clearAll() {
    // A loaded test or taken-over file still settling is dropped with the rest: its calculation
    // would fill the emptied screen again.
    m_databaseCtl->forgetTest();
    m_import->cancelSettle();
    kavren::clearAll(m_test, m_analysis.comparison, m_percent, m_samples);
    m_entry->clearSteps();
    m_entry->clearIdentity();
    m_threshold->clear();
    m_entry->uncheckSpeedUnits();
    m_entry->setComments(kNoComments);
    m_comparison->showValues(m_analysis.comparison);
    m_comparison->showPercents(m_percent);
    m_graph->surface().clear();
}

void Laktat::clearScreen() {
    m_background->clearPicture();
    m_threshold->setSliders(0, 0);
    m_slidersInert = true;
    m_fileList->files()->clearSelectedFileName();
    m_background->setBackgroundPictureName(QString());
    m_databaseCtl->clearSearch();
    m_test.importedFromFile = false;
    m_graph->surface().clear();
    clearAll();
    listCriterionValues();
    if (m_freeze->isChecked()) {
        m_freeze->setChecked(false);
        freezeCurveClicked();
    }
}

// "Save work" takes the focus when the mouse comes over it; leaving the trainer field moves on to
// "Save work" for an imported test, else to the first step field shown.
bool Laktat::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Enter && watched == m_saveButton) {
        m_saveButton->setFocus();
    } else if (event->type() == QEvent::FocusOut &&
               watched == m_entry->horseField(HorseField::Trainer) &&
               static_cast<QFocusEvent *>(event)->reason() == Qt::TabFocusReason) {
        if (m_test.importedFromFile)
            m_saveButton->setFocus();
        else
            m_entry->focusFirstShownStep();
    }
    return QMainWindow::eventFilter(watched, event);
}
