// The live heart-rate link as a flow: the link box over the graph, a run readied on "Connect"
// (the test emptied and without a fit), and the steps picked from the run when the device signs
// off. What goes onto the other features' controls is signalled as values for the main window.
#pragma once

#include "domain/exercise/current_exercise.h"
#include "domain/exercise/sample_buffer.h"
#include "domain/remote_link/step_selection.h"

#include <QObject>
#include <QString>

class QRect;
class QWidget;

namespace kavren {

class DrawingSurface;
class LinkPanel;

class LinkController : public QObject {
    Q_OBJECT
public:
    // The link box `SSFrame3` is made in `area` at frameRect; the run's pairs go into `samples`
    // and its live points onto `graph` with the heart-rate scale of `test`.
    LinkController(QWidget *area, const QRect &frameRect, SampleBuffer &samples,
                   DrawingSurface &graph, CurrentTest &test);

    // The link box, for the window to place and bring to the front.
    // The link box comes to the front through this filter whenever it is shown.
    void raiseWhenShown(QObject *raiser);
    // "Internet": shows the link box.
    void showFrame();
    void hideFrame();

    // The heart rate the first step shows while a run waits for data; the run's first calculation
    // draws the 120…240 heart-rate axis that the live points need.
    static QString firstHeartRate() { return QStringLiteral("120"); }

signals:
    // "Connect" opened the link: the window empties the test (the steps, names and comparison
    // cells of the test before must not be calculated again with the run's first heart rate),
    // chooses the database for the run's test, shows the first heart rate in min/km and
    // calculates once, then shows the heart-rate-only display.
    void runStarted();
    // The device signed off: the steps of the run as min/km paces and heart rates.
    void stepsReceived(const kavren::LinkStepTexts &steps);

private:
    void linkConnected();
    void linkSignedOff();

    SampleBuffer &m_samples;
    CurrentTest &m_test;
    LinkPanel *m_panel = nullptr; // SSFrame3 and the live run
};

} // namespace kavren
