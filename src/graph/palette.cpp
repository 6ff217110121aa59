// The palette colours and the whole-number reading that every colour field goes through.
#include "graph/palette.h"

#include "exercise/numeric_text.h"

#include <array>
#include <cmath>

namespace kavren {

std::optional<QColor> paletteColour(int number) {
    static constexpr std::array<QRgb, 16> colours = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (number < 0 || number >= int(colours.size()))
        return std::nullopt;
    return QColor::fromRgb(colours[std::size_t(number)]);
}

std::optional<double> wholeNumberOfText(QStringView text) {
    const std::optional<double> value = readStrictNumber(text);
    if (!value)
        return std::nullopt;
    return roundHalfEven(*value);
}

std::optional<QColor> paletteColourOfNumber(double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    const double whole = roundHalfEven(number);
    if (whole < 0 || whole > 15)
        return std::nullopt;
    return paletteColour(int(whole));
}

std::optional<QColor> paletteColourOfText(const QString &text) {
    const std::optional<double> number = wholeNumberOfText(text);
    return number ? paletteColourOfNumber(*number) : std::nullopt;
}

} // namespace kavren
