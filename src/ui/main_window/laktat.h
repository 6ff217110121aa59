// The main window `laktat`: it builds the features, places them, connects them and keeps the test
// on screen; each feature's flow is its controller's. Start-up reads the settings file "def4.txt"
// of the data folder and the shutdown writes it back.
#pragma once

#include "ui/database/database_controller.h"
#include "ui/entry/calculation_controller.h"
#include "ui/entry/speed_unit_controller.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/main_window/test_screen.h"
#include "ui/report/report_panel.h"
#include "ui/threshold/threshold_controller.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QPushButton;
class QTimer;

namespace kavren {
class BackgroundPanel;
class ComparisonPanel;
class EntryPanel;
class FileListPanel;
class GraphWidget;
class HistoryWindow;
class LinkController;
class StylePanel;
class ThresholdMethodsWindow;
class ThresholdPanel;
class WindowScale;
} // namespace kavren

class Laktat : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up with the settings file "def4.txt" of the data folder; the clock tells the
    // moment of a new test, the moment a test is saved and the date of a report.
    explicit Laktat(const QString &programFolder, kavren::Clock clock = kavren::systemClock(),
                    QWidget *parent = nullptr);
    ~Laktat() override;

    // True when the settings file could not be opened; the program then ends.
    bool startupFailed() const { return m_startupFailed; }
    kavren::CurrentTest &currentTest() { return m_test; }
    const kavren::CurrentDatabase &currentDatabase() const { return m_database; }
    QString importFolder() const { return m_import->importFolder(); }
    QSize graphBaseSize() const { return m_graphBaseSize; }

    // Fits the twip layout to an available screen area (at start-up: the window's own screen's),
    // with one factor for the run; below the smallest legible factor the window scrolls.
    void fitToArea(const QRect &available);
    // Pixels per design pixel (15 twips) in this run.
    double layoutFactor() const;

    // The features' commands, as their buttons and menus give them.
    void chooseUnit(kavren::SpeedUnit unit) { m_units->chooseUnit(unit); }
    void recalcTick() { m_units->recalcTick(); } // one tick of the unit conversion (300 ms)
    void calculate() { m_calculation->calculate(); }
    void runCalculation() { m_calculation->runCalculation(); }
    void runThreshold() { m_thresholdFlow->runThreshold(); }
    void clearAll() { m_screen->clearAll(); }
    bool saveWork() { return m_databaseCtl->saveWork(); }
    QString searchField() const { return m_databaseCtl->searchField(); }
    void listCriterionValues() { m_databaseCtl->listCriterionValues(); }
    void searchTests() { m_databaseCtl->searchTests(); }
    void resultClicked(int listIndex) { m_databaseCtl->resultClicked(listIndex); }
    void setLoadSettleTime(int milliseconds) { m_databaseCtl->setLoadSettleTime(milliseconds); }
    bool loadSettling() const { return m_databaseCtl->loadSettling(); }
    bool databaseBusy() const { return m_databaseCtl->busy(); }
    bool importSettling() const { return m_import->settling(); }
    bool saveReportPdf(const QString &path) { return m_report->savePdf(path); }

    // Writes the settings file back; runs once, at "Exit" or when the window closes.
    void shutdown();
    // Closes as the system's request to end the program does: without asking about unsaved work.
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildFeatures(QWidget *area);
    void buildCommands(QWidget *area);
    void startup();
    void connectDatabase();
    void connectCalculation();
    void connectReport();
    void connectImportAndLink();
    void showHistory(); // "Database" > "History...": the tests of the horse on screen

    kavren::Clock m_clock;
    kavren::CurrentTest m_test;
    kavren::AnalysisState m_analysis;
    kavren::PercentCells m_percent;
    kavren::SampleBuffer m_samples;
    kavren::CurrentDatabase m_database;
    QString m_programFolder;
    int m_tempoAxisColour = 7;
    QSize m_graphBaseSize;
    bool m_startupFailed = false;
    bool m_shutDown = false;
    bool m_closeWithoutAsking = false; // the system asked the program to end

    kavren::TestScreen *m_screen = nullptr;
    QTimer *m_recalcTimer = nullptr;
    kavren::EntryPanel *m_entry = nullptr;
    kavren::StylePanel *m_styles = nullptr;
    kavren::GraphWidget *m_graph = nullptr;
    kavren::FileListPanel *m_fileList = nullptr;
    kavren::BackgroundPanel *m_background = nullptr;
    kavren::ThresholdPanel *m_threshold = nullptr;
    kavren::ComparisonPanel *m_comparison = nullptr;
    kavren::LinkController *m_link = nullptr;
    kavren::ImportController *m_import = nullptr;
    kavren::DatabaseController *m_databaseCtl = nullptr;
    kavren::ReportPanel *m_report = nullptr;
    kavren::CalculationController *m_calculation = nullptr;
    kavren::ThresholdController *m_thresholdFlow = nullptr;
    kavren::ThresholdMethodsWindow *m_methodsWindow = nullptr;
    kavren::HistoryWindow *m_history = nullptr;
    kavren::SpeedUnitController *m_units = nullptr;
    QPushButton *m_saveButton = nullptr; // Command6 "Save work", which the cursor moves to
    std::unique_ptr<kavren::WindowScale> m_scale;
};
