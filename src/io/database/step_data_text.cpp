#include "io/database/step_data_text.h"

#include <QStringList>

namespace kavren {

namespace {

QString withoutBlanks(const QString &text) {
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text)
        if (!c.isSpace())
            packed.append(c);
    return packed;
}

} // namespace

QString packStepData(const TestSteps &steps, int stepCount, bool hrOnly) {
    if (stepCount < 3 || stepCount > StepRows)
        return QString();
    QStringList values;
    for (int i = 0; i < stepCount; ++i) {
        const TestStep &step = steps[std::size_t(i)];
        values << (hrOnly ? kHeartRateOnlyLactateText : withoutBlanks(step.lactate))
               << withoutBlanks(step.hr) << withoutBlanks(step.speedText);
    }
    return values.join(u' ');
}

DecodedStepData decodeStepData(const QString &data) {
    // The values are the pieces between two neighbouring blanks of " " & Data & " ".
    const QStringList parts = (u' ' + data + u' ').split(u' ');
    const qsizetype valueCount = parts.size() - 2;
    auto valueAt = [&](qsizetype index) -> const QString * {
        return index < valueCount ? &parts[index + 1] : nullptr;
    };

    DecodedStepData decoded;
    for (int r = 0; r < MaxDecodedRows; ++r) {
        const QString *lactate = valueAt(3 * r);
        if (!lactate || lactate->isEmpty())
            break;
        const QString *hr = valueAt(3 * r + 1);
        const QString *speed = valueAt(3 * r + 2);
        decoded.rows[std::size_t(r)] = {*lactate, hr ? *hr : QString(), speed ? *speed : QString()};
        decoded.count = r + 1;
    }
    return decoded;
}

} // namespace kavren
