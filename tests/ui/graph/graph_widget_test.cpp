// The screen graph: its drawing layer over background colour and picture, drops of pictures from
// the file list, bad picture files, and the "Only Hr" switch.
#include "domain/drawing/axis_frame.h"
#include "ui/graph/background_panel.h"
#include "ui/common/file_list_panel.h"
#include "ui/graph/graph_widget.h"
#include "domain/drawing/picture_file.h"
#include "domain/exercise/current_exercise.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kavren;

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bmpBytes(const QSize &size, const QColor &colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A BMP header that announces 20000 x 20000 pixels, followed by almost nothing.
QByteArray hugeBmpHeader() {
    QByteArray bytes = bmpBytes(QSize(2, 2), Qt::white).left(54);
    const auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put32(18, 20000);
    put32(22, 20000);
    return bytes;
}

TEST(GraphWidget, ClearingRemovesTheDrawingButNotColourOrPicture) {
    GraphWidget graph;
    graph.resize(260, 160);
    graph.setBackgroundColour(QColor(0, 0, 255));
    QImage picture(260, 160, QImage::Format_RGB32);
    picture.fill(QColor(255, 255, 0));
    picture.setPixelColor(10, 10, QColor(0, 255, 0));
    graph.setBackgroundPicture(picture);
    graph.surface().setLineWidth(4);
    graph.surface().line({3, 5}, {16, 5}, QColor(255, 0, 0));
    const int lineY = int(graph.map().toDevice({3, 5}).y());
    EXPECT_EQ(graph.renderedImage().pixelColor(130, lineY), QColor(255, 0, 0));

    graph.surface().clear();
    const QImage after = graph.renderedImage();
    EXPECT_EQ(after.pixelColor(130, lineY), QColor(255, 255, 0));
    EXPECT_EQ(after.pixelColor(10, 10), QColor(0, 255, 0));
}

TEST(GraphWidget, ResizedGraphRedrawsItsDrawingOnTheNewScale) {
    GraphWidget graph;
    graph.resize(130, 160);
    graph.surface().setLineWidth(2);
    graph.surface().line({4, 0}, {15, 0}, QColor(255, 0, 0));
    graph.resize(260, 320);
    const QPointF middle = graph.map().toDevice({9.5, 0});
    EXPECT_NEAR(middle.x(), 130, 1e-9);
    const QImage image = graph.renderedImage();
    EXPECT_EQ(image.pixelColor(int(middle.x()), int(middle.y())), QColor(255, 0, 0));
    // The cursor readout's way back: a widget pixel to graph units.
    EXPECT_NEAR(graph.map().toUser({130, 320}).y(), -3, 1e-9);
}

class BackgroundDropTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QWidget window;
    GraphWidget *graph = new GraphWidget(&window);
    FileListPanel *files = new FileListPanel(&window);
    BackgroundPanel panel{graph, files};
    QLineEdit *lakt1 = new QLineEdit(&window);
    QLineEdit *puls1 = new QLineEdit(&window);

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        graph->resize(400, 300);
        panel.setGraphBaseSize(QSize(400, 300));
        panel.setTestOnScreen(
            [this] { return !lakt1->text().isEmpty() || !puls1->text().isEmpty(); });
        writeFile(folder.filePath(QStringLiteral("horse.bmp")), bmpBytes(QSize(100, 50), Qt::red));
        writeFile(folder.filePath(QStringLiteral("temp.bmp")), QByteArray("the user's own file"));
        writeFile(folder.filePath(QStringLiteral("notes.bmp")), QByteArray("just some text\n"));
        writeFile(folder.filePath(QStringLiteral("cut.bmp")),
                  bmpBytes(QSize(100, 50), Qt::red).left(80));
        writeFile(folder.filePath(QStringLiteral("huge.bmp")), hugeBmpHeader());
        window.show();
        panel.showPictureList();
        files->setFolder(folder.path());
    }

    void select(const QString &name) {
        auto *list = files->findChild<FileListView *>(QStringLiteral("File1"));
        ASSERT_NE(list, nullptr);
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items.front());
    }

    void drop() {
        QMimeData mime;
        mime.setText(QStringLiteral("anything"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(graph, &enter);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(graph, &event);
    }
};

TEST_F(BackgroundDropTest, StretchedPictureFillsTheGraphAndNoUserFileIsTouched) {
    EXPECT_EQ(files->title(), QStringLiteral("Drag drop"));
    EXPECT_EQ(files->pattern(), QStringLiteral("*.bmp"));
    select(QStringLiteral("horse.bmp"));
    drop();
    EXPECT_EQ(graph->backgroundPicture().size(), QSize(400, 300));
    EXPECT_EQ(graph->size(), QSize(400, 300));
    EXPECT_EQ(panel.backgroundPictureName(), QStringLiteral("horse.bmp"));
    EXPECT_EQ(panel.lastDroppedPictureName(), QStringLiteral("horse.bmp"));
    EXPECT_TRUE(panel.backgroundDropped());
    EXPECT_FALSE(files->isVisibleTo(&window));
    QFile own(folder.filePath(QStringLiteral("temp.bmp")));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), QByteArray("the user's own file"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 5);
}

TEST_F(BackgroundDropTest, AdjustedFrameTakesThePictureSizeAndClearScreenRestoresIt) {
    panel.adjustFrameToBackground(true);
    select(QStringLiteral("horse.bmp"));
    drop();
    EXPECT_EQ(graph->size(), QSize(100, 50));
    panel.clearPicture();
    EXPECT_EQ(graph->size(), QSize(400, 300));
    EXPECT_TRUE(graph->backgroundPicture().isNull());
    EXPECT_TRUE(panel.backgroundPictureName().isEmpty());
    EXPECT_FALSE(panel.backgroundDropped());
}

TEST_F(BackgroundDropTest, DropIsIgnoredWhileATestIsOnScreen) {
    select(QStringLiteral("horse.bmp"));
    for (QLineEdit *field : {puls1, lakt1}) {
        field->setText(QStringLiteral("120"));
        drop();
        EXPECT_TRUE(graph->backgroundPicture().isNull());
        EXPECT_FALSE(panel.backgroundDropped());
        field->clear();
    }
}

TEST_F(BackgroundDropTest, UnreadablePicturesLeaveTheGraphWithoutPicture) {
    for (const char *name : {"notes.bmp", "cut.bmp", "huge.bmp"}) {
        select(QString::fromLatin1(name));
        drop();
        EXPECT_TRUE(graph->backgroundPicture().isNull()) << name;
        EXPECT_EQ(panel.backgroundPictureName(), QString::fromLatin1(name));
    }
    EXPECT_TRUE(readPictureFile(folder.filePath(QStringLiteral("missing.bmp"))).isNull());
}

TEST(FileListPanel, DrivesListTheRootFirst) {
    const QStringList roots = driveRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.front(), QDir::rootPath());
}

TEST(GraphWidget, DrawnFrameLandsWhereTheMapPutsIt) {
    GraphWidget graph;
    graph.resize(1100, 600);
    DrawingSurface &surface = graph.surface();
    surface.setScale(GraphCanvasScale);
    surface.setLineWidth(2);
    StyleSettings styles;
    GraphScale scale;
    drawAxisFrame(surface, styles, scale, {false, 5.0, 195, 150, false});
    surface.setLineWidth(2);
    for (double x = 5; x <= 8; x += 0.01) {
        const double hr = (75 + 15 * x - scale.hrBase) * scale.hrScale;
        surface.line({x, hr}, {x + 0.01, hr}, QColor(255, 0, 0));
        const double lactate = std::exp(-2.73764 + 0.53391 * x) * scale.lactateScale;
        surface.line({x, lactate}, {x + 0.01, lactate}, QColor(0, 0, 255));
    }
    const QImage image = graph.renderedImage();
    // The heart-rate axis (antialiased, 2 pixels wide) is red within a pixel of x = 4.
    const QPointF hrAxis = graph.map().toDevice({4, 6.5}); // between two grid rows
    int reddest = 0;
    for (int x = int(hrAxis.x()) - 1; x <= int(hrAxis.x()) + 1; ++x)
        reddest = std::max(reddest, image.pixelColor(x, int(hrAxis.y())).red());
    EXPECT_GT(reddest, 200);
    const QString snapshot = qEnvironmentVariable("KAVREN_GRAPH_SNAPSHOT");
    if (!snapshot.isEmpty()) {
        EXPECT_TRUE(image.save(snapshot));
    }
}

} // namespace
