#include "app/application_start.h"

#include "app/data_folder.h"
#include "io/language_preference.h"
#include "ui/common/translations.h"
#include "ui/main_window/laktat.h"
#include "app/termination_signals.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace kavren {
namespace {

void tell(const QString &text) {
    std::fprintf(stderr, "kavren: %s\n", qPrintable(text));
}

// The options as given, with the version that --version and "About Kavren" show. A bad option
// is told on standard error; the answer to --help or --version is printed on standard output.
// Empty when the program goes on to open its window.
std::optional<int> answerBeforeWindow(std::optional<StartOptions> &options) {
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVREN_VERSION));
    QString error;
    options = parseStartOptions(QCoreApplication::arguments(), error);
    if (!options) {
        tell(error);
        return BadStartExitStatus;
    }
    if (!options->terminalAnswer.isEmpty()) {
        std::fputs(qPrintable(options->terminalAnswer), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char **argv) {
    bool toolkitOption = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        toolkitOption = toolkitOption || (argument.startsWith('-') && !argument.startsWith("--") &&
                                          argument.size() > 2);
    }
    if (toolkitOption)
        return std::nullopt;
    QCoreApplication terminal(argc, argv);
    std::optional<StartOptions> options;
    return answerBeforeWindow(options);
}

int runApplication(QApplication &app) {
    // Taken at once: a request to end that comes while the window is being built is answered
    // as soon as the event loop runs, by the same shutdown as "Exit".
    TerminationSignals termination;
    std::optional<StartOptions> options;
    if (const auto status = answerBeforeWindow(options))
        return *status;
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
    QGuiApplication::setDesktopFileName(QStringLiteral(KAVREN_APP_ID));
    // The language chosen in the preferences, unless the command line names one for this run.
    useLanguage(options->language.isEmpty() ? readLanguage(folder) : options->language);

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
