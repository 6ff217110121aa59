// The one clock of the program: the moment a test is calculated or saved and the date a report
// is printed all come from it. The window is given the system clock; tests give a fixed one.
#pragma once

#include <QDateTime>

#include <functional>

namespace kavren {

using Clock = std::function<QDateTime()>;

inline Clock systemClock() {
    return [] { return QDateTime::currentDateTime(); };
}

} // namespace kavren
