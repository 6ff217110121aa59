// Finds a window's controls by object name and ends the test when one is missing, so that a
// renamed control fails its own tests instead of crashing the run.
#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <source_location>
#include <stdexcept>
#include <string>

namespace kavren::testing {

// Ends a test whose control is missing; the test framework reports it as the test's failure.
class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The child of root with this object name and type. When there is none the test fails at the
// caller's line and ends there.
template <typename T>
T *findControl(const QObject *root, const QString &name,
               std::source_location where = std::source_location::current()) {
    if (T *found = root ? root->findChild<T *>(name) : nullptr)
        return found;
    const std::string what =
        "no control \"" + name.toStdString() + "\" of type " + T::staticMetaObject.className();
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what;
    throw MissingControl(what);
}

} // namespace kavren::testing
