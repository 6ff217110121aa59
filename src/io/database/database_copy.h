// Copying every saved test from one database to another: a file to a server database and back,
// so that a clinic can move its history. The target takes all tests in one transaction or none.
#pragma once

#include <QString>

namespace kavren {

struct CopyResult {
    qint64 copied = 0;
    QString error; // why nothing was copied; empty on success
};

// Copies the tests of from into to, in the order they were saved. A missing target file, or a
// server database without mytable, gets the empty table first. A target that already holds tests
// is refused unless append is set, and a target that is the source itself always.
CopyResult copyTests(const QString &from, const QString &to, bool append);

} // namespace kavren
