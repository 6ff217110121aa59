// "Export to CSV..." on the main window: the tests of the result list and the comparison table go
// into the chosen file; cancelling in the progress dialog leaves no file.
#include "ui/main_window/laktat.h"
#include "ui/comparison/csv_export_dialog.h"
#include "support/csv_reader.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

namespace kavren {
namespace {

class ExportWindow : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
        m_export = m_window->findChild<CsvExportDialog *>(QStringLiteral("csvExport"));
        ASSERT_NE(m_export, nullptr);
        m_export->setFileChooser([this](QWidget *) { return target(); });
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString target() const { return m_folder.filePath(QStringLiteral("horses.csv")); }

    // Saves one test of Bella, finds it and loads it into the comparison table.
    void saveFindAndLoad() {
        control<QRadioButton>("SSOption6")->click();
        typeIdentity({"Bella", "Trotter", "5", "Mare"});
        typeSteps(
            {{"1", "2", "3", "4"}, {"150", "165", "180", "195"}, {"300", "360", "420", "480"}});
        control<QPlainTextEdit>("Text56")->setPlainText(
            QStringLiteral("=cmd, \"quoted\"\nsecond line"));
        m_window->recalcTick();
        control<QPushButton>("Command6")->click();
        auto *results = listTestsOf("Bella");
        ASSERT_EQ(results->model()->rowCount(), 1);
        clickListed(results, 0);
    }
    void triggerExport() { control<QAction>("exportCsv")->trigger(); }

    testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
    CsvExportDialog *m_export = nullptr;
};

TEST_F(ExportWindow, WritesTheListedTestsAndTheComparisonTableEachAsItsOwnFile) {
    saveFindAndLoad();
    const auto records = [this] {
        QFile file(target());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const testing::CsvReading csv = testing::readCsv(QString::fromUtf8(file.readAll()));
        EXPECT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
        return csv.records;
    };
    triggerExport();
    const auto tests = records();
    ASSERT_EQ(tests.size(), 2u); // the header and Bella
    const QStringList &header = tests[0];
    const QStringList &bella = tests[1];
    EXPECT_EQ(bella.value(header.indexOf(QStringLiteral("Name"))), "Bella");
    EXPECT_EQ(bella.value(header.indexOf(QStringLiteral("Speed 4 (m/s)"))), "8");
    EXPECT_TRUE(
        bella.value(header.indexOf(QStringLiteral("Comments"))).startsWith("'=cmd, \"quoted\""));
    EXPECT_EQ(m_window->statusBar()->currentMessage(), "Exported 1 test to horses.csv");

    control<QAction>("exportComparisonCsv")->trigger();
    const auto table = records();
    ASSERT_EQ(table.size(), 2u); // the header and the one row
    EXPECT_EQ(table[0].value(1), "V200");
    // The date in ISO 8601: the day as the table shows it, a "T" before the time.
    const QString shown = control<QLabel>("datex(0)")->text();
    EXPECT_EQ(table[1].value(0), QString(shown).replace(u' ', u'T'));
    EXPECT_EQ(table[1].value(1), control<QLabel>("labelx(0)")->text());
    EXPECT_EQ(m_window->statusBar()->currentMessage(),
              "Exported the comparison table to horses.csv");
}

TEST_F(ExportWindow, CancelInTheProgressDialogLeavesNoFile) {
    saveFindAndLoad();
    QObject::connect(m_export, &CsvExportDialog::progressShown, m_export,
                     [](QProgressDialog *progress) { progress->cancel(); });
    triggerExport();
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_EQ(m_window->statusBar()->currentMessage(),
              "Export cancelled: nothing was written to horses.csv");
}

} // namespace
} // namespace kavren
