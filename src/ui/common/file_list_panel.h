// The shared file-list frame `fillista`: a drive list (Drive1), a folder list (Dir1) and a list
// of the folder's files that match a pattern (File1). It lists databases or background pictures.
#pragma once

#include <QGroupBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

class QComboBox;
class QPushButton;
class QWidget;

namespace kavren {

// Dir1: the sub-folders of its folder, with ".." to go up; "path" is the folder shown.
class FolderListView : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
public:
    explicit FolderListView(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
    // Lists the folder's sub-folders again (after a folder was made or removed).
    void refresh();
signals:
    void pathChanged(const QString &path);

private:
    QString m_path;
};

// File1: the names of the files in its folder that match its pattern ("*.mdb", "*.bmp").
class FileListView : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath)
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)
public:
    explicit FileListView(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    void refresh();
    // The selected file name, or "" when none is selected.
    QString selectedFileName() const;
    void clearSelectedFileName();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

// What the file list is showing: database files or background pictures (`FileListMode`).
enum class FileListMode { Databases, Pictures };

// The mounted volumes' root folders, the system's root first, for Drive1.
QStringList driveRoots();

// The frame `fillista` itself, with its lists and its "Close" and "Erase" buttons.
class FileListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FileListPanel(QWidget *area);
    FileListMode mode() const { return m_mode; }
    // In picture mode a file can be dragged from File1 onto the graph.
    void setMode(FileListMode mode);
    // Shows the frame with this title, listing the folder's files that match the pattern.
    void showFiles(const QString &pattern, const QString &title);
    // The folder shown (Dir1), and showing another one with its files.
    QString folder() const;
    void setFolder(const QString &folder);
    // The pattern of the files listed ("*.mdb", "*.bmp").
    QString pattern() const;
    // The file selected in File1, or "" when none is selected; and taking the selection away.
    QString selectedFileName() const;
    void clearSelectedFileName();
    // Lists the folders and the files again (after a file or folder was made or removed).
    void refresh();
    void refreshFiles();
signals:
    // "Erase" (Command8): erase the file selected in the list.
    void eraseRequested();
    // A file of File1 was clicked or double-clicked.
    void fileClicked();
    void fileDoubleClicked();

private:
    QPushButton *m_erase = nullptr;
    QComboBox *m_drives = nullptr;
    FolderListView *m_folders = nullptr;
    FileListView *m_files = nullptr;
    FileListMode m_mode = FileListMode::Databases;
};

} // namespace kavren
