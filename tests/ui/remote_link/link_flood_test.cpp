// A device flooding the link from another thread as fast as it can: nothing crashes, every pair
// the kernel delivered is stored whole and in order, and every stored pair is drawn.
#include "ui/remote_link/link_panel.h"

#include "support/link_test_support.h"
#include "support/recording_surface.h"

#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace kavren;
using kavren::testing::freeLoopbackPort;
using kavren::testing::waitUntil;

namespace {

constexpr int FloodCount = 100000;

// Pair i: speed 1 + i / 10000 m/s (1…11), heart rate 20 + i mod 281 (20…300), so that a stored
// pair tells which datagram it came from and whether it arrived whole.
QByteArray floodPair(int i) {
    return QByteArray::number(1 + i / 10000.0, 'f', 4) + ':' + QByteArray::number(20 + i % 281);
}

} // namespace

TEST(LinkFlood, EveryDeliveredPairIsStoredWholeAndInOrder) {
    SampleBuffer samples;
    RecordingSurface surface;
    CurrentTest test;
    test.scale.hrScale = 0.1f;
    QWidget window;
    auto *panel = new LinkPanel(&window, QRect(0, 0, 280, 80), samples, surface, test);
    bool signedOff = false;
    QObject::connect(panel, &LinkPanel::signedOff, [&] { signedOff = true; });
    const quint16 port = freeLoopbackPort();
    ASSERT_NE(port, 0);
    panel->setPort(port);
    panel->setBindAddress(QHostAddress(QHostAddress::LocalHost));
    panel->connectLink();
    ASSERT_TRUE(panel->receiver().isOpen());

    std::atomic<int> sent{0};
    std::thread device([port, &sent] {
        QUdpSocket socket;
        socket.bind(QHostAddress::LocalHost, 0);
        for (int i = 0; i < FloodCount; ++i)
            if (socket.writeDatagram(floodPair(i), QHostAddress::LocalHost, port) > 0)
                sent.fetch_add(1);
        // The sign-off repeated after a pause, in case the full queue swallowed the first ones;
        // the first that arrives ends the run.
        for (int i = 0; i < 20; ++i) {
            QThread::msleep(50);
            socket.writeDatagram(QByteArray("utloggad"), QHostAddress::LocalHost, port);
        }
    });
    const bool ended = waitUntil([&] { return signedOff; }, 30000);
    device.join();
    ASSERT_TRUE(ended) << "sent " << sent.load() << ", stored " << samples.sampleCount
                       << ", dropped " << panel->receiver().counts().dropped << ", foreign "
                       << panel->receiver().counts().foreign;

    const LinkCounts counts = panel->receiver().counts();
    EXPECT_GT(counts.samples, 0);
    EXPECT_EQ(counts.dropped, 0);
    EXPECT_EQ(qint64(samples.sampleCount), counts.samples);
    EXPECT_LE(samples.sampleCount, sent.load());
    int previous = -1;
    for (int row = 0; row < samples.sampleCount; ++row) {
        const auto [speed, hr] = samples.speedHrTable[std::size_t(row)];
        const int i = int(std::lround((double(speed) - 1) * 10000));
        ASSERT_GT(i, previous) << "row " << row;
        ASSERT_EQ(hr, float(20 + i % 281)) << "row " << row;
        previous = i;
    }
    EXPECT_EQ(panel->drawnPoints(), qint64(samples.sampleCount));
}
