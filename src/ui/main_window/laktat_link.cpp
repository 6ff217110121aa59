// The remote heart-rate link in the main window: the link box over the graph, the test made ready
// for live data on "Connect", and the steps taken over when the device signs off.
#include "ui/main_window/laktat.h"

#include "ui/common/message_dialog.h"
#include "ui/entry/entry_panel.h"
#include "ui/common/twips.h"
#include "ui/graph/graph_widget.h"
#include "ui/remote_link/link_panel.h"
#include "domain/remote_link/step_selection.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace kavren;

void Laktat::buildLink(QWidget *area) {
    const QRect frameRect(m_graph->geometry().topLeft(), twipsRect(0, 0, 4200, 1200).size());
    m_link = new LinkPanel(area, frameRect, m_samples, m_graph->surface(), m_test);
    connect(m_link, &LinkPanel::connected, this, &Laktat::linkConnected);
    connect(m_link, &LinkPanel::signedOff, this, &Laktat::linkSignedOff);
    connect(m_link, &LinkPanel::problem, this,
            [this](const QString &message) { showMessage(this, message); });
}

void Laktat::selectMinPerKm() {
    m_entry->unitOption(SpeedUnit::MinPerKm)->setChecked(true);
    chooseUnit(SpeedUnit::MinPerKm);
}

void Laktat::linkConnected() {
    // A live run starts from an empty test, as an import does: the steps, names and comparison
    // cells of the test before must not be calculated again with the live run's first heart rate.
    clearAll();
    // Without speeds the fit keeps its previous coefficients: the last run's line must not give
    // the empty test a V200.
    m_test.fit = {};
    m_test.fitDouble = {};
    m_database.selectedDatabaseName = kChosenByImportOrLink;
    m_entry->hrField(0)->setText(QStringLiteral("120"));
    selectMinPerKm();
    m_linkActive = true;
    m_liveDataPending = true;
    // The first run draws the frame with the 120…240 heart-rate axis the live points need.
    runCalculation();
    setHeartRateOnly(true);
    m_entry->nameField()->setFocus();
}

void Laktat::linkSignedOff() {
    m_liveDataPending = true;
    const LinkStepTexts steps = takeLinkSteps(m_samples);
    // The steps are written as min/km paces, whatever unit was clicked during the run.
    if (m_test.speedUnit != SpeedUnit::MinPerKm)
        selectMinPerKm();
    for (int row = 0; row < StepRows; ++row) {
        if (const auto &speed = steps.speedTexts[std::size_t(row)])
            m_entry->speedField(row)->setText(*speed);
        if (const auto &hr = steps.hrTexts[std::size_t(row)])
            m_entry->hrField(row)->setText(*hr);
    }
    // The paces are converted now: the run must not work on the speeds of the last timer tick.
    recalcTick();
    runCalculation();
}
