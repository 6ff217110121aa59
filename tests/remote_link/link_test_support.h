// Helpers of the live link tests: a free port on the loopback, a sender of datagrams and a wait
// that keeps the event loop turning until something has happened (or a generous deadline passed).
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>
#include <QUdpSocket>

#include <functional>

namespace kavren::testing {

// A port that nothing on 127.0.0.1 uses right now.
inline quint16 freeLoopbackPort() {
    QUdpSocket probe;
    if (!probe.bind(QHostAddress::LocalHost, 0))
        return 0;
    return probe.localPort();
}

// Runs the event loop until done() holds; false when it still does not after the deadline.
inline bool waitUntil(const std::function<bool()> &done, int deadlineMs = 10000) {
    QTimer tick;
    tick.start(5);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > deadlineMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A device on the loopback sending to one port.
class LinkSender {
public:
    explicit LinkSender(quint16 port) : m_port(port) { m_socket.bind(QHostAddress::LocalHost, 0); }
    bool send(const QByteArray &datagram) {
        return m_socket.writeDatagram(datagram, QHostAddress::LocalHost, m_port) == datagram.size();
    }
    quint16 localPort() const { return m_socket.localPort(); }

private:
    QUdpSocket m_socket;
    quint16 m_port;
};

} // namespace kavren::testing
