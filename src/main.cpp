// Starts Kavren: the application object and the main window.
#include "app/laktat.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Laktat window(QCoreApplication::applicationDirPath());
    if (window.startupFailed())
        return 1;
    window.showMaximized();
    return app.exec();
}
