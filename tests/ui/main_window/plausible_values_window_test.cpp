// Implausible values in the window: "Calculate" names them in the status bar, and "Save work" asks
// once before it saves such a test, keeping it on screen unsaved when the answer is No.
#include "ui/main_window/laktat.h"
#include "ui/common/message_dialog.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

using kavren::MessageAnswers;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

class PlausibleWindowTest : public kavren::testing::WindowFixture {
protected:
    const QObject *windowUnderTest() const override { return &m_window; }
    QString status() const { return m_window.statusBar()->currentMessage(); }

    ProgramFolder m_folder;
    Laktat m_window{m_folder.path()};
};

} // namespace

TEST_F(PlausibleWindowTest, CalculateNamesThemAndSaveWorkAsksOnce) {
    control<QRadioButton>("SSOption6")->click();
    typeIdentity({"Bella", "Trotter", "60", "Mare"});
    typeSteps(
        {{"1.0", "1.5", "2.5", "5.0"}, {"150", "165", "180", "310"}, {"300", "360", "420", "480"}});
    m_window.recalcTick();
    control<QPushButton>("Command9")->click();
    EXPECT_TRUE(status().startsWith("Implausible values")) << status().toStdString();
    EXPECT_TRUE(status().contains("Age; Heart rate, step 4.")) << status().toStdString();
    EXPECT_TRUE(status().contains(" steps")) << status().toStdString(); // the fit is still told

    {
        MessageLog log; // closing the question answers No
        control<QPushButton>("Command6")->click();
        ASSERT_EQ(log.texts().size(), 1);
        EXPECT_TRUE(log.texts()[0].contains("Age; Heart rate, step 4"))
            << log.texts()[0].toStdString();
        EXPECT_FALSE(status().startsWith("Test saved")) << status().toStdString();
        EXPECT_EQ(control("Text6")->text(), "60");
    }
    MessageLog log;
    MessageAnswers::setNextAnswer(QMessageBox::Yes);
    control<QPushButton>("Command6")->click();
    EXPECT_EQ(log.texts().size(), 1);
    EXPECT_TRUE(status().startsWith("Test saved")) << status().toStdString();
}
