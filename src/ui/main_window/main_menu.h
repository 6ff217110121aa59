// The menu bar of the main window: every menu and command with its object name and caption. The
// window connects the commands to the features that carry them out.
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QString;
class QWidget;

namespace kavren {

class BackgroundPanel;
class CalculationController;
class DatabaseController;
class HelpController;
class ImportController;
class LinkController;
class ReportPanel;
class StylePanel;
class TestScreen;
class ThresholdMethodsWindow;

// The features the commands go to.
struct MenuTargets {
    ReportPanel *report = nullptr;
    StylePanel *styles = nullptr;
    CalculationController *calculation = nullptr;
    BackgroundPanel *background = nullptr;
    DatabaseController *database = nullptr;
    LinkController *link = nullptr;
    ImportController *import = nullptr;
    HelpController *help = nullptr;
    ThresholdMethodsWindow *thresholdMethods = nullptr;
    std::function<void()> preferences; // the "Preferences" dialog
    TestScreen *screen = nullptr;      // the comparison table as shown, for its CSV export
};

// "Preferences" > "More...": the preferences dialog with the extra lactate levels and the clinic's
// details, kept in the data folder.
void showPreferences(QWidget *window, const QString &dataFolder);

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the menus on bar. hrOnlyInForce tells which "Only Hr" choice is in force: connecting,
    // importing and calculating also switch the display, so the menu asks whenever it opens.
    MainMenu(QMenuBar *bar, std::function<bool()> hrOnlyInForce);
    // Connects each command to the feature that carries it out.
    void connectTo(const MenuTargets &targets);

    QAction *printerSetup = nullptr;         // format "&Printer"
    QAction *screenStyles = nullptr;         // Skärm "Preferences" > "Screen"
    QAction *printerStyles = nullptr;        // Skrivare "Preferences" > "Printer"
    QAction *hrOnlyYes = nullptr;            // Pja "Only Hr" > "Yes"
    QAction *hrOnlyNo = nullptr;             // Pnej "Only Hr" > "No"
    QAction *frameToBackground = nullptr;    // Ja1 "Adjust frame to background" > "Yes"
    QAction *frameNotToBackground = nullptr; // No1 "Adjust frame to background" > "No"
    QAction *preferencesDialog = nullptr;    // preferencesDialog "Preferences" > "More..."
    QAction *listDatabases = nullptr;        // dbas1 "Database" > "List"
    QAction *createDatabase = nullptr;       // creat "Database" > "Create"
    QAction *exportCsv = nullptr;            // exportCsv "Database" > "Export to CSV..."
    QAction *exportComparisonCsv = nullptr;  // "Database" > "Export comparison table to CSV..."
    QAction *history = nullptr;              // history "Database" > "History..."
    QAction *internet = nullptr;             // intn "Internet"
    QAction *import = nullptr;               // Export "Import"
    QAction *background = nullptr;           // bakg "Background"
    QAction *thresholdMethods = nullptr;     // thresholdMethods "Threshold methods"
    QAction *preview = nullptr;              // preview "Report" > "Print preview..."
    QAction *pdf = nullptr;                  // pdfReport "Report" > "Save as PDF..."
    QAction *clinicReport = nullptr;         // clinicReport "Report" > "Clinic report..."
    QAction *clinicDetails = nullptr;        // clinicDetails "Report" > "Clinic details..."
    QAction *manual = nullptr;               // manual " Help" > "User manual"
    QAction *about = nullptr;                // about " Help" > "About Kavren"
};

} // namespace kavren
