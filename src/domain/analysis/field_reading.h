// The heart-rate-only sentinel of the lactate column; the strict reading that the calculations
// also use lives with the reading rule.
#pragma once

#include "domain/exercise/numeric_text.h"

#include <QStringView>

namespace kavren {

// True when the text of a lactate field reads as exactly 0.1, the mark of a heart-rate-only test.
bool isHrOnlySentinel(QStringView lactateText);

} // namespace kavren
