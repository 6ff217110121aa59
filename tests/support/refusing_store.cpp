#include "support/refusing_store.h"

#include "io/database/file_store.h"
#include "io/database/server_address.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace kavren::testing {

namespace {

// An exclusive lock on the file through a connection of its own, as another program writing it
// holds one; released when it goes.
class FileLock {
public:
    explicit FileLock(const QString &path) {
        static int counter = 0;
        if (!QFileInfo(path).isFile())
            return; // nothing to lock, and nothing may be created here
        m_name = QStringLiteral("refusing-lock-%1").arg(++counter);
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        database.setDatabaseName(path);
        if (database.open())
            QSqlQuery(database).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~FileLock() {
        if (m_name.isEmpty())
            return;
        {
            QSqlDatabase database = QSqlDatabase::database(m_name, false);
            QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
            database.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    QString m_name;
};

// A database file whose every operation meets the lock of another program.
class LockedStore : public Store {
public:
    explicit LockedStore(const QString &path) : m_path(path), m_file(path) {}

    QString shownName() const override { return m_file.shownName(); }
    CreateResult create() override {
        return locked([&] { return m_file.create(); });
    }
    std::optional<QString> prepareForUse() override {
        return locked([&] { return m_file.prepareForUse(); });
    }
    std::optional<QString> layoutProblem() override {
        return locked([&] { return m_file.layoutProblem(); });
    }
    LoadedRow readRow(qint64 rowId) override {
        return locked([&] { return m_file.readRow(rowId); });
    }
    std::optional<QString> appendRows(const std::vector<StoredRow> &rows) override {
        return locked([&] { return m_file.appendRows(rows); });
    }
    AllRowsResult allRows() override {
        return locked([&] { return m_file.allRows(); });
    }
    CountResult testCount() override {
        return locked([&] { return m_file.testCount(); });
    }

protected:
    ValuesResult listValues(const QString &searchField) override {
        return locked([&] { return m_file.criterionValues(searchField); });
    }
    SearchResult searchRows(const QString &searchField, const QByteArray &storedValue) override {
        return locked([&] { return m_file.searchStored(searchField, storedValue); });
    }
    std::unique_ptr<TestReader> readTests(const QString &searchField,
                                          const QByteArray &storedValue) override {
        // The reader opens the file as it is made, so the lock meets it there.
        return locked([&] { return m_file.findTests(searchField, storedValue); });
    }
    EraseResult eraseRows(const std::vector<ListedTest> &selected) override {
        return locked([&] { return m_file.erase(selected); });
    }

private:
    template <typename Work> auto locked(Work work) -> decltype(work()) {
        const FileLock lock(m_path);
        return work();
    }

    QString m_path;
    FileStore m_file;
};

} // namespace

std::unique_ptr<Store> refusingStore(const QString &path, Refusal refusal) {
    if (refusal == Refusal::ReadOnly)
        return std::make_unique<FileStore>(path, FileAccess::ReadOnly);
    return std::make_unique<LockedStore>(path);
}

RefusingStores::RefusingStores(Refusal refusal)
    : m_replaced(replaceStoreFactory([refusal](const QString &path) {
          return isServerAddress(path) ? openUsualStore(path) : refusingStore(path, refusal);
      })) {}

RefusingStores::~RefusingStores() {
    replaceStoreFactory(std::move(m_replaced));
}

} // namespace kavren::testing
