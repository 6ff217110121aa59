// Starts Kavren: the application object, then the program.
#include "app/application_start.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // --help, --version and a bad option are answered on a terminal without a display.
    if (const auto status = kavren::answerWithoutWindow(argc, argv))
        return *status;
    QApplication app(argc, argv);
    return kavren::runApplication(app);
}
