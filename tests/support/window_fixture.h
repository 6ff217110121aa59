// A fixture for tests of a window: finds the window's controls by object name and ends the test
// when one is missing, so that a renamed control fails its own tests instead of crashing the run.
#pragma once

#include "support/find_control.h"
#include "support/typed_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QObject>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <source_location>
#include <stdexcept>
#include <string>
#include <utility>

namespace kavren::testing {

class WindowFixture : public ::testing::Test {
protected:
    // The window whose controls control() finds; the fixture that makes the window owns it.
    virtual const QObject *windowUnderTest() const = 0;

    template <typename T = QLineEdit>
    T *control(const QString &name,
               std::source_location where = std::source_location::current()) const {
        return findControl<T>(windowUnderTest(), name, where);
    }

    // Types a three-step test of this horse, a trotter mare of five with speeds in min/km, into
    // the entry fields; the unit conversion has yet to tick.
    void typeThreeStepTest(const QString &name) const {
        control<QRadioButton>(QStringLiteral("SSOption5"))->click();
        typeIdentity({name, "Trotter", "5", "Mare"});
        typeSteps({{"1.2", "1.5", "2.4"}, {"128", "145", "166"}, {"2.40", "2.20", "2"}});
    }

    // Typing and reading the entry fields of the window under test.
    void typeIdentity(const TypedIdentity &identity,
                      std::source_location where = std::source_location::current()) const {
        kavren::testing::typeIdentity(windowUnderTest(), identity, where);
    }
    void typeSteps(const TypedSteps &steps,
                   std::source_location where = std::source_location::current()) const {
        kavren::testing::typeSteps(windowUnderTest(), steps, where);
    }
    QStringList shownColumn(const char *column, int rows = 6) const {
        return kavren::testing::shownColumn(windowUnderTest(), column, rows);
    }

    // Picks value among the listed criterion values (Combo1) as a user would, which lists its
    // tests; returns that result list (List1). A value that is not listed ends the test.
    QListView *listTestsOf(const QString &value,
                           std::source_location where = std::source_location::current()) const {
        auto *values = control<QComboBox>(QStringLiteral("Combo1"), where);
        const int index = values->findText(value);
        if (index < 0) {
            const std::string what = "no value \"" + value.toStdString() + "\" in Combo1";
            ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what;
            throw MissingControl(what);
        }
        values->setCurrentIndex(index);
        emit values->activated(index);
        return control<QListView>(QStringLiteral("List1"), where);
    }

    // A click on an entry of the result list.
    static void clickListed(QListView *results, int row) {
        const QModelIndex entry = results->model()->index(row, 0);
        results->setCurrentIndex(entry);
        emit results->clicked(entry);
    }

    // A row of the comparison table as shown: V200, VLa2, VLa4, Hr2 and Hr4.
    QStringList comparisonRow(int row) const {
        QStringList cells;
        for (const char *column : {"labelx", "Vla2", "VLA4", "Hr2x", "Hr4x"})
            cells << control<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(column)).arg(row))
                         ->text();
        return cells;
    }
};

} // namespace kavren::testing
