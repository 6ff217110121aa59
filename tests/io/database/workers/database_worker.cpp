// A worker process of the concurrent database test: saves tests into a database, or saves its own
// tests and then searches and erases them again, while other workers do the same.
//   database_worker save ADDRESS NAME COUNT
//   database_worker erase ADDRESS NAME COUNT
// Exits with 0 when every operation succeeded, otherwise prints the failure and exits with 1.
#include "io/database/saving.h"
#include "io/database/search.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

using namespace kavren;

namespace {

int fail(const QString &why) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

StoredRow rowOf(const QString &name, int number) {
    StoredRow row;
    row.name = name;
    row.moment = QDateTime(QDate(2006, 3, 14), QTime(0, 0))
                     .addSecs(number)
                     .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    row.breed = QStringLiteral("Varmblod");
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("sto");
    row.discipline = QStringLiteral("Trav");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = row.stable = row.trainer = row.comments = QStringLiteral(" ");
    row.examDate = QStringLiteral("2006-03-14");
    row.stepData = QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00");
    return row;
}

int save(const QString &address, const QString &name, int count) {
    for (int i = 0; i < count; ++i)
        if (const auto failure = appendRow(address, rowOf(name, i)))
            return fail(*failure);
    return 0;
}

// Saves its tests in rounds of ten and erases each round again after finding it; searches the
// whole day's tests in between, which the savers are writing at the same time.
int saveAndErase(const QString &address, const QString &name, int count) {
    for (int round = 0; round < count / 10; ++round) {
        for (int i = 0; i < 10; ++i)
            if (const auto failure = appendRow(address, rowOf(name, round * 10 + i)))
                return fail(*failure);
        const SearchResult day =
            searchTests(address, QStringLiteral("ExDatum"), QStringLiteral("2006-03-14"));
        if (!day.error.isEmpty())
            return fail(day.error);
        const SearchResult own = searchTests(address, QStringLiteral("Namn"), name);
        if (!own.error.isEmpty())
            return fail(own.error);
        if (own.rows.size() != 10)
            return fail(QStringLiteral("found %1 own tests, not 10").arg(own.rows.size()));
        const EraseResult erased = eraseTests(address, own.rows);
        if (!erased.error.isEmpty() || erased.erased != 10)
            return fail(QStringLiteral("erased %1 of 10: %2").arg(erased.erased).arg(erased.error));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5)
        return fail(QStringLiteral("usage: database_worker save|erase ADDRESS NAME COUNT"));
    const int count = arguments[4].toInt();
    if (arguments[1] == QLatin1String("save"))
        return save(arguments[2], arguments[3], count);
    if (arguments[1] == QLatin1String("erase"))
        return saveAndErase(arguments[2], arguments[3], count);
    return fail(QStringLiteral("unknown work ") + arguments[1]);
}
