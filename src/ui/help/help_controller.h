// The "Help" menu: the user manual shipped with the program, opened in the desktop's browser, and
// "About Kavren" with the version, the Qt version, the licence and the data folder.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace kavren {

class HelpController : public QObject {
    Q_OBJECT
public:
    // Hands a page to the desktop's browser; false when none took it.
    using UrlOpener = std::function<bool(const QUrl &)>;

    // window owns the messages; manualFile is where the manual is (by default the one installed
    // with the running program); opener shows it (the desktop's own handler by default).
    HelpController(QWidget *window, QString dataFolder, QString manualFile = {},
                   UrlOpener opener = {});

    // The manual of an installation whose program lies in executableFolder (bin/): the page in
    // share/doc/kavren beside it.
    static QString installedManual(const QString &executableFolder);

    // "Help" > "User manual": the manual in the browser, or a message naming where it should be.
    void showManual();
    // "Help" > "About Kavren".
    void showAbout();
    QString aboutText() const;

private:
    QWidget *m_window;
    QString m_dataFolder;
    QString m_manualFile;
    UrlOpener m_opener;
};

} // namespace kavren
