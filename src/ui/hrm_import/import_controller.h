// The heart-rate file import as a flow: menu "Import" readies the test for a recording and opens
// the `Polar` window (made on first use); its notification takes the recording over, the extracted
// steps or, without steps, the continuous heart-rate line of all samples; taken-over steps settle
// on screen before they are calculated; a "Close" puts the display back as the import found it.
// What goes onto the other features' controls is signalled as values for the main window.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/continuous_hr_line.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/exercise/speed_unit.h"
#include "domain/hrm_import/take_over.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QTimer;
class QWidget;

namespace kavren {

class DrawingSurface;
class PolarWindow;

// What the import reads from the screen at the moment of use.
struct ImportScreenReading {
    std::function<bool()> freezeChecked;   // "Freeze curve"
    std::function<QString()> firstLactate; // lakt1 as shown
    std::function<int()> loadSettleMs;     // how long a loaded test settles before it calculates
};

class ImportController : public QObject {
    Q_OBJECT
public:
    // The import window is made in `window`; the recording goes into `samples` and `test`, its
    // date into the comparison cells of `analysis`, and its live points onto `graph`.
    ImportController(QWidget *window, CurrentTest &test, AnalysisState &analysis,
                     SampleBuffer &samples, DrawingSurface &graph, ImportScreenReading screen);

    // The folder the import window opens in: from the settings file, then the last one used.
    QString importFolder() const { return m_importFolder; }
    void setImportFolder(const QString &folder) { m_importFolder = folder; }

    // Menu "Import".
    void openImport();
    // True while taken-over steps wait to calculate.
    bool settling() const;
    // Drops a calculation still waiting (the screen is being emptied).
    void cancelSettle();

signals:
    // Before the import window opens: the window empties the screen for the recording (all of
    // the test and the comparison row, the database chosen by the import, min/km, the heart-rate
    // slider at 120, the heart-rate-only display).
    void importOpening();
    // Nothing was taken over: the display as the import found it.
    void displayRestored(bool hrOnly, kavren::SpeedUnit unit);
    // The recording's maximum and resting heart rate and its note; its date is in the test and
    // the comparison cells.
    void recordingTakenOver(const QString &maxHr, const QString &restHr, const QString &note);
    // A file without steps: the six steps and the heart-rate line of all samples.
    void continuousLineTakenOver(const kavren::ContinuousHrResult &line);
    // A file with steps: the full step grid in min/km with these step texts (none when the number
    // of steps cannot be held).
    void stepsTakenOver(const std::vector<kavren::StepFieldTexts> &steps);
    // The taken-over steps have settled: the test is calculated.
    void calculationDue();

private:
    void takeOver();
    void restoreDisplay();
    void takeOverContinuousLine();
    void startSettle();

    QWidget *m_window;
    CurrentTest &m_test;
    AnalysisState &m_analysis;
    SampleBuffer &m_samples;
    DrawingSurface &m_graph;
    ImportScreenReading m_screen;
    QString m_importFolder;
    PolarWindow *m_polar = nullptr; // made on first use
    QTimer *m_settle = nullptr;     // the wait of taken-over steps before their calculation
    struct DisplayBeforeImport {
        bool hrOnly = false;
        SpeedUnit speedUnit = SpeedUnit::NoUnit;
    } m_displayBeforeImport; // what menu "Import" found on screen
};

} // namespace kavren
