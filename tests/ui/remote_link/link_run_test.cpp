// A live run over real UDP on 127.0.0.1: the link box connected to a port chosen by the test, pairs
// and sign-offs sent by devices of the test, and what ends up in the sample buffer and on the
// graph.
#include "ui/remote_link/link_panel.h"
#include "domain/remote_link/step_selection.h"

#include "support/link_test_support.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace kavren;
using kavren::testing::freeLoopbackPort;
using kavren::testing::LinkSender;
using kavren::testing::waitUntil;

namespace {

class LinkRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_test.scale.hrScale = 0.1f;
        m_panel = new LinkPanel(&m_window, QRect(0, 0, 280, 80), m_samples, m_surface, m_test);
        QObject::connect(m_panel, &LinkPanel::signedOff, [this] { ++m_signOffs; });
        QObject::connect(m_panel, &LinkPanel::problem,
                         [this](const QString &message) { m_problems << message; });
        m_port = freeLoopbackPort();
        ASSERT_NE(m_port, 0);
        m_panel->setPort(m_port);
        m_panel->setBindAddress(QHostAddress(QHostAddress::LocalHost));
    }

    void connectLink() {
        m_panel->connectLink();
        ASSERT_TRUE(m_panel->receiver().isOpen()) << m_problems.join(' ').toStdString();
    }
    bool waitForSamples(int count) {
        return waitUntil([&] { return m_samples.sampleCount >= count; });
    }
    bool waitForSignOff() {
        return waitUntil([&] { return m_signOffs > 0; });
    }
    std::vector<SurfaceStep> circles() const {
        return m_surface.stepsOf(SurfaceStep::Kind::Circle);
    }

    SampleBuffer m_samples;
    RecordingSurface m_surface;
    CurrentTest m_test;
    QWidget m_window;
    LinkPanel *m_panel = nullptr; // owned by m_window
    quint16 m_port = 0;
    int m_signOffs = 0;
    QStringList m_problems;
};

// The pairs of one example, in the (shuffled) order they are sent, and the six steps expected.
struct SelectionCase {
    const char *name;
    std::vector<QByteArray> datagrams;
    std::array<const char *, StepRows> speeds; // temp1…temp6, "" where the step keeps its text
    std::array<const char *, StepRows> hrs;
};

} // namespace

TEST_F(LinkRun, PairsAreStoredAndDrawnAsLivePointsAndTheDeviceNamedInTheCaption) {
    m_panel->showFrame();
    connectLink();
    EXPECT_FALSE(
        m_panel->frame()->findChild<QLabel *>(QStringLiteral("Label20"))->text().isEmpty());
    LinkSender device(m_port);
    ASSERT_TRUE(device.send("7.5:168"));
    ASSERT_TRUE(device.send("8.25:181"));
    ASSERT_TRUE(waitForSamples(2));
    EXPECT_EQ(m_samples.speedHrTable[0], (std::array<float, 2>{7.5f, 168}));
    EXPECT_EQ(m_samples.speedHrTable[1], (std::array<float, 2>{8.25f, 181}));
    EXPECT_EQ(m_samples.hrSpeedTable[1], (std::array<float, 2>{181, 8.25f}));
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Telemo   127.0.0.1"));
    EXPECT_FALSE(m_panel->frame()->isVisibleTo(&m_window));

    ASSERT_TRUE(waitUntil([&] { return circles().size() == 2; }));
    // Live point: radius 0.05, white, at x = speed and y = (168 − 120) · 0.1 = 4.8.
    const SurfaceStep first = circles()[0];
    EXPECT_DOUBLE_EQ(first.a.x(), 7.5);
    EXPECT_NEAR(first.a.y(), 4.8, 1e-6);
    EXPECT_DOUBLE_EQ(first.radius, 0.05);
    EXPECT_EQ(first.colour, QColor(255, 255, 255));
    EXPECT_NEAR(circles()[1].a.y(), 6.1, 1e-6); // (181 − 120) · 0.1
}

TEST_F(LinkRun, SixStepsAreChosenFromThePairsSortedBySpeed) {
    // Speeds 1…N m/s with heart rate 100 + 10·speed, sent out of order. Paces by hand: 1 m/s is
    // 16 min 40 s per km → 16.4; 2 → 8 min 20 s → 8.2; 3 → 5 min 33.3 s → 5.33; 4 → 4 min 10 s →
    // 4.1; 5 → 3.2; 6 → 2 min 46.7 s → 2.47; 7 → 2.23; 8 → 2 min 5 s → 2.05; 9 → 1 min 51.1 s →
    // 1.51; 10 → 1.4; 11 → 1 min 30.9 s → 1.31; 12 → 1 min 23.3 s → 1.23.
    const std::vector<SelectionCase> cases = {
        // last = 9, s = 1.8 → 2, rows 0, 2, 4, 6, 8, 9.
        {"ten",
         {"7:170", "3:130", "10:200", "1:110", "5:150", "9:190", "2:120", "8:180", "4:140",
          "6:160"},
         {"16.4", "5.33", "3.2", "2.23", "1.51", "1.4"},
         {"110", "130", "150", "170", "190", "200"}},
        // last = 4, s = 0.8 → 1, 4s = 4 ≤ 4: rows 0, 1, 2, 3, 4, 4.
        {"five",
         {"4:140", "1:110", "5:150", "3:130", "2:120"},
         {"16.4", "8.2", "5.33", "4.1", "3.2", "3.2"},
         {"110", "120", "130", "140", "150", "150"}},
        // last = 11, s = 2.2 → 2, rows 0, 2, 4, 6, 8, 11.
        {"twelve",
         {"12:220", "6:160", "1:110", "11:210", "7:170", "2:120", "10:200", "5:150", "3:130",
          "9:190", "8:180", "4:140"},
         {"16.4", "5.33", "3.2", "2.23", "1.51", "1.23"},
         {"110", "130", "150", "170", "190", "220"}},
        // last = 3, s = 0.6 → 1, 4s = 4 > 3: rows 0, 1, 2, 3, step 5 kept, step 6 row 3.
        {"four",
         {"2:120", "4:140", "3:130", "1:110"},
         {"16.4", "8.2", "5.33", "4.1", "", "4.1"},
         {"110", "120", "130", "140", "", "140"}},
        // Halfway heart rates: 170.5 stores 170 and 171.5 stores 172 (halves to even).
        {"halfway",
         {"6:171.5", "5:170.5"},
         {"3.2", "3.2", "3.2", "3.2", "3.2", "2.47"},
         {"170", "170", "170", "170", "170", "172"}},
    };
    for (const SelectionCase &c : cases) {
        SCOPED_TRACE(c.name);
        m_signOffs = 0;
        connectLink();
        LinkSender device(m_port);
        for (const QByteArray &datagram : c.datagrams)
            ASSERT_TRUE(device.send(datagram));
        ASSERT_TRUE(device.send("utloggad"));
        ASSERT_TRUE(waitForSignOff());
        EXPECT_FALSE(m_panel->receiver().isOpen());
        ASSERT_EQ(m_samples.sampleCount, int(c.datagrams.size()));
        const LinkStepTexts texts = takeLinkSteps(m_samples);
        for (std::size_t step = 0; step < StepRows; ++step) {
            EXPECT_EQ(texts.speedTexts[step].value_or(QString()),
                      QString::fromLatin1(c.speeds[step]))
                << "step " << step + 1;
            EXPECT_EQ(texts.hrTexts[step].value_or(QString()), QString::fromLatin1(c.hrs[step]))
                << "step " << step + 1;
        }
    }
}

TEST_F(LinkRun, ASignOffBeforeAnyPairLeavesTheLinkOpen) {
    connectLink();
    LinkSender device(m_port);
    ASSERT_TRUE(device.send("utloggad"));
    // The pair after it arriving shows that the sign-off was read and passed over.
    ASSERT_TRUE(device.send("6:150"));
    ASSERT_TRUE(waitForSamples(1));
    EXPECT_EQ(m_signOffs, 0);
    EXPECT_TRUE(m_panel->receiver().isOpen());
}

TEST_F(LinkRun, MalformedDatagramsAreDroppedAndTheLinkStaysOpen) {
    connectLink();
    LinkSender device(m_port);
    const QByteArray malformed[] = {"",
                                    "7.5:",
                                    ":168",
                                    "1e999:150",
                                    "nan:150",
                                    "0:150",
                                    QByteArray(65000, 'x') /* near the UDP limit */,
                                    QByteArray("\x00\xff\x01", 3)};
    for (const QByteArray &datagram : malformed)
        ASSERT_TRUE(device.send(datagram)) << datagram.size();
    ASSERT_TRUE(device.send("6:150"));
    ASSERT_TRUE(waitForSamples(1));
    EXPECT_EQ(m_samples.sampleCount, 1);
    EXPECT_EQ(m_panel->receiver().counts().dropped, qint64(std::size(malformed)));
    EXPECT_TRUE(m_panel->receiver().isOpen());
}

TEST_F(LinkRun, ASecondSenderIsIgnoredEvenWhenItSignsOff) {
    connectLink();
    LinkSender device(m_port);
    LinkSender stranger(m_port);
    ASSERT_TRUE(device.send("5:140"));
    ASSERT_TRUE(waitForSamples(1));
    ASSERT_TRUE(stranger.send("9:199"));
    ASSERT_TRUE(stranger.send("utloggad"));
    ASSERT_TRUE(device.send("6:150"));
    ASSERT_TRUE(waitForSamples(2));
    EXPECT_EQ(m_signOffs, 0);
    EXPECT_EQ(m_panel->receiver().counts().foreign, 2);
    EXPECT_EQ(m_samples.speedHrTable[1], (std::array<float, 2>{6, 150}));
    ASSERT_TRUE(device.send("utloggad"));
    ASSERT_TRUE(waitForSignOff());
    EXPECT_EQ(m_samples.sampleCount, 2);
}

TEST_F(LinkRun, CloseStopsTheRunAndFreesThePort) {
    m_panel->showFrame();
    connectLink();
    m_panel->frame()->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(m_panel->receiver().isOpen());
    EXPECT_FALSE(m_panel->frame()->isVisibleTo(&m_window));
    QUdpSocket next;
    EXPECT_TRUE(next.bind(QHostAddress::LocalHost, m_port, QAbstractSocket::DontShareAddress));
    EXPECT_EQ(m_signOffs, 0);
}

TEST_F(LinkRun, APortInUseIsReportedByNumberAndTheBoxStaysOpenForAnotherTry) {
    QUdpSocket other;
    ASSERT_TRUE(other.bind(QHostAddress::LocalHost, m_port));
    m_panel->showFrame();
    m_panel->frame()->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(m_panel->receiver().isOpen());
    ASSERT_EQ(m_problems.size(), 1);
    EXPECT_TRUE(m_problems[0].contains(QString::number(m_port))) << m_problems[0].toStdString();
    EXPECT_TRUE(m_panel->frame()->isVisibleTo(&m_window));
    other.close();
    connectLink();
}
