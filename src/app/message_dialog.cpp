#include "app/message_dialog.h"

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

namespace kavren {

bool askYesNo(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace kavren
