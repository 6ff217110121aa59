// The live link: decoding one datagram, and a device flooding the link on the loopback from
// another thread while the window's event loop reads, stores and draws (datagrams absorbed per
// second and the longest the event loop was kept from other work).
#include "ui/graph/graph_widget.h"
#include "domain/remote_link/datagram_decoder.h"
#include "ui/remote_link/link_panel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

using namespace kavren;

void BM_DecodeDatagramPair(benchmark::State &state) {
    const QByteArray datagram("7.5:168");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeDatagram(QByteArrayView(datagram)));
}
BENCHMARK(BM_DecodeDatagramPair)
    ->Unit(benchmark::kNanosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DecodeDatagramSignOff(benchmark::State &state) {
    const QByteArray datagram("Device 12 utloggad\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeDatagram(QByteArrayView(datagram)));
}
BENCHMARK(BM_DecodeDatagramSignOff)
    ->Unit(benchmark::kNanosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

quint16 freeLoopbackPort() {
    QUdpSocket probe;
    return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : 0;
}

// 100,000 pairs as fast as a sender thread can write them, then the sign-off. Counters: pairs
// stored, pairs per second absorbed (first to last stored pair), the longest gap between two
// turns of a 1 ms timer in the event loop (ms), and the share of the sent pairs the kernel
// delivered.
void BM_LinkFlood(benchmark::State &state) {
    constexpr int FloodCount = 100000;
    double stored = 0, rate = 0, longestBlockMs = 0, deliveredShare = 0;
    for (auto _ : state) {
        QWidget window;
        auto *graph = new GraphWidget(&window);
        graph->resize(768, 464);
        SampleBuffer samples;
        CurrentTest test;
        test.scale.hrScale = 0.1f;
        auto *panel = new LinkPanel(&window, QRect(0, 0, 280, 80), samples, graph->surface(), test);
        const quint16 port = freeLoopbackPort();
        panel->setPort(port);
        panel->setBindAddress(QHostAddress(QHostAddress::LocalHost));
        panel->connectLink();
        if (!panel->receiver().isOpen()) {
            state.SkipWithError("the link could not bind");
            return;
        }
        bool signedOff = false;
        QObject::connect(panel, &LinkPanel::signedOff, [&] { signedOff = true; });
        QElapsedTimer clock;
        qint64 firstNs = -1, lastNs = 0;
        QObject::connect(&panel->receiver(), &LinkReceiver::sampleReceived, [&] {
            lastNs = clock.nsecsElapsed();
            if (firstNs < 0)
                firstNs = lastNs;
        });
        qint64 previousTickNs = 0, longestGapNs = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longestGapNs = std::max(longestGapNs, now - previousTickNs);
            previousTickNs = now;
        });
        std::atomic<int> sent{0};
        clock.start();
        ticker.start(1);
        std::thread device([port, &sent] {
            QUdpSocket socket;
            socket.bind(QHostAddress::LocalHost, 0);
            for (int i = 0; i < FloodCount; ++i) {
                const QByteArray pair = QByteArray::number(4 + (i % 800) / 100.0, 'f', 2) + ':' +
                                        QByteArray::number(120 + i % 100);
                if (socket.writeDatagram(pair, QHostAddress::LocalHost, port) > 0)
                    sent.fetch_add(1);
            }
            for (int i = 0; i < 20; ++i) {
                QThread::msleep(50);
                socket.writeDatagram(QByteArray("utloggad"), QHostAddress::LocalHost, port);
            }
        });
        while (!signedOff && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        device.join();
        ticker.stop();
        stored = samples.sampleCount;
        rate = lastNs > firstNs ? stored / (double(lastNs - firstNs) / 1e9) : 0;
        longestBlockMs = double(longestGapNs) / 1e6;
        deliveredShare = sent.load() > 0 ? stored / sent.load() : 0;
    }
    state.counters["stored"] = stored;
    state.counters["pairs_per_s"] = rate;
    state.counters["longest_block_ms"] = longestBlockMs;
    state.counters["delivered_share"] = deliveredShare;
}
BENCHMARK(BM_LinkFlood)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
