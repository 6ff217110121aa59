// "Export to CSV..." and "Export comparison table to CSV...": asks for a file name, then writes
// the listed tests (or the comparison table) while a progress dialog shows how far it has got and
// offers to cancel.
#pragma once

#include "io/csv_export.h"

#include <QObject>
#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

namespace kavren {

class CsvExportDialog : public QObject {
    Q_OBJECT
public:
    // The window the dialogs belong to; also the parent of this object ("csvExport").
    explicit CsvExportDialog(QWidget *window);

    // Asks where to write; an empty answer means the user chose nothing. The default shows the
    // platform's save dialog.
    using FileChooser = std::function<QString(QWidget *window)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // Runs the export and returns the line for the status bar: what was written, that the export
    // was cancelled, or why it failed (also shown in a message box). Empty when no file was chosen.
    QString exportContent(const CsvContent &content);

signals:
    // The progress dialog of an export has been made (before the first test is written).
    void progressShown(QProgressDialog *progress);

private:
    QWidget *m_window;
    FileChooser m_chooseFile;
};

} // namespace kavren
