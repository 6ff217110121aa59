// The window "History" on the clinic's database server: the server's work runs away from the
// window, so the table and then the band arrive from the event loop, and until then the window
// says what it is waiting for.
#include "ui/history/history_window.h"
#include "ui/main_window/laktat.h"
#include "io/database/saving.h"
#include "support/database_server.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/stored_rows.h"
#include "support/wait_until.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

namespace kavren {
namespace {

class HistoryServerTest : public testing::WindowFixture {
protected:
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString label(const char *name) const {
        return m_history->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
    HistoryWindow *m_history = nullptr;
};

TEST_F(HistoryServerTest, TheTableAndThenTheBandArriveFromTheServer) {
    KAVREN_REQUIRE_TEST_SERVER(place);
    const testing::ServerDatabase server(place);
    m_window = std::make_unique<Laktat>(m_folder.path());
    control<QAction>("creat")->trigger();
    control("Text55")->setText(server.address());
    control<QPushButton>("Command4")->click();
    ASSERT_TRUE(testing::waitUntil([this] { return !m_window->databaseBusy(); }));
    for (const char *moment : {"2024-02-01 10:00:00", "2023-06-01 10:00:00"}) {
        StoredRow row = testing::threeStepRow(QStringLiteral("Bella"));
        row.moment = QString::fromLatin1(moment);
        ASSERT_FALSE(appendRow(server.address(), row).has_value());
    }

    control<QLineEdit>("Text4")->setText("Bella");
    control<QAction>("history")->trigger();
    m_history = m_window->findChild<HistoryWindow *>(QStringLiteral("history"));
    ASSERT_NE(m_history, nullptr);
    EXPECT_EQ(label("historyStatus"), "Reading the tests of Bella…");
    ASSERT_TRUE(testing::waitUntil([this] { return !m_history->history().entries.empty(); }));
    auto *table = m_history->findChild<QTableView *>(QStringLiteral("historyTable"));
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), "2023-06-01 10:00:00");
    ASSERT_TRUE(
        testing::waitUntil([this] { return !label("historyBand").startsWith("Computing"); }));
    EXPECT_EQ(label("historyBand"), "No reference band: the database holds 2 tests of this "
                                    "discipline with a value of VLa4, fewer than 20.");
}

} // namespace
} // namespace kavren
