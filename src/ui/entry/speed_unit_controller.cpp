#include "ui/entry/speed_unit_controller.h"

#include "domain/exercise/unit_conversion.h"
#include "ui/entry/entry_panel.h"

#include <QTimer>

namespace kavren {

SpeedUnitController::SpeedUnitController(EntryPanel *entry, CurrentTest &test, QTimer *tick,
                                         QObject *parent)
    : QObject(parent), m_entry(entry), m_test(test), m_tick(tick) {
    connect(m_tick, &QTimer::timeout, this, &SpeedUnitController::recalcTick);
    connect(m_entry, &EntryPanel::unitClicked, this, &SpeedUnitController::chooseUnit);
    m_entry->setUnitSource([&test] { return test.speedUnit; });
}

void SpeedUnitController::chooseUnit(SpeedUnit unit) {
    emit unitChosen(unit);
    const bool recovery = unit == SpeedUnit::RecoveryTime;
    if (recovery)
        m_entry->enableRecoveryOption();
    m_test.scale.xOffset = recovery ? 4 : 0;
    m_test.scale.xDivisor = recovery ? 3 : 1;
    if (unit != SpeedUnit::MinPerKm)
        m_tick->stop();
    m_test.speedUnit = unit;
    m_test.discipline = disciplineOf(unit);
    m_entry->showSpeedCaption(speedAxisCaption(unit));
    m_entry->markImplausibleValues();
    m_entry->focusFirstStep();
    m_tick->start();
}

void SpeedUnitController::recalcTick() {
    if (m_firstTick) {
        m_firstTick = false;
        m_entry->focusName();
    }
    m_entry->showDiscipline(m_test.discipline);
    // A unit set with a loaded or imported test judges its speeds anew.
    m_entry->markImplausibleValues();
    if (m_test.discipline.isEmpty())
        return;
    TestSteps steps = m_entry->steps();
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i].pace = m_test.pace[i];
    const int converted = convertSpeeds(m_test.discipline, steps);
    m_entry->showConverted(steps, converted);
    for (std::size_t i = 0; i < std::size_t(converted); ++i)
        m_test.pace[i] = steps[i].pace;
}

} // namespace kavren
