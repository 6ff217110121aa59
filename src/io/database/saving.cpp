#include "io/database/saving.h"

#include "io/database/step_data_text.h"
#include "io/database/store.h"
#include "domain/exercise/current_exercise.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace kavren {

namespace {

const QString MomentFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// The recording's moment from the date cell ("yyyy-mm-dd  hh:mm:ss", blanks between the parts
// not counted), or from the recording date alone at midnight.
std::optional<QDateTime> recordingMoment(const TestToSave &test) {
    const QString moment = test.importedMoment.simplified();
    QDateTime parsed = QDateTime::fromString(moment, MomentFormat);
    if (!parsed.isValid())
        parsed = QDateTime(QDate::fromString(moment, DateFormat), QTime(0, 0));
    if (!parsed.isValid())
        parsed =
            QDateTime(QDate::fromString(test.recordingDate.trimmed(), DateFormat), QTime(0, 0));
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

} // namespace

std::optional<int> firstMissingIdentityField(const TestToSave &test) {
    const QString *fields[] = {&test.name, &test.breed, &test.age, &test.sex};
    for (int i = 0; i < 4; ++i)
        if (fields[i]->isEmpty())
            return i;
    return std::nullopt;
}

int stepCountForSaving(const TestSteps &steps, bool liveDataPending) {
    if (liveDataPending)
        return StepRows;
    int count = 0;
    while (count < StepRows && readNumber(steps[std::size_t(count)].hr) != 0)
        ++count;
    return count;
}

namespace {

bool holdsText(const QString &text) {
    return !text.trimmed().isEmpty();
}

// A value of the row is read back by its number; text that is no number would come back as 0.
// Inner blanks do not count: the row stores the value without them.
bool isNumberText(const QString &text) {
    QString packed = text;
    packed.remove(u' ');
    return readStrictNumber(packed).has_value();
}

} // namespace

StepCheck checkStepsForSaving(const TestSteps &steps, bool hrOnly) {
    StepCheck check;
    const auto typed = [&](const TestStep &step) {
        return holdsText(step.hr) || holdsText(step.speedText) ||
               (!hrOnly && holdsText(step.lactate));
    };
    const auto refuse = [&](int step, StepField field, const QString &text) {
        check.refusal = text;
        check.refusedStep = step;
        check.refusedField = field;
        return check;
    };
    int lastTyped = 0;
    for (int i = 0; i < StepRows; ++i)
        if (typed(steps[std::size_t(i)]))
            lastTyped = i + 1;
    for (int i = 0; i < lastTyped; ++i) {
        if (typed(steps[std::size_t(i)]))
            continue;
        int next = i + 1;
        while (!typed(steps[std::size_t(next)]))
            ++next;
        return refuse(next + 1, StepField::Lactate,
                      QCoreApplication::translate(
                          "kavren", "Step %1 comes after the empty step %2. Fill step %2 or "
                                    "empty step %1 before saving.")
                          .arg(next + 1)
                          .arg(i + 1));
    }
    if (lastTyped > 0 && lastTyped < 3)
        return refuse(lastTyped, StepField::Lactate,
                      QCoreApplication::translate(
                          "kavren", "Step %1 is the last step typed: a test needs at least three "
                                    "steps. Type the missing steps before saving.")
                          .arg(lastTyped));
    for (int i = 0; i < lastTyped; ++i) {
        const TestStep &step = steps[std::size_t(i)];
        const std::pair<StepField, const QString *> fields[] = {
            {StepField::Lactate, &step.lactate},
            {StepField::HeartRate, &step.hr},
            {StepField::Speed, &step.speedText}};
        for (const auto &[field, text] : fields) {
            if (field == StepField::Lactate && hrOnly)
                continue;
            if (holdsText(*text) && !isNumberText(*text))
                return refuse(i + 1, field,
                              QCoreApplication::translate(
                                  "kavren", "Step %1: \"%2\" is not a number. Correct it before "
                                            "saving.")
                                  .arg(i + 1)
                                  .arg(text->trimmed()));
        }
        if (!hrOnly && !holdsText(step.lactate))
            return refuse(i + 1, StepField::Lactate,
                          QCoreApplication::translate(
                              "kavren", "Step %1 has no lactate. Type it before saving.")
                              .arg(i + 1));
    }
    for (int i = 0; i < lastTyped; ++i) {
        const TestStep &step = steps[std::size_t(i)];
        const bool noHr = !holdsText(step.hr);
        const bool noSpeed = !holdsText(step.speedText);
        if (!noHr && !noSpeed)
            continue;
        const QString what =
            noHr && noSpeed ? QCoreApplication::translate("kavren", "no heart rate and no speed")
            : noHr          ? QCoreApplication::translate("kavren", "no heart rate")
                            : QCoreApplication::translate("kavren", "no speed");
        check.questions.push_back(
            {i + 1, noHr ? StepField::HeartRate : StepField::Speed,
             QCoreApplication::translate("kavren", "Step %1 has %2. Save anyway?")
                 .arg(i + 1)
                 .arg(what)});
    }
    check.heldSteps = lastTyped;
    return check;
}

QString pictureNameForSaving(const QString &backgroundPictureName,
                             const QString &lastDroppedPictureName) {
    if (backgroundPictureName.isEmpty())
        return NoPictureName;
    if (backgroundPictureName == NoPictureName)
        return lastDroppedPictureName.isEmpty() ? NoPictureName : lastDroppedPictureName;
    return backgroundPictureName;
}

QString blankIfEmpty(const QString &text) {
    return text.isEmpty() ? kBlankStoredField : text;
}

QString commentsForStoring(const QString &comments) {
    // Code unit by code unit, so that a text that is not valid UTF-16 (an unpaired surrogate
    // pasted from elsewhere) gets its line breaks normalised like any other.
    QString stored;
    stored.reserve(comments.size() + comments.size() / 8);
    for (qsizetype i = 0; i < comments.size(); ++i) {
        const char16_t unit = comments[i].unicode();
        if (unit == u'\r' || unit == u'\n' || unit == u'\u2028' || unit == u'\u2029') {
            stored += QStringLiteral("\r\n");
            if (unit == u'\r' && i + 1 < comments.size() && comments[i + 1] == u'\n')
                ++i; // CR LF is one line break
        } else {
            stored += QChar(unit);
        }
    }
    return stored;
}

QString commentsForShowing(const QString &stored) {
    QString shown = stored;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

StoredRow buildRow(const TestToSave &test, const QDateTime &now) {
    QDateTime moment = now;
    QString examDate = now.date().toString(DateFormat);
    if (test.importedFromFile) {
        if (const auto recorded = recordingMoment(test))
            moment = *recorded;
        const QString recordingDate = test.recordingDate.trimmed();
        examDate = recordingDate.isEmpty() ? moment.date().toString(DateFormat) : recordingDate;
    }
    StoredRow row;
    row.name = test.name;
    row.moment = moment.toString(MomentFormat);
    row.breed = test.breed;
    row.age = test.age;
    row.sex = test.sex;
    row.discipline = test.discipline;
    row.pictureName = pictureNameForSaving(test.backgroundPictureName, test.lastDroppedPictureName);
    row.maxHr = blankIfEmpty(test.maxHr);
    row.stable = blankIfEmpty(test.stable);
    row.trainer = blankIfEmpty(test.trainer);
    row.examDate = examDate;
    row.stepData = packStepData(test.steps, test.stepCount, test.hrOnly);
    const QString comments = commentsForStoring(test.comments);
    row.comments = comments.isEmpty() ? kNoComments : comments;
    return row;
}

std::optional<QString> appendRow(const QString &databasePath, const StoredRow &row) {
    return openStore(databasePath)->appendRows({row});
}

SaveResult saveTest(const QString &databasePath, const StoredRow &row, const QUuid &key) {
    return openStore(databasePath)->saveRow(row, key);
}

} // namespace kavren
