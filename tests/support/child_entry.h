// Work that a test runs in a child process of its own (one that is killed, say): the test starts
// its own executable with KAVREN_TEST_CHILD naming the work, and the test entry point runs that
// work instead of the tests, so it never shows among them.
#pragma once

#include <QByteArray>

namespace kavren::testing {

inline constexpr char ChildEntryVariable[] = "KAVREN_TEST_CHILD";

using ChildEntry = int (*)();

// Registers the work under its name; returns true, so that it can initialise a constant.
bool registerChildEntry(const char *name, ChildEntry entry);
// The work registered under the name, or null.
ChildEntry childEntry(const QByteArray &name);

} // namespace kavren::testing
