// The report's window side: takes the page's inputs from the window and sends the page to the
// printer, the print preview or a PDF file.
#include "ui/report/report_panel.h"

#include "domain/report/page_surface.h"
#include "ui/common/printer_setup_dialog.h"
#include "ui/report/clinic_details_page.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolBar>

namespace kavren {

namespace {

// Longest horse name taken into a suggested file name.
constexpr int MaxNameInFileName = 100;
// The clinic report keeps at least this from every paper edge.
constexpr double ClinicMarginMm = 15;
const QString ProgramName = QStringLiteral("Kavren Equine");

// The document's metadata with its title, author and the program that made it.
QByteArray xmpMetadata(const QString &title, const QString &author) {
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped().toUtf8(); };
    return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
           "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
           "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
           "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
           "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>" +
           escaped(title) +
           "</rdf:li></rdf:Alt></dc:title>\n"
           "<dc:creator><rdf:Seq><rdf:li>" +
           escaped(author) +
           "</rdf:li></rdf:Seq></dc:creator>\n"
           "<xmp:CreatorTool>" +
           escaped(ProgramName) +
           "</xmp:CreatorTool>\n"
           "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>";
}

} // namespace

QString suggestedPdfName(const QString &name, const QString &date) {
    static const QString Forbidden = QStringLiteral("/\\:*?\"<>|");
    const auto cleaned = [](QString text) {
        for (QChar &c : text)
            if (Forbidden.contains(c) || c.category() == QChar::Other_Control)
                c = QLatin1Char('-');
        return text.trimmed();
    };
    QString horse = cleaned(name.left(MaxNameInFileName));
    if (horse.startsWith(QLatin1Char('.')))
        horse.replace(0, 1, QLatin1Char('-'));
    if (horse.isEmpty())
        horse = ReportPanel::tr("Report");
    const QString day = cleaned(date);
    return (day.isEmpty() ? horse : horse + QLatin1Char(' ') + day) + QStringLiteral(".pdf");
}

ReportPanel::ReportPanel(const Sources &sources, QObject *parent)
    : QObject(parent), m_sources(sources),
      m_pdfFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

ReportPanel::~ReportPanel() = default;

QPrinter &ReportPanel::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void ReportPanel::setUpPrinter() {
    runPrinterSetupDialog(printer(), m_sources.window);
}

QString ReportPanel::horseName() const {
    return m_sources.inputs().name;
}

ReportInputs ReportPanel::gatherInputs() const {
    return m_sources.inputs();
}

bool ReportPanel::drawPage(QPaintDevice &device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    GraphScale printed;
    {
        PageSurface surface(painter);
        printed = drawReportPage(surface, gatherInputs());
    }
    // The page chose the axis ranges again from the screen's axis tops; the graph keeps them.
    m_sources.keepScale(printed);
    return painter.end();
}

bool ReportPanel::runPrintDialog(QPrinter &printer) {
    if (m_printDialog)
        return m_printDialog(printer);
    QPrintDialog dialog(&printer, m_sources.window);
    return dialog.exec() == QDialog::Accepted;
}

void ReportPanel::print() {
    QPrinter &printer = this->printer();
    if (!runPrintDialog(printer))
        return;
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
        emit reportFailed(tr("The report was not printed: no printer is available."));
        return;
    }
    if (!drawPage(printer)) {
        const QString target = printer.outputFormat() == QPrinter::PdfFormat
                                   ? QDir::toNativeSeparators(printer.outputFileName())
                                   : printer.printerName();
        emit reportFailed(
            target.isEmpty()
                ? tr("The report was not printed: no printer is available.")
                : tr("The report was not printed: %1 could not be written to.").arg(target));
        return;
    }
    emit printed();
}

void ReportPanel::showPreview() {
    QPrintPreviewDialog dialog(&printer(), m_sources.window);
    dialog.setObjectName(QStringLiteral("reportPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { drawPage(*printer); });
    dialog.exec();
}

QString ReportPanel::testDateText() const {
    const QString loaded = m_sources.testDate().trimmed();
    return loaded.isEmpty() ? m_sources.clock().date().toString(Qt::ISODate) : loaded;
}

QString ReportPanel::askPdfPath(const QString &suggested) {
    if (m_pdfFileDialog)
        return m_pdfFileDialog(suggested);
    return QFileDialog::getSaveFileName(m_sources.window, tr("Save as PDF"), suggested,
                                        tr("PDF files (*.pdf)"));
}

void ReportPanel::saveAsPdf() {
    const QString name = suggestedPdfName(horseName(), testDateText());
    const QString path = askPdfPath(QDir(m_pdfFolder).filePath(name));
    if (path.isEmpty())
        return;
    savePdf(path);
}

bool ReportPanel::savePdf(const QString &path) {
    return writePdf(path, horseName(), ProgramName,
                    [this](QPaintDevice &device) { return drawPage(device); });
}

bool ReportPanel::writePdf(const QString &path, const QString &title, const QString &author,
                           const std::function<bool(QPaintDevice &)> &draw) {
    // The page is made in memory first and the file replaced in one step, so that a folder that
    // cannot be written or a full disk leaves no half-written file and is reported.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer().pageLayout());
        writer.setCreator(ProgramName);
        writer.setTitle(title);
        writer.setDocumentXmpMetadata(xmpMetadata(title, author));
        drawn = draw(writer);
    }
    QSaveFile file(path);
    const bool written = drawn && file.open(QIODevice::WriteOnly) &&
                         file.write(pdf.data()) == pdf.data().size() && file.commit();
    if (!written) {
        emit reportFailed(tr("The report could not be saved as PDF: %1 could not be written.")
                              .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_pdfFolder = QFileInfo(path).absolutePath();
    return true;
}

ClinicReportInputs ReportPanel::gatherClinicInputs() const {
    ClinicReportInputs in;
    in.page = gatherInputs();
    in.clinic = readClinicDetails(m_sources.dataFolder);
    in.testDate = testDateText().section(QLatin1Char(' '), 0, 0);
    // A kept test's comparison row is the row of its slot: slot k, row k − 1.
    for (int slot = 1; slot < FrozenCurves::Slots; ++slot)
        in.keptDates[std::size_t(slot)] =
            in.page.table.values[0][std::size_t(slot - 1)].trimmed().section(QLatin1Char(' '), 0,
                                                                             0);
    if (in.keptDates[1].isEmpty())
        in.keptDates[1] = in.testDate;
    in.program = ProgramName + QLatin1Char(' ') + QStringLiteral(KAVREN_VERSION);
    fillIndexUncertainty(in);
    return in;
}

bool ReportPanel::drawClinicPage(QPaintDevice &device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    {
        PageSurface surface(painter, ClinicMarginMm);
        drawClinicReport(surface, gatherClinicInputs());
    }
    return painter.end();
}

bool ReportPanel::saveClinicPdf(const QString &path) {
    const ClinicReportInputs in = gatherClinicInputs();
    const QString title = QCoreApplication::translate("ClinicReport", ClinicReportTitle) +
                          QStringLiteral(": ") + in.page.name.trimmed();
    return writePdf(path, title, in.clinic.name.isEmpty() ? ProgramName : in.clinic.name,
                    [this](QPaintDevice &device) { return drawClinicPage(device); });
}

void ReportPanel::showClinicReport() {
    QPrintPreviewDialog dialog(&printer(), m_sources.window);
    dialog.setObjectName(QStringLiteral("clinicReportPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("ClinicReport", ClinicReportTitle));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { drawClinicPage(*printer); });
    if (auto *tools = dialog.findChild<QToolBar *>()) {
        QAction *pdf = tools->addAction(tr("Save as PDF..."));
        pdf->setObjectName(QStringLiteral("clinicPdf"));
        connect(pdf, &QAction::triggered, this, [this] {
            const QString name =
                tr("Clinic report ") + suggestedPdfName(horseName(), testDateText());
            const QString path = askPdfPath(QDir(m_pdfFolder).filePath(name));
            if (!path.isEmpty())
                saveClinicPdf(path);
        });
    }
    dialog.exec();
}

void ReportPanel::editClinicDetails() {
    kavren::editClinicDetails(m_sources.dataFolder, m_sources.window);
}

} // namespace kavren
