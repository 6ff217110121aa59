// Printing the report page: "Print" through the platform's print dialog, "Print preview..." and
// "Save as PDF...". All three gather the page's inputs from the main window and draw the same page
// on the page's own surface; only a page that really went to the printer ends "Freeze curve".
#pragma once

#include "domain/report/report_page.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

class QCheckBox;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace kavren {

struct AnalysisState;
struct CurrentTest;
class ComparisonPanel;
class EntryPanel;
class GraphWidget;
class StylePanel;
class ThresholdPanel;

// The PDF file name offered for a horse and a test date: "Storm Runner 2026-12-07.pdf". Characters
// that no file name may hold become "-"; without a name the file is called "Report <date>.pdf".
QString suggestedPdfName(const QString &name, const QString &date);

class ReportPanel : public QObject {
    Q_OBJECT
public:
    struct Sources {
        QWidget *window = nullptr;                 // the main window: the dialogs' parent
        const EntryPanel *entry = nullptr;         // the horse's identity and the steps
        const ThresholdPanel *threshold = nullptr; // the threshold and the training zones
        CurrentTest *test = nullptr;
        AnalysisState *analysis = nullptr;
        StylePanel *styles = nullptr;
        GraphWidget *graph = nullptr;
        QCheckBox *freeze = nullptr;                 // SSCheck2 "Freeze curve"
        const ComparisonPanel *comparison = nullptr; // which values are extrapolated
        std::function<QPrinter &()> printer;         // the printer that "&Printer" sets up
    };
    explicit ReportPanel(const Sources &sources, QObject *parent = nullptr);

    // The page's inputs as the window shows them now.
    ReportInputs gatherInputs() const;
    // Draws the page on a printer, a PDF writer or any other device; false when the device could
    // not be painted on or not finished.
    bool drawPage(QPaintDevice &device);

    // Seams for tests: the print dialog (true for "Print"; it may change the printer), the file
    // dialog of "Save as PDF..." (the chosen path, empty for Cancel) and today's date.
    void setPrintDialog(std::function<bool(QPrinter &)> dialog) {
        m_printDialog = std::move(dialog);
    }
    void setPdfFileDialog(std::function<QString(const QString &suggested)> dialog) {
        m_pdfFileDialog = std::move(dialog);
    }
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

    QString lastPdfFolder() const { return m_pdfFolder; }

public slots:
    // "Print" (Command10).
    void print();
    // "Print preview...".
    void showPreview();
    // "Save as PDF...": asks for the file, then savePdf.
    void saveAsPdf();
    // Writes the page into a PDF file; false (and reportFailed) when it cannot be written.
    bool savePdf(const QString &path);

signals:
    // Something failed; the text names what. The window shows it as a message.
    void reportFailed(const QString &message);

private:
    bool runPrintDialog(QPrinter &printer);
    QString askPdfPath(const QString &suggested);
    QString testDateText() const;
    QString horseName() const;
    void gatherIdentity(ReportInputs &in) const;
    ReportTable gatherTable() const;

    Sources m_sources;
    std::function<bool(QPrinter &)> m_printDialog;
    std::function<QString(const QString &)> m_pdfFileDialog;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
    QString m_pdfFolder;
};

} // namespace kavren
