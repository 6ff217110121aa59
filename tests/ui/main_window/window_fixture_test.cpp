// The window fixture's look-up: a control of the right name and type is found; a missing one
// fails the test at the caller's line and ends it, instead of handing back a null control.
#include "support/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

using kavren::testing::findControl;
using kavren::testing::MissingControl;

TEST(WindowFixture, FindsByNameAndTypeAndFailsFatallyOtherwise) {
    QWidget window;
    auto *field = new QLineEdit(&window);
    field->setObjectName("Text1");
    EXPECT_EQ(findControl<QLineEdit>(&window, "Text1"), field);

    // The right name with the wrong type is as missing as a renamed control.
    ::testing::TestPartResultArray failures;
    bool ended = false;
    int line = 0;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        try {
            line = __LINE__ + 1;
            findControl<QPushButton>(&window, "Text1");
        } catch (const MissingControl &) {
            ended = true;
        }
    }
    EXPECT_TRUE(ended);
    ASSERT_EQ(failures.size(), 1);
    const ::testing::TestPartResult &failure = failures.GetTestPartResult(0);
    EXPECT_EQ(failure.line_number(), line);
    EXPECT_TRUE(std::string(failure.message()).find("\"Text1\" of type QPushButton") !=
                std::string::npos)
        << failure.message();
}
