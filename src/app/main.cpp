// Starts Kavren: the application object, then the program.
#include "app/application_start.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    return kavren::runApplication(app);
}
