#include "ui/history/history_controller.h"

#include "io/database/database_queue.h"
#include "io/database/store.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace kavren {

int nextFilePiece(int piece, qint64 ms) {
    if (ms < 10)
        return std::min(piece * 2, 2000);
    if (ms > 30)
        return std::max(piece / 2, 10);
    return piece;
}

HistoryController::HistoryController(DatabaseQueue &queue, std::function<QString()> databasePath,
                                     QObject *parent)
    : QObject(parent), m_queue(queue), m_databasePath(std::move(databasePath)) {}

void HistoryController::cancel() {
    ++m_historyRequest;
    ++m_bandRequest;
}

// A file's work runs on the window's thread; each piece starts on a turn of the event loop of its
// own (reading the tests, then the band), so that the window shows what it is doing in between and
// no turn holds it for long. A request overtaken before its turn comes is not started.
void HistoryController::onNextTurn(const int &counter, std::function<void()> work) {
    const int request = counter;
    QTimer::singleShot(0, this, [&counter, request, work = std::move(work)] {
        if (request == counter)
            work();
    });
}

void HistoryController::loadHistory(const HorseKey &horse) {
    cancel();
    const int request = m_historyRequest;
    const QString path = m_databasePath();
    onNextTurn(m_historyRequest, [this, request, path, horse] {
        m_queue.run(
            path, [path, horse] { return horseHistory(*openStore(path), horse); },
            [self = QPointer(this), request](const HorseHistory &history) {
                if (self && request == self->m_historyRequest)
                    emit self->historyRead(history);
            });
    });
}

void HistoryController::requestBand(const BandRequest &band) {
    const int request = ++m_bandRequest;
    const QString path = m_databasePath();
    emit bandComputing();
    onNextTurn(m_bandRequest, [this, request, path, band] {
        if (m_filled.contains(path))
            computeBand(request, path, band);
        else
            fillNextPiece(request, path, band);
    });
}

void HistoryController::fillNextPiece(int request, const QString &path, const BandRequest &band) {
    // A server's piece runs away from the window and may be large. A file's runs on the window's
    // thread: each test written costs a fraction of a millisecond and the piece's commit waits for
    // the disk, so the piece starts small and grows or shrinks to take about 20 ms, as fast as the
    // machine and its disk allow while the window goes on reacting.
    constexpr int ServerPiece = 2000;
    const bool file = !DatabaseQueue::runsAway(path);
    const int piece = m_fillPiece > 0 ? m_fillPiece : (file ? m_filePiece : ServerPiece);
    QElapsedTimer clock;
    clock.start();
    m_queue.run(
        path, [path, piece] { return fillMissingIndices(*openStore(path), piece); },
        [self = QPointer(this), request, path, band, file, clock](const IndexFillResult &filled) {
            if (!self)
                return;
            if (file)
                self->m_filePiece = nextFilePiece(self->m_filePiece, clock.elapsed());
            if (request == self->m_bandRequest)
                self->takeFilledPiece(request, path, band, filled);
        });
}

void HistoryController::takeFilledPiece(int request, const QString &path, const BandRequest &band,
                                        const IndexFillResult &filled) {
    if (!filled.remaining) {
        emit bandRead({{}, filled.error});
        return;
    }
    if (*filled.remaining > 0) {
        // The next piece waits for the next turn of the event loop, so that the window reacts in
        // between.
        QTimer::singleShot(0, this, [this, request, path, band] {
            if (request == m_bandRequest)
                fillNextPiece(request, path, band);
        });
        return;
    }
    m_filled.insert(path);
    computeBand(request, path, band);
}

void HistoryController::computeBand(int request, const QString &path, const BandRequest &band) {
    m_queue.run(
        path, [path, band] { return referenceBand(*openStore(path), band); },
        [self = QPointer(this), request](const BandResult &result) {
            if (self && request == self->m_bandRequest)
                emit self->bandRead(result);
        });
}

} // namespace kavren
