// The language of the window's texts: "original" (the texts as the program writes them, with no
// translation loaded) or one of the translations, by its code. The choice is kept in the
// preferences file of the data folder, group "Language", key "Window", and takes effect at the
// next start; `--language` overrides it for one run.
#pragma once

#include <QString>
#include <QStringList>

namespace kavren {

// The window's own texts, untranslated.
inline constexpr char OriginalLanguage[] = "original";

// Every language the program offers, "original" first, then the translations' codes.
QStringList languageCodes();
// Whether code is one of languageCodes().
bool isLanguageCode(const QString &code);
// A language as the choice lists it, named in itself ("Deutsch", "Svenska"); "Original" for the
// untranslated texts.
QString languageName(const QString &code);

// The language kept for a data folder; "original" when none or an unknown one is kept.
QString readLanguage(const QString &dataFolder);
// Keeps the language; false when the file could not be written.
bool writeLanguage(const QString &dataFolder, const QString &code);

} // namespace kavren
