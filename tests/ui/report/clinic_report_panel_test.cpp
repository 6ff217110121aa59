// The clinic's details kept in the data folder and the clinic report saved as PDF with its title
// and author.
#include "ui/report/clinic_details_page.h"
#include "ui/report/report_panel.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

ReportInputs sixStepTest() {
    ReportInputs in;
    in.name = QStringLiteral("Storm Runner");
    in.speedCaption = QStringLiteral("Speed (met/min)");
    in.curveSlot = 1;
    FrozenCurve &curve = in.curves.curves[1];
    curve.stepCount = 6;
    for (std::size_t i = 0; i < StepRows; ++i) {
        in.lactate[i] = QString::number(1 + 1.2 * double(i));
        in.hr[i] = QString::number(150 + 12 * int(i));
        in.speed[i] = QString::number(300 + 60 * int(i));
        curve.x[i] = float(5 + i);
        curve.lactate[i] = float(1 + 1.2 * double(i));
        curve.hr[i] = std::int16_t(150 + 12 * int(i));
    }
    curve.firstX = 5;
    curve.lastX = 10;
    curve.fit = {-2.6f, 0.5f, 90, 12};
    in.table.values[0][0] = QStringLiteral("2026-11-30 09:15:00");
    return in;
}

} // namespace

TEST(ClinicReportPanel, DetailsAreKeptInTheDataFolderAndTheReportCarriesThem) {
    QTemporaryDir data;
    const QString logoSource = data.filePath(QStringLiteral("from elsewhere.png"));
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    ASSERT_TRUE(logo.save(logoSource));
    {
        ClinicDetailsPage page(data.path());
        page.findChild<QLineEdit *>(QStringLiteral("clinicName"))
            ->setText(QStringLiteral("Nordic Equine Clinic"));
        page.findChild<QPlainTextEdit *>(QStringLiteral("clinicAddress"))
            ->setPlainText(QStringLiteral("Stallvägen 12\n831 40 Östersund"));
        EXPECT_FALSE(page.chooseLogo(data.filePath(QStringLiteral("missing.png"))));
        ASSERT_TRUE(page.chooseLogo(logoSource));
        ASSERT_TRUE(page.save());
    }
    ASSERT_TRUE(QFile::remove(logoSource)); // the report keeps its own copy
    const ClinicDetails details = readClinicDetails(data.path());
    EXPECT_EQ(details.name, "Nordic Equine Clinic");
    EXPECT_EQ(details.address, "Stallvägen 12\n831 40 Östersund");
    EXPECT_EQ(details.logo.size(), QSize(400, 100));

    ReportPanel::Sources sources;
    sources.inputs = sixStepTest;
    sources.testDate = [] { return QStringLiteral("2026-11-30 09:15:00"); };
    sources.keepScale = [](const GraphScale &) {};
    sources.dataFolder = data.path();
    ReportPanel panel(sources);
    const ClinicReportInputs inputs = panel.gatherClinicInputs();
    EXPECT_EQ(inputs.testDate, "2026-11-30");
    EXPECT_EQ(inputs.keptDates[1], "2026-11-30");
    EXPECT_EQ(inputs.clinic.name, "Nordic Equine Clinic");

    const QString pdfPath = data.filePath(QStringLiteral("clinic.pdf"));
    ASSERT_TRUE(panel.saveClinicPdf(pdfPath));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("<dc:creator><rdf:Seq><rdf:li>Nordic Equine Clinic</rdf:li>"));
    EXPECT_TRUE(bytes.contains("Exercise test report: Storm Runner"));
}
