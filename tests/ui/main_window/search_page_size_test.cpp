// The window reads a search's result 4,000 tests at a time: a result of one page is listed as soon
// as the search returns, a longer one only in later turns of the event loop.
#include "ui/main_window/laktat.h"
#include "io/database/database_file.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QListView>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SearchPageSize : public kavren::testing::WindowFixture,
                       public ::testing::WithParamInterface<std::pair<int, bool>> {
protected:
    const QObject *windowUnderTest() const override { return m_window.get(); }
    void fill(int tests) {
        ASSERT_EQ(kavren::createDatabase(m_folder.filePath("Start")).outcome,
                  kavren::CreateOutcome::Created);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "page-size");
            db.setDatabaseName(m_folder.filePath("Start.mdb"));
            ASSERT_TRUE(db.open());
            db.transaction();
            QSqlQuery insert(db);
            ASSERT_TRUE(insert.prepare("INSERT INTO mytable (Namn, Datum, Coach) VALUES (?,?,?)"));
            for (int i = 0; i < tests; ++i) {
                insert.addBindValue(QStringLiteral("Horse%1").arg(i));
                insert.addBindValue("2026-12-07 10:00:00");
                insert.addBindValue("Ek");
                ASSERT_TRUE(insert.exec());
            }
            ASSERT_TRUE(db.commit());
            db.close();
        }
        QSqlDatabase::removeDatabase("page-size");
        m_window = std::make_unique<Laktat>(m_folder.path());
        control<QAction>("dbas1")->trigger();
        control<QRadioButton>("Option6")->click();
    }
    kavren::testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_P(SearchPageSize, OnePageIsListedAtOnceALongerResultLater) {
    const auto [tests, atOnce] = GetParam();
    fill(tests);
    auto *values = control<QComboBox>("Combo1");
    const int index = values->findText("Ek");
    ASSERT_GE(index, 0);
    values->setCurrentIndex(index);
    emit values->activated(index);
    const QAbstractItemModel *results = control<QListView>("List1")->model();
    EXPECT_EQ(results->rowCount(), atOnce ? tests : 0);
    for (int turn = 0; turn < 100 && results->rowCount() != tests; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(results->rowCount(), tests);
}

INSTANTIATE_TEST_SUITE_P(AroundOnePage, SearchPageSize,
                         ::testing::Values(std::pair(3999, true), std::pair(4001, false)));
