// Speed of the test database on a PostgreSQL server holding 100,000 generated tests of 5,000
// horses: searches by name and by date, listing names, and saving. The server is a throw-away one
// on a Unix socket (scripts/test-database-server), started when the first of these benchmarks runs
// and stopped at the end. Next to each operation runs the same statement sent directly through
// QSqlQuery on a connection kept open, as the store keeps its own.
#include "ui/main_window/laktat.h"
#include "io/database/database_store.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "io/database/server_store.h"

#include "window_blocks.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QFile>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kavren;

namespace {

constexpr int HorseCount = 5000;
constexpr int TestCount = 100000;
constexpr int DayCount = 2000;
const QString DatabaseName = QStringLiteral("kavren_bench");

QString horseName(int horse) {
    return QStringLiteral("Horse %1").arg(horse, 4, 10, QLatin1Char('0'));
}

QDateTime momentOf(int test) {
    const QDate day = QDate(2000, 1, 1).addDays((test * 7919) % DayCount);
    return QDateTime(day, QTime(8, 0).addSecs((test % 600) * 60));
}

StoredRow generatedRow(int test) {
    StoredRow row;
    row.name = horseName(test % HorseCount);
    row.moment = momentOf(test).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    row.breed = QStringLiteral("Breed %1").arg(test % 40);
    row.age = QString::number(2 + test % 20);
    row.sex = test % 2 ? QStringLiteral("sto") : QStringLiteral("valack");
    row.discipline = QStringLiteral("Trav");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = QStringLiteral(" ");
    row.stable = QStringLiteral("Stable %1").arg(test % 300);
    row.trainer = QStringLiteral("Trainer %1").arg(test % 500);
    row.examDate = momentOf(test).date().toString(Qt::ISODate);
    row.stepData = QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00 4.1 183 1.50 6.0 192 "
                                  "1.45 8.8 201 1.40");
    row.comments = QStringLiteral("Generated test %1").arg(test);
    return row;
}

QString script() {
    return QStringLiteral(KAVREN_SOURCE_DIR "/scripts/test-database-server");
}

// The throw-away server with the generated database, or why there is none.
class GeneratedServer {
public:
    GeneratedServer() {
        runScript(QStringLiteral("start"));
        QFile connection(m_state.filePath(QStringLiteral("connection")));
        if (!connection.open(QIODevice::ReadOnly)) {
            m_problem = QStringLiteral("no database server could be started");
            return;
        }
        const QStringList lines = QString::fromUtf8(connection.readAll()).split(u'\n');
        m_socket = lines.value(0);
        m_port = lines.value(1).toInt();
        run(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + DatabaseName);
        m_address = QStringLiteral("postgresql:///%1?host=%2&port=%3")
                        .arg(DatabaseName, m_socket)
                        .arg(m_port);
        ServerStore(m_address).create();
        std::vector<StoredRow> rows;
        for (int test = 0; test < TestCount; ++test)
            rows.push_back(generatedRow(test));
        if (const auto failure = ServerStore(m_address).appendRows(rows))
            m_problem = *failure;
        run(DatabaseName, QStringLiteral("VACUUM ANALYZE mytable"));
    }
    ~GeneratedServer() {
        closeServerConnections();
        QSqlDatabase::removeDatabase(QStringLiteral("bench-server-kept"));
        runScript(QStringLiteral("stop"));
    }
    const QString &address() const { return m_address; }
    const QString &problem() const { return m_problem; }

    // A connection of the benchmark's own, kept open for the direct statements.
    QSqlDatabase kept() const {
        const QString name = QStringLiteral("bench-server-kept");
        if (QSqlDatabase::contains(name))
            return QSqlDatabase::database(name);
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        database.setHostName(m_socket);
        database.setPort(m_port);
        database.setDatabaseName(DatabaseName);
        database.open();
        return database;
    }

private:
    void runScript(const QString &action) const {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The window benchmarks before these make a program folder the current one and remove it
        // afterwards; the server's tools must not start in a folder that is gone.
        process.setWorkingDirectory(QDir::tempPath());
        process.start(script(), {action, m_state.path()});
        process.waitForFinished(120000);
    }

    void run(const QString &database, const QString &sql) const {
        {
            QSqlDatabase connection =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench-setup"));
            connection.setHostName(m_socket);
            connection.setPort(m_port);
            connection.setDatabaseName(database);
            if (connection.open())
                QSqlQuery(connection).exec(sql);
            connection.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-setup"));
    }

    QTemporaryDir m_state;
    QString m_socket;
    int m_port = 0;
    QString m_address;
    QString m_problem;
};

GeneratedServer *generated = nullptr;

// Stopped while the application still stands, so that the driver is there to close with.
void stopGeneratedServer() {
    delete generated;
    generated = nullptr;
}

GeneratedServer *server(benchmark::State &state) {
    if (!generated) {
        generated = new GeneratedServer;
        qAddPostRoutine(stopGeneratedServer);
    }
    if (!generated->problem().isEmpty()) {
        state.SkipWithError(qPrintable(generated->problem()));
        return nullptr;
    }
    return generated;
}

const QString SelectRows = QStringLiteral(
    "SELECT rowkey, \"Namn\", to_char(\"Datum\", 'YYYY-MM-DD HH24:MI:SS'), \"Ras\", \"Ålder\", "
    "\"Kön\", \"Disiplin\", \"Bitmap\", \"Data\", \"Kommentarer\", \"Maxpuls\", \"Stall\", "
    "\"Coach\" FROM mytable WHERE %1 = ?");

int readAll(QSqlDatabase database, const QString &sql, const QString &value) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(sql);
    query.addBindValue(value);
    query.exec();
    int rows = 0;
    while (query.next()) {
        for (int i = 0; i < 13; ++i)
            benchmark::DoNotOptimize(query.value(i).toString());
        ++rows;
    }
    return rows;
}

QString nameFor(int i) {
    return horseName((i * 37) % HorseCount);
}
QString dateFor(int i) {
    return momentOf(i).date().toString(Qt::ISODate);
}

} // namespace

static void BM_ServerSearchByName(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(
                searchTests(store->address(), QStringLiteral("Namn"), nameFor(++i)).rows.size());
}
static void BM_ServerSearchByName_DirectQuery(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    const QString sql = SelectRows.arg(QStringLiteral("\"Namn\""));
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(readAll(store->kept(), sql, nameFor(++i)));
}

static void BM_ServerSearchByDate(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(
                searchTests(store->address(), QStringLiteral("ExDatum"), dateFor(++i)).rows.size());
}
static void BM_ServerSearchByDate_DirectQuery(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    const QString sql = SelectRows.arg(QStringLiteral("\"ExDatum\""));
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(readAll(store->kept(), sql, dateFor(++i)));
}

// What the window's search sends: only name, date and key of the found tests.
static void BM_ServerFindByName(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(
                findTests(store->address(), QStringLiteral("Namn"), nameFor(++i).toUtf8())
                    .tests.size());
}
static void BM_ServerFindByDate(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    int i = 0;
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(
                findTests(store->address(), QStringLiteral("ExDatum"), dateFor(++i).toUtf8())
                    .tests.size());
}

static void BM_ServerListNames(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(
                listCriterionValues(store->address(), QStringLiteral("Namn")).values.size());
}

static void BM_ServerSaveTest(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    StoredRow row = generatedRow(7);
    row.name = QStringLiteral("Saved in benchmark");
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(appendRow(store->address(), row).has_value());
}
// A save as "Save work" sends it: under a key of its own, stored at most once.
static void BM_ServerSaveKeyedTest(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    StoredRow row = generatedRow(7);
    row.name = QStringLiteral("Saved under a key in benchmark");
    for (auto _ : state)
        if (store)
            benchmark::DoNotOptimize(saveTest(store->address(), row, QUuid::createUuid()).outcome);
}
static void BM_ServerSaveTest_DirectQuery(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    StoredRow row = generatedRow(7);
    row.name = QStringLiteral("Saved directly");
    for (auto _ : state) {
        if (!store)
            continue;
        QSqlQuery insert(store->kept());
        insert.prepare(QStringLiteral(
            "INSERT INTO mytable (\"Namn\", \"Datum\", \"Ras\", \"Ålder\", \"Kön\", \"Disiplin\", "
            "\"Bitmap\", \"Maxpuls\", \"Stall\", \"Coach\", \"ExDatum\", \"Data\", "
            "\"Kommentarer\") "
            "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (const QString &value :
             {row.name, row.moment, row.breed, row.age, row.sex, row.discipline, row.pictureName,
              row.maxHr, row.stable, row.trainer, row.examDate, row.stepData, row.comments})
            insert.addBindValue(value);
        benchmark::DoNotOptimize(insert.exec());
    }
}

namespace {

// A program folder whose settings name the generated server database as the current one; nothing
// when there is no server, and the benchmark is skipped.
std::unique_ptr<QTemporaryDir> programFolderOnServer(benchmark::State &state) {
    const GeneratedServer *store = server(state);
    if (!store)
        return nullptr;
    auto dir = std::make_unique<QTemporaryDir>();
    if (!kavren::bench::writeSettingsNamingDatabase(*dir, store->address())) {
        state.SkipWithError("no settings file");
        return nullptr;
    }
    return dir;
}

} // namespace

// The main window on the generated server: a trainer's 200 tests listed, and a typed test saved.
// The time is until the server has answered and the window shows it; longest_block_ms is the
// longest stretch in which the window could not react meanwhile, as the server's work runs away
// from the window.
static void BM_ServerListTestsInWindow(benchmark::State &state) {
    const auto dir = programFolderOnServer(state);
    if (!dir)
        return;
    Laktat window(dir->path());
    window.show();
    window.findChild<QAction *>(QStringLiteral("dbas1"))->trigger();
    window.findChild<QRadioButton *>(QStringLiteral("Option6"))->click();
    kavren::bench::longestBlockMs([] {}, [&] { return !window.databaseBusy(); });
    auto *values = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    const auto *results = window.findChild<QListView *>(QStringLiteral("List1"));
    // Not the trainer of the rows the save benchmarks add.
    const int index = values->findText(QStringLiteral("Trainer 9"));
    if (index < 0) {
        state.SkipWithError("the trainer is not listed");
        return;
    }
    double longest = 0;
    for (auto _ : state)
        longest =
            std::max(longest, kavren::bench::longestBlockListing(values, index, results, 200));
    if (results->model()->rowCount() != 200)
        state.SkipWithError(qPrintable(
            QStringLiteral("%1 tests listed, not 200").arg(results->model()->rowCount())));
    state.counters["longest_block_ms"] = longest;
}

static void BM_ServerSaveInWindow(benchmark::State &state) {
    const auto dir = programFolderOnServer(state);
    if (!dir)
        return;
    Laktat window(dir->path());
    window.show();
    const auto field = [&window](const QString &name) {
        return window.findChild<QLineEdit *>(name);
    };
    const char *steps[][3] = {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"2.4", "166", "2"}};
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.findChild<QRadioButton *>(QStringLiteral("SSOption5"))->click();
        field(QStringLiteral("Text4"))->setText(QStringLiteral("Saved from the window"));
        field(QStringLiteral("Text5"))->setText(QStringLiteral("Trotter"));
        field(QStringLiteral("Text6"))->setText(QStringLiteral("5"));
        field(QStringLiteral("Text7"))->setText(QStringLiteral("Mare"));
        for (int row = 0; row < 3; ++row) {
            field(QStringLiteral("lakt%1").arg(row + 1))
                ->setText(QString::fromLatin1(steps[row][0]));
            field(QStringLiteral("puls%1").arg(row + 1))
                ->setText(QString::fromLatin1(steps[row][1]));
            field(QStringLiteral("temp%1").arg(row + 1))
                ->setText(QString::fromLatin1(steps[row][2]));
        }
        window.recalcTick();
        state.ResumeTiming();
        longest = std::max(longest,
                           kavren::bench::longestBlockMs([&] { window.saveWork(); },
                                                         [&] { return !window.databaseBusy(); }));
    }
    if (!field(QStringLiteral("Text4"))->text().isEmpty())
        state.SkipWithError("the test was not saved");
    state.counters["longest_block_ms"] = longest;
}

BENCHMARK(BM_ServerSearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerSearchByName_DirectQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerSearchByDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerSearchByDate_DirectQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerFindByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerFindByDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerListNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerSaveTest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerSaveKeyedTest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerSaveTest_DirectQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerListTestsInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerSaveInWindow)->Unit(benchmark::kMillisecond);
