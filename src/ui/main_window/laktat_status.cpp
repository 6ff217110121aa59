// The main window's status bar: what needs no answer from the user (a saved test, a fit that
// could not use the steps) is said there instead of in a message box.
#include "ui/main_window/laktat.h"

#include "ui/entry/calculation_controller.h"
#include "io/database/database_queue.h"
#include "io/database/server_address.h"

#include <QDir>
#include <QStatusBar>

using namespace kavren;

void Laktat::showSavedStatus(const QString &name, const QString &moment) {
    m_calculation->fitStatusReplaced();
    const QString where = isServerAddress(m_database.databasePath)
                              ? shownDatabaseName(m_database)
                              : QDir::toNativeSeparators(m_database.databasePath);
    statusBar()->showMessage(tr("Test saved in %1 (%2, %3)").arg(where, name, moment));
}

bool Laktat::databaseBusy() const {
    return m_databaseQueue && m_databaseQueue->isBusy();
}

void Laktat::databaseWorkStarted(const QString &databasePath) {
    m_waitingText = tr("Waiting for the database server of %1…").arg(shownServerName(databasePath));
    statusBar()->showMessage(m_waitingText);
}

void Laktat::databaseAnswerArriving() {
    if (statusBar()->currentMessage() == m_waitingText)
        statusBar()->clearMessage();
}

void Laktat::databaseWorkAnswered() {
    // What the answer put in the status bar (a saved test, say) stays; only the waiting goes.
    if (statusBar()->currentMessage() == m_waitingText)
        statusBar()->clearMessage();
    if (m_closeWhenAnswered) {
        m_closeWhenAnswered = false;
        close();
    }
}
