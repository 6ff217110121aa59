#include "support/message_watcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace kavren::testing {

MessageWatcher::MessageWatcher(QMessageBox::StandardButton button) : m_button(button) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageWatcher::answer);
    m_timer.start();
}

void MessageWatcher::answer() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_texts << box->text();
    if (QAbstractButton *button = box->button(m_button))
        button->click();
    else
        box->reject();
}

} // namespace kavren::testing
