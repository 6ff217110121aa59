#include "io/language_preference.h"

#include "io/preferences_file.h"

#include <QCoreApplication>
#include <QSettings>

namespace kavren {

namespace {

const QString Group = QStringLiteral("Language");
const QString Key = QStringLiteral("Window");

} // namespace

QStringList languageCodes() {
    return {QString::fromLatin1(OriginalLanguage), QStringLiteral("en"), QStringLiteral("de"),
            QStringLiteral("sv"), QStringLiteral("fr")};
}

bool isLanguageCode(const QString &code) {
    return languageCodes().contains(code);
}

QString languageName(const QString &code) {
    // Each language keeps its own name whatever language the window speaks.
    if (code == u"en")
        return QStringLiteral("English");
    if (code == u"de")
        return QStringLiteral("Deutsch");
    if (code == u"sv")
        return QStringLiteral("Svenska");
    if (code == u"fr")
        return QStringLiteral("Français");
    //: The program's texts as written, with no translation.
    return QCoreApplication::translate("Language", "Original");
}

QString readLanguage(const QString &dataFolder) {
    QSettings settings(preferencesPath(dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    const QString code = settings.value(Key).toString();
    return isLanguageCode(code) ? code : QString::fromLatin1(OriginalLanguage);
}

bool writeLanguage(const QString &dataFolder, const QString &code) {
    QSettings settings(preferencesPath(dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    settings.setValue(Key, code);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace kavren
