// The entry panel's typed interface: each identity field is the control of its name, the heart
// rates of an imported file go to their own fields, and a new maximum heart rate is announced.
#include "ui/entry/entry_panel.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

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
