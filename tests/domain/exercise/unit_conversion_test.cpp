#include "domain/exercise/unit_conversion.h"
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
        // Riding 470 m/min: 470/60 = 7.8333 cut to 7.83; 200/7.83 = 25.5428 cut to 25.54; pace
        // 3600/1692 = 2.1276596 min, seconds 7.6596 cut (not rounded) to 7.6.
        {"Rid", "470", "7.83", "25.54", " 2' 7.6"},
        // Riding 461.5 m/min: 7.6917 → 7.69; 200/7.69 = 26.0078 cut to 26 (rounding gives
        // 26.01); pace 2.1668472 min, exactly 10 seconds after the cut: " 2' 10".
        {"Rid", "461.5", "7.69", "26", " 2' 10"},
        // Trotting 1.10 (1 min 10 s): t = 1 + Single(10/60) = 1.1666667, P = Int(3600/4.2) = 857,
        // 857/60 = 14.2833 → 14.28, 200/14.28 = 14.0056 cut to 14 (rounding gives 14.01).
        {"Trav", "1.10", "14.28", "14", "857"},
        // Galloping 14.33 s: 200/14.33 = 13.9567 cut to 13.95 (rounding gives 13.96); Int(13.95·60)
        // = 837; pace 14.33/12 = 1.1941667 min, seconds 11.65 held in single precision as
        // 11.6499996, cut to 11.6.
        {"Galopp", "14.33", "13.95", "837", " 1' 11.6"},
        // Endurance 29.9 km/h: 8.30556 cut to 8.3 (rounding gives 8.31).
        {"Endur", "29.9", "8.3", nullptr, nullptr},
        {"Recovery", "1.30", "1.5", nullptr, nullptr},
        // 0.075 held in single precision is 0.075000003: 0.125000005 min → 0.13. Taken in double
        // it would be 0.125 exactly, which rounds half to even to 0.12.
        {"Recovery", "0.075", "0.13", nullptr, nullptr},
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
    // Row 2 typed absurdly between two rows of 2; rows 4 to 6 are empty.
    struct AbsurdCase {
        const char *discipline;
        const char *typed;
        int converted;       // rows converted in the tick
        const char *speedMs; // row 2 afterwards
    };
    const AbsurdCase cases[] = {
        // An overflow on reading stops every discipline at row 2, which keeps its old value.
        {"Trav", "1E999", 1, "before"},
        {"Rid", "1E999", 1, "before"},
        {"Galopp", "1E999", 1, "before"},
        {"Endur", "1E999", 1, "before"},
        {"Recovery", "1E999", 1, "before"},
        {"Trav", "-1E999", 1, "before"},
        {"Endur", "-1E999", 1, "before"},
        {"Recovery", "-1E999", 1, "before"},
        // 1E-300: trotting divides by a pace of 0 and riding's pace 1E+303 leaves the single
        // range; galloping's 200/1E-300 = 2E+302 m/s is still a double, endurance cuts
        // 1E-300/3.6 to 0 and recovery holds 0 minutes: those go on to row 3 and stop at the empty
        // row 4.
        {"Trav", "1E-300", 1, "before"},
        {"Rid", "1E-300", 1, "before"},
        {"Galopp", "1E-300", 3, "2E+302"},
        {"Endur", "1E-300", 3, "0"},
        {"Recovery", "1E-300", 3, "0"},
        // Letters read as 0: a stop in the paced units, a speed of 0 in endurance and recovery.
        {"Trav", "abc", 1, "before"},
        {"Rid", "abc", 1, "before"},
        {"Galopp", "abc", 1, "before"},
        {"Endur", "abc", 3, "0"},
        {"Recovery", "abc", 3, "0"},
    };
    for (const AbsurdCase &c : cases) {
        SCOPED_TRACE(std::string(c.discipline) + " " + c.typed);
        TestSteps steps = stepsWithSpeeds({"2", c.typed, "2"});
        steps[1].speedMs = "before";
        EXPECT_EQ(convertSpeeds(QString::fromUtf8(c.discipline), steps), c.converted);
        EXPECT_EQ(steps[1].speedMs, QString::fromUtf8(c.speedMs));
        for (const TestStep &step : steps)
            EXPECT_FALSE(step.speedMs.contains(u"Inf") || step.speedMs.contains(u"NaN"));
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
    // Tenths of a second are cut: 2.1299 min is 7.794 s → 7.7, not 7.8; 2.1671667 min is
    // 10.03 s → 10.
    EXPECT_EQ(paceText(2.1299f), " 2' 7.7");
    EXPECT_EQ(paceText(2.0f + 10.0f / 60.0f + 0.0005f), " 2' 10");
}
