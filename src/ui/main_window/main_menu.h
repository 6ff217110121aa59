// The menu bar of the main window: every menu and command with its object name and caption. The
// window connects the commands to the features that carry them out.
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace kavren {

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the menus on bar. hrOnlyInForce tells which "Only Hr" choice is in force: connecting,
    // importing and calculating also switch the display, so the menu asks whenever it opens.
    MainMenu(QMenuBar *bar, std::function<bool()> hrOnlyInForce);

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
    QAction *internet = nullptr;             // intn "Internet"
    QAction *import = nullptr;               // Export "Import"
    QAction *background = nullptr;           // bakg "Background"
    QAction *thresholdMethods = nullptr;     // thresholdMethods "Threshold methods"
    QAction *preview = nullptr;              // preview "Report" > "Print preview..."
    QAction *pdf = nullptr;                  // pdfReport "Report" > "Save as PDF..."
    QAction *help = nullptr;                 // Help " Help"
};

} // namespace kavren
