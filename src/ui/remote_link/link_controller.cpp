#include "ui/remote_link/link_controller.h"

#include "ui/common/message_dialog.h"
#include "ui/remote_link/link_panel.h"

#include <QWidget>

namespace kavren {

LinkController::LinkController(QWidget *area, const QRect &frameRect, SampleBuffer &samples,
                               DrawingSurface &graph, CurrentTest &test)
    : QObject(area), m_samples(samples), m_test(test),
      m_panel(new LinkPanel(area, frameRect, samples, graph, test)) {
    connect(m_panel, &LinkPanel::connected, this, &LinkController::linkConnected);
    connect(m_panel, &LinkPanel::signedOff, this, &LinkController::linkSignedOff);
    connect(m_panel, &LinkPanel::problem, this,
            [this](const QString &message) { showMessage(m_panel->window(), message); });
}

void LinkController::raiseWhenShown(QObject *raiser) {
    m_panel->frame()->installEventFilter(raiser);
}

void LinkController::showFrame() {
    m_panel->showFrame();
}

void LinkController::hideFrame() {
    m_panel->frame()->hide();
}

void LinkController::linkConnected() {
    // Without speeds the fit keeps its previous coefficients: the last run's line must not give
    // the empty test a V200.
    m_test.fit = {};
    m_test.fitDouble = {};
    emit runStarted();
}

void LinkController::linkSignedOff() {
    emit stepsReceived(takeLinkSteps(m_samples));
}

} // namespace kavren
