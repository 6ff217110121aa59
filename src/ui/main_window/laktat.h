// The main window `laktat`: start-up from the settings file, the test on screen, the unit
// conversion tick and the shutdown that writes the settings back.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/exercise/clock.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/analysis/comparison_table.h"
#include "io/database/database_file.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "io/database/database_location.h"
#include "domain/exercise/clock.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/speed_unit.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

#include <memory>

namespace kavren {
class BackgroundPanel;
class CalculationController;
class ComparisonPanel;
class DatabaseController;
class CursorReadoutPanel;
class CsvExportDialog;
class EntryPanel;
class FileListPanel;
class GraphWidget;
class ImportController;
class LinkController;
class SpeedUnitController;
class ReportPanel;
class StylePanel;
class ThresholdController;
class ThresholdMethodsWindow;
class ThresholdPanel;
class WindowScale;
struct ShownTest;
} // namespace kavren

class Laktat : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up with the settings file "def4.txt" of the program folder; the clock tells
    // the moment of a new test, the moment a test is saved and the date of a report.
    explicit Laktat(const QString &programFolder, kavren::Clock clock = kavren::systemClock(),
                    QWidget *parent = nullptr);
    ~Laktat() override;

    // True when the settings file could not be opened; the program then ends.
    bool startupFailed() const { return m_startupFailed; }

    kavren::CurrentTest &currentTest() { return m_test; }
    const kavren::CurrentDatabase &currentDatabase() const { return m_database; }
    QString programFolder() const { return m_programFolder; }
    QString searchField() const;
    QString importFolder() const;
    int tempoAxisColour() const { return m_tempoAxisColour; }
    QSize graphBaseSize() const { return {m_graphBaseWidth, m_graphBaseHeight}; }

    // Fits the twip layout to an available screen area (at start-up: the window's own screen's),
    // with one factor for the run; below the smallest legible factor the window scrolls.
    void fitToArea(const QRect &available);
    // Pixels per design pixel (15 twips) in this run.
    double layoutFactor() const;

    // Chooses a speed unit as a click on its option does.
    void chooseUnit(kavren::SpeedUnit unit);
    // One tick of the unit conversion (the 300 ms timer).
    void recalcTick();
    // "Calculate": checks the unit, runs the calculation and the index run.
    void calculate();
    // The calculation run: fit, graph and comparison row of the test on screen.
    void runCalculation();
    // The threshold calculator: the calculation run, then the threshold cross on the graph.
    void runThreshold();
    kavren::AnalysisState &analysis() { return m_analysis; }

    // "Save work": appends the test on screen to the current database. False when nothing was
    // handed to the database (a check of the test stopped it, or a save is still on its way).
    bool saveWork();
    // True when the screen holds a test that was typed, imported, taken from the live link or
    // calculated and has not been saved or loaded as it stands; an empty screen holds none.
    bool hasUnsavedWork() const;
    // "öppna arbete": the values of the search criterion into Combo1.
    void listCriterionValues();
    // A value chosen in Combo1: the matching tests into List1.
    void searchTests();
    // A click on a test of List1: loads it, or erases the selected tests under "Erase work".
    void resultClicked(int listIndex);
    // "Clear screen".
    void clearScreen();
    // Clear all (raderaAllt): empties the test on screen and the comparison table.
    void clearAll();
    // How long loading a test lets the window settle before it calculates (0.6 s); at 0 the
    // calculation runs at once.
    void setLoadSettleTime(int milliseconds);
    // True while a loaded test waits for its calculation.
    bool loadSettling() const;
    // True while a taken-over heart-rate file waits to calculate.
    bool importSettling() const;
    // True while work on a database server is under way; its outcome reaches the window from the
    // event loop, which keeps running meanwhile.
    bool databaseBusy() const;

    // "Only Hr" → "Yes" and "No".
    void setHeartRateOnly(bool on);
    // Writes the settings file back; runs once, at "Exit" or when the window closes.
    void shutdown();
    // Closes as the system's request to end the program does: without asking about unsaved work.
    void closeWithoutAsking();

public slots:
    // "Save as PDF..." after its file dialog: the report page into this file; false (and a
    // message) when the file cannot be written.
    bool saveReportPdf(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildCommands(QWidget *area);
    void buildSearchFrame(QWidget *area);
    void buildSideControls(QWidget *area);
    void bringOverFramesToFront();
    void startup();
    void readSettings(const QByteArray &contents);
    void runHelp();
    void freezeCurveClicked();
    void wireCalculation();
    void wireReport();
    void wireDatabase();
    // The test on screen as values, as "Save work" reads it.
    kavren::TestToSave testOnScreen() const;
    // A test read from the database onto the screen, and its calculation once it has settled.
    void showLoadedTest(const kavren::ShownTest &shown);
    void calculateLoadedTest(bool frozen);
    // The import and the live link, and what they hand over put on screen.
    void wireImport();
    void wireLink(QWidget *area);
    void selectMinPerKm();
    bool freezeChecked() const;

    kavren::Clock m_clock;
    kavren::CurrentTest m_test;
    kavren::AnalysisState m_analysis;
    QString m_importNote;           // note of the last imported heart-rate file
    bool m_slidersInert = false;    // set by "Clear screen": the sliders wait for the next release
    bool m_liveDataPending = false; // the live link filled the steps
    bool m_linkActive = false;      // the live link connected; its first run forces the 240 axis
    bool m_closeWithoutAsking = false; // the system asked the program to end
    kavren::PercentCells m_percent;
    kavren::SampleBuffer m_samples;
    kavren::CurrentDatabase m_database;
    QString m_programFolder;
    int m_tempoAxisColour = 7;
    int m_graphBaseWidth = 0;
    int m_graphBaseHeight = 0;
    bool m_startupFailed = false;
    bool m_shutDown = false;

    QTimer *m_recalcTimer = nullptr;
    kavren::EntryPanel *m_entry = nullptr;
    kavren::StylePanel *m_styles = nullptr;
    kavren::GraphWidget *m_graph = nullptr;
    kavren::FileListPanel *m_fileList = nullptr;
    kavren::BackgroundPanel *m_background = nullptr;
    kavren::ThresholdPanel *m_threshold = nullptr;
    kavren::ComparisonPanel *m_comparison = nullptr;
    kavren::LinkController *m_link = nullptr;     // SSFrame3 and the live run
    kavren::ImportController *m_import = nullptr; // menu "Import" and the take-over
    kavren::CsvExportDialog *m_csvExport = nullptr;
    kavren::DatabaseController *m_databaseCtl = nullptr; // saving, loading, the search
    QCheckBox *m_freeze = nullptr;                       // SSCheck2 "Freeze curve"
    // The commands and the menu actions the window builds itself.
    QPushButton *m_calculateButton = nullptr;   // Command9 "Calculate"
    QPushButton *m_saveButton = nullptr;        // Command6 "Save work"
    QPushButton *m_printButton = nullptr;       // Command10 "Print"
    QPushButton *m_clearScreenButton = nullptr; // SSCOmmand15 "Clear screen"
    QAction *m_listDatabases = nullptr;         // dbas1 "Database" > "List"
    QAction *m_createDatabase = nullptr;        // creat "Database" > "Create"
    QAction *m_exportCsv = nullptr;             // exportCsv "Database" > "Export to CSV..."
    QAction *m_previewAction = nullptr;         // preview "Report" > "Print preview..."
    QAction *m_pdfAction = nullptr;             // pdfReport "Report" > "Save as PDF..."
    kavren::ReportPanel *m_report = nullptr;
    kavren::CalculationController *m_calculation = nullptr;
    kavren::ThresholdController *m_thresholdFlow = nullptr;
    kavren::ThresholdMethodsWindow *m_methodsWindow = nullptr;
    kavren::SpeedUnitController *m_units = nullptr;
    kavren::CursorReadoutPanel *m_readout = nullptr;
    std::unique_ptr<kavren::WindowScale> m_scale;
};
