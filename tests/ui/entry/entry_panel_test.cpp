// The entry panel's typed interface: each identity field is the control of its name, the heart
// rates of an imported file go to their own fields, and a new maximum heart rate is announced.
#include "ui/entry/entry_panel.h"
#include "support/typing.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>

using namespace kavren;

TEST(EntryPanel, EachHorseFieldIsTheControlOfItsName) {
    QWidget area;
    EntryPanel panel(&area);
    const std::pair<HorseField, const char *> fields[] = {
        {HorseField::Name, "Text4"},   {HorseField::Breed, "Text5"},
        {HorseField::Age, "Text6"},    {HorseField::Sex, "Text7"},
        {HorseField::Stable, "Text8"}, {HorseField::Trainer, "Text60"},
        {HorseField::MaxHr, "Text21"}, {HorseField::RestHr, "Text57"}};
    for (const auto &[field, name] : fields) {
        panel.focusHorseField(field);
        ASSERT_NE(area.focusWidget(), nullptr) << name;
        EXPECT_EQ(area.focusWidget()->objectName(), name);
    }
    panel.focusName();
    EXPECT_EQ(area.focusWidget()->objectName(), "Text4");
}

TEST(EntryPanel, HeartRatesGoToMaximumAndRestingAndTheMaximumIsAnnounced) {
    QWidget area;
    EntryPanel panel(&area);
    QStringList announced;
    QObject::connect(&panel, &EntryPanel::maxHrChanged,
                     [&announced](const QString &text) { announced.append(text); });
    panel.setHeartRates(QStringLiteral("212"), QStringLiteral("34"));
    EXPECT_EQ(area.findChild<QLineEdit *>(QStringLiteral("Text21"))->text(), "212");
    EXPECT_EQ(area.findChild<QLineEdit *>(QStringLiteral("Text57"))->text(), "34");
    EXPECT_EQ(announced, QStringList{QStringLiteral("212")}); // the resting rate is not the maximum
    area.findChild<QLineEdit *>(QStringLiteral("Text57"))->setText(QStringLiteral("40"));
    EXPECT_EQ(announced.size(), 1);
}

const char *const IdentityNames[] = {"Text4", "Text5",  "Text6",  "Text7",
                                     "Text8", "Text60", "Text21", "Text57"};

TEST(EntryPanel, ClearIdentityEmptiesEveryIdentityFieldAndNoStep) {
    QWidget area;
    EntryPanel panel(&area);
    for (const char *name : IdentityNames)
        area.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QStringLiteral("1"));
    area.findChild<QLineEdit *>(QStringLiteral("lakt1"))->setText(QStringLiteral("1.5"));
    QStringList announced;
    QObject::connect(&panel, &EntryPanel::maxHrChanged,
                     [&announced](const QString &text) { announced.append(text); });
    panel.clearIdentity();
    for (const char *name : IdentityNames)
        EXPECT_EQ(area.findChild<QLineEdit *>(QString::fromLatin1(name))->text(), "") << name;
    EXPECT_EQ(area.findChild<QLineEdit *>(QStringLiteral("lakt1"))->text(), "1.5");
    EXPECT_EQ(announced, QStringList{QString()}); // the zones are told the maximum is gone
}

// A test is on screen (a background picture dropped on the graph is then ignored) when the first
// step holds a lactate or a heart rate; a speed or a later step alone does not count.
TEST(EntryPanel, ATestIsOnScreenWhenTheFirstStepHoldsLactateOrHeartRate) {
    const std::pair<const char *, bool> cases[] = {
        {"lakt1", true}, {"puls1", true}, {"temp1", false}, {"lakt2", false}, {"puls2", false}};
    for (const auto &[name, onScreen] : cases) {
        QWidget area;
        EntryPanel panel(&area);
        EXPECT_FALSE(panel.firstStepTyped());
        area.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QStringLiteral("1"));
        EXPECT_EQ(panel.firstStepTyped(), onScreen) << name;
    }
}

namespace {

struct TypedEntry : ::testing::Test {
    TypedEntry() {
        panel.setUnitSource([this] { return unit; });
    }
    QLineEdit *field(const char *name) {
        return area.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    void typeInto(const char *name, const QString &text) {
        field(name)->clear();
        kavren::testing::typeText(field(name), text);
    }
    QWidget area;
    EntryPanel panel{&area};
    SpeedUnit unit = SpeedUnit::MinPerKm;
};

} // namespace

// A speed typed as a time takes ":" for the point, as it takes ","; other fields and units keep it.
TEST_F(TypedEntry, AColonInASpeedTypedAsATimeBecomesAPoint) {
    const std::tuple<SpeedUnit, const char *, const char *> cases[] = {
        {SpeedUnit::MinPerKm, "temp1", "3.20"},     {SpeedUnit::SecPer200m, "temp6", "3.20"},
        {SpeedUnit::KmPerHour, "temp1", "3:20"},    {SpeedUnit::MetrePerMin, "temp2", "3:20"},
        {SpeedUnit::RecoveryTime, "temp1", "3:20"}, {SpeedUnit::MinPerKm, "lakt1", "3:20"},
        {SpeedUnit::MinPerKm, "puls1", "3:20"}};
    for (const auto &[typedUnit, name, shown] : cases) {
        unit = typedUnit;
        typeInto(name, "3:20");
        EXPECT_EQ(field(name)->text(), shown) << name << " in unit " << int(typedUnit);
    }
}

// An implausible value is marked with its range and nothing is changed; a plausible one, or a
// change of unit that makes the speed plausible, takes the mark away.
TEST_F(TypedEntry, ImplausibleValuesAreMarkedWithTheirRangeAndKeptAsTyped) {
    const auto marked = [this](const char *name) {
        return field(name)->property("implausible").toBool();
    };
    unit = SpeedUnit::KmPerHour;
    typeInto("lakt1", "99999");
    typeInto("puls2", "99999999");
    typeInto("temp3", "5"); // 1.38 m/s
    typeInto("Text21", "90");
    EXPECT_TRUE(marked("lakt1"));
    EXPECT_EQ(field("lakt1")->text(), "99999");
    EXPECT_TRUE(field("lakt1")->toolTip().contains("up to 40 mmol/l"));
    EXPECT_TRUE(marked("puls2"));
    EXPECT_TRUE(field("puls2")->toolTip().contains("20 to 300 b/min"));
    EXPECT_FALSE(marked("temp3"));
    EXPECT_TRUE(marked("Text21"));
    EXPECT_EQ(panel.implausibleFields(),
              (QStringList{"Max Hr", "Lactate, step 1", "Heart rate, step 2"}));

    unit = SpeedUnit::SecPer200m; // 5 s per 200 m is 40 m/s
    panel.markImplausibleValues();
    EXPECT_TRUE(marked("temp3"));
    EXPECT_TRUE(field("temp3")->toolTip().contains("above 0 to 25 m/s"));
    typeInto("lakt1", "4.5");
    EXPECT_FALSE(marked("lakt1"));
    EXPECT_EQ(field("lakt1")->toolTip(), "");
}
