#include "ui/main_window/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kavren {

namespace {

QAction *addNamedAction(QMenu *menu, const char *name, const QString &caption) {
    QAction *action = menu->addAction(caption);
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

QAction *addBarAction(QMenuBar *bar, const char *name, const QString &caption) {
    QAction *action = bar->addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

} // namespace

MainMenu::MainMenu(QMenuBar *bar, std::function<bool()> hrOnlyInForce) : QObject(bar) {
    printerSetup = addBarAction(bar, "format", tr("&Printer"));
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
    QMenu *database = addNamedMenu(bar, "dbas", tr("Database"));
    listDatabases = addNamedAction(database, "dbas1", tr("List"));
    createDatabase = addNamedAction(database, "creat", tr("Create"));
    exportCsv = addNamedAction(database, "exportCsv", tr("Export to CSV..."));
    internet = addBarAction(bar, "intn", tr("Internet"));
    import = addBarAction(bar, "Export", tr("Import"));
    background = addBarAction(bar, "bakg", tr("Background"));
    QMenu *report = addNamedMenu(bar, "report", tr("Report"));
    preview = addNamedAction(report, "preview", tr("Print preview..."));
    pdf = addNamedAction(report, "pdfReport", tr("Save as PDF..."));
    addBarAction(bar, "Updat", tr("Check for updates"))->setEnabled(false);
    help = addBarAction(bar, "Help", tr(" Help"));
}

} // namespace kavren
