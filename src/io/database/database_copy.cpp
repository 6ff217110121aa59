#include "io/database/database_copy.h"

#include "io/database/server_address.h"
#include "io/database/store.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kavren {

namespace {

// Makes sure the target has mytable; the number of tests it holds, or why it cannot take any.
CountResult preparedTarget(Store &target) {
    const CreateResult created = target.create();
    if (created.outcome == CreateOutcome::Failed)
        return {std::nullopt, created.message};
    if (created.outcome == CreateOutcome::Created)
        return {0, {}};
    return target.testCount();
}

constexpr int DefaultServerPort = 5432;

// Whether both texts name one database: one file however its path is written (links and "."
// resolved), or one database of one server.
bool sameDatabase(const QString &from, const QString &to) {
    if (isServerAddress(from) != isServerAddress(to))
        return false;
    if (!isServerAddress(from)) {
        const QString source = QFileInfo(from).canonicalFilePath();
        return !source.isEmpty() && source == QFileInfo(to).canonicalFilePath();
    }
    const auto source = parseServerAddress(from).address;
    const auto target = parseServerAddress(to).address;
    if (!source || !target)
        return false;
    const auto portOf = [](const ServerAddress &address) {
        return address.port == -1 ? DefaultServerPort : address.port;
    };
    return source->host.compare(target->host, Qt::CaseInsensitive) == 0 &&
           portOf(*source) == portOf(*target) && source->database == target->database;
}

} // namespace

CopyResult copyTests(const QString &from, const QString &to, bool append) {
    if (sameDatabase(from, to))
        return {0, QCoreApplication::translate(
                       "Database", "The source and the target are the same database \"%1\", so "
                                   "nothing was copied.")
                       .arg(openStore(from)->shownName())};
    const AllRowsResult source = openStore(from)->allRows();
    if (!source.error.isEmpty())
        return {0, source.error};
    const std::unique_ptr<Store> target = openStore(to);
    const CountResult held = preparedTarget(*target);
    if (!held.count)
        return {0, held.error};
    if (*held.count > 0 && !append)
        return {0, QCoreApplication::translate(
                       "Database", "The database \"%1\" already holds %2 tests, so nothing was "
                                   "copied; give --append to add the tests to them.")
                       .arg(target->shownName())
                       .arg(*held.count)};
    if (source.rows.empty())
        return {};
    if (const auto failure = target->appendRows(source.rows))
        return {0, *failure + QCoreApplication::translate("Database", " Nothing was copied.")};
    return {qint64(source.rows.size()), {}};
}

} // namespace kavren
