// Saving survives a program killed at any moment: a child process saves in a loop into a fresh
// default database and is killed without warning; the next listing must find every save the
// child saw acknowledged, in a sound file that still holds its table. Also a crash left behind
// by hand (a hot journal), which the first listing must roll back rather than refuse.
#include "io/database/database_store.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "support/child_entry.h"
#include "support/store_probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

using namespace kavren;
using namespace kavren::testing;

namespace {

const char *const ChildFolderVariable = "KAVREN_SAVING_CHILD_FOLDER";

StoredRow numberedRow(int number) {
    StoredRow row;
    row.name = QStringLiteral("Crash");
    row.moment = QStringLiteral("2006-03-14 09:00:00");
    row.breed = QStringLiteral("Varmblod");
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("sto");
    row.discipline = QStringLiteral("Trav");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = row.stable = row.trainer = QStringLiteral(" ");
    row.examDate = QStringLiteral("2006-03-14");
    row.stepData = QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00");
    // Long comments make a save touch several pages, so kills land inside page writes.
    row.comments = QString::number(number) + QString(2000, u'x');
    return row;
}

int numberOf(const QString &comments) {
    return comments.left(comments.indexOf(u'x')).toInt();
}

QSet<int> savedNumbers(const QString &path) {
    QSet<int> numbers;
    for (const TestRow &row :
         searchTests(path, QStringLiteral("Namn"), QStringLiteral("Crash")).rows)
        numbers.insert(numberOf(row.comments));
    return numbers;
}

// The child's part, run in a process of its own by the crash test below: saves until killed,
// saying which saves were acknowledged.
int savesUntilKilled() {
    const QString path = qEnvironmentVariable(ChildFolderVariable) + QStringLiteral("/Start.mdb");
    std::printf("ready\n");
    std::fflush(stdout);
    for (int number = 0;; ++number)
        if (!appendRow(path, numberedRow(number))) {
            std::printf("saved %d\n", number);
            std::fflush(stdout);
        }
}

const bool SavingChildRegistered = registerChildEntry("saving", &savesUntilKilled);

} // namespace

TEST(CrashWhileSaving, EveryAcknowledgedSaveSurvivesAKillAtAnyMoment) {
    std::mt19937 random(20061207);
    // From before the default database exists to well into the saves that follow.
    std::uniform_int_distribution<int> killAfterUs(0, 40000);
    for (int round = 0; round < 50; ++round) {
        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ChildFolderVariable), dir.path());
        environment.insert(QString::fromLatin1(ChildEntryVariable), QStringLiteral("saving"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray output;
        while (!output.contains("ready\n") && child.waitForReadyRead(10000))
            output += child.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready\n")) << "round " << round;
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs(random)));
        child.kill(); // SIGKILL: no handler, no flush, no cleanup in the child
        ASSERT_TRUE(child.waitForFinished(10000));
        output += child.readAllStandardOutput();

        QSet<int> acknowledged;
        for (const QByteArray &line : output.split('\n'))
            if (line.startsWith("saved "))
                acknowledged.insert(line.mid(6).toInt());

        const QString path = dir.filePath(QStringLiteral("Start.mdb"));
        // The first operation after the crash is a listing, not a save.
        const ValuesResult listed = listCriterionValues(path, QStringLiteral("Namn"));
        ASSERT_TRUE(listed.error.isEmpty())
            << "round " << round << ": " << listed.error.toStdString();
        EXPECT_FALSE(problemWithDatabase(path).has_value()) << "round " << round;
        const QSet<int> saved = savedNumbers(path);
        for (int number : acknowledged)
            EXPECT_TRUE(saved.contains(number)) << "round " << round << " lost save " << number;
        EXPECT_EQ(rowsOf(path, QStringLiteral("PRAGMA integrity_check"))[0][0].toString(),
                  QStringLiteral("ok"))
            << "round " << round;
    }
}

// A save cut short with its changes half in the file: the file and its journal as a crash
// leaves them, copied while the writing connection still holds its transaction open.
TEST(CrashWhileSaving, AHotJournalIsRolledBackByTheFirstListing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Start.mdb"));
    ASSERT_FALSE(appendRow(path, numberedRow(1)).has_value());
    const QString crashed = dir.filePath(QStringLiteral("crashed.mdb"));
    withConnection(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        // A cache of a few pages makes SQLite write changed pages into the file before commit.
        query.exec(QStringLiteral("PRAGMA cache_size = 2"));
        database.transaction();
        for (int i = 0; i < 200; ++i)
            query.exec(QStringLiteral("INSERT INTO mytable (Namn, Kommentarer) VALUES "
                                      "('Half', hex(randomblob(1000)))"));
        ASSERT_TRUE(QFile::exists(path + QStringLiteral("-journal")));
        QFile::copy(path, crashed);
        QFile::copy(path + QStringLiteral("-journal"), crashed + QStringLiteral("-journal"));
        database.rollback();
    });
    ASSERT_GT(QFile(crashed + QStringLiteral("-journal")).size(), 0);

    const ValuesResult listed = listCriterionValues(crashed, QStringLiteral("Namn"));
    EXPECT_TRUE(listed.error.isEmpty()) << listed.error.toStdString();
    EXPECT_EQ(listed.values, QStringList{QStringLiteral("Crash")});
    EXPECT_EQ(savedNumbers(crashed), QSet<int>{1});
    EXPECT_EQ(rowsOf(crashed, QStringLiteral("PRAGMA integrity_check"))[0][0].toString(),
              QStringLiteral("ok"));
}
