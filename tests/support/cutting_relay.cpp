// The relay runs on threads of its own with plain sockets, as the program's server work blocks
// the thread that asks the server; it never needs an event loop.
#include "support/cutting_relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace kavren::testing {

namespace {

bool writeAll(int socket, const char *data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::send(socket, data, std::size_t(size), MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

quint32 bigEndian32(const QByteArray &bytes, qsizetype at) {
    quint32 value = 0;
    for (qsizetype i = at; i < at + 4; ++i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

// The length of the first whole message in the buffer, or 0 while it is not complete. The
// program's first message (the startup message) has no type byte; every other has one.
qsizetype firstMessage(const QByteArray &buffer, bool startup) {
    const qsizetype head = startup ? 0 : 1;
    if (buffer.size() < head + 4)
        return 0;
    const qsizetype size = head + qsizetype(bigEndian32(buffer, head));
    return buffer.size() >= size ? size : 0;
}

void closeBoth(int first, int second) {
    ::shutdown(first, SHUT_RDWR);
    ::shutdown(second, SHUT_RDWR);
    ::close(first);
    ::close(second);
}

} // namespace

CuttingRelay::CuttingRelay(const ServerPlace &place)
    : m_socketPath(QStringLiteral("%1/.s.PGSQL.%2").arg(place.socketFolder).arg(place.port)) {
    if (::pipe(m_wake) != 0)
        return;
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof local;
    if (::bind(listener, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 ||
        ::listen(listener, 16) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&local), &length) != 0) {
        ::close(listener);
        return;
    }
    m_listener = listener;
    m_port = ntohs(local.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

CuttingRelay::~CuttingRelay() {
    m_stopping = true;
    if (m_wake[1] >= 0)
        (void)!::write(m_wake[1], "x", 1);
    if (m_acceptor.joinable())
        m_acceptor.join();
    std::vector<std::thread> relays;
    {
        const std::lock_guard lock(m_mutex);
        relays.swap(m_relays);
    }
    for (std::thread &relay : relays)
        relay.join();
    for (int fd : {m_listener, m_wake[0], m_wake[1]})
        if (fd >= 0)
            ::close(fd);
}

QString CuttingRelay::address(const QString &database) const {
    return QStringLiteral("postgresql://127.0.0.1:%1/%2?sslmode=disable&gssencmode=disable")
        .arg(m_port)
        .arg(database);
}

void CuttingRelay::cutNextConnectionAfter(int messages) {
    m_counted = 0;
    m_nextLimit = messages;
}

void CuttingRelay::cutAfterProgramSends(const QByteArray &text) {
    const std::lock_guard lock(m_mutex);
    m_cutText = text;
}

void CuttingRelay::heal() {
    {
        const std::lock_guard lock(m_mutex);
        m_cutText.clear();
    }
    m_nextLimit = -1;
    m_refuseAfterCut = false;
    m_refusing = false;
}

void CuttingRelay::acceptLoop() {
    while (!m_stopping) {
        pollfd watched[2] = {{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) <= 0 || (watched[1].revents & POLLIN))
            continue;
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            continue;
        if (m_refusing) {
            ::close(client);
            continue;
        }
        // Each message goes on at once, as libpq's own socket does.
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        const int limit = m_nextLimit.exchange(-1);
        const std::lock_guard lock(m_mutex);
        m_relays.emplace_back([this, client, limit] { relay(client, limit); });
    }
}

bool CuttingRelay::cutAfter(int limit, int count, const QByteArray &message,
                            bool fromProgram) const {
    if (limit > 0 && count >= limit)
        return true;
    const std::lock_guard lock(m_mutex);
    return fromProgram && !m_cutText.isEmpty() && message.contains(m_cutText);
}

void CuttingRelay::relay(int client, int limit) {
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un place{};
    place.sun_family = AF_UNIX;
    const QByteArray path = m_socketPath.toLocal8Bit();
    std::strncpy(place.sun_path, path.constData(), sizeof place.sun_path - 1);
    if (::connect(server, reinterpret_cast<sockaddr *>(&place), sizeof place) != 0) {
        closeBoth(client, server);
        return;
    }
    QByteArray fromProgram;
    QByteArray fromServer;
    bool startup = true;
    int count = 0;
    char chunk[65536];
    while (!m_stopping) {
        pollfd watched[3] = {{client, POLLIN, 0}, {server, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(watched, 3, -1) <= 0 || (watched[2].revents & POLLIN))
            break;
        for (const bool program : {true, false}) {
            if (!(watched[program ? 0 : 1].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t got = ::recv(program ? client : server, chunk, sizeof chunk, 0);
            if (got <= 0) {
                closeBoth(client, server);
                return;
            }
            QByteArray &buffer = program ? fromProgram : fromServer;
            buffer.append(chunk, got);
            while (const qsizetype size = firstMessage(buffer, program && startup)) {
                const QByteArray message = buffer.left(size);
                buffer.remove(0, size);
                if (program)
                    startup = false;
                // Counted before it goes on, so that the count is complete once its receiver has
                // it.
                ++count;
                if (limit >= 0)
                    m_counted = count;
                if (!writeAll(program ? server : client, message.constData(), message.size())) {
                    closeBoth(client, server);
                    return;
                }
                if (cutAfter(limit, count, message, program)) {
                    if (m_refuseAfterCut)
                        m_refusing = true;
                    ++m_cuts;
                    closeBoth(client, server);
                    return;
                }
            }
        }
    }
    closeBoth(client, server);
}

} // namespace kavren::testing
