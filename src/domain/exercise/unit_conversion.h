// Converts the typed step speeds into metres per second, the second speed column and the pace,
// the way the 300 ms tick does it for the chosen discipline.
#pragma once

#include "domain/exercise/exercise_step.h"

#include <QString>

namespace kavren {

// Converts rows 1 to 6 in order for the discipline ("Endur", "Trav", "Rid", "Galopp",
// "Recovery"); writes speedMs, and where the discipline has them altSpeed and pace, of each
// converted row. The first row whose speed stops the tick (empty, zero or an arithmetic overflow,
// as the discipline says) is left as it is, and so is every row after it. Returns the number of
// rows converted.
int convertSpeeds(const QString &discipline, TestSteps &steps);

// The pace per kilometre of M minutes as text: whole minutes, "'", seconds cut to one decimal,
// both in the signed-blank form (1.25 gives " 1' 15").
QString paceText(float minutesPerKm);

} // namespace kavren
