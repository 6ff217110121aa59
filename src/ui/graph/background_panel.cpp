// Background picture of the graph: file list, drop, stretch or size-to-picture, clearing.
#include "ui/graph/background_panel.h"

#include "ui/common/file_list_panel.h"
#include "ui/graph/graph_widget.h"
#include "domain/drawing/picture_file.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>

namespace kavren {

BackgroundPanel::BackgroundPanel(GraphWidget *graph, FileListPanel *fileList, QObject *parent)
    : QObject(parent), m_graph(graph), m_fileList(fileList), m_baseSize(graph->size()) {
    connect(m_graph, &GraphWidget::dropped, this, &BackgroundPanel::dropOnGraph);
}

void BackgroundPanel::showPictureList() {
    m_fileList->setMode(FileListMode::Pictures);
    m_fileList->showFiles(QStringLiteral("*.bmp"), tr("Drag drop"));
}

void BackgroundPanel::dropOnGraph() {
    if (m_testOnScreen && m_testOnScreen())
        return;
    m_dropped = true;
    const QString name = m_fileList->selectedFileName();
    const QString folder = m_fileList->folder();
    m_graph->removeBackgroundPicture();
    if (!name.isEmpty() && !folder.isEmpty())
        putPicture(QDir(folder).filePath(name));
    m_pictureName = name;
    m_lastDroppedName = name;
    m_fileList->hide();
}

void BackgroundPanel::showTestPicture(const QString &folder, const QString &fileName) {
    m_graph->removeBackgroundPicture();
    if (!fileName.isEmpty())
        putPicture(QDir(folder).filePath(fileName));
}

void BackgroundPanel::putPicture(const QString &path) {
    QImage picture = readPictureFile(path);
    if (picture.isNull())
        return;
    if (m_stretch) {
        picture = stretchedPicture(picture, m_baseSize);
    } else if (picture.width() > MaxGraphSide || picture.height() > MaxGraphSide) {
        // The graph takes the picture's size, but never one that no screen could show.
        picture = picture.scaled(QSize(MaxGraphSide, MaxGraphSide), Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    }
    if (picture.isNull())
        return;
    m_graph->resize(picture.size());
    m_graph->setBackgroundPicture(picture);
}

void BackgroundPanel::adjustFrameToBackground(bool adjust) {
    m_stretch = !adjust;
}

void BackgroundPanel::clearPicture() {
    m_graph->removeBackgroundPicture();
    m_pictureName.clear();
    m_dropped = false;
    if (!m_baseSize.isEmpty())
        m_graph->resize(m_baseSize);
}

} // namespace kavren
