// Where the window's database work runs. Work on a database file runs at once, as a local file
// answers within milliseconds and its callers see the result before the call returns. Work on a
// database server runs on a thread of its own, one piece after the other in the order asked for,
// so that a server that is slow, unreachable or gone in the middle of a statement never holds the
// window: the window goes on reacting and gets the result when the server has answered.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace kavren {

class DatabaseQueue : public QObject {
    Q_OBJECT
public:
    explicit DatabaseQueue(QObject *parent = nullptr);
    // Lets the work already asked for finish (a save in flight is never cut off), then closes the
    // thread's connections to servers.
    ~DatabaseQueue() override;
    DatabaseQueue(const DatabaseQueue &) = delete;
    DatabaseQueue &operator=(const DatabaseQueue &) = delete;

    // Whether work on this database goes to the queue's thread: a server's does, a file's not.
    static bool runsAway(const QString &databasePath);

    // Runs work() for the database and hands its result to done() on this object's thread. For a
    // file both run before the call returns; for a server, done() runs from the event loop once
    // the server has answered, and never after this object is gone.
    template <typename Work, typename Done>
    void run(const QString &databasePath, Work work, Done done);

    // Server work asked for and not yet handed back.
    bool isBusy() const { return m_pending > 0; }
    int pending() const { return m_pending; }

signals:
    // The first server work was asked for while none was pending, on this database.
    void busy(const QString &databasePath);
    // The last pending result is about to be handed back (before its done() runs).
    void lastAnswerArriving();
    // The last pending result was handed back (after its done() ran).
    void idle();

private:
    void post(std::function<void()> onThread);
    void started(const QString &databasePath);
    void finished();

    QThread m_thread;
    QObject *m_worker = nullptr; // lives on m_thread; the work runs in its event loop
    int m_pending = 0;
};

template <typename Work, typename Done>
void DatabaseQueue::run(const QString &databasePath, Work work, Done done) {
    using Result = std::invoke_result_t<Work &>;
    if (!runsAway(databasePath)) {
        done(work());
        return;
    }
    started(databasePath);
    post([this, work = std::move(work), done = std::move(done)]() mutable {
        auto result = std::make_shared<Result>(work());
        // Back on the window's thread; a queue destroyed meanwhile drops the call with itself.
        QMetaObject::invokeMethod(
            this,
            [this, result, done = std::move(done)]() mutable {
                if (m_pending == 1)
                    emit lastAnswerArriving();
                done(std::move(*result));
                finished();
            },
            Qt::QueuedConnection);
    });
}

} // namespace kavren
