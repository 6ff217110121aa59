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

TEST_F(ExportWindow, WritesTheListedTestsAndTheComparisonTable) {
    saveFindAndLoad();
    triggerExport();
    QFile file(target());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const testing::CsvReading csv = testing::readCsv(QString::fromUtf8(file.readAll()));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    ASSERT_EQ(csv.records.size(), 5u); // header, Bella, empty record, table header, one row
    const QStringList &header = csv.records[0];
    const QStringList &bella = csv.records[1];
    EXPECT_EQ(bella.value(header.indexOf(QStringLiteral("Namn"))), "Bella");
    EXPECT_EQ(bella.value(header.indexOf(QStringLiteral("Speed4"))), "8");
    EXPECT_TRUE(
        bella.value(header.indexOf(QStringLiteral("Kommentarer"))).startsWith("'=cmd, \"quoted\""));
    EXPECT_EQ(csv.records[3].value(1), "V200");
    EXPECT_EQ(csv.records[4].value(0), control<QLabel>("datex(0)")->text());
    EXPECT_EQ(csv.records[4].value(1), control<QLabel>("labelx(0)")->text());
    EXPECT_EQ(m_window->statusBar()->currentMessage(),
              "Exported 1 test and the comparison table to horses.csv");
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
