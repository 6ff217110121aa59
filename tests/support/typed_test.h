// Typing a test into the window and reading back what its step fields show, as a user sees them:
// the identity fields Text4…Text7 and the step fields lakt, puls and temp of rows 1 to 6. Every
// test that types steps goes through these, so a renamed field breaks one place.
#pragma once

#include "support/find_control.h"

#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <source_location>

namespace kavren::testing {

// The identity of the horse: name (Text4), breed or discipline (Text5), age (Text6) and sex
// (Text7). An empty member leaves its field as it is.
struct TypedIdentity {
    QString name;
    QString discipline;
    QString age;
    QString sex;
};

// The texts of the step fields, one list per column; row i of the screen gets entry i, rows past
// a list's end are left as they are. An entry may be empty, which empties its field.
struct TypedSteps {
    QStringList lactates;
    QStringList heartRates;
    QStringList speeds;
};

// The step field of one column ("lakt", "puls" or "temp") and row (1…6).
inline QLineEdit *stepField(const QObject *window, const char *column, int row,
                            std::source_location where = std::source_location::current()) {
    return findControl<QLineEdit>(
        window, QStringLiteral("%1%2").arg(QLatin1String(column)).arg(row), where);
}

inline void typeIdentity(const QObject *window, const TypedIdentity &identity,
                         std::source_location where = std::source_location::current()) {
    const std::array<std::pair<const char *, const QString *>, 4> fields{{
        {"Text4", &identity.name},
        {"Text5", &identity.discipline},
        {"Text6", &identity.age},
        {"Text7", &identity.sex},
    }};
    for (const auto &[field, value] : fields)
        if (!value->isEmpty())
            findControl<QLineEdit>(window, QString::fromLatin1(field), where)->setText(*value);
}

inline void typeSteps(const QObject *window, const TypedSteps &steps,
                      std::source_location where = std::source_location::current()) {
    const std::array<std::pair<const char *, const QStringList *>, 3> columns{{
        {"lakt", &steps.lactates},
        {"puls", &steps.heartRates},
        {"temp", &steps.speeds},
    }};
    for (const auto &[column, texts] : columns)
        for (int i = 0; i < texts->size(); ++i)
            stepField(window, column, i + 1, where)->setText(texts->at(i));
}

// What one column of step fields shows, rows 1…rows.
inline QStringList shownColumn(const QObject *window, const char *column, int rows = 6,
                               std::source_location where = std::source_location::current()) {
    QStringList texts;
    for (int row = 1; row <= rows; ++row)
        texts << stepField(window, column, row, where)->text();
    return texts;
}

// The name field as shown.
inline QString shownName(const QObject *window,
                         std::source_location where = std::source_location::current()) {
    return findControl<QLineEdit>(window, QStringLiteral("Text4"), where)->text();
}

} // namespace kavren::testing
