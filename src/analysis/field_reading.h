// The two ways the calculations read a field besides the ordinary numeric reading rule: the strict
// reading (the whole text must be a number) and the heart-rate-only sentinel of the lactate column.
#pragma once

#include <QStringView>

#include <optional>

namespace kavren {

// The whole text, blanks before and after allowed, must be one number: optional sign, digits with
// at most one ".", optional exponent. Empty text, letters, inner blanks, a "," or a number beyond
// the double range give no value.
std::optional<double> readStrictNumber(QStringView text);

// True when the text of a lactate field reads as exactly 0.1, the mark of a heart-rate-only test.
bool isHrOnlySentinel(QStringView lactateText);

} // namespace kavren
