#include "io/link_receiver.h"

#include <QUdpSocket>

#include <array>

namespace kavren {

LinkReceiver::LinkReceiver(QObject *parent) : QObject(parent) {}

LinkReceiver::~LinkReceiver() = default;

std::optional<QString> LinkReceiver::open() {
    close();
    m_owner.reset();
    m_ownerPort = 0;
    m_counts = {};
    auto *socket = new QUdpSocket(this);
    // Not shared: a second program on the port must be reported, not silently split the data.
    if (!socket->bind(m_bindAddress, m_port, QAbstractSocket::DontShareAddress)) {
        const QString reason = socket->errorString();
        delete socket;
        return tr("Port %1 could not be opened for the remote link (%2). Close the program "
                  "that uses it, or check the firewall, and press Connect again.")
            .arg(m_port)
            .arg(reason);
    }
    m_socket = socket;
    connect(m_socket, &QUdpSocket::readyRead, this, &LinkReceiver::readPending);
    return std::nullopt;
}

void LinkReceiver::close() {
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->close();
    // Deleted later: close() may run inside this socket's own readyRead.
    m_socket->deleteLater();
    m_socket = nullptr;
}

bool LinkReceiver::isOpen() const {
    return m_socket != nullptr;
}

void LinkReceiver::readPending() {
    // What is left after a batch is read on a later turn: the socket reports it again as soon as
    // the event loop has handled paints, clicks and timers.
    for (int i = 0; i < BatchSize; ++i)
        if (!readOne())
            return;
}

bool LinkReceiver::readOne() {
    if (!m_socket)
        return false;
    // Every call reads, even when nothing may be waiting: a notice of waiting data that is not
    // followed by a read would leave the socket silent for good. One byte more than allowed tells
    // an oversized datagram from one of exactly the limit; the socket discards the rest unread.
    std::array<char, MaxDatagramBytes + 1> buffer;
    QHostAddress sender;
    quint16 senderPort = 0;
    const qint64 read =
        m_socket->readDatagram(buffer.data(), qint64(buffer.size()), &sender, &senderPort);
    if (read < 0)
        return false;
    if (read > MaxDatagramBytes) {
        ++m_counts.dropped;
        return true;
    }
    handle(decodeDatagram(QByteArrayView(buffer.data(), read)), sender, senderPort);
    return true;
}

void LinkReceiver::handle(const DecodedDatagram &decoded, const QHostAddress &sender,
                          quint16 senderPort) {
    if (decoded.kind == DecodedDatagram::Kind::Dropped) {
        ++m_counts.dropped;
        return;
    }
    if (m_owner && (*m_owner != sender || m_ownerPort != senderPort)) {
        ++m_counts.foreign;
        return;
    }
    if (decoded.kind == DecodedDatagram::Kind::SignOff) {
        // A sign-off before any pair has nothing to end; it also cannot claim the run.
        if (m_owner)
            emit signOffReceived();
        return;
    }
    if (!m_owner) {
        m_owner = sender;
        m_ownerPort = senderPort;
        emit ownerChosen(sender);
    }
    ++m_counts.samples;
    emit sampleReceived(decoded.sample);
}

} // namespace kavren
