// The program's message boxes in tests: queued answers are taken first queued first, a box without
// one gets the answer of closing it, and the log holds the texts shown since it was made.
#include "ui/common/message_dialog.h"
#include "support/message_log.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using kavren::MessageAnswers;
using kavren::testing::MessageLog;

TEST(MessageDialog, QueuedAnswersComeInOrderThenTheClosingAnswer) {
    ASSERT_TRUE(MessageAnswers::isAnswering());
    MessageLog log;
    // No before Yes: answers taken last queued first would say yes to the first question.
    MessageAnswers::setNextAnswer(QMessageBox::No);
    MessageAnswers::setNextAnswer(QMessageBox::Yes);
    EXPECT_FALSE(kavren::askYesNo(nullptr, "Message", "first"));
    EXPECT_TRUE(kavren::askYesNo(nullptr, "Message", "second"));
    // Nothing queued: the question is closed, which is No, never an erase by default.
    EXPECT_FALSE(kavren::askYesNo(nullptr, "Message", "third"));
    kavren::showMessage(nullptr, "told");
    kavren::showWarning(nullptr, "Export to CSV", "warned");
    EXPECT_EQ(log.texts(), (QStringList{"first", "second", "third", "told", "warned"}));
    EXPECT_EQ(MessageAnswers::queuedAnswers(), 0);
}

TEST(MessageDialog, ALogHoldsOnlyTheTextsShownSinceItWasMade) {
    kavren::showMessage(nullptr, "before");
    MessageLog log;
    kavren::showMessage(nullptr, "after");
    EXPECT_EQ(log.texts(), QStringList{"after"});
    EXPECT_EQ(MessageAnswers::shownTexts(), (QStringList{"before", "after"}));
}

TEST(MessageDialog, AnAnswerForABoxThatNeverCameFailsTheTestAndIsDropped) {
    EXPECT_NONFATAL_FAILURE(
        {
            MessageLog log;
            MessageAnswers::setNextAnswer(QMessageBox::Yes);
        },
        "1 queued message answer(s) were not taken");
    EXPECT_EQ(MessageAnswers::queuedAnswers(), 0);
    EXPECT_FALSE(kavren::askYesNo(nullptr, "Message", "later"));
}
