#include "io/database/server_address.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace kavren {

namespace {

const QString Schemes[] = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

QString decoded(const QString &text) {
    return QUrl::fromPercentEncoding(text.toUtf8());
}

QString afterScheme(const QString &text) {
    for (const QString &scheme : Schemes)
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return text.mid(scheme.size());
    return {};
}

QString passwordMessage(const QString &text) {
    return QCoreApplication::translate(
               "Database",
               "The database address \"%1\" contains a password. A password never stands in the "
               "address nor in the settings: put it in the password file ~/.pgpass (or the file "
               "that PGPASSFILE names), or in a service that PGSERVICE names.")
        .arg(withoutPassword(text));
}

std::optional<int> portOf(const QString &text) {
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// host[:port] or [v6-address][:port]; false when the port is not a number.
bool readHostAndPort(const QString &hostText, ServerAddress &address) {
    QString host = hostText;
    QString port;
    if (hostText.startsWith(u'[')) {
        const qsizetype close = hostText.indexOf(u']');
        if (close < 0)
            return false;
        host = hostText.mid(1, close - 1);
        const QString rest = hostText.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(u':'))
            return false;
        port = rest.mid(1);
    } else if (const qsizetype colon = hostText.lastIndexOf(u':'); colon >= 0) {
        host = hostText.left(colon);
        port = hostText.mid(colon + 1);
    }
    address.host = decoded(host);
    if (port.isEmpty())
        return true;
    const auto number = portOf(port);
    address.port = number.value_or(-1);
    return number.has_value();
}

// One key=value of the query part; an error text when it cannot be taken.
QString readOption(const QString &pair, ServerAddress &address) {
    const qsizetype equals = pair.indexOf(u'=');
    const QString key = decoded(pair.left(equals)).toLower();
    const QString value = equals < 0 ? QString() : decoded(pair.mid(equals + 1));
    static const QRegularExpression keyForm(QStringLiteral("^[a-z_]+$"));
    if (!keyForm.match(key).hasMatch() || equals < 0)
        return QCoreApplication::translate("Database",
                                           "\"%1\" is not an option of the form name=value.")
            .arg(pair);
    if (key == QLatin1String("host")) {
        address.host = value;
    } else if (key == QLatin1String("port")) {
        const auto number = portOf(value);
        if (!number)
            return QCoreApplication::translate("Database", "\"%1\" is not a port number.")
                .arg(value);
        address.port = *number;
    } else if (key == QLatin1String("dbname")) {
        address.database = value;
    } else if (key == QLatin1String("user")) {
        address.user = value;
    } else if (key != QLatin1String("connect_timeout")) { // the program's own timeout holds
        address.options.emplace_back(key, value);
    }
    return {};
}

bool hasOption(const ServerAddress &address, const QString &key) {
    for (const auto &option : address.options)
        if (option.first == key)
            return true;
    return false;
}

} // namespace

QString ServerAddress::shownName() const {
    QString server = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port != -1)
        server += u':' + QString::number(port);
    if (database.isEmpty()) {
        for (const auto &option : options)
            if (option.first == QLatin1String("service"))
                return QStringLiteral("service ") + option.second;
    }
    return server + u'/' + database;
}

bool isServerAddress(const QString &text) {
    return !afterScheme(text.trimmed()).isNull();
}

QString withoutPassword(const QString &text) {
    QString shown = text;
    static const QRegularExpression inUserPart(QStringLiteral("^(\\s*[a-z]+://[^:@/?]*):[^@/?]*@"),
                                               QRegularExpression::CaseInsensitiveOption);
    shown.replace(inUserPart, QStringLiteral("\\1:***@"));
    static const QRegularExpression inQuery(QStringLiteral("([?&]password=)[^&]*"),
                                            QRegularExpression::CaseInsensitiveOption);
    shown.replace(inQuery, QStringLiteral("\\1***"));
    return shown;
}

bool hasPassword(const QString &text) {
    return withoutPassword(text) != text;
}

QString shownServerName(const QString &address) {
    const ServerAddressResult parsed = parseServerAddress(address);
    return parsed.address ? parsed.address->shownName() : withoutPassword(address.trimmed());
}

ServerAddressResult parseServerAddress(const QString &text) {
    const QString trimmed = text.trimmed();
    const QString rest = afterScheme(trimmed);
    if (rest.isNull())
        return {std::nullopt,
                QCoreApplication::translate("Database", "\"%1\" is not a database server address.")
                    .arg(text)};
    const auto bad = [&](const QString &why) {
        return ServerAddressResult{std::nullopt,
                                   QCoreApplication::translate(
                                       "Database", "The database address \"%1\" cannot be used: %2")
                                       .arg(withoutPassword(trimmed), why)};
    };

    const qsizetype question = rest.indexOf(u'?');
    const QString beforeQuery = rest.left(question);
    const QString query = question < 0 ? QString() : rest.mid(question + 1);
    const qsizetype slash = beforeQuery.indexOf(u'/');
    const QString authority = beforeQuery.left(slash);
    ServerAddress address;
    address.database = slash < 0 ? QString() : decoded(beforeQuery.mid(slash + 1));

    QString hostSpec = authority;
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QString userInfo = authority.left(at);
        if (userInfo.contains(u':'))
            return {std::nullopt, passwordMessage(trimmed)};
        address.user = decoded(userInfo);
        hostSpec = authority.mid(at + 1);
    }
    if (hostSpec.contains(u','))
        return bad(QCoreApplication::translate("Database", "only one server may be named."));
    if (!readHostAndPort(hostSpec, address))
        return bad(
            QCoreApplication::translate("Database", "the port is not a number from 1 to 65535."));

    if (!query.isEmpty()) {
        for (const QString &pair : query.split(u'&', Qt::SkipEmptyParts)) {
            if (pair.section(u'=', 0, 0).compare(QLatin1String("password"), Qt::CaseInsensitive) ==
                0)
                return {std::nullopt, passwordMessage(trimmed)};
            if (const QString error = readOption(pair, address); !error.isEmpty())
                return bad(error);
        }
    }
    if (address.database.isEmpty() && !hasOption(address, QStringLiteral("service")))
        return bad(QCoreApplication::translate("Database",
                                               "it names no database (postgresql://host/dbname)."));
    return {address, {}};
}

} // namespace kavren
