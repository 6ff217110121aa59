// A row of mytable with arbitrary column values, as another program might store them (texts in any
// bytes, byte strings, numbers, missing values): listing, finding, loading and erasing it never
// crash, a listed name always finds its row again, and erasing the found row removes exactly it.
#include "io/database/database_file.h"
#include "io/database/database_store.h"
#include "io/database/loading.h"
#include "io/database/search.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace kavren;

namespace {

std::unique_ptr<QTemporaryDir> folder;
QString databasePath;

// One column value: the first byte says how it is stored, the rest is its content.
QVariant valueOf(const QByteArray &piece) {
    if (piece.isEmpty())
        return QVariant();
    const QByteArray content = piece.mid(1);
    switch (quint8(piece[0]) % 5) {
    case 0:
        return QVariant(); // NULL
    case 1:
        return content; // bytes
    case 2:
        return content.toDouble();
    case 3:
        return content.toLongLong();
    default:
        return QString::fromUtf8(content);
    }
}

void insertRow(const QByteArray &input) {
    const QList<QByteArray> pieces = input.split('\x1f');
    ScopedDatabase store(databasePath, Access::ReadWrite);
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (int i = 0; i < 13; ++i)
        query.addBindValue(i < pieces.size() ? valueOf(pieces[i]) : QVariant());
    query.exec();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The SQL driver is a plugin found through the application's library paths.
    static QCoreApplication application(*argc, *argv);
    folder = std::make_unique<QTemporaryDir>();
    databasePath = folder->filePath(QStringLiteral("fuzz.mdb"));
    if (createEmptyDatabase(databasePath))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    insertRow(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &field : SearchFields) {
        const ValuesResult listed = listCriterionValues(databasePath, field);
        for (const QByteArray &stored : listed.storedValues) {
            const FoundTests found = findTests(databasePath, field, stored);
            if (found.tests.empty())
                std::abort(); // a listed value must find its row
            for (const ListedTest &test : found.tests)
                if (const auto row = readListedRow(databasePath, test.rowId).row)
                    (void)unpackTest(*row);
        }
    }
    // The one row of the table, found by its key and erased by it.
    {
        ScopedDatabase store(databasePath, Access::ReadOnly);
        QSqlQuery query(store.database());
        query.exec(QStringLiteral("SELECT rowid FROM mytable"));
        std::vector<ListedTest> rows;
        while (query.next()) {
            const auto row = readListedRow(databasePath, query.value(0).toLongLong()).row;
            if (!row)
                std::abort();
            (void)picturePathOf(folder->path(), row->pictureName);
            rows.push_back(row->listed());
        }
        query.finish();
        if (rows.size() != 1 || eraseTests(databasePath, rows).erased != 1)
            std::abort();
    }
    return 0;
}
