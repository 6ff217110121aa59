#include "database/database_copy.h"

#include "database/store.h"

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

} // namespace

CopyResult copyTests(const QString &from, const QString &to, bool append) {
    const AllRowsResult source = openStore(from)->allRows();
    if (!source.error.isEmpty())
        return {0, source.error};
    const std::unique_ptr<Store> target = openStore(to);
    const CountResult held = preparedTarget(*target);
    if (!held.count)
        return {0, held.error};
    if (*held.count > 0 && !append)
        return {0, QStringLiteral("The database \"%1\" already holds %2 tests, so nothing was "
                                  "copied; give --append to add the tests to them.")
                       .arg(target->shownName())
                       .arg(*held.count)};
    if (source.rows.empty())
        return {};
    if (const auto failure = target->appendRows(source.rows))
        return {0, *failure + QStringLiteral(" Nothing was copied.")};
    return {qint64(source.rows.size()), {}};
}

} // namespace kavren
