// The background picture of the graph `lakta`: the menu "Background" opens the file list on
// pictures, a drop on the graph takes the file selected there, and the picture is either stretched
// to the graph's start-up size or the graph takes the picture's size ("Adjust frame to
// background"). The stretch happens in memory; no file of the user's is written or deleted.
#pragma once

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class QLineEdit;

namespace kavren {

class FileListPanel;
class GraphWidget;

class BackgroundPanel : public QObject {
    Q_OBJECT
public:
    BackgroundPanel(GraphWidget *graph, FileListPanel *fileList, QObject *parent = nullptr);

    // Tells whether a test is on screen (a drop is then ignored).
    void setTestOnScreen(std::function<bool()> testOnScreen) {
        m_testOnScreen = std::move(testOnScreen);
    }
    // `graphBaseWidth` × `graphBaseHeight` in pixels: what a stretched picture fills and what
    // "Clear screen" restores. Until set, the graph's size when this panel was made.
    void setGraphBaseSize(const QSize &pixels) { m_baseSize = pixels; }
    QSize graphBaseSize() const { return m_baseSize; }

    QString backgroundPictureName() const { return m_pictureName; }
    void setBackgroundPictureName(const QString &name) { m_pictureName = name; }
    QString lastDroppedPictureName() const { return m_lastDroppedName; }
    bool stretchBackground() const { return m_stretch; }
    bool backgroundDropped() const { return m_dropped; }

    // Largest graph size that a picture may give the graph box.
    static constexpr int MaxGraphSide = 4096;

public slots:
    // Menu "Background": the file list shows the folder's "*.bmp" files, captioned "Drag drop".
    void showPictureList();
    // A drop on the graph: takes the picture selected in the file list.
    void dropOnGraph();
    // "Adjust frame to background" → "Yes" (the graph takes the picture's size) and → "No".
    void adjustFrameToBackground(bool adjust);
    // A loaded test's picture (folder is the database folder); only when "Background" is ticked.
    void showTestPicture(const QString &folder, const QString &fileName);
    // "Clear screen": no picture, no name, not dropped, the graph back at its start-up size.
    void clearPicture();

private:
    void putPicture(const QString &path);

    GraphWidget *m_graph = nullptr;
    FileListPanel *m_fileList = nullptr;
    std::function<bool()> m_testOnScreen;
    QSize m_baseSize;
    QString m_pictureName;
    QString m_lastDroppedName = QStringLiteral("dummy.jpg");
    bool m_stretch = true;
    bool m_dropped = false;
};

} // namespace kavren
