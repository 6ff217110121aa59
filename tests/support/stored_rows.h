// A typed three-step trotting test as a stored row, for the tests that save rows directly.
#pragma once

#include "io/database/saving.h"

#include <QString>

namespace kavren::testing {

inline StoredRow threeStepRow(const QString &name) {
    StoredRow row;
    row.name = name;
    row.moment = QStringLiteral("2006-03-14 10:22:05");
    row.breed = QStringLiteral("Varmblod");
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("sto");
    row.discipline = QStringLiteral("Trav");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = row.stable = row.trainer = row.comments = QStringLiteral(" ");
    row.examDate = QStringLiteral("2006-03-14");
    row.stepData = QStringLiteral("1.2 128 2.40 1.5 145 2.20 2.4 166 2.00");
    return row;
}

} // namespace kavren::testing
