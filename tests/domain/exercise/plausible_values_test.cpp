// The plausible ranges: each edge on both sides, the speed judged after its unit's conversion, and
// the fields of a test named in the order they stand.
#include "domain/exercise/plausible_values.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kavren;

TEST(PlausibleValues, EachRangeHoldsItsEdgesAndNoMore) {
    using F = PlausibleField;
    using U = SpeedUnit;
    const std::tuple<F, const char *, U, bool> cases[] = {
        {F::Lactate, "40", U::NoUnit, false},
        {F::Lactate, "40.01", U::NoUnit, true},
        {F::Lactate, "99999", U::NoUnit, true},
        {F::Lactate, "-0.5", U::NoUnit, false},
        {F::Lactate, "0.1", U::NoUnit, false},
        {F::Lactate, "", U::NoUnit, false},
        {F::Lactate, "abc", U::NoUnit, false},
        {F::HeartRate, "18o", U::NoUnit, false},
        {F::Lactate, "1e400", U::NoUnit, true},
        {F::HeartRate, "20", U::NoUnit, false},
        {F::HeartRate, "19.9", U::NoUnit, true},
        {F::HeartRate, "300", U::NoUnit, false},
        {F::HeartRate, "300.5", U::NoUnit, true},
        {F::HeartRate, "99999999", U::NoUnit, true},
        {F::Age, "50", U::NoUnit, false},
        {F::Age, "51", U::NoUnit, true},
        {F::Age, "-1", U::NoUnit, true},
        {F::MaxHeartRate, "99", U::NoUnit, true},
        {F::MaxHeartRate, "100", U::NoUnit, false},
        {F::MaxHeartRate, "301", U::NoUnit, true},
        // 90 km/h converts to exactly 25 m/s, 90.1 km/h to 25.02 m/s.
        {F::Speed, "90", U::KmPerHour, false},
        {F::Speed, "90.1", U::KmPerHour, true},
        {F::Speed, "0", U::KmPerHour, true},
        {F::Speed, "1e308", U::KmPerHour, true},
        {F::Speed, "1e308", U::MinPerKm, true},
        {F::Speed, "3.20", U::MinPerKm, false},
        {F::Speed, "8", U::SecPer200m, false},
        {F::Speed, "7.9", U::SecPer200m, true},
        {F::Speed, "1e308", U::RecoveryTime, false},
        {F::Speed, "1500", U::MetrePerMin, false},
        {F::Speed, "1501", U::MetrePerMin, true},
    };
    for (const auto &[field, text, unit, implausible] : cases)
        EXPECT_EQ(isImplausible(field, QString::fromLatin1(text), unit), implausible)
            << int(field) << " " << text << " unit " << int(unit);
    EXPECT_EQ(plausibleRangeText(F::Lactate), "Plausible: up to 40 mmol/l");
    EXPECT_EQ(plausibleRangeText(F::HeartRate), "Plausible: 20 to 300 b/min");
    EXPECT_EQ(plausibleRangeText(F::Speed), "Plausible: above 0 to 25 m/s");
}

TEST(PlausibleValues, TheFieldsOfATestAreNamedInTheOrderTheyStand) {
    TestSteps steps{};
    steps[0] = {"30", "99999", "120", {}, {}, {}};
    steps[1] = {"32", "2.1", "99999999", {}, {}, {}};
    steps[2] = {"1e308", "3", "160", {}, {}, {}};
    EXPECT_EQ(implausibleFields(steps, SpeedUnit::KmPerHour, "60", "190"),
              (QStringList{"Age", "Lactate, step 1", "Heart rate, step 2", "Speed, step 3"}));
    EXPECT_EQ(implausibleFields(steps, SpeedUnit::KmPerHour, "6", "190").size(), 3);
}
