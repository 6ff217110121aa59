// The paper surface keeps every text on the page: bad texts from pasted fields print without
// crash, cut at the right edge of the page; line widths follow the page's resolution.
#include "domain/report/page_surface.h"
#include "domain/report/report_page.h"
#include "support/qt_printers.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

// A white A4-shaped page at 100 dots per inch.
QImage page() {
    QImage image(827, 1169, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    return image;
}

bool columnHasInk(const QImage &image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            return true;
    return false;
}

} // namespace

TEST(PageSurface, TextsAreCutAtThePageEdgeAndControlsPrintAsBlanks) {
    QImage image = page();
    const QFont font;
    const QString longName(10000, QLatin1Char('W'));
    const QString fitted = PageSurface::fittedText(longName, font, &image, 200);
    EXPECT_LE(QFontMetricsF(font, &image).horizontalAdvance(fitted), 200);
    EXPECT_FALSE(fitted.isEmpty());
    EXPECT_EQ(PageSurface::fittedText(QStringLiteral("A\tB\x01"
                                                     "C"),
                                      font, &image, 500),
              "A B C");
    EXPECT_EQ(PageSurface::fittedText(QStringLiteral("A"), font, &image, 0), "");
}

TEST(PageSurface, BadFieldTextsPrintInsideThePage) {
    QImage image = page();
    ReportInputs in;
    const QString wide(10000, QLatin1Char('W'));
    in.name = wide;
    in.breed = QStringLiteral("\u05E9\u05DC\u05D5\u05DD ") + wide; // right-to-left, then long
    in.age =
        QString(QChar(0xD800)) + QStringLiteral("x") + QString(QChar(0xDC00)); // unpaired halves
    in.sex = QStringLiteral("\U0001F40E\U0001F40E\U0001F40E\U0001F40E\U0001F40E\U0001F40E");
    in.trainer = QStringLiteral("\x1b[31m\r\n\t") + wide;
    in.comments = wide + QStringLiteral("\r\n") + wide;
    in.thresholdLactate = wide;
    in.zones.fill(wide);
    {
        QPainter painter(&image);
        PageSurface surface(painter);
        drawReportPage(surface, in);
    }
    // The long texts reach the right edge of the page but leave the last column unpainted
    // except where the cut's ellipsis ends, which never passes the edge.
    EXPECT_TRUE(columnHasInk(image, image.width() - 40));
    EXPECT_FALSE(columnHasInk(image, image.width() - 1));
}

TEST(PageSurface, LineWidthsAreDotsOfAThreeHundredDotsPerInchPrinter) {
    // At 600 dots per inch a width of 4 is 8 dots wide: a vertical line covers about 8 columns.
    QImage image(600, 600, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PageSurface surface(painter);
        surface.setScale(0, 10, 10, 0);
        surface.setLineWidth(4);
        surface.line({5, 1}, {5, 9}, QColor(Qt::black));
    }
    int inked = 0;
    for (int x = 280; x < 320; ++x)
        if (image.pixel(x, 300) != qRgb(255, 255, 255))
            ++inked;
    EXPECT_GE(inked, 8);
    EXPECT_LE(inked, 10);
}

TEST(PageSurface, ThePageKeepsItsOwnMarginWherePaperMarginsAreNarrower) {
    // A4 at 1200 dots per inch: 10 mm are 472.4 dots.
    for (const double paperMargin : {0.0, 3.5, 15.0}) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(1200);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(paperMargin, paperMargin, paperMargin, paperMargin),
                        QPageLayout::Millimeter));
        QPainter painter(&writer);
        const PageSurface surface(painter);
        const QRectF area = surface.map().deviceArea();
        const double extra = std::max(0.0, 10 - paperMargin) / 25.4 * 1200;
        EXPECT_NEAR(area.left(), extra, 1) << paperMargin;
        EXPECT_NEAR(area.top(), extra, 1) << paperMargin;
        EXPECT_NEAR(writer.width() - area.right(), extra, 1) << paperMargin;
        EXPECT_NEAR(writer.height() - area.bottom(), extra, 1) << paperMargin;
    }
}
