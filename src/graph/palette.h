// The classic 16-colour table that every colour setting of the program numbers 0–15.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace kavren {

// The colour of a palette number; empty outside 0–15.
std::optional<QColor> paletteColour(int number);
// The colour of a field's text: the text read as a number, rounded half to even, looked up in the
// palette. Empty when the text has no number or the number is outside 0–15.
std::optional<QColor> paletteColourOfText(const QString &text);

} // namespace kavren
