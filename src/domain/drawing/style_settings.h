// The 28 drawing-style values of the screen graph and the printed graph, each the text of a small
// field, and the conversions that read them at the moment of drawing. A conversion that fails gives
// an empty value: the drawing step that uses it is skipped and the previous state stays in force.
#pragma once

#include "domain/drawing/drawing_surface.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace kavren {

// Palette, width, raw-colour and pattern fields must hold nothing but a number (blanks around it
// allowed), which is rounded half to even before its range is checked: "12x" or "1 2" fails.
// Palette colour 0–15.
std::optional<QColor> stylePaletteColour(const QString &text);
// Line width in device pixels, 1 or more.
std::optional<int> styleWidth(const QString &text);
// A size in graph units by the numeric reading rule; a text without a number reads as 0.
double styleSize(const QString &text);
// A raw colour 0xBBGGRR used directly, not through the palette.
std::optional<QColor> styleRawColour(const QString &text);
// A fill pattern 0–7 (the frame offers "Type(0-8)", but 8 is no pattern).
std::optional<FillPattern> styleFillPattern(const QString &text);

struct StyleSettings {
    // Screen set (frame "Screen"), with the design defaults.
    QString lactateColour = QStringLiteral("9");        // Text44
    QString lactateColourOthers = QStringLiteral("15"); // Text43
    QString hrColour = QStringLiteral("12");            // Text45
    QString hrColourOthers = QStringLiteral("14");      // Text46
    QString curveWidth = QStringLiteral("2");           // Text22
    QString circleSize = QStringLiteral(".07");         // Text23
    QString circleWidth = QStringLiteral("1");          // Text24
    QString helpLineWidth = QStringLiteral("1");        // Text25
    QString thresholdColour = QStringLiteral("2");      // Text41
    QString backgroundColour = QStringLiteral("2");     // Text42
    QString speedAxisColour = QStringLiteral("7");      // Text59

    // Printer set (frame "Printer").
    QString printLactateWidth;                               // Text40, empty by design
    QString printLactateColour = QStringLiteral("4");        // Text34
    QString printLactateColourOthers = QStringLiteral("11"); // Text47, read by nothing
    QString printHrWidth = QStringLiteral("4");              // Text26
    QString printHrColour = QStringLiteral("1");             // Text30
    QString printHrColourOthers = QStringLiteral("2");       // Text48, read by nothing
    QString printMarkSize = QStringLiteral("0.05");          // Text27
    QString printMarkWidth = QStringLiteral("1");            // Text28
    QString printLactateMarkColour = QStringLiteral("4");    // Text31
    QString printLactateMarkFill = QStringLiteral("4");      // Text37, raw colour
    QString printHrMarkColour = QStringLiteral("1");         // Text35
    QString printHrMarkFill = QStringLiteral("1");           // Text36, raw colour
    QString printMarkFillStyle = QStringLiteral("0");        // Text32
    QString printLactateLineWidth = QStringLiteral("4");     // Text38
    QString printLactateLineColour = QStringLiteral("2");    // Text39
    QString printHelpLineWidth = QStringLiteral("1");        // Text29, kept but not drawn with
    QString printHelpLineColour = QStringLiteral("0");       // Text33
};

// Which field of StyleSettings a style control holds.
struct StyleField {
    const char *controlName; // "Text44"
    QString StyleSettings::*value;
    bool screen; // in the "Screen" frame, else in "Printer"
};
const std::vector<StyleField> &styleFields();

} // namespace kavren
