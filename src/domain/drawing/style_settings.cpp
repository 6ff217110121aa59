// Conversions of the style texts and the table that ties each style value to its control.
#include "domain/drawing/style_settings.h"

#include "domain/drawing/palette.h"
#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

std::optional<QColor> stylePaletteColour(const QString &text) {
    return paletteColourOfText(text);
}

std::optional<int> styleWidth(const QString &text) {
    const auto number = wholeNumberOfText(text);
    // A width is a 16-bit whole number; anything wider does not convert.
    if (!number || *number < 1 || *number > 32767)
        return std::nullopt;
    return int(*number);
}

double styleSize(const QString &text) {
    const double value = readNumber(text);
    return std::isfinite(value) ? value : 0;
}

std::optional<QColor> styleRawColour(const QString &text) {
    const auto number = wholeNumberOfText(text);
    return number ? colourOfRawValue(*number) : std::nullopt;
}

std::optional<FillPattern> styleFillPattern(const QString &text) {
    const auto number = wholeNumberOfText(text);
    return number ? fillPatternOfNumber(*number) : std::nullopt;
}

const std::vector<StyleField> &styleFields() {
    using S = StyleSettings;
    static const std::vector<StyleField> fields = {
        {"Text44", &S::lactateColour, true},
        {"Text43", &S::lactateColourOthers, true},
        {"Text45", &S::hrColour, true},
        {"Text46", &S::hrColourOthers, true},
        {"Text22", &S::curveWidth, true},
        {"Text23", &S::circleSize, true},
        {"Text24", &S::circleWidth, true},
        {"Text25", &S::helpLineWidth, true},
        {"Text41", &S::thresholdColour, true},
        {"Text42", &S::backgroundColour, true},
        {"Text59", &S::speedAxisColour, true},
        {"Text40", &S::printLactateWidth, false},
        {"Text34", &S::printLactateColour, false},
        {"Text47", &S::printLactateColourOthers, false},
        {"Text26", &S::printHrWidth, false},
        {"Text30", &S::printHrColour, false},
        {"Text48", &S::printHrColourOthers, false},
        {"Text27", &S::printMarkSize, false},
        {"Text28", &S::printMarkWidth, false},
        {"Text31", &S::printLactateMarkColour, false},
        {"Text37", &S::printLactateMarkFill, false},
        {"Text35", &S::printHrMarkColour, false},
        {"Text36", &S::printHrMarkFill, false},
        {"Text32", &S::printMarkFillStyle, false},
        {"Text38", &S::printLactateLineWidth, false},
        {"Text39", &S::printLactateLineColour, false},
        {"Text29", &S::printHelpLineWidth, false},
        {"Text33", &S::printHelpLineColour, false},
    };
    return fields;
}

} // namespace kavren
