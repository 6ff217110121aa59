#include "ui/remote_link/link_panel.h"

#include "ui/common/twips.h"
#include "ui/common/named_controls.h"
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/live_point.h"

#include <QGroupBox>
#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>

namespace kavren {

LinkPanel::LinkPanel(QWidget *area, const QRect &frameRect, SampleBuffer &samples,
                     DrawingSurface &graph, const CurrentTest &test)
    : QGroupBox(tr("Local Ip              Remote Ip                      "), area),
      m_samples(samples), m_graph(graph), m_test(test) {
    buildFrame(frameRect);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setInterval(FrameMilliseconds);
    connect(&m_frameTimer, &QTimer::timeout, this, &LinkPanel::drawPendingPoints);
    connect(&m_receiver, &LinkReceiver::ownerChosen, this, &LinkPanel::ownerChosen);
    connect(&m_receiver, &LinkReceiver::sampleReceived, this, &LinkPanel::sampleReceived);
    connect(&m_receiver, &LinkReceiver::signOffReceived, this, &LinkPanel::signOffReceived);
}

void LinkPanel::buildFrame(const QRect &rect) {
    setObjectName(QStringLiteral("SSFrame3"));
    setGeometry(rect);
    m_localAddress = new QLabel(this);
    m_localAddress->setObjectName(QStringLiteral("Label20"));
    m_localAddress->setGeometry(twipsRect(120, 300, 2400, 300));
    connect(
        namedControl<QPushButton>(this, "Command2", tr("Connect"), twipsRect(120, 720, 1200, 375)),
        &QPushButton::clicked, this, &LinkPanel::connectLink);
    connect(
        namedControl<QPushButton>(this, "Command3", tr("Close"), twipsRect(1440, 720, 1200, 375)),
        &QPushButton::clicked, this, &LinkPanel::closeLink);
    hide();
}

void LinkPanel::showFrame() {
    show();
    raise();
}

void LinkPanel::connectLink() {
    if (const auto failure = m_receiver.open()) {
        emit problem(*failure);
        return;
    }
    m_pendingPoints.clear();
    m_drawnPoints = 0;
    m_samples.sampleCount = 0;
    m_localAddress->setText(localIpAddress());
    emit connected();
}

void LinkPanel::closeLink() {
    m_receiver.close();
    hide();
}

void LinkPanel::ownerChosen(const QHostAddress &address) {
    if (QWidget *owner = window())
        owner->setWindowTitle(QStringLiteral("Telemo   ") + address.toString());
    hide();
}

void LinkPanel::sampleReceived(const LinkSample &sample) {
    m_samples.setRow(m_samples.sampleCount, float(sample.speedMps), float(sample.heartRate));
    ++m_samples.sampleCount;
    m_pendingPoints.push_back(sample);
    if (!m_frameTimer.isActive())
        m_frameTimer.start();
}

void LinkPanel::signOffReceived() {
    // Nothing received yet (or cleared since): the steps stay as they are and the link open.
    if (m_samples.sampleCount == 0)
        return;
    m_receiver.close();
    drawPendingPoints();
    emit signedOff();
}

void LinkPanel::drawPendingPoints() {
    m_frameTimer.stop();
    const double hrScale = m_test.scale.hrScale;
    for (const LinkSample &sample : m_pendingPoints)
        drawLivePoint(m_graph, sample.speedMps, sample.heartRate, hrScale);
    m_drawnPoints += qint64(m_pendingPoints.size());
    m_pendingPoints.clear();
}

QString localIpAddress() {
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    return QHostAddress(QHostAddress::LocalHost).toString();
}

} // namespace kavren
