// The five training zones of a maximum heart rate (Text21) and the recovery row under "Hard" and
// "Max" for a percentage (Text58). Each caption is "lower-upper", the lower bound with the blank
// of the signed-blank form, the upper bound without it.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace kavren {

struct TrainingZones {
    std::int16_t maxHr = 0;          // M, kept with the test
    std::array<QString, 5> captions; // Label64(0…4): Very light, Light, Moderate, Hard, Max
};

// Change of Text21. Empty result when the maximum heart rate does not fit 16 bits (the zones and
// the kept maximum stay as they were). An empty Text21, or a single blank, empties all captions.
std::optional<TrainingZones> trainingZones(const QString &maxHrText);

// Change of Text58.
struct RecoveryRow {
    bool clearPercentage = false;       // no graph drawn yet: Text58 is emptied
    std::optional<QString> hardCaption; // label68
    std::optional<QString> maxCaption;  // Label69
};
// hrAxisMax 0 means no graph has been drawn. A bound that cannot be computed leaves its caption.
RecoveryRow recoveryRow(const QString &percentageText, std::int16_t maxHr, float hrAxisMax);

} // namespace kavren
