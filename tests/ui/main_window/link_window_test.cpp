// The live link in the main window: "Internet", "Connect", pairs from a device of the test on a
// free port of 127.0.0.1, and the sign-off that fills the six steps and calculates.
#include "ui/main_window/laktat.h"
#include "ui/graph/graph_widget.h"
#include "ui/remote_link/link_panel.h"
#include "support/link_test_support.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kavren;
using kavren::testing::freeLoopbackPort;
using kavren::testing::LinkSender;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::waitUntil;

namespace {

// Pixels within a few pixels of a graph position that plainly differ from the background.
int pixelsStandingOutAround(const QImage &image, QPointF device, const QColor &background) {
    int count = 0;
    for (int y = int(device.y()) - 6; y <= int(device.y()) + 6; ++y)
        for (int x = int(device.x()) - 6; x <= int(device.x()) + 6; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                300)
                ++count;
        }
    return count;
}

class LinkWindow : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_panel = m_window->findChild<LinkPanel *>();
        ASSERT_NE(m_panel, nullptr);
        m_port = freeLoopbackPort();
        ASSERT_NE(m_port, 0);
        m_panel->setPort(m_port);
        m_panel->setBindAddress(QHostAddress(QHostAddress::LocalHost));
        QObject::connect(m_panel, &LinkPanel::signedOff, [this] { m_signedOff = true; });
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString text(const QString &name) {
        if (auto *label = m_window->findChild<QLabel *>(name))
            return label->text();
        return control(name)->text();
    }

    ProgramFolder m_folder;
    MessageLog m_messages;
    std::unique_ptr<Laktat> m_window;
    LinkPanel *m_panel = nullptr;
    quint16 m_port = 0;
    bool m_signedOff = false;
};

} // namespace

TEST_F(LinkWindow, InternetShowsTheBoxAndConnectPreparesALiveHeartRateTest) {
    EXPECT_FALSE(control<QGroupBox>("SSFrame3")->isVisibleTo(m_window.get()));
    control<QAction>("intn")->trigger();
    EXPECT_TRUE(control<QGroupBox>("SSFrame3")->isVisibleTo(m_window.get()));
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_panel->receiver().isOpen());
    EXPECT_FALSE(text("Label20").isEmpty());
    EXPECT_EQ(text("puls1"), QStringLiteral("120"));
    EXPECT_TRUE(control<QRadioButton>("SSOption5")->isChecked()); // min/km
    EXPECT_TRUE(m_window->currentTest().hrOnly);
    EXPECT_EQ(m_window->currentDatabase().selectedDatabaseName, " ");
    // The first run after connecting sets the 120…240 heart-rate axis the live points use.
    EXPECT_EQ(m_window->currentTest().scale.hrBase, 120);
    EXPECT_EQ(m_window->currentTest().scale.hrScale, 0.1f);
    EXPECT_TRUE(m_messages.texts().isEmpty()) << m_messages.texts().join('|').toStdString();
}

TEST_F(LinkWindow, SignOffFillsTheSixStepsConvertsThemAndCalculatesV200) {
    control<QAction>("intn")->trigger();
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_panel->receiver().isOpen());
    auto *graph = m_window->findChild<GraphWidget *>();
    const QImage before = graph->renderedImage();

    // Ten pairs, out of order. Sorted, the steps take rows 0, 2, 4, 6, 8 and 9 (last = 9, s = 2);
    // rows 1, 3, 5 and 7 (4.2, 4.8, 5.4 and 6.0 m/s) lie between them. The step speeds are
    // 1000 / (249, 222, 192, 175, 161, 147 s per km): paces 4.09, 3.42, 3.12, 2.55, 2.41, 2.27.
    // The tick reads 4.09 as 4 min 9 s = 4.15 min: 1000 / 4.15 = 240.96 m/min, Int 240, 4 m/s;
    // likewise 270, 312, 342, 372 and 408 m/min: 4.5, 5.2, 5.7, 6.2 and 6.8 m/s (each exact after
    // the cut to two decimals). The heart rates are 60 + 20 · speed (164.5 and 174.5 round to the
    // even 164 and 174), so the line is exact:
    // V200 = (200 − 60) / 20 = 7 m/s = 142.86 s per km, shown as 2:22.
    LinkSender device(m_port);
    for (const char *pair : {"5.7143:174.5", "4.8:157", "6.8027:196", "4.0161:140", "5.4:168",
                             "6.2112:184", "4.2:145", "5.2083:164.5", "6.0:180", "4.5045:150"})
        ASSERT_TRUE(device.send(pair));
    ASSERT_TRUE(waitUntil([&] { return m_panel->drawnPoints() == 10; }));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Telemo   127.0.0.1"));

    // Each pair was drawn where it belongs: 4.0161 m/s at (140 − 120) · 0.1 = 2, and it can be
    // seen: on the shipped white background the white live point is drawn black.
    const QImage live = graph->renderedImage();
    const QPointF point = graph->map().toDevice({4.0161, 2.0});
    const QColor background = graph->backgroundColour();
    EXPECT_EQ(background, QColor(255, 255, 255));
    EXPECT_GT(pixelsStandingOutAround(live, point, background),
              pixelsStandingOutAround(before, point, background));

    ASSERT_TRUE(device.send("utloggad"));
    ASSERT_TRUE(waitUntil([&] { return m_signedOff; }));
    EXPECT_FALSE(m_panel->receiver().isOpen());

    const char *paces[] = {"4.09", "3.42", "3.12", "2.55", "2.41", "2.27"};
    const char *hrs[] = {"140", "150", "164", "174", "184", "196"};
    const char *metresPerSecond[] = {"4", "4.5", "5.2", "5.7", "6.2", "6.8"};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(text(QStringLiteral("temp%1").arg(row + 1)), QString::fromLatin1(paces[row]))
            << row;
        EXPECT_EQ(text(QStringLiteral("puls%1").arg(row + 1)), QString::fromLatin1(hrs[row]))
            << row;
        // Converted before the run, not on a later tick.
        EXPECT_EQ(text(QStringLiteral("Text%1").arg(15 + row)),
                  QString::fromLatin1(metresPerSecond[row]))
            << row;
    }
    EXPECT_EQ(m_window->currentTest().stepCount, 6);
    EXPECT_NEAR(m_window->currentTest().fitDouble.hrSlope, 20, 1e-9);
    EXPECT_NEAR(m_window->currentTest().fitDouble.hrIntercept, 60, 1e-8);
    EXPECT_EQ(text("labelx(0)"), QStringLiteral("2:22"));
    EXPECT_TRUE(m_messages.texts().isEmpty()) << m_messages.texts().join('|').toStdString();
}

TEST_F(LinkWindow, StepsAreTakenAsMinPerKmEvenWhenAnotherUnitWasClickedDuringTheRun) {
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_panel->receiver().isOpen());
    control<QRadioButton>("SSOption6")->click(); // met/min
    // Two pairs: steps 1–5 take the slower, step 6 the faster. Paces 3.42 (3 min 42 s: 270.27
    // m/min, Int 270, 4.5 m/s) and 2.55 (2 min 55 s: 342.86 m/min, Int 342, 5.7 m/s). Read as
    // metres per minute the same texts would give 0.05 and 0.04 m/s.
    LinkSender device(m_port);
    for (const char *datagram : {"5.7143:174", "4.5045:150", "utloggad"})
        ASSERT_TRUE(device.send(datagram));
    ASSERT_TRUE(waitUntil([&] { return m_signedOff; }));
    EXPECT_TRUE(control<QRadioButton>("SSOption5")->isChecked());
    EXPECT_EQ(text("temp1"), QStringLiteral("3.42"));
    EXPECT_EQ(text("Text15"), QStringLiteral("4.5"));
    EXPECT_EQ(text("temp6"), QStringLiteral("2.55"));
    EXPECT_EQ(text("Text20"), QStringLiteral("5.7"));
}

TEST_F(LinkWindow, ASecondConnectStartsFromAnEmptyTest) {
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_panel->receiver().isOpen());
    LinkSender device(m_port);
    // Steps 1–5 at 4.5 m/s and 150 b/min, step 6 at 5.7 m/s and 174: V200 = 7 m/s, "2:22".
    for (const char *datagram : {"5.7143:174", "4.5045:150", "utloggad"})
        ASSERT_TRUE(device.send(datagram));
    ASSERT_TRUE(waitUntil([&] { return m_signedOff; }));
    ASSERT_EQ(text("labelx(0)"), QStringLiteral("2:22"));
    m_window->findChild<QLineEdit *>(QStringLiteral("Text4"))->setText(QStringLiteral("Bruno"));

    // Connecting again must not calculate the last run's steps with 120 b/min as the first one.
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_panel->receiver().isOpen());
    EXPECT_EQ(text("puls1"), QStringLiteral("120"));
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(text(QStringLiteral("temp%1").arg(row)), QString()) << row;
        EXPECT_EQ(text(QStringLiteral("Text%1").arg(14 + row)), QString()) << row;
        if (row > 1) {
            EXPECT_EQ(text(QStringLiteral("puls%1").arg(row)), QString()) << row;
        }
    }
    EXPECT_EQ(text("Text4"), QString());
    // No line is fitted through the last run's steps (nor kept from them).
    EXPECT_EQ(m_window->currentTest().fitDouble.hrSlope, 0);
    // Nor does the comparison row show the last run's V200.
    EXPECT_EQ(text("labelx(0)"), QString());
}

TEST_F(LinkWindow, TheOnlyHrMenuShowsWhichDisplayIsOn) {
    auto *yes = control<QAction>("Pja");
    auto *no = control<QAction>("Pnej");
    ASSERT_TRUE(yes->isCheckable() && no->isCheckable());
    EXPECT_TRUE(no->isChecked());
    EXPECT_FALSE(yes->isChecked());
    // Connecting switches the heart-rate-only display on; the menu shows it when it opens.
    control<QPushButton>("Command2")->click();
    ASSERT_TRUE(m_window->currentTest().hrOnly);
    emit m_window->findChild<QMenu *>(QStringLiteral("EndPuls"))->aboutToShow();
    EXPECT_TRUE(yes->isChecked());
    EXPECT_FALSE(no->isChecked());
    no->trigger();
    EXPECT_FALSE(m_window->currentTest().hrOnly);
    EXPECT_TRUE(no->isChecked());
    EXPECT_FALSE(yes->isChecked());
}
