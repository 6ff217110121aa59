// What the window benchmarks share: a program folder whose settings name a database as the
// current one, and the measure of how long the window's event loop could not react while a
// handler and the events it left ran.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace kavren::bench {

// A program folder whose settings name this database (a file path or a server address) as the
// current one.
inline bool writeSettingsNamingDatabase(const QTemporaryDir &dir, const QString &database) {
    QFile source(QStringLiteral(KAVREN_SOURCE_DIR "/resources/def4.txt"));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = source.readAll().split('\n');
    if (lines.size() < 26)
        return false;
    lines[25] = database.toUtf8() + '\r';
    QFile target(dir.filePath(QStringLiteral("def4.txt")));
    return target.open(QIODevice::WriteOnly) && target.write(lines.join('\n')) > 0;
}

// Runs one handler and then the events it leaves (the pages of a long search, a server's answer,
// layout and painting of the list) one batch at a time until `finished` holds, then a few more;
// the longest of these is the longest stretch in which the window could not react.
inline double longestBlockMs(const std::function<void()> &handler,
                             const std::function<bool()> &finished) {
    QElapsedTimer clock;
    clock.start();
    handler();
    double longest = double(clock.nsecsElapsed()) / 1e6;
    QElapsedTimer overall;
    overall.start();
    int after = 0;
    while (after < 4 && overall.elapsed() < 60000) {
        if (finished())
            ++after;
        clock.restart();
        QApplication::processEvents();
        longest = std::max(longest, double(clock.nsecsElapsed()) / 1e6);
    }
    return longest;
}

// Chooses the value at `index` of the criterion's values, as a click in the list does, and returns
// the longest block until the result list holds `expected` tests.
inline double longestBlockListing(QComboBox *values, int index, const QListView *results,
                                  int expected) {
    values->setCurrentIndex(index);
    return longestBlockMs([&] { emit values->activated(index); },
                          [&] { return results->model()->rowCount() == expected; });
}

} // namespace kavren::bench
