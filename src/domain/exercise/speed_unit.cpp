#include "domain/exercise/speed_unit.h"

#include <QCoreApplication>

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

QString shownDiscipline(const QString &discipline) {
    // The word itself is what the database keeps; only its display is translated.
    static constexpr const char *Words[] = {
        //: The discipline of a test typed in km/hour: endurance riding.
        QT_TRANSLATE_NOOP("Discipline", "Endur"),
        //: The discipline of a test typed in min/km: trotting.
        QT_TRANSLATE_NOOP("Discipline", "Trav"),
        //: The discipline of a test typed in metres per minute: riding.
        QT_TRANSLATE_NOOP("Discipline", "Rid"),
        //: The discipline of a test typed in seconds per 200 m: galloping.
        QT_TRANSLATE_NOOP("Discipline", "Galopp"),
        //: A recovery test: heart rate and lactate over the minutes after exercise.
        QT_TRANSLATE_NOOP("Discipline", "Recovery")};
    for (const char *word : Words)
        if (discipline == QLatin1String(word))
            return QCoreApplication::translate("Discipline", word);
    return discipline;
}

QString speedAxisCaption(SpeedUnit unit) {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return QCoreApplication::translate("SpeedUnit", "Speed (km/hour)");
    case SpeedUnit::MinPerKm:
        return QCoreApplication::translate("SpeedUnit", "Speed (min/km)");
    case SpeedUnit::MetrePerMin:
        return QCoreApplication::translate("SpeedUnit", "Speed (met/min)");
    case SpeedUnit::SecPer200m:
        return QCoreApplication::translate("SpeedUnit", "  Speed (sek/200m)");
    case SpeedUnit::RecoveryTime:
        return QCoreApplication::translate("SpeedUnit", "      Time     (min)");
    case SpeedUnit::NoUnit:
        break;
    }
    return QCoreApplication::translate("SpeedUnit", "   Tempo  (met/min)");
}

QString unitLabelCaption(SpeedUnit unit) {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return QCoreApplication::translate("SpeedUnit", "km/hour");
    case SpeedUnit::MinPerKm:
        return QCoreApplication::translate("SpeedUnit", "min/km");
    case SpeedUnit::MetrePerMin:
        return QCoreApplication::translate("SpeedUnit", "met/min");
    case SpeedUnit::SecPer200m:
        return QCoreApplication::translate("SpeedUnit", "sek/200m");
    case SpeedUnit::RecoveryTime:
        return QCoreApplication::translate("SpeedUnit", "Time (min)");
    case SpeedUnit::NoUnit:
        break;
    }
    return QCoreApplication::translate("SpeedUnit", "min/km");
}

bool colonTypedAsPoint(SpeedUnit unit) {
    return unit == SpeedUnit::MinPerKm || unit == SpeedUnit::SecPer200m;
}

} // namespace kavren
