#include "test/message_dialog.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kavren {

void showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace kavren
