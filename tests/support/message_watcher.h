// Answers the program's modal message boxes in tests and remembers their texts.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace kavren::testing {

class MessageWatcher : public QObject {
public:
    // button: which button to press on every message box that appears.
    explicit MessageWatcher(QMessageBox::StandardButton button = QMessageBox::Ok);
    QStringList texts() const { return m_texts; }

private:
    void answer();
    QTimer m_timer;
    QMessageBox::StandardButton m_button;
    QStringList m_texts;
};

} // namespace kavren::testing
