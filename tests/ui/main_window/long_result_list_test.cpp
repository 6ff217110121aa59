// A search that finds more tests than the window reads in one turn of the event loop: the list
// fills over several turns while the window keeps reacting, ends complete and in list order, and
// "Clear screen" in the middle drops the rest of the reading.
#include "ui/main_window/laktat.h"
#include "io/database/database_file.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

constexpr int Tests = 9000; // more than two pages of the result list's reading

class LongResultList : public kavren::testing::WindowFixture {
protected:
    const QObject *windowUnderTest() const override { return m_window.get(); }
    void SetUp() override {
        ASSERT_EQ(kavren::createDatabase(m_folder.filePath("Start")).outcome,
                  kavren::CreateOutcome::Created);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "long-list");
            db.setDatabaseName(m_folder.filePath("Start.mdb"));
            ASSERT_TRUE(db.open());
            db.transaction();
            QSqlQuery insert(db);
            ASSERT_TRUE(insert.prepare("INSERT INTO mytable VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            // Written in reverse name order, so the list's order is the window's own doing.
            for (int i = Tests - 1; i >= 0; --i) {
                // Namn, Datum, Ras, Ålder, Kön, Disiplin, Bitmap, Maxpuls, Stall, Coach, ExDatum,
                // Data, Kommentarer.
                const QVariantList values = {QStringLiteral("Horse%1").arg(i, 4, 10, QChar('0')),
                                             "2026-12-07 10:00:00",
                                             "Trotter",
                                             "5",
                                             "Mare",
                                             "Trav",
                                             "dummy.jpg",
                                             "220",
                                             "North",
                                             "Ek",
                                             "2026-12-07",
                                             " ",
                                             " "};
                for (const QVariant &value : values)
                    insert.addBindValue(value);
                ASSERT_TRUE(insert.exec());
            }
            ASSERT_TRUE(db.commit());
            db.close();
        }
        QSqlDatabase::removeDatabase("long-list");
        m_window = std::make_unique<Laktat>(m_folder.path());
        control<QAction>("dbas1")->trigger();
        control<QRadioButton>("Option6")->click();
    }
    void searchTrainer() {
        auto *values = control<QComboBox>("Combo1");
        const int index = values->findText("Ek");
        ASSERT_GE(index, 0);
        values->setCurrentIndex(index);
        emit values->activated(index);
    }
    const QAbstractItemModel *results() const { return control<QListView>("List1")->model(); }
    // Lets the event loop run, a turn at a time, until the list holds every test (or long enough
    // to be sure it never will).
    int turnsUntilComplete() {
        int turns = 0;
        while (results()->rowCount() != Tests && turns < 1000) {
            QCoreApplication::processEvents();
            ++turns;
        }
        return turns;
    }

    ProgramFolder m_folder;
    MessageLog m_messages;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(LongResultList, FillsOverSeveralTurnsAndEndsCompleteAndInOrder) {
    searchTrainer();
    EXPECT_EQ(results()->rowCount(), 0); // the first page alone does not hold them all
    const int turns = turnsUntilComplete();
    // Past the first page of 4,000 come two more (4,000 and 1,000), each read in a turn of its own.
    EXPECT_GE(turns, 2) << "turns: " << turns;
    ASSERT_EQ(results()->rowCount(), Tests);
    EXPECT_EQ(results()->index(0, 0).data().toString(), "Horse0000\t2026-12-07 10:00:00");
    EXPECT_EQ(results()->index(Tests - 1, 0).data().toString(), "Horse8999\t2026-12-07 10:00:00");
    EXPECT_TRUE(m_messages.texts().isEmpty()) << m_messages.texts().join('|').toStdString();

    // A second search replaces the first and again ends with every test once.
    searchTrainer();
    turnsUntilComplete();
    EXPECT_EQ(results()->rowCount(), Tests);
}

TEST_F(LongResultList, ClearScreenDuringTheReadingLeavesTheListEmpty) {
    searchTrainer();
    control<QPushButton>("SSCOmmand15")->click();
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(results()->rowCount(), 0);
}
