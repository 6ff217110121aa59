#include "domain/exercise/speed_unit.h"

namespace kavren {

QString disciplineOf(SpeedUnit unit) {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return QStringLiteral("Endur");
    case SpeedUnit::MinPerKm:
        return QStringLiteral("Trav");
    case SpeedUnit::MetrePerMin:
        return QStringLiteral("Rid");
    case SpeedUnit::SecPer200m:
        return QStringLiteral("Galopp");
    case SpeedUnit::RecoveryTime:
        return QStringLiteral("Recovery");
    case SpeedUnit::NoUnit:
        break;
    }
    return QString();
}

SpeedUnit unitOfDiscipline(const QString &discipline) {
    for (SpeedUnit unit : {SpeedUnit::KmPerHour, SpeedUnit::MinPerKm, SpeedUnit::MetrePerMin,
                           SpeedUnit::SecPer200m, SpeedUnit::RecoveryTime})
        if (disciplineOf(unit) == discipline)
            return unit;
    return SpeedUnit::NoUnit;
}

QString speedAxisCaption(SpeedUnit unit) {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return QStringLiteral("Speed (km/hour)");
    case SpeedUnit::MinPerKm:
        return QStringLiteral("Speed (min/km)");
    case SpeedUnit::MetrePerMin:
        return QStringLiteral("Speed (met/min)");
    case SpeedUnit::SecPer200m:
        return QStringLiteral("  Speed (sek/200m)");
    case SpeedUnit::RecoveryTime:
        return QStringLiteral("      Time     (min)");
    case SpeedUnit::NoUnit:
        break;
    }
    return QStringLiteral("   Tempo  (met/min)");
}

QString unitLabelCaption(SpeedUnit unit) {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return QStringLiteral("km/hour");
    case SpeedUnit::MinPerKm:
        return QStringLiteral("min/km");
    case SpeedUnit::MetrePerMin:
        return QStringLiteral("met/min");
    case SpeedUnit::SecPer200m:
        return QStringLiteral("sek/200m");
    case SpeedUnit::RecoveryTime:
        return QStringLiteral("Time (min)");
    case SpeedUnit::NoUnit:
        break;
    }
    return QStringLiteral("min/km");
}

bool colonTypedAsPoint(SpeedUnit unit) {
    return unit == SpeedUnit::MinPerKm || unit == SpeedUnit::SecPer200m;
}

} // namespace kavren
