// The "Help" menu: the shipped manual handed to the browser, a missing one named, and the
// "About Kavren" box.
#include "ui/help/help_controller.h"
#include "support/message_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

using kavren::HelpController;
using kavren::testing::MessageLog;

namespace {

struct HelpTest : ::testing::Test {
    HelpController &help(const QString &manual) {
        m_help =
            new HelpController(&m_window, "/media/stick/kavren", manual, [this](const QUrl &url) {
                m_opened << url;
                return true;
            });
        return *m_help;
    }
    QWidget m_window;
    HelpController *m_help = nullptr;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(HelpTest, TheInstalledManualGoesToTheBrowserAndAMissingOneIsNamed) {
    QTemporaryDir install;
    const QString manual = HelpController::installedManual(install.filePath("usr/bin"));
    EXPECT_EQ(manual, install.filePath("usr/share/doc/kavren/manual.html"));

    MessageLog log;
    help(manual).showManual();
    EXPECT_TRUE(m_opened.isEmpty());
    ASSERT_EQ(log.texts().size(), 1);
    EXPECT_TRUE(log.texts()[0].contains(manual)) << log.texts()[0].toStdString();

    ASSERT_TRUE(QDir().mkpath(install.filePath("usr/share/doc/kavren")));
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_help->showManual();
    EXPECT_EQ(m_opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
    EXPECT_EQ(log.texts().size(), 1);
}

TEST_F(HelpTest, AboutNamesVersionQtLicenceAndDataFolder) {
    QCoreApplication::setApplicationVersion("7.3");
    const QString about = help("manual.html").aboutText();
    for (const QString &part :
         {QStringLiteral("Kavren Equine 7.3"), QString::fromLatin1(qVersion()),
          QStringLiteral("Licence"), QStringLiteral("/media/stick/kavren")})
        EXPECT_TRUE(about.contains(part)) << part.toStdString() << " in " << about.toStdString();
    QCoreApplication::setApplicationVersion(QString());
}
