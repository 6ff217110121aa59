// A pause that keeps the window working: the steps that let the window settle before they
// calculate wait this way, so clicks and repaints are handled meanwhile.
#pragma once

#include <QEventLoop>
#include <QTimer>

namespace kavren {

inline void waitWhileProcessingEvents(int milliseconds) {
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace kavren
