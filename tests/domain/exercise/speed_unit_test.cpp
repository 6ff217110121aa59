// The five units, their discipline words and captions: a swapped pair would type speeds in one
// unit and convert them in another.
#include "domain/exercise/speed_unit.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace kavren;

TEST(SpeedUnits, DisciplineWordsAndCaptionsOfEachUnit) {
    struct Row {
        SpeedUnit unit;
        const char *discipline;
        const char *axisCaption;
        const char *unitCaption;
    };
    const Row rows[] = {
        {SpeedUnit::KmPerHour, "Endur", "Speed (km/hour)", "km/hour"},
        {SpeedUnit::MinPerKm, "Trav", "Speed (min/km)", "min/km"},
        {SpeedUnit::MetrePerMin, "Rid", "Speed (met/min)", "met/min"},
        {SpeedUnit::SecPer200m, "Galopp", "  Speed (sek/200m)", "sek/200m"},
        {SpeedUnit::RecoveryTime, "Recovery", "      Time     (min)", "Time (min)"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.discipline);
        EXPECT_EQ(disciplineOf(row.unit), QString::fromUtf8(row.discipline));
        EXPECT_EQ(unitOfDiscipline(QString::fromUtf8(row.discipline)), row.unit);
        EXPECT_EQ(speedAxisCaption(row.unit), QString::fromUtf8(row.axisCaption));
        EXPECT_EQ(unitLabelCaption(row.unit), QString::fromUtf8(row.unitCaption));
    }
    EXPECT_EQ(disciplineOf(SpeedUnit::NoUnit), QString());
    // The words are matched exactly: another case or blanks around them name no unit.
    for (const char *word : {"", "trav", "TRAV", " Trav", "Recovery ", "Gallop"})
        EXPECT_EQ(unitOfDiscipline(QString::fromUtf8(word)), SpeedUnit::NoUnit) << word;
}
