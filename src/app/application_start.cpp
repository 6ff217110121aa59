#include "app/application_start.h"

#include "app/data_folder.h"
#include "ui/main_window/laktat.h"
#include "app/termination_signals.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace kavren {
namespace {

void tell(const QString &text) {
    std::fprintf(stderr, "kavren: %s\n", qPrintable(text));
}

} // namespace

int runApplication(QApplication &app) {
    // Taken at once: a request to end that comes while the window is being built is answered
    // as soon as the event loop runs, by the same shutdown as "Exit".
    TerminationSignals termination;
    QString error;
    const auto options = parseStartOptions(QCoreApplication::arguments(), error);
    if (!options) {
        tell(error);
        return BadStartExitStatus;
    }
    const QString defaultFolder = defaultDataFolder();
    const QString folder =
        options->dataFolder.isEmpty() ? defaultFolder : QDir(options->dataFolder).absolutePath();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const PreparedFolder prepared = prepareDataFolder(folder, shippedSettingsFile(programFolder),
                                                      olderProgramFolders(programFolder));
    for (const QString &note : prepared.notes)
        tell(note);
    if (!prepared.ok) {
        tell(prepared.error);
        return BadStartExitStatus;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kavren.Kavren"));

    Laktat window(folder);
    if (window.startupFailed())
        return 1;
    // The system ending the program does not wait for an answer about unsaved work.
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &Laktat::closeWithoutAsking);
    window.showMaximized();
    return app.exec();
}

} // namespace kavren
