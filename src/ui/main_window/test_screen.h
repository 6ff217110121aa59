// The test on screen, seen across the features: what a loaded test, an imported recording and the
// live link put on the entry fields, the threshold frame, the comparison table and the graph;
// what "Clear screen" and emptying the screen take away; and the test on screen as the values
// "Save work" stores. Each feature keeps its own flow; this is where their effects on one another
// meet, so that the main window itself only builds and connects.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/comparison_table.h"
#include "domain/analysis/continuous_hr_line.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/hrm_import/take_over.h"
#include "domain/remote_link/step_selection.h"
#include "domain/report/report_page.h"
#include "io/database/database_location.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "ui/database/database_controller.h"

#include <QObject>

#include <vector>

class QStatusBar;
class QTimer;
class QWidget;

namespace kavren {

class BackgroundPanel;
class CalculationController;
class ComparisonPanel;
class CsvExportDialog;
class EntryPanel;
class FileListPanel;
class GraphWidget;
class ImportController;
class SpeedUnitController;
class StylePanel;
class ThresholdPanel;

// The test, its analysis and what the window holds besides, owned by the window.
struct ScreenModel {
    CurrentTest &test;
    AnalysisState &analysis;
    PercentCells &percent;
    SampleBuffer &samples;
    CurrentDatabase &database;
};

// The features whose controls show the test; set by the window as it builds them.
struct ScreenFeatures {
    EntryPanel *entry = nullptr;
    ThresholdPanel *threshold = nullptr;
    ComparisonPanel *comparison = nullptr;
    GraphWidget *graph = nullptr;
    StylePanel *styles = nullptr;
    BackgroundPanel *background = nullptr;
    FileListPanel *fileList = nullptr;
    DatabaseController *database = nullptr;
    ImportController *import = nullptr;
    CalculationController *calculation = nullptr;
    SpeedUnitController *units = nullptr;
    QTimer *recalcTimer = nullptr; // the unit conversion tick
    CsvExportDialog *csvExport = nullptr;
    QStatusBar *statusBar = nullptr;
};

class TestScreen : public QObject {
    Q_OBJECT
public:
    TestScreen(ScreenModel model, QObject *parent);

    ScreenFeatures features;

    // "Freeze curve" of the search frame.
    bool freezeChecked() const;
    // The sliders move the threshold only after a release since "Clear screen" and with steps.
    bool slidersActive() const;
    // The live link's first calculation, which forces the 240 axis, is still due.
    bool linkFirstRun() const { return m_liveDataPending && m_linkActive; }
    void linkFirstRunUsed() { m_linkActive = false; }
    // The extra lactate levels of the preferences, read at start-up and again after the
    // preferences dialog, so a calculation never reads the file.
    const std::vector<double> &extraLevels() const { return m_extraLevels; }
    void setExtraLevels(std::vector<double> levels) { m_extraLevels = std::move(levels); }
    // The note of the last imported heart-rate file, for the status bar.
    QString importNote() const { return m_importNote; }

    // The test on screen as values, as "Save work" reads it.
    TestToSave testOnScreen() const;
    // What the database feature asks of the screen: the test to save, the field to correct, the
    // clearing and the comments.
    DatabaseController::Screen databaseScreen();
    // The report page's inputs as the screen shows them at the moment of printing.
    ReportInputs reportInputs() const;
    // Empties the test on screen and the comparison table (a loaded test still settling and a
    // taken-over file still waiting are dropped with it: they would fill the emptied screen).
    void clearAll();
    // "Clear screen": the picture, the sliders, the search and the kept curves go as well.
    void clearScreen();
    // A printed page, or "Clear screen", ends the keeping of curves.
    void endFreeze();
    // A speed unit chosen by the program, as a click on its option would.
    void chooseUnit(SpeedUnit unit);
    void selectMinPerKm();
    // "Export to CSV..." of the tests listed, and the comparison table as shown as a file of its
    // own; the status bar tells how the export went.
    void exportListedTests(const SearchResult &listed);
    void exportComparison();
    // The unit chosen (by a click or by the program) as the threshold frame and the table show it.
    void showUnit(SpeedUnit unit);
    // Leaving the trainer field by Tab goes on to "Save work" for an imported test, else to the
    // first step field shown.
    void moveOnFromTrainer(QWidget *saveButton);

    // The database feature's effects: a listed test opened, loaded and settled, a save.
    void takeListedRow(const TestRow &row);
    void showLoadedTest(const ShownTest &shown);
    void calculateLoadedTest(bool frozen);
    void prepareSave();
    void takeSavedMoment(const QString &moment);

    // The live link's run and the steps it sends.
    void startLinkRun();
    void takeLinkSteps(const LinkStepTexts &steps);

    // The import of a heart-rate file and what its take-over puts on screen.
    void openImport();
    void restoreDisplay(bool hrOnly, SpeedUnit unit);
    void takeRecording(const QString &maxHr, const QString &restHr, const QString &note);
    void takeContinuousLine(const ContinuousHrResult &line);
    void takeImportedSteps(const std::vector<StepFieldTexts> &steps);

private:
    void convertSpeedsNow();

    ScreenModel m_model;
    std::vector<double> m_extraLevels;
    QString m_importNote;           // note of the last imported heart-rate file
    bool m_slidersInert = false;    // set by "Clear screen": the sliders wait for a release
    bool m_liveDataPending = false; // the live link filled the steps
    bool m_linkActive = false;      // the live link connected; its first run forces the 240 axis
};

} // namespace kavren
