// The import through the windows: menu "Import", a click on a written file in the Polar window,
// "Extract Polardata" or "Close", and what the main window shows afterwards.
#include "ui/main_window/laktat.h"

#include "support/hrm_text.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using kavren::testing::findControl;
using kavren::testing::HrmText;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::threeStepRecording;
using kavren::testing::waitUntil;

namespace {

class ImportWindowTest : public kavren::testing::WindowFixture {
protected:
    const QObject *windowUnderTest() const override { return m_window.get(); }
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_program.path());
        m_window->setLoadSettleTime(0);
    }

    void write(const QString &name, const QByteArray &contents) {
        QFile file(m_files.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QWidget *openImport() {
        control<QAction>("Export")->trigger();
        QWidget *polar = control<QWidget>("Polar");
        findControl<QWidget>(polar, "Dir1")->setProperty("path", m_files.path());
        return polar;
    }
    void clickFile(QWidget *polar, const QString &name) {
        auto *files = findControl<QListWidget>(polar, "File1");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        emit files->itemClicked(found[0]);
    }
    // The sample table's row as its cells joined by tabs, or its column headings for row -1.
    static QString sampleRow(QWidget *polar, int row) {
        const QAbstractItemModel *model = findControl<QTableView>(polar, "List1")->model();
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << (row < 0 ? model->headerData(column, Qt::Horizontal).toString()
                              : model->index(row, column).data().toString());
        return cells.join(u'\t');
    }
    static int sampleRows(QWidget *polar) {
        return findControl<QTableView>(polar, "List1")->model()->rowCount();
    }
    QString text(const char *name) {
        if (auto *label = m_window->findChild<QLabel *>(name))
            return label->text();
        auto *field = m_window->findChild<QLineEdit *>(name);
        return field ? field->text() : QStringLiteral("<missing>");
    }

    ProgramFolder m_program;
    QTemporaryDir m_files;
    std::unique_ptr<Laktat> m_window;
};

TEST_F(ImportWindowTest, ExtractTakesTheStepsOverAndCalculates) {
    write("TEST01.hrm", threeStepRecording().build("\r\n"));
    QWidget *polar = openImport();
    EXPECT_TRUE(polar->isVisible());
    EXPECT_EQ(polar->windowTitle(), "Polar");
    clickFile(polar, "TEST01.hrm");

    ASSERT_EQ(sampleRows(polar), 38);
    EXPECT_EQ(sampleRow(polar, 37), "00:03:05\t150\t200\t20\t");
    EXPECT_EQ(findControl<QLineEdit>(polar, "Text1(3)")->text(), "00:02:00");
    EXPECT_EQ(findControl<QLabel>(polar, "Label4")->text(), "5");

    findControl<QPushButton>(polar, "Command1")->click();
    EXPECT_FALSE(polar->isVisible());
    EXPECT_EQ(text("lakt1"), "1");
    EXPECT_EQ(text("lakt3"), "4");
    EXPECT_EQ(text("puls2"), "180");
    EXPECT_EQ(text("temp1"), "2.05"); // 125 s per km
    EXPECT_EQ(text("temp2"), "1.4");
    EXPECT_EQ(text("temp3"), "1.2");
    EXPECT_EQ(text("Text21"), "205");
    EXPECT_EQ(text("Text57"), "32");
    EXPECT_EQ(text("datex(0)"), "2026-03-15  09:05:07");
    EXPECT_EQ(text("labelx(0)"), "1:25");
    EXPECT_EQ(m_window->currentTest().recordingDate, "2026-03-15");
    EXPECT_EQ(control<QPlainTextEdit>("Text56")->toPlainText(),
              QStringLiteral("Sprang p\u00E5 glansis"));
    EXPECT_EQ(m_window->importFolder(), QDir::cleanPath(m_files.path()));
}

// With the wait users have (twice 0.6 s), the steps are on screen at once and the calculation
// follows; Clear screen during the wait leaves the screen empty and nothing is calculated later.
TEST_F(ImportWindowTest, TakenOverStepsSettleBeforeTheyCalculateAndClearScreenDropsThat) {
    m_window->setLoadSettleTime(600);
    write("TEST01.hrm", threeStepRecording().build("\r\n"));
    for (const bool clearDuringWait : {false, true}) {
        QWidget *polar = openImport();
        clickFile(polar, "TEST01.hrm");
        findControl<QPushButton>(polar, "Command1")->click();
        EXPECT_EQ(text("puls2"), "180");
        EXPECT_TRUE(m_window->importSettling());
        EXPECT_EQ(text("labelx(0)"), ""); // V200 waits for the calculation
        if (!clearDuringWait) {
            ASSERT_TRUE(waitUntil([this] { return !m_window->importSettling(); }));
            EXPECT_EQ(text("labelx(0)"), "1:25");
            continue;
        }
        control<QPushButton>("SSCOmmand15")->click();
        EXPECT_FALSE(m_window->importSettling());
        // A wait as long as the settle, started after the clear: a calculation still pending
        // would have run before it ends.
        bool ended = false;
        QTimer::singleShot(1200, m_window.get(), [&ended] { ended = true; });
        ASSERT_TRUE(waitUntil([&ended] { return ended; }));
        EXPECT_EQ(text("puls2"), "");
        EXPECT_EQ(text("labelx(0)"), "");
    }
}

TEST_F(ImportWindowTest, FileWithoutLapsShowsTheHeartRateLineOfAllSamples) {
    HrmText file;
    // hr = 60 + 12·v exactly at 8, 10 and 12.5 m/s: V200 1:25 as above. The first 2001 samples
    // share one speed, so the line needs the samples after them.
    for (int i = 0; i < 2400; ++i)
        file.sampleLines << (i < 2001 ? QByteArray("156\t288")
                             : i % 2  ? QByteArray("180\t360")
                                      : QByteArray("210\t450"));
    write("long.hrm", file.build());
    MessageLog messages;
    QWidget *polar = openImport();
    clickFile(polar, "long.hrm");
    EXPECT_EQ(messages.texts(), QStringList{"No Time Events is set !"});
    EXPECT_EQ(sampleRows(polar), 2400); // more than 2001: every one kept

    findControl<QPushButton>(polar, "Command1")->click();
    EXPECT_EQ(text("labelx(0)"), "1:25");
    EXPECT_EQ(m_window->currentTest().stepCount, 3);
    EXPECT_EQ(text("Text21"), "205");
}

TEST_F(ImportWindowTest, FileWithoutSpeedSaysSoAndLeavesThePacesEmpty) {
    HrmText file = threeStepRecording();
    file.params.replace("SMode=111000100", "SMode=001000100");
    write("alt.hrm", file.build());
    QWidget *polar = openImport();
    clickFile(polar, "alt.hrm");
    EXPECT_TRUE(findControl<QLabel>(polar, "Label5")->text().contains("no speed"));
    findControl<QPushButton>(polar, "Command1")->click();
    EXPECT_EQ(text("lakt2"), "2");
    EXPECT_EQ(text("puls3"), "210");
    EXPECT_EQ(text("temp1"), "");
    EXPECT_EQ(text("temp3"), "");
}

TEST_F(ImportWindowTest, CloseTakesNothingOverAndKeepsTheWindow) {
    write("TEST01.hrm", threeStepRecording().build());
    QWidget *polar = openImport();
    clickFile(polar, "TEST01.hrm");
    findControl<QPushButton>(polar, "Command2")->click();
    EXPECT_FALSE(polar->isVisible());
    EXPECT_EQ(text("puls1"), "");
    EXPECT_EQ(text("Text21"), "");
    EXPECT_EQ(openImport(), polar);
    EXPECT_EQ(sampleRows(polar), 0);
}

TEST_F(ImportWindowTest, RefusedFilesAreNamedInTheMessage) {
    HrmText beats;
    beats.params.replace("Interval=5", "Interval=238");
    beats.sampleLines = {"812", "790"};
    write("rr.hrm", beats.build());
    write("cut.hrm", "[Params]\nVersion=106\n");
    MessageLog messages;
    QWidget *polar = openImport();
    clickFile(polar, "rr.hrm");
    clickFile(polar, "cut.hrm");
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts()[0].contains("rr.hrm") &&
                messages.texts()[0].contains("beat-to-beat"))
        << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[1].contains("cut.hrm") && messages.texts()[1].contains("[HRData]"))
        << messages.texts()[1].toStdString();
    EXPECT_EQ(sampleRows(polar), 0);
}

// A day's recordings side by side: the clicked one is read, not the day's first or second.
TEST_F(ImportWindowTest, TheClickedFileOfADayIsRead) {
    for (const auto &[number, interval] : {std::pair{"01", "1"}, {"02", "2"}, {"03", "15"}}) {
        HrmText file = threeStepRecording();
        file.params.replace("Interval=5", QByteArray("Interval=") + interval);
        write(QStringLiteral("100925%1.hrm").arg(QLatin1String(number)), file.build());
    }
    QWidget *polar = openImport();
    clickFile(polar, "10092503.hrm");
    EXPECT_EQ(findControl<QLabel>(polar, "Label4")->text(), "15");
    EXPECT_EQ(sampleRow(polar, 1).left(8), "00:00:15");
    clickFile(polar, "10092502.hrm");
    EXPECT_EQ(findControl<QLabel>(polar, "Label4")->text(), "2");
}

// One lap at the end of each step, paired by typed times; two steps say why nothing is filled.
TEST_F(ImportWindowTest, TypedLapPairsGiveTheStepsAndTwoStepsAreNamed) {
    HrmText file = threeStepRecording();
    file.lapLines.clear();
    file.lap("00:01:00.0", 131).lap("00:02:00.0", 134).lap("00:03:00.0", 130);
    write("one_lap_per_step.hrm", file.build());
    const char *typed[] = {"00:00:30", "00:01:00", "00:01:30", "00:02:00", "00:02:30", "00:03:00"};
    for (const int pairs : {3, 2}) {
        MessageLog messages;
        QWidget *polar = openImport();
        clickFile(polar, "one_lap_per_step.hrm");
        for (int i = 0; i < 6; ++i)
            findControl<QLineEdit>(polar, QStringLiteral("Text1(%1)").arg(i).toLatin1())
                ->setText(i < 2 * pairs ? typed[i] : "");
        findControl<QPushButton>(polar, "Command1")->click();
        EXPECT_EQ(text("Text21"), "205");
        if (pairs == 3) {
            EXPECT_TRUE(messages.texts().isEmpty());
            EXPECT_EQ(text("puls1"), "131");
            EXPECT_EQ(text("puls3"), "130");
            EXPECT_EQ(text("temp2"), "1.4");
            continue;
        }
        EXPECT_EQ(text("puls1"), "");
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].startsWith("2 steps were found") &&
                    messages.texts()[0].contains("three to six"))
            << messages.texts()[0].toStdString();
    }
}

// Closing without taking anything over shows the step grid as it was; the wake-up field of the
// main window is never shown.
TEST_F(ImportWindowTest, CloseRestoresTheDisplayItFound) {
    m_window->show();
    QLineEdit *lactate = control<QLineEdit>("lakt1");
    ASSERT_TRUE(lactate->isVisible());
    QWidget *polar = openImport();
    EXPECT_FALSE(findControl<QLineEdit>(polar, "Text2")->isVisible());
    EXPECT_FALSE(lactate->isVisible());
    findControl<QPushButton>(polar, "Command2")->click();
    EXPECT_TRUE(lactate->isVisible());
    EXPECT_FALSE(m_window->currentTest().importedFromFile);
}

// The columns are named from the file's flags, the time first.
TEST_F(ImportWindowTest, SampleColumnsAreHeadedAsTheFileSays) {
    HrmText file = threeStepRecording();
    file.params.replace("SMode=111000100", "SMode=01110001");
    file.sampleLines = {"150\t88\t310\t240"};
    write("cadence.hrm", file.build());
    QWidget *polar = openImport();
    clickFile(polar, "cadence.hrm");
    EXPECT_EQ(sampleRow(polar, -1), "Time\tPulse\nb/min\tCadence\nrpm\tAltitude\nft\tPower\nW");
    EXPECT_EQ(sampleRow(polar, 0), "00:00:00\t150\t88\t310\t240");
}

} // namespace
