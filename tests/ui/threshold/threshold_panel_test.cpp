// The threshold panel's own interface: what "clear" and "clear threshold" empty and what they
// leave, what a recovery unit disables, and the training zones that follow a maximum heart rate.
#include "ui/threshold/threshold_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

class ThresholdPanelTest : public testing::Test {
protected:
    ThresholdPanelTest() {
        test.scale.hrAxisMax = 240; // a drawn graph: the recovery row may be computed
    }

    // The text of a field or label of the panel; "<missing>" when no control has the name.
    QString text(const char *name) const {
        const QString objectName = QString::fromLatin1(name);
        if (const auto *field = area.findChild<QLineEdit *>(objectName))
            return field->text();
        if (const auto *label = area.findChild<QLabel *>(objectName))
            return label->text();
        return QStringLiteral("<missing>");
    }
    bool enabled(const char *name) const {
        const auto *widget = area.findChild<QWidget *>(QString::fromLatin1(name));
        return widget && widget->isEnabled();
    }
    void setLabel(const char *name, const QString &caption) {
        if (auto *label = area.findChild<QLabel *>(QString::fromLatin1(name)))
            label->setText(caption);
    }

    // Every field and caption of the panel holds something.
    void fillEverything() {
        panel->showZonesFor(QStringLiteral("200"));
        area.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("4"));
        area.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("170"));
        area.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("8"));
        area.findChild<QLineEdit *>(QStringLiteral("Text58"))->setText(QStringLiteral("50"));
        for (const char *name : {"Label18", "Label25", "Label58", "Label65", "label68", "Label69"})
            setLabel(name, QStringLiteral("x"));
    }

    QWidget area;
    CurrentTest test;
    ThresholdPanel *panel = new ThresholdPanel(
        &area, QRect(0, 0, 240, 200), QRect(0, 210, 600, 80), test, [] { return false; },
        [] { return true; });
};

const char *const ThresholdControls[] = {"Text1",   "Text2",   "Text3",  "Label18",
                                         "Label25", "Label58", "Label65"};
const char *const ZoneControls[] = {"Text58",     "label68",    "Label69",    "Label64(0)",
                                    "Label64(1)", "Label64(2)", "Label64(3)", "Label64(4)"};

} // namespace

TEST_F(ThresholdPanelTest, ClearEmptiesTheThresholdThePercentageAndTheZones) {
    fillEverything();
    for (const char *name : ZoneControls)
        ASSERT_FALSE(text(name).isEmpty()) << name;
    panel->clear();
    for (const char *name : ThresholdControls)
        EXPECT_EQ(text(name), "") << name;
    for (const char *name : ZoneControls)
        EXPECT_EQ(text(name), "") << name;
}

TEST_F(ThresholdPanelTest, ClearThresholdKeepsTheZonesOfTheHorse) {
    fillEverything();
    panel->clearThreshold();
    for (const char *name : ThresholdControls)
        EXPECT_EQ(text(name), "") << name;
    // 200 b/min: floor of 0.5 · 200 to floor of 0.6 · 200 is the first zone.
    EXPECT_EQ(text("Label64(0)").trimmed(), "100-120");
    EXPECT_EQ(text("Text58"), "50");
    EXPECT_EQ(text("label68"), "x");
}

TEST_F(ThresholdPanelTest, ZonesFollowTheMaximumHeartRateAndIgnoreAnUnreadableOne) {
    // 170: 0.7 · 170 is 119 exactly, so the third zone starts at 120 (not 119 from 118.999…).
    panel->showZonesFor(QStringLiteral("170"));
    EXPECT_EQ(text("Label64(2)").trimmed(), "120-136");
    EXPECT_EQ(test.maxHr, 170);
    panel->showZonesFor(QStringLiteral("99999")); // beyond a 16-bit heart rate: nothing changes
    EXPECT_EQ(text("Label64(2)").trimmed(), "120-136");
    EXPECT_EQ(test.maxHr, 170);
}

TEST_F(ThresholdPanelTest, ARecoveryTestDisablesTheSlidersAndTheOtherUnitsUntilASpeedUnit) {
    panel->showUnit(SpeedUnit::RecoveryTime);
    EXPECT_EQ(text("Label21"), "Time (min)");
    EXPECT_FALSE(enabled("Slider1"));
    EXPECT_FALSE(enabled("Slider2"));
    for (const char *name : {"Label19", "Label60", "Label66", "Label61"})
        EXPECT_FALSE(enabled(name)) << name;
    panel->showUnit(SpeedUnit::SecPer200m);
    EXPECT_EQ(text("Label21"), "sek/200m");
    EXPECT_TRUE(enabled("Slider1"));
    EXPECT_TRUE(enabled("Slider2"));
    // The captions of the other units stay greyed, as they were after a recovery test.
    EXPECT_FALSE(enabled("Label60"));
}

TEST_F(ThresholdPanelTest, PaceAndZoneTextsAreWhatThePanelShows) {
    panel->showZonesFor(QStringLiteral("200"));
    setLabel("Label18", QStringLiteral("2:05"));
    EXPECT_EQ(panel->paceText(), "2:05");
    const auto zones = panel->zoneTexts();
    EXPECT_EQ(zones[0].trimmed(), "100-120");
    EXPECT_EQ(zones[4].trimmed(), "181-200"); // floor of 0.9 · 200, plus one, to the maximum
}
