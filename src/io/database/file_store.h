// The store behind a database file: mytable in an SQLite file, opened for one operation at a time
// and released at its end, so another program may use the file in between.
#pragma once

#include "io/database/database_store.h"
#include "io/database/store.h"

namespace kavren {

class FileStore : public Store {
public:
    explicit FileStore(const QString &path, FileAccess access = FileAccess::AsPermitted);

    QString shownName() const override;
    // The file itself, created under a temporary name and named only when complete; its folder
    // must exist.
    CreateResult create() override;
    // Also creates the default "Start.mdb" on first use and gives a file made by an older
    // version its search indexes.
    std::optional<QString> prepareForUse() override;
    std::optional<QString> layoutProblem() override;
    LoadedRow readRow(qint64 rowId) override;
    std::optional<QString> appendRows(const std::vector<StoredRow> &rows) override;
    AllRowsResult allRows() override;
    CountResult testCount() override;
    HorseRowsResult rowsOfHorse(const HorseKey &horse) override;
    BandResult indexBand(const BandRequest &request) override;
    IndexFillResult fillIndices(int maxTests) override;

protected:
    ValuesResult listValues(const QString &searchField) override;
    SearchResult searchRows(const QString &searchField, const QByteArray &storedValue) override;
    std::unique_ptr<TestReader> readTests(const QString &searchField,
                                          const QByteArray &storedValue) override;
    EraseResult eraseRows(const std::vector<ListedTest> &selected) override;

private:
    QString m_path;
    FileAccess m_access;
};

} // namespace kavren
