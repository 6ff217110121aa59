// Speed of a horse's history on a generated file of 100,000 tests in four disciplines, one horse
// with 1,000 of them: reading and fitting the horse's tests, the clinic's reference band of an
// index computed by the file, and one piece of giving tests saved without indices theirs. The
// file is generated once per run with a fixed seed, its index table filled as an older file's
// would be on first use (the time that takes is printed).
#include "io/database/database_store.h"
#include "io/database/file_store.h"
#include "io/database/horse_history.h"
#include "io/database/saving.h"
#include "io/database/database_queue.h"
#include "ui/history/history_chart_view.h"
#include "ui/history/history_window.h"
#include "window_blocks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace kavren;

namespace {

constexpr int TestCount = 100000;
constexpr int HorseCount = 5000;
constexpr int BellaTests = 1000;
constexpr int UnfilledTests = 40000; // of the copy that the filling works on
const char *const Disciplines[] = {"Trav", "Rid", "Galopp", "Endur"};

// A speed in m/s as typed in the unit of the discipline.
QString typedSpeed(const QString &discipline, double mps) {
    if (discipline == u"Rid")
        return QString::number(mps * 60, 'f', 1);
    if (discipline == u"Endur")
        return QString::number(mps * 3.6, 'f', 2);
    if (discipline == u"Galopp")
        return QString::number(200 / mps, 'f', 1);
    const int seconds = int(std::lround(1000 / mps)); // trotting: min.ss per km
    return QStringLiteral("%1.%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Five steps of rising speed whose lactate grows roughly exponentially, with measuring noise.
QString generatedSteps(const QString &discipline, std::mt19937 &random) {
    std::uniform_real_distribution<double> base(6.0, 9.0), noise(-0.08, 0.08), hrBase(120, 150);
    const double v0 = base(random);
    const double hr0 = hrBase(random);
    QStringList values;
    for (int step = 0; step < 5; ++step) {
        const double v = v0 + 0.8 * step;
        const double lactate = 0.9 * std::exp(0.9 * (v - v0)) * (1 + noise(random));
        values << QString::number(lactate, 'f', 1) << QString::number(int(hr0 + 14 * step))
               << typedSpeed(discipline, v);
    }
    return values.join(u' ');
}

StoredRow generatedRow(int test, std::mt19937 &random) {
    const bool bella = test % (TestCount / BellaTests) == 0;
    StoredRow row;
    row.name = bella ? QStringLiteral("Bella")
                     : QStringLiteral("Horse %1").arg(test % HorseCount, 4, 10, QLatin1Char('0'));
    row.moment = QDateTime(QDate(2000, 1, 1).addDays((test * 7919) % 9000), QTime(8, 0))
                     .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    row.breed = QStringLiteral("Breed %1").arg(test % 12);
    row.age = QString::number(2 + test % 20);
    row.sex = QStringLiteral("sto");
    row.discipline = QLatin1String(Disciplines[test % 4]);
    row.pictureName = NoPictureName;
    row.maxHr = row.trainer = row.comments = QStringLiteral(" ");
    row.stable = QStringLiteral("Stable %1").arg(test % 300);
    row.examDate = row.moment.left(10);
    row.stepData = generatedSteps(row.discipline, random);
    return row;
}

class GeneratedDatabase {
public:
    GeneratedDatabase()
        : m_path(m_dir.filePath(QStringLiteral("history.mdb"))),
          m_unfilled(m_dir.filePath(QStringLiteral("unfilled.mdb"))) {
        createEmptyDatabase(m_path);
        {
            ScopedDatabase store(m_path, Access::ReadWrite);
            std::mt19937 random(20261208);
            store.database().transaction();
            {
                QSqlQuery insert(store.database());
                insert.prepare(
                    QStringLiteral("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
                for (int test = 0; test < TestCount; ++test) {
                    const StoredRow row = generatedRow(test, random);
                    for (const QString &value :
                         {row.name, row.moment, row.breed, row.age, row.sex, row.discipline,
                          row.pictureName, row.maxHr, row.stable, row.trainer, row.examDate,
                          row.stepData, row.comments})
                        insert.addBindValue(value);
                    insert.exec();
                }
            }
            store.database().commit();
        }
        FileStore file(m_path);
        QElapsedTimer filling;
        filling.start();
        const IndexFillResult filled = fillMissingIndices(file, TestCount);
        std::fprintf(stderr, "Filling the indices of %d tests at once took %lld ms (left %lld)\n",
                     TestCount, filling.elapsed(), filled.remaining.value_or(-1));
        QFile::copy(m_path, m_unfilled);
        ScopedDatabase unfilled(m_unfilled, Access::ReadWrite);
        QSqlQuery(unfilled.database())
            .exec(QStringLiteral("DELETE FROM testindices WHERE test > %1")
                      .arg(TestCount - UnfilledTests));
    }
    const QString &path() const { return m_path; }
    const QString &unfilled() const { return m_unfilled; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_unfilled;
};

const GeneratedDatabase &database() {
    static GeneratedDatabase generated;
    return generated;
}

void BM_HorseHistory(benchmark::State &state) {
    FileStore store(database().path());
    for (auto _ : state) {
        const HorseHistory history = horseHistory(store, {QStringLiteral("Bella"), {}, {}});
        if (history.entries.size() != std::size_t(BellaTests))
            state.SkipWithError("the horse's tests are not all there");
        benchmark::DoNotOptimize(history);
    }
}

void BM_ReferenceBand(benchmark::State &state) {
    FileStore store(database().path());
    const BandRequest request{QStringLiteral("Trav"), HistoryIndex::VLa4,
                              state.range(0) ? std::optional(QStringLiteral("Breed 4"))
                                             : std::nullopt};
    for (auto _ : state) {
        const BandResult band = referenceBand(store, request);
        if (!band.band.shown())
            state.SkipWithError("no band");
        benchmark::DoNotOptimize(band);
    }
}

void BM_FillMissingIndicesPiece(benchmark::State &state) {
    FileStore store(database().unfilled());
    for (auto _ : state) {
        const IndexFillResult filled = fillMissingIndices(store, int(state.range(0)));
        if (!filled.remaining)
            state.SkipWithError("the piece failed");
        benchmark::DoNotOptimize(filled);
    }
}

// The History window opened for the horse, as "Database" > "History..." opens it: the time until
// its table, its chart and the band behind the chart are shown, and the longest stretch in which
// the window could not react meanwhile (the counter "longest_block_ms").
void BM_HistoryWindowFilled(benchmark::State &state) {
    DatabaseQueue queue;
    const QString path = database().path();
    double longest = 0;
    for (auto _ : state) {
        HistoryWindow window(queue, [path] { return path; });
        window.resize(1366, 768);
        const double block = bench::longestBlockMs(
            [&] {
                window.showFor({QStringLiteral("Bella"), {}, {}}, QStringLiteral("Trav"));
            },
            [&] { return window.chartView()->input().band.shown(); });
        longest = std::max(longest, block);
        if (window.history().entries.size() != std::size_t(BellaTests) ||
            !window.chartView()->input().band.shown())
            state.SkipWithError("the window was not filled");
    }
    state.counters["longest_block_ms"] = longest;
}

// The same window on a copy whose last 40,000 tests were saved without their indices, as by an
// older version: the time until the band is shown, the filling included, and the longest stretch
// in which the window could not react meanwhile.
void BM_HistoryWindowCatchingUp(benchmark::State &state) {
    DatabaseQueue queue;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("older.mdb"));
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile::copy(database().path(), path);
        {
            ScopedDatabase older(path, Access::ReadWrite);
            QSqlQuery(older.database())
                .exec(QStringLiteral("DELETE FROM testindices WHERE test > %1")
                          .arg(TestCount - UnfilledTests));
        }
        state.ResumeTiming();
        HistoryWindow window(queue, [path] { return path; });
        window.resize(1366, 768);
        longest = std::max(
            longest,
            bench::longestBlockMs(
                [&] {
                    window.showFor({QStringLiteral("Bella"), {}, {}}, QStringLiteral("Trav"));
                },
                [&] { return window.chartView()->input().band.shown(); }));
        if (!window.chartView()->input().band.shown())
            state.SkipWithError("the band was not shown");
    }
    state.counters["longest_block_ms"] = longest;
}

} // namespace

BENCHMARK(BM_HistoryWindowCatchingUp)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HistoryWindowFilled)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_HorseHistory)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_ReferenceBand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10);
// Pieces of 25 (the window's piece on a file), 200 and 1,000 tests, 5 × 5 of each, take 30,625 of
// the 40,000 unfilled tests.
BENCHMARK(BM_FillMissingIndicesPiece)
    ->Arg(25)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5);
