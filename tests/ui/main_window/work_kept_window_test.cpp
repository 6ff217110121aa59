// A user's test is never lost or mislabelled by the window: incomplete steps are not written
// silently, the comparison row shows only this test's values and date, and leaving with unsaved
// work asks first.
#include "ui/main_window/laktat.h"
#include "ui/common/message_dialog.h"
#include "io/database/saving.h"
#include "io/database/search.h"
#include "ui/report/report_panel.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using kavren::MessageAnswers;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

// Lactate, heart rate and min/km pace of four steps.
const char *const FourSteps[4][3] = {
    {"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"2.4", "166", "2"}, {"4.1", "183", "1.50"}};
const QString LoadedMoment = QStringLiteral("2020-01-02 03:04:05");
const QString CloseQuestion =
    QStringLiteral("The test on screen has not been saved. Save it before closing?");

class WorkKeptTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override { restart(); }
    void restart() {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString databasePath() const { return m_folder.filePath(QStringLiteral("Start.mdb")); }
    QString status() const { return m_window->statusBar()->currentMessage(); }

    // Bella's identity and the four steps; a step of rows lists the texts that replace its own,
    // "-" leaving a field empty.
    void typeBella(const std::vector<std::array<const char *, 3>> &changes = {}) {
        control<QRadioButton>("SSOption5")->click();
        typeIdentity({"Bella", "Trotter", "5", "Mare"});
        kavren::testing::TypedSteps steps;
        for (int i = 0; i < 4; ++i) {
            const char *const *step =
                std::size_t(i) < changes.size() ? changes[std::size_t(i)].data() : FourSteps[i];
            auto text = [](const char *t) {
                return qstrcmp(t, "-") == 0 ? QString() : QString::fromLatin1(t);
            };
            steps.lactates << text(step[0]);
            steps.heartRates << text(step[1]);
            steps.speeds << text(step[2]);
        }
        typeSteps(steps);
        m_window->recalcTick();
    }
    QStringList storedData() const {
        QStringList data;
        for (const kavren::TestRow &row :
             kavren::searchTests(databasePath(), QStringLiteral("Namn"), QStringLiteral("Bella"))
                 .rows)
            data << row.stepData;
        return data;
    }
    // Bella stored with her four steps (or this Data) at LoadedMoment, then loaded as a user does.
    void loadStoredBella(const QString &stepData = {}) {
        kavren::TestToSave test;
        test.name = QStringLiteral("Bella");
        test.breed = test.age = test.sex = QStringLiteral("x");
        test.discipline = QStringLiteral("Trav");
        for (std::size_t i = 0; i < 4; ++i) {
            test.steps[i].lactate = QString::fromLatin1(FourSteps[i][0]);
            test.steps[i].hr = QString::fromLatin1(FourSteps[i][1]);
            test.steps[i].speedText = QString::fromLatin1(FourSteps[i][2]);
        }
        test.stepCount = 4;
        kavren::StoredRow row =
            kavren::buildRow(test, QDateTime::fromString(LoadedMoment, Qt::ISODate));
        if (!stepData.isEmpty())
            row.stepData = stepData;
        ASSERT_EQ(kavren::appendRow(databasePath(), row), std::nullopt);
        control<QPushButton>("SSCOmmand15")->click(); // lists the names again
        clickListed(listTestsOf(QStringLiteral("Bella")), 0);
        ASSERT_EQ(control<QLabel>("datex(0)")->text(), LoadedMoment);
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

// Steps the row could not hold are named and nothing is written; a step without heart rate or
// speed is a question whose No writes nothing. The screen stays as typed, and "Test saved" comes
// only for a row that holds every typed step.
TEST_F(WorkKeptTest, IncompleteStepsAreNeverWrittenSilently) {
    struct Case {
        const char *what;
        std::vector<std::array<const char *, 3>> changes;
        std::optional<QMessageBox::StandardButton> answer;
        QString message;
        QString stored; // empty: nothing written
    };
    const Case cases[] = {
        {"gap",
         {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"-", "-", "-"}},
         {},
         "Step 4 comes after the empty step 3. Fill step 3 or empty step 4 before saving.",
         {}},
        {"two steps",
         {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"-", "-", "-"}, {"-", "-", "-"}},
         {},
         "Step 2 is the last step typed: a test needs at least three steps. Type the missing "
         "steps before saving.",
         {}},
        {"letters",
         {{"1.2", "128", "2.40"}, {"1.5", "14x", "2.20"}},
         {},
         "Step 2: \"14x\" is not a number. Correct it before saving.",
         {}},
        {"no heart rate, No",
         {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"2.4", "-", "2"}},
         QMessageBox::No,
         "Step 3 has no heart rate. Save anyway?",
         {}},
        {"no speed, Yes",
         {{"1.2", "128", "2.40"}, {"1.5", "145", "-"}},
         QMessageBox::Yes,
         "Step 2 has no speed. Save anyway?",
         "1.2 128 2.40 1.5 145  2.4 166 2 4.1 183 1.50"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(databasePath());
        restart();
        typeBella(c.changes);
        MessageLog messages;
        if (c.answer)
            MessageAnswers::setNextAnswer(*c.answer);
        control<QPushButton>("Command6")->click();
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_EQ(storedData(), c.stored.isEmpty() ? QStringList() : QStringList{c.stored});
        EXPECT_EQ(status().startsWith("Test saved"), !c.stored.isEmpty()) << status().toStdString();
        if (c.stored.isEmpty()) {
            EXPECT_EQ(control("Text4")->text(), "Bella");
            EXPECT_EQ(control("temp1")->text(), "2.40");
        }
    }
}

// After a four-step test filled the row, a test that cannot produce a value leaves its cell empty
// and the status bar says why.
TEST_F(WorkKeptTest, IndexCellsShowOnlyThisTestsValues) {
    struct Case {
        const char *what;
        std::vector<std::array<const char *, 3>> changes;
        std::vector<bool> shown; // V200, VLa2, VLa4, Hr2, Hr4
        QString status;
    };
    const Case cases[] = {
        {"two steps",
         {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"-", "-", "-"}, {"-", "-", "-"}},
         {false, false, false, false, false},
         "No indices: the test has fewer than three steps"},
        {"heart-rate only",
         {{"0", "128", "2.40"}},
         {true, false, false, false, false},
         "Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4"},
        {"heart rate falling",
         {{"1.2", "183", "2.40"},
          {"1.5", "166", "2.20"},
          {"2.4", "145", "2"},
          {"4.1", "128", "1.50"}},
         {false, true, true, true, true},
         "No V200: the heart rate does not rise with speed"},
        {"lactate of 0",
         {{"1.2", "128", "2.40"}, {"0", "145", "2.20"}},
         {true, false, false, false, false},
         QStringLiteral("The lactate curve was not fitted: every lactate must be above 0 \u2014 "
                        "no VLa2, VLa4, Hr2 or Hr4")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        typeBella();
        control<QPushButton>("Command9")->click();
        ASSERT_EQ(comparisonRow(0).count(QString()), 0);
        typeBella(c.changes);
        control<QPushButton>("Command9")->click();
        std::vector<bool> shown;
        for (const QString &cell : comparisonRow(0))
            shown.push_back(!cell.isEmpty() && !cell.startsWith(u'-'));
        EXPECT_EQ(shown, c.shown) << comparisonRow(0).join('|').toStdString();
        EXPECT_EQ(status(), c.status);
    }
}

// A loaded test of two steps after a calculated one shows none of the earlier test's indices.
TEST_F(WorkKeptTest, ALoadedTestWithoutUsableStepsShowsNoIndices) {
    typeBella();
    control<QPushButton>("Command9")->click();
    ASSERT_FALSE(comparisonRow(0)[0].isEmpty());
    loadStoredBella(QStringLiteral("1.2 128 2.40 1.5 145 2.20"));
    EXPECT_EQ(comparisonRow(0), QStringList(5, QString()));
    EXPECT_EQ(status(), "No indices: the test has fewer than three steps");
}

// A new test typed after "Clear screen" is dated by its calculation, on screen and on the printed
// report, never by the test loaded before it.
TEST_F(WorkKeptTest, ANewTestAfterClearScreenHasItsOwnDate) {
    loadStoredBella();
    control<QPushButton>("SSCOmmand15")->click();
    typeBella();
    control<QPushButton>("Command9")->click();
    const QString date = control<QLabel>("datex(0)")->text();
    EXPECT_NE(date, LoadedMoment);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(date)
                    .hasMatch())
        << date.toStdString();
    EXPECT_EQ(m_window->currentTest().testDate, "");
    auto *report = m_window->findChild<kavren::ReportPanel *>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->gatherInputs().table.values[0][0], date);
}

// "Exit" and the close button ask about a typed test that is not saved: Cancel keeps the window,
// Discard closes, "Save work" closes once the test is stored. A loaded test, an empty screen and
// the system's request to end close without a question.
TEST_F(WorkKeptTest, LeavingWithUnsavedWorkAsksFirst) {
    enum class Screen { Typed, TwoSteps, Loaded, Empty };
    struct Case {
        const char *what;
        Screen screen;
        std::optional<QMessageBox::StandardButton> answer; // empty: no question
        bool bySystem;
        bool closed;
        int rows;
    };
    const Case cases[] = {
        {"cancel", Screen::Typed, QMessageBox::Cancel, false, false, 0},
        {"discard", Screen::Typed, QMessageBox::Discard, false, true, 0},
        {"save", Screen::Typed, QMessageBox::Save, false, true, 1},
        {"save refused", Screen::TwoSteps, QMessageBox::Save, false, false, 0},
        {"loaded", Screen::Loaded, {}, false, true, 1},
        {"empty", Screen::Empty, {}, false, true, 0},
        {"end signal", Screen::Typed, {}, true, true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(databasePath());
        restart();
        if (c.screen == Screen::Loaded)
            loadStoredBella();
        else if (c.screen == Screen::Typed)
            typeBella();
        else if (c.screen == Screen::TwoSteps)
            typeBella(
                {{"1.2", "128", "2.40"}, {"1.5", "145", "2.20"}, {"-", "-", "-"}, {"-", "-", "-"}});
        m_window->show();
        MessageLog messages;
        if (c.answer)
            MessageAnswers::setNextAnswer(*c.answer);
        if (c.bySystem)
            m_window->closeWithoutAsking();
        else
            control<QPushButton>("SSCommand6")->click();
        EXPECT_EQ(messages.texts().value(0), c.answer ? CloseQuestion : QString());
        EXPECT_EQ(m_window->isVisible(), !c.closed);
        EXPECT_EQ(storedData().size(), c.rows);
    }
}
