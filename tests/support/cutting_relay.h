// A relay between the program and the throw-away database server that cuts a connection at a
// chosen PostgreSQL message: it listens on 127.0.0.1, forwards every connection to the server's
// socket message by message, and after the chosen message (in either direction) closes both sides.
// It may then refuse every new connection, as a server that has gone from the network.
#pragma once

#include "support/database_server.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kavren::testing {

class CuttingRelay {
public:
    explicit CuttingRelay(const ServerPlace &place);
    ~CuttingRelay();
    CuttingRelay(const CuttingRelay &) = delete;
    CuttingRelay &operator=(const CuttingRelay &) = delete;

    bool isListening() const { return m_listener >= 0; }
    // The address of a database of the server reached through the relay.
    QString address(const QString &database) const;

    // The next connection accepted is cut after its messages-th message; 0 leaves it whole.
    // Either way its messages are counted.
    void cutNextConnectionAfter(int messages);
    // Every connection is cut after it forwards a message from the program that holds the text.
    void cutAfterProgramSends(const QByteArray &text);
    // After a cut, new connections are refused until heal().
    void refuseAfterCut(bool refuse) { m_refuseAfterCut = refuse; }
    // Forwards every connection whole again and takes new ones.
    void heal();
    // How many messages the connection armed last forwarded, both directions together.
    int messagesCounted() const { return m_counted; }
    int cuts() const { return m_cuts; }

private:
    void acceptLoop();
    void relay(int client, int limit);
    bool cutAfter(int limit, int count, const QByteArray &message, bool fromProgram) const;

    QString m_socketPath;
    int m_listener = -1;
    int m_port = 0;
    int m_wake[2] = {-1, -1};
    std::atomic<bool> m_stopping = false;
    std::atomic<int> m_nextLimit = -1; // -1: no connection armed
    std::atomic<int> m_counted = 0;
    std::atomic<int> m_cuts = 0;
    std::atomic<bool> m_refuseAfterCut = false;
    std::atomic<bool> m_refusing = false;
    mutable std::mutex m_mutex;
    QByteArray m_cutText; // guarded by m_mutex
    std::thread m_acceptor;
    std::vector<std::thread> m_relays; // guarded by m_mutex
};

} // namespace kavren::testing
