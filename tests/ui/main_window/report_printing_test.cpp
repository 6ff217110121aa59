// "Print", "Print preview..." and "Save as PDF..." on the main window: the page reaches a PDF with
// its texts in page order, a cancelled print changes nothing, failures are reported, and only a
// real print ends the keeping of curves.
#include "ui/main_window/laktat.h"
#include "ui/report/report_panel.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using kavren::ReportPanel;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

// The output of a poppler tool run on a PDF; empty when the tool is missing.
QString popplerOutput(const QString &tool, const QStringList &arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportPrintingTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_report = m_window->findChild<ReportPanel *>();
        ASSERT_NE(m_report, nullptr);
    }

    const QObject *windowUnderTest() const override { return m_window.get(); }
    // A six-step riding test typed in metres per minute, then "Calculate".
    void typeSixStepTest(int speedOffset = 0) {
        control<QRadioButton>("SSOption6")->click();
        QStringList speeds;
        for (int i = 0; i < 6; ++i)
            speeds << QString::number(300 + 60 * i + speedOffset);
        typeSteps({{"1.1", "1.4", "2.0", "3.1", "4.8", "7.5"},
                   {"150", "162", "174", "186", "198", "210"},
                   speeds});
        typeIdentity({"Storm Runner", {}, {}, {}});
        m_window->recalcTick();
        control<QPushButton>("Command9")->click();
    }
    // A print dialog that chooses a PDF file on this paper.
    void answerPrintWithPdf(const QString &path, QPageSize::PageSizeId paper) {
        m_report->setPrintDialog([path, paper](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(paper));
            return true;
        });
    }
    QCheckBox *freeze() { return control<QCheckBox>("SSCheck2"); }

    ProgramFolder m_folder;
    QTemporaryDir m_output;
    std::unique_ptr<Laktat> m_window;
    ReportPanel *m_report = nullptr;
};

} // namespace

// Each input of the page comes from the control that shows it: the identity and steps from the
// entry fields, the threshold and zones from their frames, the table cell by cell.
TEST_F(ReportPrintingTest, ThePageTakesEachInputFromTheControlThatShowsIt) {
    typeSixStepTest();
    const std::pair<const char *, QString> identity[] = {{"Text5", "Arab"}, {"Text6", "7"},
                                                         {"Text7", "Mare"}, {"Text8", "North"},
                                                         {"Text60", "Kim"}, {"Text21", "200"}};
    for (const auto &[name, text] : identity)
        control(QString::fromLatin1(name))->setText(text);
    control<QPlainTextEdit>("Text56")->setPlainText(QStringLiteral("GOOD"));
    control("Text3")->setText(QStringLiteral("8"));
    control<QLabel>("Label18")->setText(QStringLiteral("2:05"));
    // Distinct texts in cells whose columns a shifted index would mix up.
    control<QLabel>("datex(1)")->setText(QStringLiteral("2026-12-07"));
    control<QLabel>("labelx(1)")->setText(QStringLiteral("v200"));
    control<QLabel>("Hr20(5)")->setText(QStringLiteral("hr20"));
    control<QLabel>("V200P(0)")->setText(QStringLiteral("-1.0"));
    control<QLabel>("H20p(4)")->setText(QStringLiteral("9.9"));

    const kavren::ReportInputs in = m_report->gatherInputs();
    EXPECT_EQ(in.name, "Storm Runner");
    EXPECT_EQ(in.breed, "Arab");
    EXPECT_EQ(in.age, "7");
    EXPECT_EQ(in.sex, "Mare");
    EXPECT_EQ(in.stable, "North");
    EXPECT_EQ(in.trainer, "Kim");
    EXPECT_EQ(in.maxHr, "200");
    EXPECT_EQ(in.comments, "GOOD");
    EXPECT_EQ(in.lactate[5], "7.5");
    EXPECT_EQ(in.hr[0], "150");
    EXPECT_EQ(in.speed[2], "420");
    EXPECT_EQ(in.speedCaption, control<QLabel>("Label3")->text());
    EXPECT_EQ(in.thresholdSpeed, control("Text3")->text());
    EXPECT_EQ(in.thresholdHr, control("Text2")->text());
    EXPECT_EQ(in.thresholdLactate, control("Text1")->text());
    EXPECT_EQ(in.thresholdPace, "2:05");
    // 200 b/min: the very light zone is floor(0.5 · 200) to floor(0.6 · 200).
    EXPECT_EQ(in.zones[0].trimmed(), "100-120");
    EXPECT_EQ(in.zones[4], control<QLabel>("Label64(4)")->text());
    EXPECT_EQ(in.table.values[0][1], "2026-12-07");
    EXPECT_EQ(in.table.values[1][1], "v200");
    EXPECT_EQ(in.table.values[8][5], "hr20");
    EXPECT_EQ(in.table.changes[0][0], "-1.0");
    EXPECT_EQ(in.table.changes[7][4], "9.9");
}

TEST_F(ReportPrintingTest, SavedPdfHoldsThePageTextsFromTopToBottom) {
    typeSixStepTest();
    const QString v200 = control<QLabel>("labelx(0)")->text();
    ASSERT_FALSE(v200.isEmpty());
    const QString path = m_output.filePath("report.pdf");
    ASSERT_TRUE(m_window->saveReportPdf(path));

    const QString text = popplerOutput("pdftotext", {"-layout", path, "-"});
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const qsizetype name = text.indexOf("Storm");
    const qsizetype fixed = text.indexOf("Fixed thresholds");
    const qsizetype value = text.indexOf(v200, fixed);
    const qsizetype input = text.indexOf("Input data");
    const qsizetype lastStep = text.indexOf("7.5", input);
    const qsizetype axisTitle = text.indexOf("Speed(meter/minute)");
    EXPECT_GE(name, 0);
    EXPECT_LT(name, fixed);
    EXPECT_LT(fixed, value);
    EXPECT_LT(value, input);
    EXPECT_LT(input, lastStep);
    EXPECT_LT(lastStep, axisTitle);
    EXPECT_TRUE(text.contains("Optional threshold"));
    EXPECT_TRUE(text.contains("Very light"));
}

TEST_F(ReportPrintingTest, PrintOnA4AndLetterFillsEitherPage) {
    typeSixStepTest();
    for (const auto paper : {QPageSize::A4, QPageSize::Letter}) {
        const QString path = m_output.filePath(paper == QPageSize::A4 ? "a4.pdf" : "letter.pdf");
        answerPrintWithPdf(path, paper);
        control<QPushButton>("Command10")->click();
        ASSERT_TRUE(QFile::exists(path));
        const QString info = popplerOutput("pdfinfo", {path});
        if (info.isEmpty())
            GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
        EXPECT_TRUE(info.contains(paper == QPageSize::A4 ? "(A4)" : "(letter)"))
            << info.toStdString();
        const QString text = popplerOutput("pdftotext", {"-layout", path, "-"});
        EXPECT_LT(text.indexOf("Name"), text.indexOf("Fixed thresholds"));
        EXPECT_LT(text.indexOf("Max hr"), text.indexOf("Speed(meter/minute)"));
    }
}

TEST_F(ReportPrintingTest, CancelledPrintChangesNothing) {
    freeze()->click();
    typeSixStepTest();
    m_report->setPrintDialog([](QPrinter &) { return false; });
    MessageLog messages;
    control<QPushButton>("Command10")->click();
    EXPECT_TRUE(freeze()->isChecked());
    EXPECT_EQ(m_window->currentTest().curveSlot, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ReportPrintingTest, PrintedPageEndsTheKeepingOfCurves) {
    freeze()->click();
    typeSixStepTest();
    typeSixStepTest(20);
    ASSERT_EQ(m_window->currentTest().curveSlot, 2);
    const QString path = m_output.filePath("printed.pdf");
    answerPrintWithPdf(path, QPageSize::A4);
    control<QPushButton>("Command10")->click();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(freeze()->isChecked());
    EXPECT_EQ(m_window->currentTest().curveSlot, 0);
    EXPECT_EQ(m_window->currentTest().comparedCount, 0);
}

TEST_F(ReportPrintingTest, PdfAndPreviewKeepTheCurvesKept) {
    freeze()->click();
    typeSixStepTest();
    ASSERT_TRUE(m_window->saveReportPdf(m_output.filePath("kept.pdf")));
    EXPECT_TRUE(freeze()->isChecked());

    // The preview shows exactly one page, then is closed.
    int pages = -1;
    QTimer closer;
    closer.setInterval(50);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
            pages = view->pageCount();
        dialog->reject();
    });
    closer.start();
    m_window->findChild<QAction *>("preview")->trigger();
    closer.stop();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(freeze()->isChecked());
    EXPECT_EQ(m_window->currentTest().curveSlot, 1);
}

TEST_F(ReportPrintingTest, FailuresAreReportedAndChangeNothing) {
    freeze()->click();
    typeSixStepTest();
    MessageLog messages;
    const QString unwritable = m_output.filePath("no such folder/report.pdf");
    EXPECT_FALSE(m_window->saveReportPdf(unwritable));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().front().contains("report.pdf"))
        << messages.texts().front().toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));

    // A printer that is not there: a message, and the curves stay kept.
    m_report->setPrintDialog([](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("Kavren printer that does not exist"));
        return true;
    });
    control<QPushButton>("Command10")->click();
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts().back().contains("printer"))
        << messages.texts().back().toStdString();
    EXPECT_TRUE(freeze()->isChecked());
    EXPECT_EQ(m_window->currentTest().curveSlot, 1);
}

TEST_F(ReportPrintingTest, SaveAsPdfSuggestsNameAndDateInTheLastFolder) {
    typeSixStepTest();
    m_report->setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); });
    QString suggested;
    const QString chosen = m_output.filePath("chosen.pdf");
    m_report->setPdfFileDialog([&](const QString &offer) {
        suggested = offer;
        return chosen;
    });
    m_window->findChild<QAction *>("pdfReport")->trigger();
    EXPECT_TRUE(suggested.endsWith("/Storm Runner 2026-12-07.pdf")) << suggested.toStdString();
    EXPECT_TRUE(QFile::exists(chosen));
    // The next offer is in the folder just used; Cancel writes nothing.
    m_report->setPdfFileDialog([&](const QString &offer) {
        suggested = offer;
        return QString();
    });
    m_window->findChild<QAction *>("pdfReport")->trigger();
    EXPECT_EQ(suggested, m_output.filePath("Storm Runner 2026-12-07.pdf"));
}

TEST(SuggestedPdfName, KeepsTheNameAndDateAndNothingAFileNameCannotHold) {
    EXPECT_EQ(kavren::suggestedPdfName("Storm Runner", "2026-12-07"),
              "Storm Runner 2026-12-07.pdf");
    EXPECT_EQ(kavren::suggestedPdfName("A/B:C", "07/12/2026"), "A-B-C 07-12-2026.pdf");
    EXPECT_EQ(kavren::suggestedPdfName("  ", "2026-12-07"), "Report 2026-12-07.pdf");
    EXPECT_EQ(kavren::suggestedPdfName("..", "2026-12-07"), "-. 2026-12-07.pdf");
}

// The pages a person checks by eye: a six-step test with a threshold, and a three-curve
// comparison. They are written into KAVREN_REPORT_SAMPLES when that names a folder.
TEST_F(ReportPrintingTest, SixStepTestAndThreeCurveComparisonPages) {
    const QString samples = qEnvironmentVariable("KAVREN_REPORT_SAMPLES");
    const QDir folder(samples.isEmpty() ? m_output.path() : samples);
    control("Text5")->setText(QStringLiteral("Standardbred"));
    control("Text6")->setText(QStringLiteral("6"));
    control("Text7")->setText(QStringLiteral("Gelding"));
    control("Text8")->setText(QStringLiteral("Kavren Stables"));
    control("Text60")->setText(QStringLiteral("A. Trainer"));
    control("Text21")->setText(QStringLiteral("225"));
    control<QPlainTextEdit>("Text56")->setPlainText(
        QStringLiteral("TREADMILL TEST\nGOOD RECOVERY"));
    typeSixStepTest();
    control("Text3")->setText(QStringLiteral("7.5"));
    const QString single = folder.filePath("six-step-test.pdf");
    ASSERT_TRUE(m_window->saveReportPdf(single));

    freeze()->click();
    for (const int offset : {0, 15, 30})
        typeSixStepTest(offset);
    // The per-cent changes a loaded comparison shows (typed tests get none).
    const QStringList changes = {"2.7", "3.6", "0", "0"};
    const char *columns[] = {"V200P", "Vla2P", "Vla4P", "Hr2P"};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 2; ++r)
            control<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(columns[c])).arg(r))
                ->setText(QString::number(changes[c].toDouble() * (r + 1)));
    const QString comparison = folder.filePath("three-curve-comparison.pdf");
    ASSERT_TRUE(m_window->saveReportPdf(comparison));
    const QString text = popplerOutput("pdftotext", {"-layout", comparison, "-"});
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_TRUE(text.contains("Fixed thresholds"));
}
