#include "io/database/loading.h"

#include "io/database/step_data_text.h"
#include "io/database/saving.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>
#include <QDir>

namespace kavren {

namespace {

// A stored value as the field shows it: read by the numeric reading rule and written by the
// number-writing rule, so a stored 2.40 comes back as 2.4 and 030 as 30.
QString shownValue(const QString &stored) {
    return writeNumber(readNumber(stored));
}

// The number written by the digits text[from, from + count), or -1 when one is not a digit.
int digitsAt(QStringView text, qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (!text[i].isDigit() || text[i].unicode() > u'9')
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

void fillSteps(const QString &stepData, LoadedTest &test) {
    test.stepCount = stepsAsShown(stepData, test.steps);
    if (test.stepCount < 3 || test.stepCount > StepRows)
        return;
    test.hrOnly = readNumber(test.steps[0].lactate) == 0.1;
}

} // namespace

QDateTime storedMoment(const QString &stored) {
    const QStringView text = QStringView(stored).trimmed();
    if ((text.size() != 10 && text.size() != 19) || text[4] != u'-' || text[7] != u'-')
        return {};
    const QDate day(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
    if (text.size() == 10)
        return day.isValid() ? QDateTime(day, QTime(0, 0)) : QDateTime();
    if (text[10] != u' ' || text[13] != u':' || text[16] != u':')
        return {};
    const QTime time(digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2));
    return day.isValid() && time.isValid() ? QDateTime(day, time) : QDateTime();
}

int stepsAsShown(const QString &stepData, TestSteps &steps) {
    const DecodedStepData decoded = decodeStepData(stepData);
    if (decoded.count < 3 || decoded.count > StepRows)
        return decoded.count;
    for (int i = 0; i < decoded.count; ++i) {
        const StepDataRow &row = decoded.rows[std::size_t(i)];
        TestStep &step = steps[std::size_t(i)];
        step.lactate = shownValue(row.lactate);
        step.hr = shownValue(row.hr);
        step.speedText = shownValue(row.speed);
    }
    return decoded.count;
}

std::optional<QString> loadedAxisCaption(const QString &discipline) {
    if (discipline == QLatin1String("Trav"))
        return QCoreApplication::translate("SpeedUnit", "Speed (min/km)");
    if (discipline == QLatin1String("Rid"))
        return QCoreApplication::translate("SpeedUnit", "Speed (mt/min)");
    if (discipline == QLatin1String("Galopp"))
        return QCoreApplication::translate("SpeedUnit", "Speed (sek/200m)");
    if (discipline == QLatin1String("Endur"))
        return QCoreApplication::translate("SpeedUnit", "Speed (km/hour)");
    return std::nullopt;
}

LoadedTest unpackTest(const TestRow &row) {
    LoadedTest test;
    test.name = row.name;
    test.testDate = row.testDate;
    test.breed = row.breed;
    test.age = row.age;
    test.sex = row.sex;
    test.stable = row.stable;
    test.trainer = row.trainer;
    test.maxHr = row.maxHr;
    test.comments = commentsForShowing(row.comments);
    test.discipline = row.discipline;
    test.pictureName = row.pictureName;
    test.speedUnit = unitOfDiscipline(row.discipline);
    if (test.speedUnit != SpeedUnit::NoUnit)
        test.unitLabel = unitLabelCaption(test.speedUnit);
    test.axisCaption = loadedAxisCaption(row.discipline);
    fillSteps(row.stepData, test);
    return test;
}

bool isPlainFileName(const QString &name) {
    // ":" also marks a built-in resource of the program and a drive; neither is a picture of
    // the database folder.
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':') &&
           !name.contains(QChar(0));
}

QString picturePathOf(const QString &databaseFolder, const QString &pictureName) {
    const QString fileName = pictureName.trimmed();
    if (!isPlainFileName(fileName))
        return QString();
    return QDir(databaseFolder).filePath(fileName);
}

} // namespace kavren
