// The UDP endpoint of the live link: binds a local port, reads the datagrams in the event loop a
// batch at a time (a flood never holds the window for long), decodes them and passes on the pairs
// and the sign-off of the one device that owns the run. The program never sends anything.
#pragma once

#include "domain/remote_link/datagram_decoder.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <optional>

class QUdpSocket;

namespace kavren {

// What one run received, for the curious and for tests.
struct LinkCounts {
    qint64 samples = 0; // pairs passed on
    qint64 dropped = 0; // malformed, oversized or out-of-range datagrams of any sender
    qint64 foreign = 0; // well-formed datagrams from another sender than the owner
};

class LinkReceiver : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 20002;
    // At most this many datagrams are read before the event loop gets its turn again.
    static constexpr int BatchSize = 256;

    explicit LinkReceiver(QObject *parent = nullptr);
    ~LinkReceiver() override;

    // Where open() binds: every IPv4 address of the machine and port 20002 unless set otherwise.
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setBindAddress(const QHostAddress &address) { m_bindAddress = address; }

    // Starts a new run: closes any open socket, forgets the owner and the counts, binds. On
    // failure returns a message naming the port and the reason; the receiver stays closed.
    std::optional<QString> open();
    void close();
    bool isOpen() const;

    // The device that sent the first valid pair of this run.
    std::optional<QHostAddress> owner() const { return m_owner; }
    LinkCounts counts() const { return m_counts; }

signals:
    // The first valid pair of the run came from this address: it owns the run.
    void ownerChosen(const QHostAddress &address);
    void sampleReceived(const kavren::LinkSample &sample);
    // The owner signed off; the receiver stays open (the listener decides whether to close).
    void signOffReceived();

private:
    void readPending();
    // Reads and handles one datagram; false when nothing was left to read (or the run ended).
    bool readOne();
    void handle(const DecodedDatagram &decoded, const QHostAddress &sender, quint16 senderPort);

    QUdpSocket *m_socket = nullptr;
    quint16 m_port = DefaultPort;
    QHostAddress m_bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    std::optional<QHostAddress> m_owner;
    quint16 m_ownerPort = 0;
    LinkCounts m_counts;
};

} // namespace kavren
