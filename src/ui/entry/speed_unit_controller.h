// The speed unit of the test on screen and the conversion tick: choosing a unit sets the test's
// discipline and scale and the speed column's caption; every tick (300 ms) writes the typed speeds
// converted into metres per second and the second speed column.
#pragma once

#include "domain/exercise/current_exercise.h"
#include "domain/exercise/speed_unit.h"

#include <QObject>

class QTimer;

namespace kavren {

class EntryPanel;

class SpeedUnitController : public QObject {
    Q_OBJECT
public:
    // tick is the window's conversion timer (Timer1); the controller connects and drives it.
    SpeedUnitController(EntryPanel *entry, CurrentTest &test, QTimer *tick,
                        QObject *parent = nullptr);

    // Chooses a speed unit as a click on its option does.
    void chooseUnit(SpeedUnit unit);
    // One tick of the unit conversion.
    void recalcTick();

signals:
    // A unit was chosen; the other features show it (before the entry fields do).
    void unitChosen(kavren::SpeedUnit unit);

private:
    EntryPanel *m_entry;
    CurrentTest &m_test;
    QTimer *m_tick;
    bool m_firstTick = true;
};

} // namespace kavren
