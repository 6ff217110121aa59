// Reads the texts the program's message function kept, from the moment a log was made.
#include "support/message_log.h"

#include "ui/common/message_dialog.h"

#include <gtest/gtest.h>

namespace kavren::testing {

MessageLog::MessageLog() : m_firstText(MessageAnswers::shownTexts().size()) {}

MessageLog::~MessageLog() {
    if (const int unused = MessageAnswers::queuedAnswers(); unused > 0) {
        ADD_FAILURE() << unused << " queued message answer(s) were not taken; boxes shown: "
                      << texts().join('|').toStdString();
        MessageAnswers::dropQueuedAnswers();
    }
}

QStringList MessageLog::texts() const {
    return MessageAnswers::shownTexts().mid(m_firstText);
}

QStringList MessageLog::details() const {
    return MessageAnswers::shownDetails().mid(m_firstText);
}

} // namespace kavren::testing
