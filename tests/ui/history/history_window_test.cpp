// The window "History" over a database file holding a horse's tests in two disciplines: the table
// oldest first, the chart one discipline at a time, a click loading a test into the main window,
// the band's message below 20 tests, and the exports.
#include "ui/history/history_chart_view.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_window.h"
#include "ui/main_window/laktat.h"
#include "io/database/database_store.h"
#include "io/database/index_table.h"
#include "io/database/saving.h"
#include "support/message_log.h"
#include "support/csv_reader.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/stored_rows.h"
#include "support/wait_until.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QMouseEvent>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <memory>

namespace kavren {
namespace {

// Three steps of a ridden test on an exact exponential and line: lactate 1, 2, 4 mmol/l and heart
// rate 150, 170, 190 b/min at 300, 360, 420 m/min (5, 6, 7 m/s), so ln lactate = ln 2 · (x − 5)
// and heart rate = 50 + 20 x: VLa2 6 m/s, VLa4 7 m/s, V200 7.5 m/s, Hr2 170, Hr4 190, R² 1.
const QString RiddenSteps = QStringLiteral("1 150 300 2 170 360 4 190 420");

// A left click where the user would make it.
void click(QWidget *widget, QPoint at) {
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class HistoryWindowTest : public testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
        m_window->show();
        store(QStringLiteral("Bella"), QStringLiteral("2023-05-01 10:00:00"),
              QStringLiteral("Trav"));
        store(QStringLiteral("Bella"), QStringLiteral("2023-09-01 10:00:00"), QStringLiteral("Rid"),
              RiddenSteps);
        store(QStringLiteral("Bella"), QStringLiteral("2024-01-15 10:00:00"),
              QStringLiteral("Trav"), QStringLiteral("1.1 125 2.40 1.4 142 2.20 2.0 160 2.00"));
        store(QStringLiteral("Max"), QStringLiteral("2024-02-01 10:00:00"), QStringLiteral("Trav"));
    }
    void TearDown() override {
        if (m_history)
            m_history->close();
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }

    void store(const QString &name, const QString &moment, const QString &discipline,
               const QString &steps = {}, const QString &breed = {}) {
        StoredRow row = testing::threeStepRow(name);
        row.moment = moment;
        row.discipline = discipline;
        if (!steps.isEmpty())
            row.stepData = steps;
        if (!breed.isEmpty())
            row.breed = breed;
        const auto failed = appendRow(m_window->currentDatabase().databasePath, row);
        ASSERT_FALSE(failed.has_value()) << failed->toStdString();
    }
    // "Database" > "History..." with this horse's name on screen.
    void openHistoryOf(const QString &name) {
        control<QLineEdit>("Text4")->setText(name);
        control<QAction>("history")->trigger();
        m_history = m_window->findChild<HistoryWindow *>(QStringLiteral("history"));
        ASSERT_NE(m_history, nullptr);
        ASSERT_TRUE(testing::waitUntil([this] { return !m_history->history().entries.empty(); }));
        ASSERT_TRUE(testing::waitUntil([this] { return !bandText().startsWith("Computing"); }));
    }
    QTableView *table() const {
        return m_history->findChild<QTableView *>(QStringLiteral("historyTable"));
    }
    QString cell(int row, int column) const {
        return table()->model()->index(row, column).data().toString();
    }
    QString bandText() const {
        return m_history->findChild<QLabel *>(QStringLiteral("historyBand"))->text();
    }
    QString path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
    HistoryWindow *m_history = nullptr;
};

TEST_F(HistoryWindowTest, ListsEveryTestOldestFirstAndChartsOneDiscipline) {
    openHistoryOf("Bella");
    ASSERT_EQ(table()->model()->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), "2023-05-01 10:00:00");
    EXPECT_EQ(cell(1, 0), "2023-09-01 10:00:00");
    EXPECT_EQ(cell(2, 0), "2024-01-15 10:00:00");
    EXPECT_EQ(cell(1, 1), "Rid");
    EXPECT_EQ(cell(1, 5), "420 m/min"); // VLa4 in the discipline's unit
    EXPECT_EQ(cell(1, 7), "190");       // Hr4
    // No test on screen gives a discipline: the horse's most frequent one, trotting.
    const HistoryChart chart = m_history->chartView()->chart();
    ASSERT_EQ(chart.points.size(), 2u);
    EXPECT_EQ(chart.points[0].rowId, table()->model()->index(0, 0).data(Qt::UserRole).toLongLong());
    EXPECT_EQ(chart.points[1].rowId, table()->model()->index(2, 0).data(Qt::UserRole).toLongLong());
    // Three trotting tests in the database (two of Bella's, one of Max's).
    EXPECT_EQ(bandText(), "No reference band: the database holds 3 tests of this discipline with a "
                          "value of VLa4, fewer than 20.");

    // A ridden test on screen: the chart follows riding.
    m_window->currentTest().discipline = QStringLiteral("Rid");
    openHistoryOf("Bella");
    EXPECT_EQ(m_history->findChild<QComboBox *>(QStringLiteral("historyDiscipline"))->currentText(),
              "Rid");
    ASSERT_EQ(m_history->chartView()->chart().points.size(), 1u);
}

// Two horses named Bella: the tests of both until one is chosen by breed and stable.
TEST_F(HistoryWindowTest, HorsesSharingTheNameArePickedByBreedAndStable) {
    store(QStringLiteral("Bella"), QStringLiteral("2022-01-01 08:00:00"), QStringLiteral("Rid"),
          RiddenSteps, QStringLiteral("Kallblod"));
    openHistoryOf("Bella");
    EXPECT_EQ(table()->model()->rowCount(), 4);
    auto *horses = m_history->findChild<QComboBox *>(QStringLiteral("historyHorse"));
    ASSERT_EQ(horses->count(), 3);
    EXPECT_EQ(horses->currentText(), "All horses named Bella");
    EXPECT_EQ(horses->itemText(1), "Bella (Kallblod)");
    horses->setCurrentIndex(1);
    emit horses->activated(1);
    ASSERT_TRUE(testing::waitUntil([this] { return table()->model()->rowCount() == 1; }));
    EXPECT_EQ(cell(0, 0), "2022-01-01 08:00:00");
}

// Also with "Erase work" ticked: the history loads a test, it never erases one.
TEST_F(HistoryWindowTest, AClickOnARowOrAPointLoadsThatTest) {
    openHistoryOf("Bella");
    control<QLineEdit>("Text4")->clear();
    control<QCheckBox>("SSCheck3")->setChecked(true);
    const QRect row = table()->visualRect(table()->model()->index(1, 2));
    testing::MessageLog messages;
    click(table()->viewport(), row.center());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(control<QLineEdit>("Text4")->text(), "Bella");
    EXPECT_EQ(m_window->currentTest().testDate, "2023-09-01 10:00:00");

    auto *view = m_history->findChild<HistoryChartView *>(QStringLiteral("historyChart"));
    const QPointF latest = view->chart().points.at(1).at;
    click(view, latest.toPoint());
    EXPECT_EQ(m_window->currentTest().testDate, "2024-01-15 10:00:00");

    // Return on a row of the table, for the keyboard.
    table()->setCurrentIndex(table()->model()->index(0, 0));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(table(), &enter);
    EXPECT_EQ(m_window->currentTest().testDate, "2023-05-01 10:00:00");
}

TEST_F(HistoryWindowTest, ExportsTheTableAsCsvAndTheChartAsPngAndPdf) {
    openHistoryOf("Bella");
    ASSERT_TRUE(m_history->saveTableCsv(path("history.csv")));
    QFile file(path("history.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const testing::CsvReading csv = testing::readCsv(QString::fromUtf8(file.readAll()));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    ASSERT_EQ(csv.records.size(), 4u);
    const QStringList &header = csv.records[0];
    const QStringList &ridden = csv.records[2];
    const auto field = [&](const char *name) { return ridden.value(header.indexOf(name)); };
    EXPECT_EQ(field("Test date"), "2023-09-01T10:00:00");
    EXPECT_EQ(field("Discipline"), "Rid");
    EXPECT_EQ(field("Steps"), "3");
    EXPECT_EQ(field("V200 (m/s)"), "7.5");
    EXPECT_EQ(field("VLa2 (m/s)"), "6");
    EXPECT_EQ(field("VLa4 (m/s)"), "7");
    EXPECT_EQ(field("Hr2 (b/min)"), "170");
    EXPECT_EQ(field("Hr4 (b/min)"), "190");
    EXPECT_EQ(field("Lactate fit R²"), "1");
    EXPECT_EQ(csv.records[1].value(header.indexOf("Test date")), "2023-05-01T10:00:00");

    ASSERT_TRUE(m_history->saveChartPng(path("history.png"), QSize(800, 450)));
    EXPECT_EQ(QImage(path("history.png")).size(), QSize(800, 450));
    ASSERT_TRUE(m_history->saveChartPdf(path("history.pdf")));
    QFile pdf(path("history.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

// Tests saved without their indices get them a piece at a time before the band is computed; a
// window closed meanwhile shows nothing of the computation it gave up.
TEST_F(HistoryWindowTest, AClosedWindowTakesNoLateBand) {
    {
        ScopedDatabase file(m_window->currentDatabase().databasePath, Access::ReadWrite);
        QSqlQuery erase(file.database());
        ASSERT_TRUE(erase.exec(QStringLiteral("DELETE FROM ") + IndexTableName));
    }
    control<QLineEdit>("Text4")->setText("Bella");
    m_history = m_window->findChild<HistoryWindow *>(QStringLiteral("history"));
    m_history->setFillPiece(1);
    control<QAction>("history")->trigger();
    ASSERT_TRUE(testing::waitUntil(
        [this] { return bandText() == "Computing the clinic's reference band…"; }));
    m_history->close();
    for (int turn = 0; turn < 20; ++turn)
        QApplication::processEvents();
    EXPECT_EQ(bandText(), "Computing the clinic's reference band…");
    EXPECT_FALSE(m_history->chartView()->chart().band.has_value());

    // Opened again, the pieces run to their end and the band's count comes.
    openHistoryOf("Bella");
    EXPECT_TRUE(bandText().startsWith("No reference band: the database holds 3 tests"));
}

// With 20 tests of the discipline the band is drawn, and not with the 3 of Bella's breed; the
// window at 1366 × 768 is also pictured for a person to look at, on request.
TEST_F(HistoryWindowTest, TwentyTestsOfTheDisciplineGiveTheBand) {
    for (int i = 0; i < 17; ++i)
        store(QStringLiteral("Horse %1").arg(i), QStringLiteral("2024-03-%1 09:00:00").arg(i + 10),
              QStringLiteral("Trav"),
              QStringLiteral("1.%1 128 2.40 1.6 145 2.20 2.%1 166 2.00").arg(i % 10),
              QStringLiteral("Kallblod"));
    m_window->setGeometry(QRect(0, 0, 1366, 768));
    control<QLineEdit>("Text5")->setText("Varmblod");
    openHistoryOf("Bella");
    m_history->setGeometry(QRect(0, 0, 1366, 768));
    QApplication::processEvents();
    EXPECT_TRUE(m_history->chartView()->chart().band.has_value());
    EXPECT_EQ(bandText(), "The band shows the 10th to 90th percentile and the median of the "
                          "clinic's 20 tests of this discipline in this database.");
    const QString folder = qEnvironmentVariable("KAVREN_WINDOW_SNAPSHOT_DIR");
    if (!folder.isEmpty())
        m_history->grab().save(QDir(folder).filePath(QStringLiteral("history-window.png")));

    m_history->findChild<QCheckBox *>(QStringLiteral("historySameBreed"))->setChecked(true);
    ASSERT_TRUE(testing::waitUntil([this] { return !bandText().startsWith("Computing"); }));
    EXPECT_EQ(bandText(), "No reference band: the database holds 3 tests of this discipline and "
                          "breed with a value of VLa4, fewer than 20.");
    EXPECT_FALSE(m_history->chartView()->chart().band.has_value());
}

} // namespace
// A file's filling piece doubles below 10 ms, halves above 30 ms and keeps between them, bounds
// included, within 10…2,000 tests.
TEST(HistoryFilling, AFilesPieceFollowsTheTimeItsLastPieceTook) {
    struct Case {
        int piece;
        qint64 ms;
        int next;
    };
    for (const Case c : {Case{25, 9, 50}, Case{25, 10, 25}, Case{25, 30, 25}, Case{25, 31, 12},
                         Case{1500, 0, 2000}, Case{15, 100, 10}})
        EXPECT_EQ(nextFilePiece(c.piece, c.ms), c.next) << c.piece << " tests in " << c.ms << " ms";
}

} // namespace kavren
