// The "Threshold methods" window and the extra lactate levels from the main window: the levels
// kept in the preferences reach the status bar after "Calculate", and the window, opened from the
// menu, lists the methods for the test on screen and follows the next calculation.
#include "ui/main_window/laktat.h"
#include "io/lactate_levels.h"
#include "ui/threshold_methods/threshold_methods_window.h"
#include "support/program_folder.h"
#include "support/typing.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

using kavren::ThresholdMethodsWindow;

class ThresholdMethodsWindowTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(kavren::writeLactateLevels(m_folder.path(), {3}));
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }

    void calculate(const QStringList &lactates) {
        control<QRadioButton>("SSOption6")->click();
        typeIdentity({"Bella", "Trotter", "5", "Mare"});
        typeSteps({lactates, {"150", "165", "180", "195"}, {"300", "360", "420", "480"}});
        m_window->recalcTick();
        control<QPushButton>("Command9")->click();
    }

    kavren::testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

TEST_F(ThresholdMethodsWindowTest, LevelsReachTheStatusBarAndTheWindowFollowsTheTest) {
    calculate({"1.0", "1.5", "2.5", "5.0"});
    const QString status = m_window->statusBar()->currentMessage();
    EXPECT_TRUE(status.contains(", VLa3 ") && status.contains(", Hr3 ")) << status.toStdString();

    m_window->findChild<QAction *>("thresholdMethods")->trigger();
    auto *methods = m_window->findChild<ThresholdMethodsWindow *>("thresholdMethods");
    ASSERT_TRUE(methods);
    EXPECT_TRUE(methods->isVisible());
    EXPECT_FALSE(methods->isModal());
    // 4 mmol/l lies between 2.5 at 7 m/s and 5.0 at 8 m/s: 7.6 m/s, 456 m/min.
    EXPECT_TRUE(methods->lines().contains("Linear interpolation, 4 mmol/l: 456 m/min at 4 mmol/l"))
        << methods->lines().join(u'\n').toStdString();
    EXPECT_TRUE(methods->lines()
                    .filter(QRegularExpression(QStringLiteral("^Exponential fit: VLa3 \\d+")))
                    .size() == 1)
        << methods->lines().join(u'\n').toStdString();

    calculate({"1.0", "1.5", "2.0", "5.0"}); // now 7 + 2/3 m/s, 460 m/min
    EXPECT_TRUE(methods->lines().contains("Linear interpolation, 4 mmol/l: 460 m/min at 4 mmol/l"))
        << methods->lines().join(u'\n').toStdString();
}

} // namespace
