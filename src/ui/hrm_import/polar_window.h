// The heart-rate file import window `Polar`: choose a file in the drive, folder and file lists,
// see its samples and lap times, correct a lap time, extract the steps, and tell the main window
// once per "Extract Polardata" or "Close".
#pragma once

#include "domain/exercise/sample_buffer.h"
#include "domain/hrm_import/hrm_file.h"
#include "domain/hrm_import/step_extraction.h"

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QTableView;

namespace kavren {

class FileListView;
class FolderListView;
class SampleTableModel;

// What the main window finds when it is notified.
struct ImportNotice {
    bool cancelled = false; // "Close"
    bool extracted = false; // "Extract Polardata"
    std::vector<ExtractedStep> steps;
};

class PolarWindow : public QWidget {
    Q_OBJECT
public:
    // The samples of a read file go into the buffer, which the main window owns.
    explicit PolarWindow(SampleBuffer &samples, QWidget *parent = nullptr);

    // Shows the window with emptied lists and fields, the folder list in the import folder.
    void open(const QString &importFolder);
    // Reads a file of the folder shown (a click on it in the file list).
    void readFile(const QString &fileName);
    // "Extract Polardata" and "Close".
    void extract();
    void closeImport();

    // The notice of the last Extract or Close; taking it disarms the notification.
    ImportNotice takeNotice();
    const HrmFile &file() const { return m_file; }
    // The folder of the last file opened.
    QString importFolder() const { return m_importFolder; }

signals:
    // Once per "Extract Polardata" or "Close".
    void notified();
    // A file was opened in this folder.
    void importFolderChanged(const QString &folder);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLists();
    void buildLapFields();
    void buildCommands();
    void clearShown();
    void showFile(const QString &path);
    void showSamples();
    void notify();
    void report(const QString &text);

    SampleBuffer &m_samples;
    HrmFile m_file;
    QString m_importFolder;
    ImportNotice m_notice;
    bool m_armed = false;

    QComboBox *m_drives = nullptr;
    FolderListView *m_folders = nullptr;
    FileListView *m_files = nullptr;
    QTableView *m_list = nullptr;
    SampleTableModel *m_table = nullptr;
    std::array<QLineEdit *, 12> m_lapFields{};
    QLabel *m_interval = nullptr;
    QLabel *m_info = nullptr;
    QLineEdit *m_notifyField = nullptr;
};

} // namespace kavren
