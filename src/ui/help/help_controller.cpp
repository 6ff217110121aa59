#include "ui/help/help_controller.h"

#include "ui/common/message_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace kavren {

HelpController::HelpController(QWidget *window, QString dataFolder, QString manualFile,
                               UrlOpener opener)
    : QObject(window), m_window(window), m_dataFolder(std::move(dataFolder)),
      m_manualFile(std::move(manualFile)), m_opener(std::move(opener)) {
    if (m_manualFile.isEmpty())
        m_manualFile = installedManual(QCoreApplication::applicationDirPath());
    if (!m_opener)
        m_opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

QString HelpController::installedManual(const QString &executableFolder) {
    return QDir::cleanPath(
        QDir(executableFolder).filePath(QStringLiteral("../share/doc/kavren/manual.html")));
}

void HelpController::showManual() {
    if (!QFileInfo(m_manualFile).isFile()) {
        showMessage(m_window, tr("The user manual is not installed; it should be %1.")
                                  .arg(QDir::toNativeSeparators(m_manualFile)));
        return;
    }
    if (!m_opener(QUrl::fromLocalFile(QFileInfo(m_manualFile).absoluteFilePath())))
        showMessage(m_window, tr("No browser could show the user manual %1.")
                                  .arg(QDir::toNativeSeparators(m_manualFile)));
}

QString HelpController::aboutText() const {
    return tr("Kavren Equine %1\n"
              "Lactate and heart-rate analysis of exercise tests on horses.\n\n"
              "Built with Qt %2, running with Qt %3.\n"
              "Licence: proprietary, all rights reserved by Kavren Equine.\n\n"
              "Data folder: %4")
        .arg(QCoreApplication::applicationVersion(), QStringLiteral(QT_VERSION_STR),
             QString::fromLatin1(qVersion()), QDir::toNativeSeparators(m_dataFolder));
}

void HelpController::showAbout() {
    showMessage(m_window, aboutText());
}

} // namespace kavren
