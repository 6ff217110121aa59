#include "exercise/unit_conversion.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

namespace {

TestSteps stepsWithSpeeds(std::initializer_list<const char *> speeds) {
    TestSteps steps;
    std::size_t row = 0;
    for (const char *speed : speeds)
        steps[row++].speedText = QString::fromUtf8(speed);
    return steps;
}

struct ConversionCase {
    const char *discipline;
    const char *typed;
    const char *speedMs;
    const char *altSpeed; // nullptr: not written
    const char *pace;     // nullptr: not written
};

} // namespace

TEST(UnitConversion, ConvertsOneRowOfEachDiscipline) {
    const ConversionCase cases[] = {
        {"Trav", "1.25", "11.75", "17.02", "705"},
        {"Trav", "2.00", "8.33", "24", "500"},
        {"Trav", "2.0", "8.33", "24", "500"},
        {"Trav", "1.60", "8.33", "24", "500"},
        {"Rid", "500", "8.33", "24", " 2' 0"},
        {"Galopp", "15", "13.33", "799", " 1' 15"},
        {"Endur", "30", "8.33", nullptr, nullptr},
        {"Recovery", "1.30", "1.5", nullptr, nullptr},
        {"Recovery", "0", "0", nullptr, nullptr},
        {"Endur", "0", "0", nullptr, nullptr},
    };
    for (const ConversionCase &c : cases) {
        SCOPED_TRACE(std::string(c.discipline) + " " + c.typed);
        TestSteps steps = stepsWithSpeeds({c.typed});
        steps[0].altSpeed = "old";
        steps[0].pace = "old";
        convertSpeeds(QString::fromUtf8(c.discipline), steps);
        EXPECT_EQ(steps[0].speedMs, QString::fromUtf8(c.speedMs));
        EXPECT_EQ(steps[0].altSpeed, c.altSpeed ? QString::fromUtf8(c.altSpeed) : "old");
        EXPECT_EQ(steps[0].pace, c.pace ? QString::fromUtf8(c.pace) : "old");
    }
}

TEST(UnitConversion, StoppingRowsLeaveLaterRowsAsTheyWere) {
    // A zero or empty speed ends the conversion in the paced units; rows below keep old values.
    for (const char *discipline : {"Trav", "Rid", "Galopp"}) {
        SCOPED_TRACE(discipline);
        TestSteps steps = stepsWithSpeeds({"2", "0", "2"});
        steps[2].speedMs = "old";
        EXPECT_EQ(convertSpeeds(QString::fromUtf8(discipline), steps), 1);
        EXPECT_EQ(steps[1].speedMs, "");
        EXPECT_EQ(steps[2].speedMs, "old");
    }
    TestSteps recovery = stepsWithSpeeds({"1", "", "3"});
    recovery[2].speedMs = "old";
    EXPECT_EQ(convertSpeeds("Recovery", recovery), 1);
    EXPECT_EQ(recovery[2].speedMs, "old");
}

TEST(UnitConversion, EnduranceConvertsZeroAndAlwaysTheSixthRow) {
    TestSteps steps = stepsWithSpeeds({"36", "0", "18", "7.2", "3.6"});
    EXPECT_EQ(convertSpeeds("Endur", steps), 6);
    EXPECT_EQ(steps[0].speedMs, "10");
    EXPECT_EQ(steps[1].speedMs, "0");
    EXPECT_EQ(steps[4].speedMs, "1");
    EXPECT_EQ(steps[5].speedMs, "0");

    TestSteps gap = stepsWithSpeeds({"36", "", "18"});
    gap[2].speedMs = "old";
    EXPECT_EQ(convertSpeeds("Endur", gap), 1);
    EXPECT_EQ(gap[2].speedMs, "old");
}

TEST(UnitConversion, OverflowAndAbsurdInputStopTheRowWithoutAMessage) {
    const char *absurd[] = {"1E999", "-1E999", "1E-300", "abc"};
    for (const char *discipline : {"Trav", "Rid", "Galopp", "Endur", "Recovery"}) {
        for (const char *typed : absurd) {
            SCOPED_TRACE(std::string(discipline) + " " + typed);
            TestSteps steps = stepsWithSpeeds({"2", typed, "2"});
            steps[1].speedMs = "before";
            const int converted = convertSpeeds(QString::fromUtf8(discipline), steps);
            EXPECT_GE(converted, 1);
            if (converted == 1) {
                EXPECT_EQ(steps[1].speedMs, "before");
            }
            for (const TestStep &step : steps)
                EXPECT_FALSE(step.speedMs.contains(u"Inf") || step.speedMs.contains(u"NaN"));
        }
    }
    // In riding a tiny speed cuts to 0 m/s, and the second column would divide by it.
    TestSteps riding = stepsWithSpeeds({"0.5"});
    EXPECT_EQ(convertSpeeds("Rid", riding), 0);
    EXPECT_EQ(riding[0].speedMs, "");
}

TEST(UnitConversion, NoDisciplineConvertsNothing) {
    TestSteps steps = stepsWithSpeeds({"2"});
    EXPECT_EQ(convertSpeeds("", steps), 0);
    EXPECT_EQ(convertSpeeds("trav", steps), 0);
}

TEST(UnitConversion, PaceText) {
    EXPECT_EQ(paceText(1.25f), " 1' 15");
    EXPECT_EQ(paceText(2.0f), " 2' 0");
    EXPECT_EQ(paceText(2.5f), " 2' 30");
}
