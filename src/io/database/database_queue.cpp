#include "io/database/database_queue.h"

#include "io/database/server_address.h"
#include "io/database/server_session.h"

namespace kavren {

DatabaseQueue::DatabaseQueue(QObject *parent) : QObject(parent) {
    m_thread.setObjectName(QStringLiteral("database server work"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    // The thread keeps its server connections between pieces of work; they are closed on the
    // thread itself when it ends.
    connect(
        &m_thread, &QThread::finished, m_worker, [] { closeServerConnections(); },
        Qt::DirectConnection);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

DatabaseQueue::~DatabaseQueue() {
    // The work is done in order: once this empty piece has run, everything asked for before it
    // has run too. Its results are not handed back, as their window is going.
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool DatabaseQueue::runsAway(const QString &databasePath) {
    return isServerAddress(databasePath);
}

void DatabaseQueue::post(std::function<void()> onThread) {
    QMetaObject::invokeMethod(m_worker, std::move(onThread), Qt::QueuedConnection);
}

void DatabaseQueue::started(const QString &databasePath) {
    if (m_pending++ == 0)
        emit busy(databasePath);
}

void DatabaseQueue::finished() {
    if (--m_pending == 0)
        emit idle();
}

} // namespace kavren
