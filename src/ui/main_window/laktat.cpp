#include "ui/main_window/laktat.h"

#include "io/settings_file.h"
#include "ui/common/file_list_panel.h"
#include "ui/common/message_dialog.h"
#include "ui/common/window_scale.h"
#include "ui/entry/entry_panel.h"
#include "ui/graph/style_panel.h"
#include "ui/remote_link/link_controller.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTimer>

using namespace kavren;

namespace {

// A settings file of ours is 28 short lines; nothing beyond this is read.
constexpr qint64 MaxSettingsBytes = 1 << 20;

} // namespace

Laktat::Laktat(const QString &programFolder, Clock clock, QWidget *parent)
    : QMainWindow(parent), m_clock(std::move(clock)),
      m_programFolder(QDir::cleanPath(programFolder)) {
    setObjectName(QStringLiteral("laktat"));
    setWindowTitle(QStringLiteral("Kavren Equine"));
    buildWindow();
    startup();
    m_databaseCtl->showCurrentDatabase();
}

Laktat::~Laktat() = default;

void Laktat::startup() {
    if (const QScreen *screen = this->screen()) {
        setGeometry(screen->availableGeometry());
        fitToArea(screen->availableGeometry());
    }
    m_styles->hideFrames();
    m_fileList->hide();
    m_link->hideFrame();

    QDir::setCurrent(m_programFolder);
    QFile file(QDir(m_programFolder).filePath(SettingsFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        m_startupFailed = true;
        showMessage(this, tr("def4.txt missing !"));
        return;
    }
    const SettingsValues settings = parseSettings(file.read(MaxSettingsBytes));
    file.close();

    m_entry->hideSpareHeartRate();
    m_recalcTimer->start();
    m_styles->showStyleLines(settings.styles);
    if (settings.importFolder)
        m_import->setImportFolder(*settings.importFolder);
    m_tempoAxisColour = settings.tempoAxisColour.value_or(m_tempoAxisColour);
    m_styles->setStyleText(QStringLiteral("Text59"), QString::number(m_tempoAxisColour));
    if (settings.databasePath)
        m_databaseCtl->useSettingsLine(*settings.databasePath);
    m_databaseCtl->searchByName();
    m_styles->colourHeartRateCaption();
    m_screen->selectMinPerKm();
}

void Laktat::shutdown() {
    if (m_shutDown || m_startupFailed)
        return;
    m_shutDown = true;
    m_recalcTimer->stop();
    const QByteArray contents = formatSettings(m_styles->styleLines(), m_database.databasePath,
                                               m_import->importFolder(), m_tempoAxisColour);
    if (!writeSettingsFile(QDir(m_programFolder).filePath(SettingsFileName), contents))
        showMessage(
            this, QStringLiteral(
                      "def4.txt could not be written; the settings of this session are not kept."));
}

void Laktat::closeWithoutAsking() {
    m_closeWithoutAsking = true;
    close();
}

void Laktat::closeEvent(QCloseEvent *event) {
    if (!m_databaseCtl->mayClose(!m_closeWithoutAsking)) {
        event->ignore();
        return;
    }
    shutdown();
    event->accept();
    hide();
    QCoreApplication::quit();
}
