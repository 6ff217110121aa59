// The link box `SSFrame3` of the main window and the live run behind it: "Connect" opens the
// receiver and shows the machine's address, every pair of the owning device goes into the sample
// buffer and onto the graph as a live point, and the owner's sign-off ends the run.
#pragma once

#include "domain/exercise/sample_buffer.h"
#include "domain/exercise/current_exercise.h"
#include "io/link_receiver.h"

#include <QGroupBox>
#include <QTimer>

#include <vector>

class QLabel;
class QRect;
class QWidget;

namespace kavren {

class DrawingSurface;

// The box `SSFrame3` itself: the local address (Label20), "Connect" and "Close".
class LinkPanel : public QGroupBox {
    Q_OBJECT
public:
    // The live points go onto `graph` with the heart-rate scale of `test`; the pairs into
    // `samples`. The caption "Telemo   <address>" goes to the window of `area`.
    LinkPanel(QWidget *area, const QRect &frameRect, SampleBuffer &samples, DrawingSurface &graph,
              const CurrentTest &test);

    QGroupBox *frame() { return this; }
    LinkReceiver &receiver() { return m_receiver; }
    // The local port "Connect" binds (20002 unless a test chooses another) and the address.
    void setPort(quint16 port) { m_receiver.setPort(port); }
    void setBindAddress(const QHostAddress &address) { m_receiver.setBindAddress(address); }

    // "Internet": shows the box.
    void showFrame();
    // "Connect": a new run; the pairs of the last run are forgotten.
    void connectLink();
    // "Close": ends the run without taking steps and hides the box.
    void closeLink();

    // The live points drawn so far in this run (each frame draws the ones that arrived since the
    // frame before).
    qint64 drawnPoints() const { return m_drawnPoints; }
    // How long the points of one frame wait at most: one screen frame.
    static constexpr int FrameMilliseconds = 16;

signals:
    // The socket is bound: the window prepares the test for live data.
    void connected();
    // The owning device signed off after sending pairs; the socket is closed and the pairs are
    // in the sample buffer.
    void signedOff();
    // A message for the user (the port could not be opened).
    void problem(const QString &message);

private:
    void buildFrame(const QRect &rect);
    void ownerChosen(const QHostAddress &address);
    void sampleReceived(const LinkSample &sample);
    void signOffReceived();
    void drawPendingPoints();

    SampleBuffer &m_samples;
    DrawingSurface &m_graph;
    const CurrentTest &m_test;
    LinkReceiver m_receiver;
    QLabel *m_localAddress = nullptr; // Label20
    std::vector<LinkSample> m_pendingPoints;
    QTimer m_frameTimer;
    qint64 m_drawnPoints = 0;
};

// The machine's own IPv4 address on the network (the first one that is not the loopback), or
// 127.0.0.1 when it has none.
QString localIpAddress();

} // namespace kavren
