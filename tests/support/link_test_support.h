// Helpers of the live link tests: a free port on the loopback and a sender of datagrams; the wait
// for what the link did is the shared one.
#pragma once

#include "support/wait_until.h"

#include <QByteArray>
#include <QCoreApplication>
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
