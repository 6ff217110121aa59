// A wait that keeps the event loop turning until something has happened: a timer fired, a
// datagram arrived, a database server answered. The deadline only ends a test that would hang.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace kavren::testing {

// Runs the event loop until done() holds; false when it still does not after the deadline.
inline bool waitUntil(const std::function<bool()> &done, int deadlineMs = 30000) {
    QTimer tick; // wakes the wait now and then, so that the deadline is seen
    tick.start(5);
    const QDeadlineTimer backstop(deadlineMs);
    while (!done()) {
        if (backstop.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace kavren::testing
