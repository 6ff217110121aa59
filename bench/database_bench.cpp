// Speed of the test database on a generated file of 100,000 tests of 5,000 horses: searches,
// listing the values of a criterion, loading a listed test, saving with its commit, the check of a
// file's layout that every operation makes, and a search that lists all 100,000 tests in the main
// window, with the longest time the window could not react meanwhile. Each
// operation opens and releases the file as the program does; next to it runs the same query
// issued directly through QSqlQuery on the same file, opened and released the same way, and the
// bare query on a connection kept open (what SQLite itself needs).
#include "ui/main_window/laktat.h"
#include "window_blocks.h"
#include "io/database/database_store.h"
#include "io/database/loading.h"
#include "io/database/saving.h"
#include "io/database/search.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

using namespace kavren;

namespace {

constexpr int HorseCount = 5000;
constexpr int TestCount = 100000;
constexpr int DayCount = 2000;
// Every generated test has this trainer, so that searching by trainer lists all of them.
const QString SharedTrainer = QStringLiteral("Trainer of all");

QString horseName(int horse) {
    return QStringLiteral("Horse %1").arg(horse, 4, 10, QLatin1Char('0'));
}

QDateTime momentOf(int test) {
    const QDate day = QDate(2000, 1, 1).addDays((test * 7919) % DayCount);
    return QDateTime(day, QTime(8, 0).addSecs((test % 600) * 60));
}

StoredRow generatedRow(int test) {
    TestToSave typed;
    typed.name = horseName(test % HorseCount);
    typed.breed = QStringLiteral("Breed %1").arg(test % 40);
    typed.age = QString::number(2 + test % 20);
    typed.sex = test % 2 ? QStringLiteral("sto") : QStringLiteral("valack");
    typed.stable = QStringLiteral("Stable %1").arg(test % 300);
    typed.trainer = SharedTrainer;
    typed.discipline = QStringLiteral("Trav");
    typed.comments = QStringLiteral("Generated test %1").arg(test);
    const char *rows[6][3] = {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"},
                              {"2.4", "166", "2.00"}, {"4.1", "183", "1.50"},
                              {"6.0", "192", "1.45"}, {"8.8", "201", "1.40"}};
    for (int i = 0; i < 6; ++i)
        typed.steps[std::size_t(i)] = {QString::fromLatin1(rows[i][2]),
                                       QString::fromLatin1(rows[i][0]),
                                       QString::fromLatin1(rows[i][1]),
                                       {},
                                       {},
                                       {}};
    typed.stepCount = 6;
    return buildRow(typed, momentOf(test));
}

// The generated file, made once per run in a temporary folder, in one transaction.
class GeneratedDatabase {
public:
    GeneratedDatabase() : m_path(m_dir.filePath(QStringLiteral("generated.mdb"))) {
        createEmptyDatabase(m_path);
        ScopedDatabase store(m_path, Access::ReadWrite);
        store.database().transaction();
        {
            QSqlQuery insert(store.database());
            insert.prepare(
                QStringLiteral("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            for (int test = 0; test < TestCount; ++test) {
                const StoredRow row = generatedRow(test);
                for (const QString &value : {row.name, row.moment, row.breed, row.age, row.sex,
                                             row.discipline, row.pictureName, row.maxHr, row.stable,
                                             row.trainer, row.examDate, row.stepData, row.comments})
                    insert.addBindValue(value);
                insert.exec();
            }
        }
        store.database().commit();
    }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

const QString &databasePath() {
    static GeneratedDatabase database;
    return database.path();
}

const QString SelectRows = QStringLiteral(
    "SELECT rowid, \"Namn\", \"Datum\", \"Ras\", \"Ålder\", \"Kön\", \"Disiplin\", \"Bitmap\", "
    "\"Data\", \"Kommentarer\", \"Maxpuls\", \"Stall\", \"Coach\" FROM \"mytable\" WHERE %1 = ?");

// The same query through QSqlQuery: every column of every row read as text.
int readAll(QSqlDatabase &database, const QString &sql, const QString &value) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!value.isNull())
        query.addBindValue(value);
    query.exec();
    int rows = 0;
    const int columns = sql.startsWith(QLatin1String("SELECT DISTINCT")) ? 1 : 13;
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            benchmark::DoNotOptimize(query.value(i).toString());
        ++rows;
    }
    return rows;
}

// A direct use of the file opened and released around the work, like every operation of ours.
void onFreshConnection(const std::function<void(QSqlDatabase &)> &work) {
    static int counter = 0;
    const QString name = QStringLiteral("bench-direct-%1").arg(++counter);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(databasePath());
        database.open();
        work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase &keptOpenConnection() {
    static QSqlDatabase database = [] {
        QSqlDatabase opened =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-kept-open"));
        opened.setDatabaseName(databasePath());
        opened.open();
        return opened;
    }();
    return database;
}

QString nameFor(benchmark::State &, int i) {
    return horseName((i * 37) % HorseCount);
}
QString dateFor(benchmark::State &, int i) {
    return momentOf(i).date().toString(Qt::ISODate);
}

} // namespace

static void BM_SearchByName(benchmark::State &state) {
    int i = 0;
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(
            searchTests(databasePath(), QStringLiteral("Namn"), nameFor(state, ++i)).rows.size());
}
static void BM_SearchByName_DirectQuery(benchmark::State &state) {
    int i = 0;
    const QString sql = SelectRows.arg(QStringLiteral("\"Namn\""));
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        onFreshConnection([&](QSqlDatabase &db) { readAll(db, sql, nameFor(state, ++i)); });
}
static void BM_SearchByName_DirectKeptOpen(benchmark::State &state) {
    int i = 0;
    const QString sql = SelectRows.arg(QStringLiteral("\"Namn\""));
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(keptOpenConnection(), sql, nameFor(state, ++i)));
}

static void BM_SearchByDate(benchmark::State &state) {
    int i = 0;
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(
            searchTests(databasePath(), QStringLiteral("ExDatum"), dateFor(state, ++i))
                .rows.size());
}
static void BM_SearchByDate_DirectQuery(benchmark::State &state) {
    int i = 0;
    const QString sql = SelectRows.arg(QStringLiteral("\"ExDatum\""));
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        onFreshConnection([&](QSqlDatabase &db) { readAll(db, sql, dateFor(state, ++i)); });
}

static void BM_ListNames(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(
            listCriterionValues(databasePath(), QStringLiteral("Namn")).values.size());
}
static void BM_ListNames_DirectQuery(benchmark::State &state) {
    const QString sql = QStringLiteral("SELECT DISTINCT \"Namn\" FROM \"mytable\" ORDER BY 1");
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        onFreshConnection([&](QSqlDatabase &db) { readAll(db, sql, QString()); });
}
static void BM_ListNames_DirectKeptOpen(benchmark::State &state) {
    const QString sql = QStringLiteral("SELECT DISTINCT \"Namn\" FROM \"mytable\" ORDER BY 1");
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(keptOpenConnection(), sql, QString()));
}

// Loading takes the listed row the search already read; no file is touched.
static void BM_LoadListedTest(benchmark::State &state) {
    const std::vector<TestRow> rows =
        searchTests(databasePath(), QStringLiteral("Namn"), horseName(42)).rows;
    std::size_t i = 0;
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(unpackTest(rows[++i % rows.size()]).stepCount);
}

static void BM_SaveTest(benchmark::State &state) {
    StoredRow row = generatedRow(7);
    row.name = QStringLiteral("Saved in benchmark");
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(appendRow(databasePath(), row).has_value());
}
static void BM_SaveTest_DirectQuery(benchmark::State &state) {
    StoredRow row = generatedRow(7);
    row.name = QStringLiteral("Saved directly");
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        onFreshConnection([&](QSqlDatabase &db) {
            db.transaction();
            {
                QSqlQuery insert(db);
                insert.prepare(
                    QStringLiteral("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
                for (const QString &value : {row.name, row.moment, row.breed, row.age, row.sex,
                                             row.discipline, row.pictureName, row.maxHr, row.stable,
                                             row.trainer, row.examDate, row.stepData, row.comments})
                    insert.addBindValue(value);
                insert.exec();
            }
            db.commit();
        });
}

// All 100,000 tests as the result list holds them: name, date and key of each, sorted.
static void BM_FindAllTests(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(
            findTests(databasePath(), QStringLiteral("Coach"), SharedTrainer.toUtf8())
                .tests.size());
}
// The same columns straight from SQLite in the same order: rowid, Namn and Datum of every row,
// read as texts, sorted by SQLite (its NOCASE orders the generated ASCII names as the list does).
static void BM_FindAllTests_DirectQuery(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    const QString sql =
        QStringLiteral("SELECT rowid, \"Namn\", \"Datum\" FROM \"mytable\" WHERE \"Coach\" = ? "
                       "ORDER BY \"Namn\" COLLATE NOCASE, \"Datum\" COLLATE NOCASE, rowid");
    for (auto _ : state)
        onFreshConnection([&](QSqlDatabase &db) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.prepare(sql);
            query.addBindValue(SharedTrainer);
            query.exec();
            while (query.next()) {
                benchmark::DoNotOptimize(query.value(0).toLongLong());
                benchmark::DoNotOptimize(query.value(1).toString());
                benchmark::DoNotOptimize(query.value(2).toString());
            }
        });
}

// The same listing as the window takes it, a page of 4,000 rows per step; longest_step_ms is the
// longest single step (reading a page, or merging a part of the pages).
static void BM_FindAllTestsPaged(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        PagedTestSearch search(databasePath(), QStringLiteral("Coach"), SharedTrainer.toUtf8());
        bool more = true;
        while (more) {
            more = search.readMore(4000);
            longest = std::max(longest, double(clock.nsecsElapsed()) / 1e6);
            clock.restart();
        }
        const std::vector<ListedTest> tests = search.takeSorted();
        longest = std::max(longest, double(clock.nsecsElapsed()) / 1e6);
        if (tests.size() != std::size_t(TestCount))
            state.SkipWithError("not every test was listed");
    }
    state.counters["longest_step_ms"] = longest;
}

// The check of the table's layout that every operation makes first, on an open file.
static void BM_LayoutCheck(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    ScopedDatabase store(databasePath(), Access::ReadWrite);
    for (auto _ : state) {
        QSqlQuery query(store.database());
        query.exec(QStringLiteral("PRAGMA table_info(`mytable`)"));
        int columns = 0;
        while (query.next())
            benchmark::DoNotOptimize(query.value(1).toString()), ++columns;
        benchmark::DoNotOptimize(columns);
    }
}

// The main window: "Trainer" chosen, its one value chosen in Combo1, and the 100,000 found tests
// in the result list, laid out and painted.
static void BM_ListAllTestsInWindow(benchmark::State &state) {
    databasePath(); // generated once, outside the timed loop
    QTemporaryDir dir;
    if (!kavren::bench::writeSettingsNamingDatabase(dir, databasePath())) {
        state.SkipWithError("no settings file");
        return;
    }
    Laktat window(dir.path());
    window.show();
    window.findChild<QAction *>(QStringLiteral("dbas1"))->trigger();
    window.findChild<QRadioButton *>(QStringLiteral("Option6"))->click();
    auto *values = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    const auto *results = window.findChild<QListView *>(QStringLiteral("List1"));
    const int index = values->findText(SharedTrainer);
    if (index < 0) {
        state.SkipWithError("the trainer is not listed");
        return;
    }
    double longest = 0;
    for (auto _ : state) {
        longest = std::max(longest,
                           kavren::bench::longestBlockListing(values, index, results, TestCount));
        if (results->model()->rowCount() != TestCount)
            state.SkipWithError("not every test was listed");
    }
    state.counters["longest_block_ms"] = longest;
}

BENCHMARK(BM_FindAllTests)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAllTests_DirectQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAllTestsPaged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAllTestsInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchByName_DirectQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchByName_DirectKeptOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchByDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchByDate_DirectQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListNames_DirectQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListNames_DirectKeptOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadListedTest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveTest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTest_DirectQuery)->Unit(benchmark::kMillisecond);
