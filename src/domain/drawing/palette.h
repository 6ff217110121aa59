// The classic 16-colour table that every colour setting of the program numbers 0–15.
#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>

namespace kavren {

// The colour of a palette number; empty outside 0–15.
std::optional<QColor> paletteColour(int number);
// The colour of a number rounded half to even; empty when it is not finite or outside 0–15.
std::optional<QColor> paletteColourOfNumber(double number);

// A colour, width, raw-colour or fill-pattern field read as a whole number: the whole text must be
// one number (blanks around it allowed, "." the only decimal sign), rounded half to even. Empty
// for anything else ("", "x", "12x", "1 2", "12,5"), so that the step using it is skipped.
std::optional<double> wholeNumberOfText(QStringView text);

// The colour of a field's text: its whole number looked up in the palette. Empty when the text
// is not a number or the number is outside 0–15.
std::optional<QColor> paletteColourOfText(const QString &text);

// The contrast ratio of two colours, 1 to 21: (lighter + 0.05) / (darker + 0.05) of their relative
// luminances (sRGB channels linearised, weighted 0.2126 red, 0.7152 green, 0.0722 blue).
double contrastRatio(const QColor &a, const QColor &b);

// The least contrast a colour drawn on the graph keeps with the graph's background.
inline constexpr double MinimumDrawnContrast = 3;

// The colour a drawing is made in on a background: the colour itself when it has at least
// MinimumDrawnContrast with the background; otherwise black or white, whichever has more (white
// on green, black on white), so that a point in the background's own colour does not vanish.
QColor legibleOn(const QColor &colour, const QColor &background);

} // namespace kavren
