#include "database/search.h"

#include "database/database_store.h"
#include "database/server_store.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <functional>
#include <limits>

namespace kavren {

namespace {

// The twelve columns of a TestRow after the row id, in the order TestRow holds them.
const QStringList RowColumns = {
    QStringLiteral("Namn"),    QStringLiteral("Datum"), QStringLiteral("Ras"),
    QStringLiteral("Ålder"),   QStringLiteral("Kön"),   QStringLiteral("Disiplin"),
    QStringLiteral("Bitmap"),  QStringLiteral("Data"),  QStringLiteral("Kommentarer"),
    QStringLiteral("Maxpuls"), QStringLiteral("Stall"), QStringLiteral("Coach"),
};

QString rowColumnsSql() {
    QStringList columns{QStringLiteral("rowid")};
    for (const QString &column : RowColumns)
        columns << quotedName(column);
    return columns.join(QStringLiteral(", "));
}

// A value stored as text matches the bound bytes taken as text; one stored as bytes (a BLOB)
// matches them as they are. Both compare byte for byte, whatever the encoding of the bytes.
QString whereStoredValue(const QString &searchField) {
    return QStringLiteral(" FROM %1 WHERE %2 = CAST(? AS TEXT) OR %2 = ?")
        .arg(quotedName(TableName), quotedName(searchField));
}

void bindStoredValue(QSqlQuery &query, const QByteArray &storedValue) {
    // A null QByteArray would be bound as NULL, which matches nothing.
    const QByteArray bytes = storedValue.isNull() ? QByteArray("") : storedValue;
    query.addBindValue(bytes);
    query.addBindValue(bytes);
}

TestRow rowFrom(const QSqlQuery &query) {
    TestRow row;
    row.rowId = query.value(0).toLongLong();
    QString *fields[] = {&row.name,     &row.testDate,   &row.breed,       &row.age,
                         &row.sex,      &row.discipline, &row.pictureName, &row.stepData,
                         &row.comments, &row.maxHr,      &row.stable,      &row.trainer};
    for (int i = 0; i < 12; ++i)
        *fields[i] = query.value(i + 1).toString();
    return row;
}

QString unknownFieldMessage(const QString &searchField) {
    return QStringLiteral("There is no search criterion \"%1\".").arg(searchField);
}

template <typename Row> bool listedBefore(const Row &a, const Row &b) {
    // Comparing name and then date orders the entries as their texts "name, tab, date" do, the
    // tab sorting below every printable character, without building the texts.
    int order = a.name.compare(b.name, Qt::CaseInsensitive);
    if (order == 0)
        order = a.testDate.compare(b.testDate, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.rowId < b.rowId;
}

// Whether the row still holds the name and date it was listed with, read the way the search
// read them.
bool stillAsListed(QSqlQuery &check, const ListedTest &test) {
    check.addBindValue(test.rowId);
    if (!check.exec() || !check.next())
        return false;
    const bool same =
        check.value(0).toString() == test.name && check.value(1).toString() == test.testDate;
    check.finish();
    return same;
}

} // namespace

QString ListedTest::listText() const {
    return name + u'\t' + testDate;
}

QString TestRow::listText() const {
    return name + u'\t' + testDate;
}

ValuesResult listCriterionValues(const QString &databasePath, const QString &searchField) {
    if (isServerAddress(databasePath))
        return serverCriterionValues(databasePath, searchField);
    if (!SearchFields.contains(searchField))
        return {{}, {}, unknownFieldMessage(searchField)};
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, databasePath, Purpose::Reading))
        return {{}, {}, *problem};
    if (!store.isReadOnly() && !problemWithCompleteness(store.database(), databasePath))
        addMissingIndexes(store);

    ValuesResult result;
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const QString column = quotedName(searchField);
    const QString sql = QStringLiteral("SELECT DISTINCT %1, CAST(%1 AS BLOB) FROM %2 ORDER BY 1")
                            .arg(column, quotedName(TableName));
    if (!query.exec(sql))
        return {{}, {}, failureMessage(databasePath, query.lastError())};
    while (query.next())
        if (!query.isNull(0)) {
            result.values << query.value(0).toString();
            result.storedValues << query.value(1).toByteArray();
        }
    if (query.lastError().isValid())
        result.error = failureMessage(databasePath, query.lastError());
    if (!result.values.isEmpty() && result.values.last().isEmpty()) {
        result.values.clear();
        result.storedValues.clear();
    }
    return result;
}

void sortLikeResultList(std::vector<TestRow> &rows) {
    std::sort(rows.begin(), rows.end(), listedBefore<TestRow>);
}

void sortLikeResultList(std::vector<ListedTest> &tests) {
    // A long list holds each horse many times: the distinct names are ordered once, and the
    // entries then by the rank of their name, so the costly comparison without regard to case
    // runs on a few thousand names instead of a hundred thousand entries.
    QHash<QString, int> rankOfName;
    for (const ListedTest &test : tests)
        rankOfName.insert(test.name, 0);
    QStringList names = rankOfName.keys();
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (int rank = 0; rank < names.size(); ++rank)
        rankOfName[names[rank]] = rank;
    // Names equal without regard to case share a rank, as they share a place in the list.
    for (int rank = 1; rank < names.size(); ++rank)
        if (names[rank].compare(names[rank - 1], Qt::CaseInsensitive) == 0)
            rankOfName[names[rank]] = rankOfName[names[rank - 1]];

    struct Entry {
        int nameRank;
        std::size_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(tests.size());
    for (std::size_t i = 0; i < tests.size(); ++i)
        entries.push_back({rankOfName.value(tests[i].name), i});
    std::sort(entries.begin(), entries.end(), [&tests](const Entry &a, const Entry &b) {
        if (a.nameRank != b.nameRank)
            return a.nameRank < b.nameRank;
        const ListedTest &first = tests[a.index];
        const ListedTest &second = tests[b.index];
        const int order = first.testDate.compare(second.testDate, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : first.rowId < second.rowId;
    });
    std::vector<ListedTest> sorted;
    sorted.reserve(tests.size());
    for (const Entry &entry : entries)
        sorted.push_back(std::move(tests[entry.index]));
    tests = std::move(sorted);
}

namespace {

// Runs "SELECT columns … WHERE the criterion holds the stored value" and hands each row on; the
// text of what went wrong, or empty.
QString forEachStoredMatch(const QString &databasePath, const QString &searchField,
                           const QByteArray &storedValue, const QString &columns,
                           const std::function<void(const QSqlQuery &)> &take) {
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, databasePath, Purpose::Reading))
        return *problem;
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT ") + columns + whereStoredValue(searchField)))
        return failureMessage(databasePath, query.lastError());
    bindStoredValue(query, storedValue);
    if (!query.exec())
        return failureMessage(databasePath, query.lastError());
    while (query.next())
        take(query);
    return query.lastError().isValid() ? failureMessage(databasePath, query.lastError()) : QString();
}

} // namespace

FoundTests findTests(const QString &databasePath, const QString &searchField,
                     const QByteArray &storedValue) {
    if (isServerAddress(databasePath))
        return serverFindTests(databasePath, searchField, storedValue);
    PagedTestSearch search(databasePath, searchField, storedValue);
    while (search.readMore(std::numeric_limits<int>::max())) {
    }
    FoundTests found;
    found.error = search.error();
    found.tests = search.takeSorted();
    return found;
}

struct PagedTestSearch::Reading {
    ScopedDatabase store; // declared first: the query is closed before the connection
    std::optional<QSqlQuery> query;
};

PagedTestSearch::PagedTestSearch(const QString &databasePath, const QString &searchField,
                                 const QByteArray &storedValue)
    : m_reading(std::make_unique<Reading>()), m_databasePath(databasePath) {
    if (isServerAddress(databasePath)) {
        // A server answers the whole search at once; there is nothing left to read in pages.
        FoundTests found = serverFindTests(databasePath, searchField, storedValue);
        m_tests = std::move(found.tests);
        m_error = found.error;
        m_reading.reset();
        return;
    }
    if (!SearchFields.contains(searchField)) {
        m_error = unknownFieldMessage(searchField);
        m_reading.reset();
        return;
    }
    if (const auto problem = openForOperation(m_reading->store, databasePath, Purpose::Reading)) {
        m_error = *problem;
        m_reading.reset();
        return;
    }
    QSqlQuery &query = m_reading->query.emplace(m_reading->store.database());
    query.setForwardOnly(true);
    const QString sql =
        QStringLiteral("SELECT rowid, %1, %2")
            .arg(quotedName(QStringLiteral("Namn")), quotedName(QStringLiteral("Datum"))) +
        whereStoredValue(searchField);
    bool started = query.prepare(sql);
    if (started) {
        bindStoredValue(query, storedValue);
        started = query.exec();
    }
    if (!started) {
        m_error = failureMessage(databasePath, query.lastError());
        m_reading.reset();
    }
}

PagedTestSearch::~PagedTestSearch() = default;

bool PagedTestSearch::readMore(int rows) {
    if (!m_reading)
        return false;
    QSqlQuery &query = *m_reading->query;
    for (int read = 0; read < rows; ++read) {
        if (!query.next()) {
            if (query.lastError().isValid())
                m_error = failureMessage(m_databasePath, query.lastError());
            m_reading.reset(); // done: the file is released at once
            return false;
        }
        m_tests.push_back(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    }
    return true;
}

std::vector<ListedTest> PagedTestSearch::takeSorted() {
    sortLikeResultList(m_tests);
    return std::move(m_tests);
}

LoadedRow readListedRow(const QString &databasePath, qint64 rowId) {
    if (isServerAddress(databasePath))
        return serverReadListedRow(databasePath, rowId);
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, databasePath, Purpose::Reading))
        return {std::nullopt, *problem};
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                           .arg(rowColumnsSql(), quotedName(TableName))))
        return {std::nullopt, failureMessage(databasePath, query.lastError())};
    query.addBindValue(rowId);
    if (!query.exec())
        return {std::nullopt, failureMessage(databasePath, query.lastError())};
    if (!query.next())
        return {std::nullopt, QStringLiteral("The test is no longer in the database \"%1\".")
                                  .arg(shownPath(databasePath))};
    return {rowFrom(query), {}};
}

SearchResult searchTests(const QString &databasePath, const QString &searchField,
                         const QString &value) {
    return searchStoredTests(databasePath, searchField, value.toUtf8());
}

SearchResult searchStoredTests(const QString &databasePath, const QString &searchField,
                               const QByteArray &storedValue) {
    if (isServerAddress(databasePath))
        return serverSearchTests(databasePath, searchField, QString::fromUtf8(storedValue));
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    SearchResult result;
    result.error = forEachStoredMatch(databasePath, searchField, storedValue, rowColumnsSql(),
                                      [&result](const QSqlQuery &query) {
        result.rows.push_back(rowFrom(query));
    });
    sortLikeResultList(result.rows);
    return result;
}

EraseResult eraseTests(const QString &databasePath, const std::vector<TestRow> &selected) {
    std::vector<ListedTest> listed;
    for (const TestRow &row : selected)
        listed.push_back(row.listed());
    return eraseTests(databasePath, listed);
}

EraseResult eraseTests(const QString &databasePath, const std::vector<ListedTest> &selected) {
    if (isServerAddress(databasePath))
        return serverEraseTests(databasePath, selected);
    if (selected.empty())
        return {};
    ScopedDatabase store;
    if (const auto problem = openForOperation(store, databasePath, Purpose::Writing))
        return {0, *problem};
    QSqlDatabase &database = store.database();
    if (!database.transaction())
        return {0, failureMessage(databasePath, database.lastError())};

    EraseResult result;
    QSqlError error;
    {
        QSqlQuery check(database);
        QSqlQuery erase(database);
        check.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE rowid = ?")
                          .arg(quotedName(QStringLiteral("Namn")),
                               quotedName(QStringLiteral("Datum")), quotedName(TableName)));
        erase.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(TableName)));
        for (const ListedTest &test : selected) {
            if (!stillAsListed(check, test)) {
                if (check.lastError().isValid()) {
                    error = check.lastError();
                    break;
                }
                continue;
            }
            erase.addBindValue(test.rowId);
            if (!erase.exec()) {
                error = erase.lastError();
                break;
            }
            result.erased += erase.numRowsAffected();
        }
    }
    if (!error.isValid() && database.commit()) {
        result.error = notAllErasedMessage(result.erased, selected.size(), shownPath(databasePath));
        return result;
    }
    if (!error.isValid())
        error = database.lastError();
    database.rollback();
    return {0, failureMessage(databasePath, error)};
}

QString notAllErasedMessage(int erased, std::size_t selected, const QString &shownDatabase) {
    if (erased >= int(selected))
        return {};
    return QStringLiteral("%1 of the %2 selected tests were no longer in the database \"%3\".")
        .arg(int(selected) - erased)
        .arg(selected)
        .arg(shownDatabase);
}

} // namespace kavren
