#include "ui/common/translations.h"

#include "io/language_preference.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace kavren {

namespace {

// The translators in force, owned here so that the next choice can take them out again.
struct InstalledTranslators {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> toolkit;
};

InstalledTranslators &installed() {
    static InstalledTranslators translators;
    return translators;
}

void remove(std::unique_ptr<QTranslator> &translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

bool useLanguage(const QString &code) {
    InstalledTranslators &translators = installed();
    remove(translators.own);
    remove(translators.toolkit);
    if (code == QLatin1String(OriginalLanguage))
        return true;
    if (!isLanguageCode(code))
        return false;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/kavren_") + code))
        return false;
    QCoreApplication::installTranslator(own.get());
    translators.own = std::move(own);
    // Debian's qt6-translations-l10n; without it the standard buttons stay in English.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        translators.toolkit = std::move(toolkit);
    }
    return true;
}

} // namespace kavren
