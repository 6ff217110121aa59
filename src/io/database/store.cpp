#include "io/database/store.h"

#include "io/database/file_store.h"
#include "io/database/server_address.h"
#include "io/database/server_store.h"
#include "io/database/sql_rows.h"

#include <QMutex>

namespace kavren {

namespace {

// The factory is read by every operation, on the window's thread and on the thread of server
// work alike; replacing it takes the same lock.
QMutex factoryMutex;

StoreFactory &installedFactory() {
    static StoreFactory factory;
    return factory;
}

class ListReader : public TestReader {
public:
    ListReader(std::vector<ListedTest> tests, QString error)
        : m_tests(std::move(tests)), m_error(std::move(error)) {}

    bool readMore(int rows, std::vector<ListedTest> &into) override {
        for (; rows > 0 && m_next < m_tests.size(); --rows)
            into.push_back(std::move(m_tests[m_next++]));
        return m_next < m_tests.size();
    }
    QString error() const override { return m_error; }

private:
    std::vector<ListedTest> m_tests;
    std::size_t m_next = 0;
    QString m_error;
};

} // namespace

ValuesResult Store::criterionValues(const QString &searchField) {
    if (!SearchFields.contains(searchField))
        return {{}, {}, unknownFieldMessage(searchField)};
    return listValues(searchField);
}

SearchResult Store::searchStored(const QString &searchField, const QByteArray &storedValue) {
    if (!SearchFields.contains(searchField))
        return {{}, unknownFieldMessage(searchField)};
    SearchResult result = searchRows(searchField, storedValue);
    sortLikeResultList(result.rows);
    return result;
}

std::unique_ptr<TestReader> Store::findTests(const QString &searchField,
                                             const QByteArray &storedValue) {
    if (!SearchFields.contains(searchField))
        return failedReader(unknownFieldMessage(searchField));
    return readTests(searchField, storedValue);
}

EraseResult Store::erase(const std::vector<ListedTest> &selected) {
    if (selected.empty())
        return {};
    EraseResult result = eraseRows(selected);
    if (result.error.isEmpty())
        result.error = notAllErasedMessage(result.erased, selected.size(), shownName());
    return result;
}

SaveResult Store::saveRow(const StoredRow &row, const QUuid &) {
    if (const auto problem = appendRows({row}))
        return {SaveOutcome::NotSaved, *problem};
    return {};
}

namespace {

QString noHistoryMessage(const Store &store) {
    return QStringLiteral("The database \"%1\" cannot give the history of a horse.")
        .arg(store.shownName());
}

} // namespace

HorseRowsResult Store::rowsOfHorse(const HorseKey &) {
    return {{}, {}, noHistoryMessage(*this)};
}

BandResult Store::indexBand(const BandRequest &) {
    return {{}, noHistoryMessage(*this)};
}

IndexFillResult Store::fillIndices(int) {
    return {std::nullopt, noHistoryMessage(*this)};
}

std::unique_ptr<TestReader> failedReader(const QString &error) {
    return std::make_unique<ListReader>(std::vector<ListedTest>{}, error);
}

std::unique_ptr<TestReader> readerOf(std::vector<ListedTest> tests) {
    return std::make_unique<ListReader>(std::move(tests), QString());
}

std::unique_ptr<Store> openUsualStore(const QString &path) {
    if (isServerAddress(path))
        return std::make_unique<ServerStore>(path);
    return std::make_unique<FileStore>(path);
}

std::unique_ptr<Store> openStore(const QString &path) {
    StoreFactory factory;
    {
        const QMutexLocker lock(&factoryMutex);
        factory = installedFactory();
    }
    return factory ? factory(path) : openUsualStore(path);
}

StoreFactory replaceStoreFactory(StoreFactory factory) {
    const QMutexLocker lock(&factoryMutex);
    std::swap(installedFactory(), factory);
    return factory;
}

} // namespace kavren
