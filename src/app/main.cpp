// Starts Kavren: the application object, then the program.
#include "app/application_start.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // --help and --version answer on a terminal without a display.
    if (kavren::asksOnlyForText(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        return kavren::answerOnTerminal(terminal);
    }
    QApplication app(argc, argv);
    return kavren::runApplication(app);
}
