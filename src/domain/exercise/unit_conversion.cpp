#include "domain/exercise/unit_conversion.h"

#include "domain/exercise/numeric_text.h"

#include <cmath>
#include <optional>

namespace kavren {

namespace {

struct ConvertedRow {
    QString speedMs;
    std::optional<QString> altSpeed;
    std::optional<QString> pace;
};

bool finite(double value) {
    return std::isfinite(value);
}

// Speed in km/h; every row but the last stops at an empty speed.
std::optional<ConvertedRow> convertEndurance(double v) {
    const double speedMs = cutDecimals(v / 3.6, 2);
    if (!finite(speedMs))
        return std::nullopt;
    return ConvertedRow{writeNumber(speedMs), std::nullopt, std::nullopt};
}

// Pace typed as minutes "." seconds per kilometre (1.25 is 1 min 25 s).
std::optional<ConvertedRow> convertTrotting(double v) {
    const double wholeMinutes = intFloor(v);
    const auto seconds = toSingle((v - wholeMinutes) * 100.0 / 60.0);
    if (!seconds)
        return std::nullopt;
    const double t = wholeMinutes + double(*seconds);
    const double metresPerMinute = intFloor(3600.0 / (t * 3.6));
    const double speedMs = cutDecimals(metresPerMinute / 60.0, 2);
    const double secondsPer200m = cutDecimals(200.0 / speedMs, 2);
    if (!finite(metresPerMinute) || !finite(speedMs) || !finite(secondsPer200m))
        return std::nullopt;
    return ConvertedRow{writeNumber(speedMs), writeNumber(secondsPer200m),
                        writeNumber(metresPerMinute)};
}

// Speed in metres per minute.
std::optional<ConvertedRow> convertRiding(double v) {
    const double speedMs = cutDecimals(v / 60.0, 2);
    const auto minutesPerKm = toSingle(3600.0 / (v * 3.6));
    const double secondsPer200m = cutDecimals(200.0 / speedMs, 2);
    if (!finite(speedMs) || !minutesPerKm || !std::isfinite(*minutesPerKm) ||
        !finite(secondsPer200m))
        return std::nullopt;
    return ConvertedRow{writeNumber(speedMs), writeNumber(secondsPer200m), paceText(*minutesPerKm)};
}

// Time in seconds per 200 m.
std::optional<ConvertedRow> convertGalloping(double v) {
    const double speedMs = cutDecimals(200.0 / v, 2);
    const auto minutesPerKm = toSingle(v * 0.3 / 3.6);
    const double metresPerMinute = intFloor(speedMs * 60.0);
    if (!finite(speedMs) || !minutesPerKm || !std::isfinite(*minutesPerKm) ||
        !finite(metresPerMinute))
        return std::nullopt;
    return ConvertedRow{writeNumber(speedMs), writeNumber(metresPerMinute),
                        paceText(*minutesPerKm)};
}

// Minutes after the work typed as minutes "." seconds, shown as decimal minutes.
std::optional<ConvertedRow> convertRecovery(double v) {
    const auto t = toSingle(v);
    if (!t || !std::isfinite(*t))
        return std::nullopt;
    const double m = intFloor(double(*t));
    const double minutes = roundHalfEven(double(*t - float(m)) / 0.6 + m, 2);
    if (!finite(minutes))
        return std::nullopt;
    return ConvertedRow{writeNumber(minutes), std::nullopt, std::nullopt};
}

// The converted row, or nothing when this row stops the tick.
std::optional<ConvertedRow> convertRow(const QString &discipline, const TestStep &step, int row) {
    const double v = readNumber(step.speedText);
    if (!std::isfinite(v))
        return std::nullopt;
    if (discipline == u"Endur") {
        if (step.speedText.isEmpty() && row < StepRows - 1)
            return std::nullopt;
        return convertEndurance(v);
    }
    if (discipline == u"Recovery")
        return step.speedText.isEmpty() ? std::nullopt : convertRecovery(v);
    if (v == 0)
        return std::nullopt;
    if (discipline == u"Trav")
        return convertTrotting(v);
    if (discipline == u"Rid")
        return convertRiding(v);
    if (discipline == u"Galopp")
        return convertGalloping(v);
    return std::nullopt;
}

} // namespace

QString paceText(float minutesPerKm) {
    const float wholeMinutes = std::floor(minutesPerKm);
    const float seconds = std::floor((minutesPerKm - wholeMinutes) * 60.0f * 10.0f) / 10.0f;
    return writeSignedBlankSingle(wholeMinutes) + u'\'' + writeSignedBlankSingle(seconds);
}

int convertSpeeds(const QString &discipline, TestSteps &steps) {
    int converted = 0;
    for (int row = 0; row < StepRows; ++row) {
        TestStep &step = steps[std::size_t(row)];
        const auto result = convertRow(discipline, step, row);
        if (!result)
            break;
        step.speedMs = result->speedMs;
        if (result->altSpeed)
            step.altSpeed = *result->altSpeed;
        if (result->pace)
            step.pace = *result->pace;
        ++converted;
    }
    return converted;
}

} // namespace kavren
