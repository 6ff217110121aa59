// A test loaded from the database calculates once the window has settled (0.6 s, the wait users
// get), from the event loop; "Clear screen" during that wait drops the calculation.
#include "ui/main_window/laktat.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::waitUntil;

namespace {

constexpr int SettleMs = 600; // the window's own wait, left as users have it

class LoadSettleTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        ASSERT_FALSE(m_window->startupFailed());
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString text(const QString &name) { return control(name)->text(); }
    // Types, calculates and saves a six-step test; returns the indices its calculation showed.
    QStringList saveTypedTest() {
        control<QRadioButton>("SSOption5")->click();
        typeIdentity({"Bella", "Trotter", "5", "Mare"});
        typeSteps({{"1.2", "1.5", "2.4", "4.1", "6", "8.8"},
                   {"128", "145", "166", "183", "192", "201"},
                   {"2.4", "2.2", "2", "1.5", "1.45", "1.4"}});
        m_window->recalcTick();
        control<QPushButton>("Command9")->click();
        const QStringList indices = comparisonRow(0);
        control<QPushButton>("Command6")->click();
        return indices;
    }
    // Finds the saved test by name and clicks it in the result list.
    void loadSavedTest() {
        auto *results = listTestsOf("Bella");
        ASSERT_EQ(results->model()->rowCount(), 1);
        clickListed(results, 0);
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(LoadSettleTest, ALoadedTestCalculatesOnceTheWindowHasSettled) {
    const QStringList indices = saveTypedTest();
    ASSERT_FALSE(indices.value(0).isEmpty());
    ASSERT_EQ(comparisonRow(0), QStringList({"", "", "", "", ""})); // the save left an empty screen

    MessageLog messages;
    loadSavedTest();
    // The steps are on screen at once; the calculation waits for the event loop.
    EXPECT_EQ(text("Text4"), "Bella");
    EXPECT_EQ(text("lakt1"), "1.2");
    EXPECT_TRUE(m_window->loadSettling());
    EXPECT_EQ(comparisonRow(0), QStringList({"", "", "", "", ""}));

    ASSERT_TRUE(waitUntil([this] { return !m_window->loadSettling(); }));
    EXPECT_EQ(comparisonRow(0), indices);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
}

// Clear screen promises an empty screen: a calculation still waiting would draw the test that was
// just cleared away and fill the comparison table again, so the clear drops it.
TEST_F(LoadSettleTest, ClearScreenDuringTheSettleDropsTheCalculation) {
    ASSERT_FALSE(saveTypedTest().value(0).isEmpty());
    MessageLog messages;
    loadSavedTest();
    ASSERT_TRUE(m_window->loadSettling());

    control<QPushButton>("SSCOmmand15")->click();
    EXPECT_FALSE(m_window->loadSettling());
    // A wait as long as the settle, started after it: had the settle still been pending, its
    // calculation would have run before this one ends.
    bool ended = false;
    QTimer::singleShot(SettleMs, m_window.get(), [&ended] { ended = true; });
    ASSERT_TRUE(waitUntil([&ended] { return ended; }));

    EXPECT_FALSE(m_window->loadSettling());
    EXPECT_EQ(text("Text4"), "");
    EXPECT_EQ(text("lakt1"), "");
    EXPECT_EQ(text("Text15"), "");
    EXPECT_EQ(comparisonRow(0), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(control<QLabel>("datex(0)")->text(), "");
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();

    // The window goes on working: the same test loads and calculates again.
    loadSavedTest();
    ASSERT_TRUE(waitUntil([this] { return !m_window->loadSettling(); }));
    EXPECT_FALSE(comparisonRow(0).value(0).isEmpty());
}
