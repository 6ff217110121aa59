#include "ui/main_window/main_menu.h"
#include "ui/main_window/test_screen.h"

#include "ui/database/database_controller.h"
#include "ui/entry/calculation_controller.h"
#include "ui/graph/background_panel.h"
#include "ui/graph/style_panel.h"
#include "ui/help/help_controller.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/remote_link/link_controller.h"
#include "ui/report/clinic_details_page.h"
#include "ui/report/report_panel.h"
#include "ui/common/lactate_levels_page.h"
#include "ui/common/language_page.h"
#include "ui/common/preferences_dialog.h"
#include "ui/threshold_methods/threshold_methods_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kavren {

namespace {

// A command of a menu or of the menu bar itself, named so that it can be found.
QAction *addNamedAction(QWidget *owner, const char *name, const QString &caption) {
    auto *action = new QAction(caption, owner);
    owner->addAction(action);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

QMenu *addNamedMenu(QWidget *parentMenu, const char *name, const QString &caption) {
    auto *menu = new QMenu(caption, parentMenu);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (auto *bar = qobject_cast<QMenuBar *>(parentMenu))
        bar->addMenu(menu);
    else if (auto *owner = qobject_cast<QMenu *>(parentMenu))
        owner->addMenu(menu);
    return menu;
}

} // namespace

MainMenu::MainMenu(QMenuBar *bar, std::function<bool()> hrOnlyInForce) : QObject(bar) {
    printerSetup = addNamedAction(bar, "format", tr("&Printer"));
    QMenu *preferences = addNamedMenu(bar, "inst", tr("Preferences"));
    screenStyles = addNamedAction(preferences, "Skärm", tr("Screen"));
    printerStyles = addNamedAction(preferences, "Skrivare", tr("Printer"));
    QMenu *onlyHr = addNamedMenu(preferences, "EndPuls", tr("Only Hr"));
    hrOnlyYes = addNamedAction(onlyHr, "Pja", tr("Yes"));
    hrOnlyNo = addNamedAction(onlyHr, "Pnej", tr("No"));
    auto *hrOnlyChoice = new QActionGroup(onlyHr);
    for (QAction *action : {hrOnlyYes, hrOnlyNo}) {
        action->setCheckable(true);
        hrOnlyChoice->addAction(action);
    }
    hrOnlyNo->setChecked(true);
    connect(onlyHr, &QMenu::aboutToShow, this, [this, inForce = std::move(hrOnlyInForce)] {
        (inForce() ? hrOnlyYes : hrOnlyNo)->setChecked(true);
    });
    QMenu *frameSize = addNamedMenu(preferences, "Framesize", tr("Adjust frame to background"));
    frameToBackground = addNamedAction(frameSize, "Ja1", tr("Yes"));
    frameNotToBackground = addNamedAction(frameSize, "No1", tr("No"));
    preferencesDialog = addNamedAction(preferences, "preferencesDialog", tr("More..."));
    QMenu *database = addNamedMenu(bar, "dbas", tr("Database"));
    listDatabases = addNamedAction(database, "dbas1", tr("List"));
    createDatabase = addNamedAction(database, "creat", tr("Create"));
    exportCsv = addNamedAction(database, "exportCsv", tr("Export to CSV..."));
    exportComparisonCsv =
        addNamedAction(database, "exportComparisonCsv", tr("Export comparison table to CSV..."));
    history = addNamedAction(database, "history", tr("History..."));
    internet = addNamedAction(bar, "intn", tr("Internet"));
    import = addNamedAction(bar, "Export", tr("Import"));
    background = addNamedAction(bar, "bakg", tr("Background"));
    thresholdMethods = addNamedAction(bar, "thresholdMethods", tr("Threshold methods"));
    QMenu *report = addNamedMenu(bar, "report", tr("Report"));
    preview = addNamedAction(report, "preview", tr("Print preview..."));
    pdf = addNamedAction(report, "pdfReport", tr("Save as PDF..."));
    clinicReport = addNamedAction(report, "clinicReport", tr("Clinic report..."));
    clinicDetails = addNamedAction(report, "clinicDetails", tr("Clinic details..."));
    addNamedAction(bar, "Updat", tr("Check for updates"))->setEnabled(false);
    QMenu *help = addNamedMenu(bar, "Help", tr(" Help"));
    manual = addNamedAction(help, "manual", tr("User manual"));
    about = addNamedAction(help, "about", tr("About Kavren"));
}

void showPreferences(QWidget *window, const QString &dataFolder) {
    PreferencesDialog dialog(window);
    auto *levels = new LactateLevelsPage(dataFolder);
    dialog.addPage(levels, MainMenu::tr("Lactate levels"), [levels] { return levels->save(); });
    auto *clinic = new ClinicDetailsPage(dataFolder);
    dialog.addPage(clinic, MainMenu::tr("Clinic"), [clinic] { return clinic->save(); });
    auto *language = new LanguagePage(dataFolder);
    dialog.addPage(language, MainMenu::tr("Language"), [language] { return language->save(); });
    dialog.exec();
}

void MainMenu::connectTo(const MenuTargets &to) {
    connect(printerSetup, &QAction::triggered, to.report, &ReportPanel::setUpPrinter);
    connect(screenStyles, &QAction::triggered, to.styles, &StylePanel::showScreenFrame);
    connect(printerStyles, &QAction::triggered, to.styles, &StylePanel::showPrinterFrame);
    CalculationController *calculation = to.calculation;
    connect(hrOnlyYes, &QAction::triggered, calculation,
            [calculation] { calculation->setHeartRateOnly(true); });
    connect(hrOnlyNo, &QAction::triggered, calculation,
            [calculation] { calculation->setHeartRateOnly(false); });
    BackgroundPanel *pictures = to.background;
    connect(frameToBackground, &QAction::triggered, pictures,
            [pictures] { pictures->adjustFrameToBackground(true); });
    connect(frameNotToBackground, &QAction::triggered, pictures,
            [pictures] { pictures->adjustFrameToBackground(false); });
    connect(listDatabases, &QAction::triggered, to.database, &DatabaseController::showDatabaseList);
    connect(createDatabase, &QAction::triggered, to.database, &DatabaseController::openCreatePanel);
    connect(exportCsv, &QAction::triggered, to.database, &DatabaseController::exportListedTests);
    connect(internet, &QAction::triggered, to.link, &LinkController::showFrame);
    connect(import, &QAction::triggered, to.import, &ImportController::openImport);
    connect(background, &QAction::triggered, pictures, &BackgroundPanel::showPictureList);
    connect(preview, &QAction::triggered, to.report, &ReportPanel::showPreview);
    connect(pdf, &QAction::triggered, to.report, &ReportPanel::saveAsPdf);
    connect(clinicReport, &QAction::triggered, to.report, &ReportPanel::showClinicReport);
    connect(clinicDetails, &QAction::triggered, to.report, &ReportPanel::editClinicDetails);
    connect(manual, &QAction::triggered, to.help, &HelpController::showManual);
    connect(about, &QAction::triggered, to.help, &HelpController::showAbout);
    connect(thresholdMethods, &QAction::triggered, to.thresholdMethods,
            &ThresholdMethodsWindow::showWindow);
    connect(preferencesDialog, &QAction::triggered, this, to.preferences);
    connect(exportComparisonCsv, &QAction::triggered, to.screen, &TestScreen::exportComparison);
}

} // namespace kavren
