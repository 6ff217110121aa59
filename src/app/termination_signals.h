// Turns the system's requests to end the program (SIGTERM at logout or shutdown, SIGINT, SIGHUP)
// into a signal of the event loop, so the program ends as if "Exit" was pressed and the settings
// of the session are kept.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace kavren {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace kavren
