#include "domain/analysis/training_zones.h"

#include "domain/exercise/current_exercise.h"
#include "domain/exercise/numeric_text.h"

#include <cmath>

namespace kavren {

namespace {

// floor(factor · M), the product first held to 15 significant digits, so that
// 0.7 · 170 counts as 119 and not as the 118.99999999999999 that the binary product holds.
double floorOfProduct(double factor, double maxHr) {
    return intFloor(toFifteenDigits(factor * maxHr));
}

QString boundsText(double lower, double upper) {
    return writeSignedBlank(lower) + u'-' + writeSignedBlank(upper).trimmed();
}

std::optional<QString> finiteBoundsText(double lower, double upper) {
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return std::nullopt;
    return boundsText(lower, upper);
}

} // namespace

std::optional<TrainingZones> trainingZones(const QString &maxHrText) {
    const auto maxHr = toInteger16(readNumber(maxHrText));
    if (!maxHr)
        return std::nullopt;
    TrainingZones zones;
    zones.maxHr = *maxHr;
    if (maxHrText.isEmpty() || maxHrText == kBlankStoredField)
        return zones;
    const double m = *maxHr;
    const double f5 = floorOfProduct(0.5, m), f6 = floorOfProduct(0.6, m),
                 f7 = floorOfProduct(0.7, m), f8 = floorOfProduct(0.8, m),
                 f9 = floorOfProduct(0.9, m);
    zones.captions = {boundsText(f5, f6), boundsText(f6 + 1, f7), boundsText(f7 + 1, f8),
                      boundsText(f8 + 1, f9), boundsText(f9 + 1, m)};
    return zones;
}

RecoveryRow recoveryRow(const QString &percentageText, std::int16_t maxHr, float hrAxisMax) {
    RecoveryRow row;
    if (hrAxisMax == 0) {
        row.clearPercentage = true;
        return row;
    }
    if (percentageText.isEmpty()) {
        row.hardCaption = QString();
        row.maxCaption = QString();
        return row;
    }
    const double p = readNumber(percentageText);
    const double m = maxHr;
    const double f8 = floorOfProduct(0.8, m), f9 = floorOfProduct(0.9, m);
    row.hardCaption = finiteBoundsText(roundHalfEven((f8 + 1) * p / 100), intFloor(f9 * p / 100));
    row.maxCaption =
        finiteBoundsText(roundHalfEven((f9 + 1) * p / 100), roundHalfEven(m * p / 100));
    return row;
}

} // namespace kavren
