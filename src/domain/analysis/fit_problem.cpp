// The reasons a fit of the calculation run did not use the steps.
#include "domain/analysis/fit_problem.h"

#include <QCoreApplication>

namespace kavren {

namespace {

// The reason, and the values of the test's row that stay empty because of it.
QString lactateMissing(const QString &reason, bool recovery) {
    return reason +
           (recovery ? QCoreApplication::translate("kavren", " \u2014 no lactate values")
                     : QCoreApplication::translate("kavren", " \u2014 no VLa2, VLa4, Hr2 or Hr4"));
}
QString hrMissing(const QString &reason, bool recovery) {
    return reason + (recovery
                         ? QCoreApplication::translate("kavren", " \u2014 no heart-rate values")
                         : QCoreApplication::translate("kavren", " \u2014 no V200, Hr2 or Hr4"));
}

} // namespace

std::optional<QString> fitProblem(const StepReadings &steps, const StepTexts &lactateTexts,
                                  int stepCount, bool recovery) {
    if (!isFittableStepCount(stepCount))
        return std::nullopt;
    bool lactateNotNumber = false;
    bool lactateNotAboveZero = false;
    bool hrNotNumber = false;
    for (std::size_t i = 0; i < std::size_t(stepCount); ++i) {
        // The curve takes the logarithm of every lactate: one that reads as 0 or less (a text
        // that is no number reads as 0) leaves it unfitted.
        if (!(steps.lactate[i] > 0)) {
            if (!steps.strictLactate[i] && !lactateTexts[i].trimmed().isEmpty())
                lactateNotNumber = true;
            else
                lactateNotAboveZero = true;
        }
        if (!steps.strictHr[i])
            hrNotNumber = true;
    }
    const QString curve =
        QCoreApplication::translate("kavren", "The lactate curve was not fitted: ");
    if (lactateNotNumber)
        return lactateMissing(
            curve + QCoreApplication::translate("kavren", "every lactate must be a number"),
            recovery);
    if (lactateNotAboveZero)
        return lactateMissing(
            curve + QCoreApplication::translate("kavren", "every lactate must be above 0"),
            recovery);
    if (hrNotNumber)
        return hrMissing(
            QCoreApplication::translate(
                "kavren", "The heart-rate line was not fitted: every heart rate must be a number"),
            recovery);
    return std::nullopt;
}

} // namespace kavren
