#include "ui/main_window/laktat.h"

#include "io/settings_file.h"
#include "ui/entry/calculation_controller.h"
#include "ui/entry/speed_unit_controller.h"
#include "ui/threshold/threshold_controller.h"
#include "ui/threshold/threshold_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/database/create_database_panel.h"
#include "ui/database/search_panel.h"
#include "io/database/server_address.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

Laktat::Laktat(const QString &programFolder, QWidget *parent, kavren::Clock clock)
    : QMainWindow(parent), m_clock(std::move(clock)),
      m_programFolder(QDir::cleanPath(programFolder)) {
    setObjectName(QStringLiteral("laktat"));
    setWindowTitle(QStringLiteral("Kavren Equine"));
    buildWindow();
    startup();
    showCurrentDatabase();
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
    m_searchPanel->valueBox()->hide(); // shown once a criterion's values are listed
    m_createPanel->hide();

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
    m_searchField = QStringLiteral("Namn");
    m_searchPanel->chooseCriterion(0); // the search goes by name until another criterion is chosen
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
        applyDatabaseLine(*values.databasePath);
}

void Laktat::applyDatabaseLine(const QString &line) {
    m_database = databaseFromSettingsLine(line, m_programFolder);
    m_createPanel->setPath(createBoxTextOf(line));
    showCurrentDatabase();
    if (isServerAddress(line) && hasPassword(line))
        reportDatabaseProblem(parseServerAddress(line).error);
    const QString folder = splitAtLastSeparator(line).folder;
    if (!folder.isEmpty() && !isServerAddress(line) && QDir(folder).exists()) {
        m_fileList->folders()->setPath(folder);
        m_fileList->files()->setPath(m_fileList->folders()->path());
    }
}

void Laktat::showCurrentDatabase() {
    if (!m_databaseLabel) {
        m_databaseLabel = new QLabel(this);
        m_databaseLabel->setObjectName(QStringLiteral("CurrentDatabaseLabel"));
        statusBar()->addPermanentWidget(m_databaseLabel);
    }
    m_databaseLabel->setText(QStringLiteral("Database: ") + shownDatabaseName(m_database));
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

QStringList Laktat::workOnScreen() const {
    const HorseIdentity identity = m_entry->identity();
    QStringList texts = {
        identity.name,   identity.breed,   identity.age,   identity.sex,
        identity.stable, identity.trainer, identity.maxHr, m_entry->commentsField()->toPlainText()};
    for (const TestStep &step : m_entry->steps())
        texts << (m_test.hrOnly ? QString() : step.lactate) << step.hr << step.speedText;
    for (QString &text : texts)
        text = text.trimmed();
    return texts;
}

bool Laktat::hasUnsavedWork() const {
    const QStringList screen = workOnScreen();
    const bool empty =
        std::all_of(screen.cbegin(), screen.cend(), [](const QString &t) { return t.isEmpty(); });
    return !empty && screen != m_savedWork;
}

void Laktat::closeWithoutAsking() {
    m_closeWithoutAsking = true;
    close();
}

void Laktat::closeEvent(QCloseEvent *event) {
    // A test still on its way to a server is not given up: the window closes once the server has
    // answered, and stays open with the test on screen if the save failed.
    if (databaseBusy()) {
        m_closeWhenAnswered = true;
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
                m_closeWhenAnswered = true;
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
