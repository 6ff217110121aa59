// Printing the report page: "Print" through the platform's print dialog, "Print preview..." and
// "Save as PDF...". All three take the page's inputs as the window shows them at that moment and
// draw the same page on the page's own surface; only a page that really went to the printer ends
// "Freeze curve". "Clinic report..." shows the clinic report in a preview that prints it or saves
// it as PDF, on A4 or Letter as the page set-up says.
#pragma once

#include "domain/exercise/clock.h"
#include "domain/report/clinic_report.h"
#include "domain/report/report_page.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace kavren {

// The PDF file name offered for a horse and a test date: "Storm Runner 2026-12-07.pdf". Characters
// that no file name may hold become "-"; without a name the file is called "Report <date>.pdf".
QString suggestedPdfName(const QString &name, const QString &date);

class ReportPanel : public QObject {
    Q_OBJECT
public:
    struct Sources {
        QWidget *window = nullptr;            // the main window: the dialogs' parent
        std::function<ReportInputs()> inputs; // the page's inputs as the window shows them now
        std::function<QString()> testDate;    // the date of a loaded test; empty for a new one
        // The axis ranges the page chose again, which the graph on screen keeps.
        std::function<void(const GraphScale &)> keepScale;
        Clock clock = systemClock(); // today, for the date of a new test
        QString dataFolder;          // where the clinic's details are kept
    };
    explicit ReportPanel(const Sources &sources, QObject *parent = nullptr);
    ~ReportPanel() override;

    // The page's inputs as the window shows them now.
    ReportInputs gatherInputs() const;
    // Draws the page on a printer, a PDF writer or any other device; false when the device could
    // not be painted on or not finished.
    bool drawPage(QPaintDevice &device);

    // The clinic report's inputs: the page's, the clinic's details, the test date and the dates of
    // the kept tests.
    ClinicReportInputs gatherClinicInputs() const;
    // Draws the clinic report on a device; false when it could not be painted on or finished.
    bool drawClinicPage(QPaintDevice &device);
    // Writes the clinic report into a PDF file; false (and reportFailed) when it cannot.
    bool saveClinicPdf(const QString &path);

    // Seams for tests: the print dialog (true for "Print"; it may change the printer), the file
    // dialog of "Save as PDF..." (the chosen path, empty for Cancel) and the clock.
    void setPrintDialog(std::function<bool(QPrinter &)> dialog) {
        m_printDialog = std::move(dialog);
    }
    void setPdfFileDialog(std::function<QString(const QString &suggested)> dialog) {
        m_pdfFileDialog = std::move(dialog);
    }
    void setClock(Clock clock) { m_sources.clock = std::move(clock); }

    QString lastPdfFolder() const { return m_pdfFolder; }

public slots:
    // "&Printer": the platform's printer set-up, for "Print" and the page layout of a PDF.
    void setUpPrinter();
    // "Print" (Command10).
    void print();
    // "Print preview...".
    void showPreview();
    // "Save as PDF...": asks for the file, then savePdf.
    void saveAsPdf();
    // Writes the page into a PDF file; false (and reportFailed) when it cannot be written.
    bool savePdf(const QString &path);
    // "Clinic report...": the clinic report in a preview with "Print" and "Save as PDF...".
    void showClinicReport();
    // "Clinic details...": the clinic's name, address and logo.
    void editClinicDetails();

signals:
    // Something failed; the text names what. The window shows it as a message.
    void reportFailed(const QString &message);
    // The page really went to the printer (which ends "Freeze curve").
    void printed();

private:
    // The printer that "&Printer" sets up and "Print" prints on, made when first needed.
    QPrinter &printer();
    bool runPrintDialog(QPrinter &printer);
    QString askPdfPath(const QString &suggested);
    QString testDateText() const;
    QString horseName() const;
    bool writePdf(const QString &path, const QString &title, const QString &author,
                  const std::function<bool(QPaintDevice &)> &draw);

    Sources m_sources;
    std::function<bool(QPrinter &)> m_printDialog;
    std::function<QString(const QString &)> m_pdfFileDialog;
    QString m_pdfFolder;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kavren
