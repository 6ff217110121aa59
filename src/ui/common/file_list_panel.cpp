#include "ui/common/file_list_panel.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QStorageInfo>

namespace kavren {

FolderListView::FolderListView(QWidget *parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("Dir1"));
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        setPath(QDir(m_path).absoluteFilePath(item->text()));
    });
}

void FolderListView::setPath(const QString &path) {
    const QString cleaned = path.isEmpty() ? QString() : QDir::cleanPath(path);
    if (cleaned == m_path)
        return;
    m_path = cleaned;
    refresh();
    emit pathChanged(m_path);
}

void FolderListView::refresh() {
    clear();
    if (m_path.isEmpty())
        return;
    QDir dir(m_path);
    if (!dir.isRoot())
        addItem(QStringLiteral(".."));
    addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

FileListView::FileListView(QWidget *parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("File1"));
}

void FileListView::setPath(const QString &path) {
    m_path = path;
    refresh();
}

void FileListView::setPattern(const QString &pattern) {
    m_pattern = pattern;
    refresh();
}

void FileListView::refresh() {
    clear();
    if (m_path.isEmpty())
        return;
    QDir dir(m_path);
    addItems(dir.entryList({m_pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString FileListView::selectedFileName() const {
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListView::clearSelectedFileName() {
    clearSelection();
    setCurrentItem(nullptr);
}

QStringList driveRoots() {
    QStringList roots;
    const QString systemRoot = QStorageInfo::root().rootPath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && root != systemRoot && !roots.contains(root))
            roots.append(root);
    }
    roots.sort(Qt::CaseInsensitive);
    if (!systemRoot.isEmpty())
        roots.prepend(systemRoot);
    return roots;
}

void FileListPanel::setMode(FileListMode mode) {
    m_mode = mode;
    m_files->setDragEnabled(mode == FileListMode::Pictures);
}

FileListPanel::FileListPanel(QWidget *area) : QGroupBox(area) {
    setObjectName(QStringLiteral("fillista"));
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->addItems(driveRoots());
    m_folders = new FolderListView(this);
    m_files = new FileListView(this);
    m_files->setDragDropMode(QAbstractItemView::DragOnly);
    m_files->setDragEnabled(false);
    m_drives->setGeometry(8, 20, 200, 22);
    m_folders->setGeometry(8, 46, 200, 120);
    m_files->setGeometry(8, 170, 200, 120);
    connect(m_folders, &FolderListView::pathChanged, m_files, &FileListView::setPath);
    connect(m_drives, &QComboBox::textActivated, m_folders, &FolderListView::setPath);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Command7"));
    close->setGeometry(8, 296, 96, 24);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto *erase = m_erase = new QPushButton(tr("Erase"), this);
    erase->setObjectName(QStringLiteral("Command8"));
    erase->setGeometry(112, 296, 96, 24);
    connect(erase, &QPushButton::clicked, this, &FileListPanel::eraseRequested);
    connect(m_files, &QListWidget::itemClicked, this, &FileListPanel::fileClicked);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &FileListPanel::fileDoubleClicked);
    resize(216, 328);
}

void FileListPanel::showFiles(const QString &pattern, const QString &title) {
    show();
    raise();
    m_files->setPattern(pattern);
    m_files->setPath(m_folders->path());
    setTitle(title);
}

QString FileListPanel::folder() const {
    return m_folders->path();
}

void FileListPanel::setFolder(const QString &folder) {
    m_folders->setPath(folder);
    m_files->setPath(m_folders->path());
}

QString FileListPanel::pattern() const {
    return m_files->pattern();
}

QString FileListPanel::selectedFileName() const {
    return m_files->selectedFileName();
}

void FileListPanel::clearSelectedFileName() {
    m_files->clearSelectedFileName();
}

void FileListPanel::refresh() {
    m_folders->refresh();
    m_files->refresh();
}

void FileListPanel::refreshFiles() {
    m_files->refresh();
}

} // namespace kavren
