// The texts of the program's message boxes shown since a log was made. In tests the boxes are
// answered without being shown: an answer queued with MessageAnswers::setNextAnswer, else the
// answer of closing the box (Ok for a message, No for a question).
#pragma once

#include <QStringList>

namespace kavren::testing {

class MessageLog {
public:
    MessageLog();
    // An answer still queued when the log ends was meant for a box that never came: that fails
    // the test, and the answer is dropped so that it cannot answer a later test's box.
    ~MessageLog();
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    // The texts shown since this log was made, in the order shown.
    QStringList texts() const;
    // The details of the same boxes (a server's own words), empty for a box without.
    QStringList details() const;

private:
    qsizetype m_firstText;
};

} // namespace kavren::testing
