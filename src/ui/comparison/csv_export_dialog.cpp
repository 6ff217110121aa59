#include "ui/comparison/csv_export_dialog.h"

#include "ui/common/message_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace kavren {

namespace {

constexpr int ShowProgressAfterMs = 300;

QString askForFile(QWidget *window) {
    QFileDialog dialog(window, CsvExportDialog::tr("Export to CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(CsvExportDialog::tr("CSV files (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

CsvExportDialog::CsvExportDialog(QWidget *window)
    : QObject(window), m_window(window), m_chooseFile(askForFile) {
    setObjectName(QStringLiteral("csvExport"));
}

QString CsvExportDialog::exportContent(const CsvContent &content) {
    const QString path = m_chooseFile ? m_chooseFile(m_window) : QString();
    if (path.isEmpty())
        return {};
    const int testCount = int(std::min<std::size_t>(content.tests.size(), INT_MAX));
    const QString label = content.table == CsvTable::Comparison
                              ? tr("Exporting the comparison table...")
                              : tr("Exporting %1 tests...").arg(testCount);
    QProgressDialog progress(label, tr("Cancel"), 0, testCount, m_window);
    progress.setObjectName(QStringLiteral("csvExportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ShowProgressAfterMs);
    emit progressShown(&progress);
    const CsvExportResult result = exportCsvFile(path, content, [&progress](qsizetype written) {
        if (!progress.wasCanceled())
            progress.setValue(int(std::min<qsizetype>(written, progress.maximum())));
        return !progress.wasCanceled();
    });
    progress.reset();
    const QString name = QFileInfo(path).fileName();
    switch (result.outcome) {
    case CsvOutcome::Written:
        if (content.table == CsvTable::Comparison)
            return tr("Exported the comparison table to %1").arg(name);
        return tr("Exported %1 %2 to %3")
            .arg(testCount)
            .arg(testCount == 1 ? tr("test") : tr("tests"), name);
    case CsvOutcome::Cancelled:
        return tr("Export cancelled: nothing was written to %1").arg(name);
    case CsvOutcome::Failed:
        break;
    }
    showWarning(m_window, tr("Export to CSV"), result.error);
    return result.error;
}

} // namespace kavren
