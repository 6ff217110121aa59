// The address of a database on a PostgreSQL server, written as a connection URI
// (postgresql://[user@]host[:port]/dbname, or postgresql:///dbname?host=/socket/folder). Wherever a
// database file path is accepted, such an address may stand instead. A password never stands in
// it: libpq's password file (~/.pgpass, PGPASSFILE) or a service (PGSERVICE) supplies it.
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace kavren {

// The longest time a connection attempt may take before it is given up, in seconds.
inline constexpr int ServerConnectTimeoutSeconds = 5;

struct ServerAddress {
    QString host;     // a name, an address or a socket folder; empty means libpq's default
    int port = -1;    // -1 means libpq's default
    QString database; // dbname
    QString user;     // empty means libpq's default (the login name)
    // Further libpq options from the query part (sslmode, service, ...), in their order.
    std::vector<std::pair<QString, QString>> options;

    // How the user reads the address in captions and messages: "host/dbname".
    QString shownName() const;
};

struct ServerAddressResult {
    std::optional<ServerAddress> address;
    QString error; // why the text is not a usable address; empty when address is set
};

// Whether the text is written as a server address (postgresql:// or postgres://) rather than as a
// file path. Such a text is never taken for a file.
bool isServerAddress(const QString &text);

// Reads an address. Refuses one that carries a password, saying where the password belongs, and
// one without a database name.
ServerAddressResult parseServerAddress(const QString &text);

// The address with any password replaced by "***", for showing a refused address.
QString withoutPassword(const QString &text);
// Whether the address carries a password.
bool hasPassword(const QString &text);

// The database as captions and messages show it: "host/dbname", or the address without its
// password when it cannot be read.
QString shownServerName(const QString &address);

} // namespace kavren
