#include "domain/exercise/plausible_values.h"

#include "domain/exercise/numeric_text.h"
#include "domain/exercise/unit_conversion.h"

#include <QCoreApplication>

#include <cmath>

namespace kavren {

namespace {

// The speed of one typed row in metres per second, as the conversion tick gives it; 0 for a
// speed that does not convert.
double convertedSpeedMps(const QString &speedText, SpeedUnit unit) {
    TestSteps row{};
    row[0].speedText = speedText;
    if (convertSpeeds(disciplineOf(unit), row) < 1)
        return 0;
    return readNumber(row[0].speedMs);
}

} // namespace

const PlausibleRange &plausibleRange(PlausibleField field) {
    for (const PlausibleRange &range : PlausibleRanges)
        if (range.field == field)
            return range;
    return PlausibleRanges[0];
}

QString plausibleRangeText(PlausibleField field) {
    const PlausibleRange &range = plausibleRange(field);
    const QString upper = QStringLiteral("%1 %2").arg(
        writeNumber(range.highest), QCoreApplication::translate("PlausibleValues", range.unit));
    if (std::isinf(range.lowest))
        return QCoreApplication::translate("PlausibleValues", "Plausible: up to %1").arg(upper);
    return QCoreApplication::translate("PlausibleValues", "Plausible: %1%2 to %3")
        .arg(range.lowestIncluded ? QString()
                                  : QCoreApplication::translate("PlausibleValues", "above "),
             writeNumber(range.lowest), upper);
}

bool isImplausible(PlausibleField field, const QString &text, SpeedUnit unit) {
    // Only a number is judged ("18o" is a slip the fit names); one beyond any range always is.
    if (!readStrictNumber(text) && std::isfinite(readNumber(text)))
        return false;
    if (field == PlausibleField::Speed &&
        (unit == SpeedUnit::RecoveryTime || unit == SpeedUnit::NoUnit))
        return false;
    const double value =
        field == PlausibleField::Speed ? convertedSpeedMps(text, unit) : readNumber(text);
    const PlausibleRange &range = plausibleRange(field);
    const bool aboveLowest = range.lowestIncluded ? value >= range.lowest : value > range.lowest;
    return !std::isfinite(value) || !aboveLowest || value > range.highest;
}

QString stepFieldCaption(PlausibleField field, int row) {
    const QString step = QCoreApplication::translate("PlausibleValues", ", step %1").arg(row + 1);
    switch (field) {
    case PlausibleField::Lactate:
        return QCoreApplication::translate("PlausibleValues", "Lactate") + step;
    case PlausibleField::HeartRate:
        return QCoreApplication::translate("PlausibleValues", "Heart rate") + step;
    case PlausibleField::Speed:
        return QCoreApplication::translate("PlausibleValues", "Speed") + step;
    case PlausibleField::Age:
        return QCoreApplication::translate("PlausibleValues", "Age");
    case PlausibleField::MaxHeartRate:
        return QCoreApplication::translate("PlausibleValues", "Max Hr");
    }
    return {};
}

QStringList implausibleFields(const TestSteps &steps, SpeedUnit unit, const QString &age,
                              const QString &maxHr) {
    QStringList names;
    if (isImplausible(PlausibleField::Age, age))
        names << stepFieldCaption(PlausibleField::Age, 0);
    if (isImplausible(PlausibleField::MaxHeartRate, maxHr))
        names << stepFieldCaption(PlausibleField::MaxHeartRate, 0);
    for (int row = 0; row < StepRows; ++row) {
        const TestStep &step = steps[std::size_t(row)];
        const std::pair<PlausibleField, const QString *> fields[] = {
            {PlausibleField::Lactate, &step.lactate},
            {PlausibleField::HeartRate, &step.hr},
            {PlausibleField::Speed, &step.speedText}};
        for (const auto &[field, text] : fields)
            if (isImplausible(field, *text, unit))
                names << stepFieldCaption(field, row);
    }
    return names;
}

QString implausibleValuesNote(const QStringList &fields) {
    return QCoreApplication::translate(
               "PlausibleValues", "Implausible values (the fields' tool tips give the ranges): %1.")
        .arg(fields.join(QStringLiteral("; ")));
}

QString implausibleValuesQuestion(const QStringList &fields) {
    return QCoreApplication::translate("PlausibleValues",
                                       "These values lie outside what a horse can show: %1.\n\n"
                                       "Save the test as it is?")
        .arg(fields.join(QStringLiteral("; ")));
}

} // namespace kavren
