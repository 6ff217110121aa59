// Test entry point: every test runs inside one QApplication on the offscreen platform, so that
// widgets can be created and grabbed without a display. Message boxes are answered without being
// shown, and every test starts with no queued answers and no texts shown. A child process that a
// test started runs the work it was started for instead of the tests.
#include "support/child_entry.h"
#include "ui/common/message_dialog.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class FreshMessageAnswers : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { kavren::MessageAnswers::clear(); }
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const QByteArray child = qgetenv(kavren::testing::ChildEntryVariable); !child.isEmpty()) {
        const kavren::testing::ChildEntry entry = kavren::testing::childEntry(child);
        return entry ? entry() : EXIT_FAILURE;
    }
    ::testing::InitGoogleTest(&argc, argv);
    kavren::MessageAnswers::answerWithoutShowing(true);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshMessageAnswers);
    return RUN_ALL_TESTS();
}
