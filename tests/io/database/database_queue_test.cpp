// Where the window's database work runs: a file's at once on the caller's thread, a server's on
// the queue's own thread one piece after the other, with the results handed back on the caller's
// thread from the event loop, and the work asked for never cut off when the queue goes.
#include "io/database/database_queue.h"
#include "support/wait_until.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using kavren::DatabaseQueue;
using kavren::testing::waitUntil;

namespace {

const QString File = QStringLiteral("/data/horses.mdb");
// Only the address's form matters here: the work given to the queue never connects.
const QString Server = QStringLiteral("postgresql://clinic.example/horses");

struct Signals {
    std::vector<QString> busy;
    int idle = 0;
};

void record(DatabaseQueue &queue, Signals &seen) {
    QObject::connect(&queue, &DatabaseQueue::busy,
                     [&seen](const QString &path) { seen.busy.push_back(path); });
    QObject::connect(&queue, &DatabaseQueue::idle, [&seen] { ++seen.idle; });
}

} // namespace

TEST(DatabaseQueue, AFilesWorkIsDoneBeforeTheCallReturns) {
    DatabaseQueue queue;
    Signals seen;
    record(queue, seen);
    QThread *workedOn = nullptr;
    int answer = 0;
    queue.run(
        File,
        [&] {
            workedOn = QThread::currentThread();
            return 42;
        },
        [&](int result) { answer = result; });
    EXPECT_EQ(workedOn, QThread::currentThread());
    EXPECT_EQ(answer, 42);
    EXPECT_FALSE(queue.isBusy());
    EXPECT_TRUE(seen.busy.empty());
    EXPECT_EQ(seen.idle, 0);
}

TEST(DatabaseQueue, AServersWorkRunsAwayAndItsResultsComeBackInOrder) {
    DatabaseQueue queue;
    Signals seen;
    record(queue, seen);
    std::vector<QThread *> workedOn;
    std::vector<int> answers;
    std::vector<QThread *> answeredOn;
    for (int piece = 1; piece <= 3; ++piece)
        queue.run(
            Server,
            [&workedOn, piece] {
                workedOn.push_back(QThread::currentThread());
                return piece * 10;
            },
            [&](int result) {
                answers.push_back(result);
                answeredOn.push_back(QThread::currentThread());
            });
    // Nothing comes back before the event loop turns, whatever the thread has done meanwhile.
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(queue.pending(), 3);
    ASSERT_EQ(seen.busy, std::vector<QString>{Server}); // once, for the first piece
    ASSERT_TRUE(waitUntil([&] { return !queue.isBusy(); }));

    EXPECT_EQ(answers, (std::vector<int>{10, 20, 30}));
    ASSERT_EQ(workedOn.size(), 3u);
    for (QThread *thread : workedOn) {
        EXPECT_NE(thread, QThread::currentThread());
        EXPECT_EQ(thread, workedOn.front()); // one thread: the server sees the pieces in order
    }
    EXPECT_EQ(answeredOn, (std::vector<QThread *>(3, QThread::currentThread())));
    EXPECT_EQ(seen.idle, 1);

    // Busy again with the next piece, and idle again after it.
    queue.run(
        Server, [] { return 0; }, [](int) {});
    EXPECT_EQ(seen.busy.size(), 2u);
    ASSERT_TRUE(waitUntil([&] { return !queue.isBusy(); }));
    EXPECT_EQ(seen.idle, 2);
}

// The answer is handed back after its result was used: a window that closes once the server has
// answered sees the saved test's outcome first.
TEST(DatabaseQueue, IdleComesAfterTheLastResultWasUsed) {
    DatabaseQueue queue;
    std::vector<QString> events;
    QObject::connect(&queue, &DatabaseQueue::idle, [&] { events.push_back("idle"); });
    queue.run(
        Server, [] { return QStringLiteral("saved"); },
        [&](const QString &result) {
            events.push_back(result);
            EXPECT_TRUE(queue.isBusy());
        });
    ASSERT_TRUE(waitUntil([&] { return !queue.isBusy(); }));
    EXPECT_EQ(events, (std::vector<QString>{"saved", "idle"}));
}

// A queue that goes while its thread still works (the window closed by the system) lets every
// piece asked for finish, so a save in flight reaches the database; no result is handed back to a
// window that is gone.
TEST(DatabaseQueue, GoingLetsTheWorkAskedForFinish) {
    std::atomic<int> done{0};
    bool answered = false;
    {
        DatabaseQueue queue;
        for (int piece = 0; piece < 3; ++piece)
            queue.run(
                Server,
                [&done] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                    return ++done;
                },
                [&answered](int) { answered = true; });
    }
    EXPECT_EQ(done.load(), 3);
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
}
