// The unit in which step speeds are typed; it also selects the test kind ("discipline").
#pragma once

#include <QString>

namespace kavren {

enum class SpeedUnit { NoUnit, KmPerHour, MinPerKm, MetrePerMin, SecPer200m, RecoveryTime };

// The discipline word of a unit: "Endur", "Trav", "Rid", "Galopp", "Recovery", or "" for none.
QString disciplineOf(SpeedUnit unit);
// The unit whose discipline word is exactly this text (case-sensitive); NoUnit otherwise.
SpeedUnit unitOfDiscipline(const QString &discipline);
// The discipline word as the window shows it, in the user's language; unknown words unchanged.
QString shownDiscipline(const QString &discipline);
// Caption of the speed column (Label3) and of the unit label (Label21) for a unit.
QString speedAxisCaption(SpeedUnit unit);
QString unitLabelCaption(SpeedUnit unit);
// Whether the unit's speeds are times written as minutes.seconds (min/km) or seconds (sec/200m),
// where a typed ":" means the decimal point.
bool colonTypedAsPoint(SpeedUnit unit);

} // namespace kavren
