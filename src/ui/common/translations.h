// Puts the window's texts into a language: Kavren's own translation (built into the program) and,
// when the system has it, Qt's own for its standard dialogs and buttons.
#pragma once

#include <QString>

namespace kavren {

// Replaces the translations in force by those of `code` (see io/language_preference.h);
// "original" loads none, so every text stays as the program writes it. False when Kavren has no
// translation for the code. Texts already shown keep their language: call it before the window
// is built.
bool useLanguage(const QString &code);

} // namespace kavren
