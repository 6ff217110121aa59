// The palette colours and the whole-number reading that every colour field goes through.
#include "domain/drawing/palette.h"

#include "domain/exercise/numeric_text.h"

#include <algorithm>
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

namespace {

double linearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green()) +
           0.0722 * linearChannel(rgb.blue());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor &colour, const QColor &background) {
    if (contrastRatio(colour, background) >= MinimumDrawnContrast)
        return colour;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace kavren
