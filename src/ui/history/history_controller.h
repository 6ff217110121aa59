// The database work of the history window, through the main window's database queue: a file's
// work runs at once, a server's away from the window. The band comes after the history: the tests
// still without their indices get them first, a piece per turn of the event loop so that the
// window is never held for long, then the database computes the band. An answer to a request
// that was overtaken (another horse, index or discipline, or the window closed) is dropped.
#pragma once

#include "io/database/horse_history.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

namespace kavren {

class DatabaseQueue;

// The next piece of a file's filling after one of `piece` tests took `ms`: twice as many after a
// quick one (under 10 ms), half as many after a slow one (over 30 ms), between 10 and 2,000 tests.
int nextFilePiece(int piece, qint64 ms);

class HistoryController : public QObject {
    Q_OBJECT
public:
    // databasePath: the current database at the moment of asking.
    HistoryController(DatabaseQueue &queue, std::function<QString()> databasePath,
                      QObject *parent = nullptr);

    void loadHistory(const HorseKey &horse);
    void requestBand(const BandRequest &request);
    // Every answer still awaited is dropped.
    void cancel();
    // Tests given their indices per turn of the event loop; 0 for the usual piece of the
    // database's kind.
    void setFillPiece(int tests) { m_fillPiece = tests; }

signals:
    void historyRead(const kavren::HorseHistory &history);
    // The band is being computed (its tests' indices are brought up to date first).
    void bandComputing();
    void bandRead(const kavren::BandResult &result);

private:
    // Runs work on the next turn of the event loop unless counter has moved on by then.
    void onNextTurn(const int &counter, std::function<void()> work);
    void fillNextPiece(int request, const QString &path, const BandRequest &band);
    void takeFilledPiece(int request, const QString &path, const BandRequest &band,
                         const IndexFillResult &filled);
    void computeBand(int request, const QString &path, const BandRequest &band);

    DatabaseQueue &m_queue;
    std::function<QString()> m_databasePath;
    int m_historyRequest = 0;
    int m_bandRequest = 0;
    int m_fillPiece = 0;    // a fixed piece, when set
    int m_filePiece = 25;   // a file's piece, fitted to the time pieces take
    QSet<QString> m_filled; // databases whose tests all have their indices
};

} // namespace kavren
